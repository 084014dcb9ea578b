// The sixty personality types and the picture composed for each of them.
#pragma once

#include <QImage>

#include <array>

class QPainter;

namespace soranika::pictures {

struct PictureType {
    int number;        ///< 1 .. 60, also the file name: Image(number).tkb
    const char* title; ///< the type's title, UTF-8
    void (*paint)(QPainter&);
};

/// All sixty types in order.
const std::array<PictureType, 60>& pictureTypes();

/// Renders one picture: kWidth x kHeight, opaque, antialiased.
QImage renderPicture(const PictureType& type);

} // namespace soranika::pictures
