// The game's pictures in the form the build writes them (tools/pictures_to_raw.py): the
// pixels as Qt holds them, read straight from the program's resources, so that the first frame
// runs no picture decoder (nor Qt's search of its plugins for one). Each gives the image Qt's
// PNG reader gives for the picture the file was made from.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

namespace platform {

// A picture by its resource path (":/skin/main_left.bgra"); a null image for a path that
// holds no such picture.
QImage picture(const QString& path);
QPixmap picturePixmap(const QString& path);

} // namespace platform
