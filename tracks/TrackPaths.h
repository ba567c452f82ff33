// How a track's file is addressed: the folder box's folder, "/", and the
// track's relative name ("Live/Disc 1/01 Intro.mp3"). An empty folder stands
// for the root folder.
#pragma once

#include <QString>

namespace quillora {

inline QString FullFileName(const QString& folder, const QString& relativeName) {
  if (folder.endsWith(QLatin1Char('/'))) return folder + relativeName;
  return folder + QLatin1Char('/') + relativeName;
}

}  // namespace quillora
