// Whether a committed picture still shows what the generator draws. The files cannot be compared
// byte for byte: another zlib packs the same pixels differently, and Qt's blending rounds a level
// differently between its processor-specific code paths and from one release to the next.
#pragma once

#include <QImage>
#include <QString>

namespace soranika::pictures {

/// Largest difference, in levels of 255, of any channel (alpha, red, green, blue) at which two
/// pixels still count as the same. A blend or gradient that rounds the other way is a level or
/// two off. Drawing every picture a rasteriser step (1/64 pixel) to the side moves edge pixels by
/// up to 9 levels; with 8, that left no more than one pixel of any picture astray. Three per cent
/// of the range is far below what an eye can tell.
inline constexpr int kChannelTolerance = 8;

/// Share of an image's pixels that may differ by more than kChannelTolerance: an edge pixel or
/// two whose coverage moved. 0.005 % is 11 pixels of a type picture, 3 of the 256 x 256 icon and
/// none of the smaller ones; a motif of 4 x 4 pixels drawn, moved or recoloured is more
/// (recolouring the thin arrow beside the target of type 60 changes 60).
inline constexpr double kStrayPixelShare = 0.00005;

struct ImageComparison {
    bool same = false;
    qsizetype strayPixels = 0; ///< pixels beyond kChannelTolerance
    int largestDifference = 0; ///< in levels, over all channels and pixels
    QString reason;            ///< what differs, when not the same
};

/// Compares the pixels of two images as 32-bit ARGB. Pixels that are fully transparent in both
/// match whatever colour they carry, as nothing of that colour is ever shown.
ImageComparison compareImages(const QImage& expected, const QImage& actual);

} // namespace soranika::pictures
