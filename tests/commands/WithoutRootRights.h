// Running a piece of work as an ordinary user. Root may write any file
// whatever its permission bits, so a check that a read-only file stays
// unwritten needs a process without root's rights.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace quillora {

// Runs work in this process when it is not root. As root, it hands the
// given files and folders to the "nobody" account and runs work in a child
// process as nobody; the child's changes to files stay, its changes in
// memory are lost. Returns the text work returned.
QString RunWithoutRootRights(const QStringList& handedOver, const std::function<QString()>& work);

}  // namespace quillora
