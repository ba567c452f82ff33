// The About window's decoration, drawn rather than shipped as an image file.
#pragma once

#include <QPixmap>

namespace quillora {

QPixmap AboutPicture(int size);

}  // namespace quillora
