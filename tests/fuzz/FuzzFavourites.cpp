// The fav.dir reader on hostile bytes: read, write back and read again. The
// second reading must give the same folders in the same encoding.

#include "FuzzSupport.h"
#include "dialogs/FavouritesFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using quillora::fuzz::Require;
  const std::string input = quillora::fuzz::ScratchPath("input.dir");
  const QString saved = QString::fromStdString(quillora::fuzz::ScratchPath("fav.dir"));
  quillora::fuzz::WriteBytes(input, data, size);

  const quillora::FavouritesList list = quillora::ReadFavouritesFile(QString::fromStdString(input));
  quillora::WriteFavouritesFile(saved, list);
  const quillora::FavouritesList again = quillora::ReadFavouritesFile(saved);
  Require(again.items == list.items, "a written fav.dir reads back other folders");
  Require(again.encoding == list.encoding, "a written fav.dir reads back in another encoding");
  return 0;
}
