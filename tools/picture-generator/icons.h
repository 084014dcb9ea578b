// The program icon (a yellow whiskered face) and the pointing-hand mouse cursor.
#pragma once

#include <QImage>
#include <QPoint>

namespace soranika::pictures {

/// The icon drawn smoothly at `size` x `size` pixels, full colour, transparent background.
QImage renderIcon(int size);

/// The 32 x 32 icon as an indexed image with a colour table of at most 16 entries (entry 0 is
/// fully transparent), for places that want a small-palette icon.
QImage renderSmallPaletteIcon();

/// Where the fingertip of the cursor is: the hot spot the program sets for it.
inline constexpr QPoint kCursorHotSpot(13, 9);

/// 32 x 32 pointing hand, index finger up, tip at kCursorHotSpot: black outline, white fill,
/// transparent elsewhere; indexed with the three colours only, no antialiasing.
QImage renderHandCursor();

} // namespace soranika::pictures
