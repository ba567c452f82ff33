// The favourites file fav.dir beside the program: one folder path per line,
// each line ended by CR LF, written back in the encoding it was read in.
#pragma once

#include "dialogs/TextEncoding.h"

#include <QString>
#include <QStringList>

namespace quillora {

struct FavouritesList {
  QStringList items;
  // The encoding the file was read in; a list that did not come from a file
  // is written as UTF-8 without a byte-order mark.
  TextEncoding encoding = TextEncoding::Utf8;
};

// folder + "/fav.dir"; the folder is the executable's unless given.
QString FavouritesFileName();
QString FavouritesFileName(const QString& folder);

// Lines may end in CR LF, LF or CR; an empty line is an empty item. A missing
// file gives an empty list; a file that cannot be read throws Error.
FavouritesList ReadFavouritesFile(const QString& fileName);

// Replaces the whole file; throws Error when it cannot be written.
void WriteFavouritesFile(const QString& fileName, const FavouritesList& list);

}  // namespace quillora
