// Control of the fake tag engine the tag tests load in place of the real one:
// it records every call and answers with the results a test sets.
#pragma once

#include <QString>
#include <QStringList>

namespace fake_engine {

// Forgets the recorded calls and the set results.
void Reset();
// The answer to a call, given as it is recorded ("FLACGetUserItemW(ALBUM)")
// or by the export's name alone for every call of it. Numbers are given as
// text. Unset texts are empty, numbers 0, saves -1 (success).
void SetResult(const QString& call, const QString& value);
// Every call since the last reset, as "Name(arg,arg)"; releasing a text is
// not recorded.
QStringList Calls();
// How many texts the engine handed out that were not released yet.
int LiveTexts();

}  // namespace fake_engine
