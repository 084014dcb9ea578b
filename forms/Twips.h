#pragma once

#include <QRect>

namespace soranika {

// The windows are laid out in twips, 1/1440 inch: 15 twips to a pixel at 96 dots per inch.
inline constexpr int TwipsPerPixel = 15;

// Rounds half a pixel away from zero, so that 7.5 pixels and -7.5 pixels are mirror images.
int TwipsToPixels(int twips);

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QRect toPixels() const;
};

} // namespace soranika
