// A tag engine with every export of the engine's interface, for the tests.
#include "tests/tags/FakeEngine.h"

#include "engine/EngineApi.h"

#include <QHash>

#include <cstring>

namespace {

QStringList calls;
QHash<QString, QString> results;
int liveTexts = 0;

QString arg(const char16_t* text) { return text ? QString::fromUtf16(text) : QStringLiteral("<null>"); }
QString arg(int32_t number) { return QString::number(number); }

template <typename... Args>
QString answer(const char* name, const QString& unset, Args... args) {
  const QStringList list{arg(args)...};
  const QString call = QString::fromLatin1(name) + QLatin1Char('(') + list.join(QLatin1Char(',')) + QLatin1Char(')');
  calls << call;
  return results.value(call, results.value(QString::fromLatin1(name), unset));
}

char16_t* give(const QString& text) {
  auto* copy = new char16_t[size_t(text.size()) + 1];
  std::memcpy(copy, text.utf16(), sizeof(char16_t) * (size_t(text.size()) + 1));
  ++liveTexts;
  return copy;
}

}  // namespace

namespace fake_engine {

void Reset() {
  calls.clear();
  results.clear();
}

void SetResult(const QString& call, const QString& value) { results.insert(call, value); }
QStringList Calls() { return calls; }
int LiveTexts() { return liveTexts; }

}  // namespace fake_engine

// One definition per signature kind; the export list generates them all.
#define FAKE_Analyze(name) \
  int32_t name(const char16_t* file) { return answer(#name, "-1", file).toInt(); }
#define FAKE_FreeText(name) \
  void name(char16_t* text) {   \
    delete[] text;              \
    --liveTexts;                \
  }
#define FAKE_FrameGet(name) \
  char16_t* name(int32_t frameId) { return give(answer(#name, "", frameId)); }
#define FAKE_FrameSet(name) \
  void name(int32_t frameId, const char16_t* text) { answer(#name, "", frameId, text); }
#define FAKE_IndexGet(name) \
  char16_t* name(int32_t index) { return give(answer(#name, "", index)); }
#define FAKE_Begin(name) \
  void name() { answer(#name, ""); }
#define FAKE_KeyGet(name) \
  char16_t* name(const char16_t* key) { return give(answer(#name, "", key)); }
#define FAKE_KeySet(name) \
  void name(const char16_t* key, const char16_t* text) { answer(#name, "", key, text); }
#define FAKE_TextGet(name) \
  char16_t* name() { return give(answer(#name, "")); }
#define FAKE_TextSet(name) \
  void name(const char16_t* text) { answer(#name, "", text); }
#define FAKE_IntGet(name) \
  int32_t name() { return answer(#name, "0").toInt(); }
#define FAKE_FloatGet(name) \
  float name() { return answer(#name, "0").toFloat(); }
#define FAKE_Save(name) \
  int16_t name() { return int16_t(answer(#name, "-1").toInt()); }

#define FAKE_EXPORT(kind, name) FAKE_##kind(name)
extern "C" {
QUILLORA_ENGINE_EXPORTS(FAKE_EXPORT)
}
