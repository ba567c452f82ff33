// "Select'n Load" and "Refresh": walk the folder box's folder (and, with
// "Include Subdirectories", every folder below it) and list each file whose
// extension belongs to a media format, with its tag values, in the track
// table.
//
// Both commands start from a clean slate: every field map row is reset (the
// filter is switched off first), and the track table is brought back to its
// single "FileName" field and column, so no column position in the field map
// outlives its column. DisableActions is set for the whole run.
//
// Each folder's entries are taken in name order, ignoring case; hidden
// entries are included; a folder reached through a symbolic link is entered
// at most once, so a link loop ends. A file whose tags cannot be read is
// listed with empty cells; a folder that cannot be opened is skipped and
// counted in the final status text. Esc (the host's stop request) ends the
// walk with the rows read so far. An error while a row is filled ends the
// scan: the rows so far stay, the status text is emptied, and the error
// passes on to the window.
#pragma once

#include <QSet>
#include <QString>

#include <optional>
#include <utility>

namespace quillora {

class Host;
class TMetaTag;
struct Workspace;

class FolderScan {
 public:
  FolderScan(Workspace& workspace, Host& host) : ws_(workspace), host_(host) {}

  // "Select'n Load" once the directory chooser confirmed a folder.
  void Button1Click(const QString& directory);
  // "Refresh": scans the folder box's folder again.
  void btnRefreshClick();

 private:
  void load(const QString& statusText, const std::optional<QString>& newFolder);
  void ScanFolder(const QString& sub);
  void AddTrackFile(const QString& relativeName);
  QString finalStatus() const;

  Workspace& ws_;
  Host& host_;
  TMetaTag* tag_ = nullptr;
  QSet<std::pair<quint64, quint64>> entered_;  // device and inode of each folder entered
  int unreadableFolders_ = 0;
  bool stopped_ = false;
};

}  // namespace quillora
