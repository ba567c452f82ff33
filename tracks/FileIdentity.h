// What a track's file was when it was read: device, inode, size and
// modification time. A commit compares it with the file as it is now, so a
// file that was replaced or changed on disk since the folder was loaded
// does not get the grid's values written over tags the user never saw.
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace quillora {

struct FileIdentity {
  quint64 device = 0;
  quint64 inode = 0;
  qint64 size = 0;
  qint64 modifiedNs = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The identity of the file a full name names; nothing when it cannot be had.
std::optional<FileIdentity> IdentityOfFile(const QString& fullName);

}  // namespace quillora
