// The picture composed for each of the sixty personality types. The titles live in the reading
// engine's type table, the one place the program takes them from too.
#pragma once

#include <QImage>

#include <array>

class QPainter;

namespace soranika::pictures {

struct PictureType {
    int number; ///< 1 .. 60, the type's index and the file name: Image(number).tkb
    void (*paint)(QPainter&);
};

/// All sixty types in order.
const std::array<PictureType, 60>& pictureTypes();

/// Renders one picture: kWidth x kHeight, opaque, antialiased.
QImage renderPicture(const PictureType& type);

} // namespace soranika::pictures
