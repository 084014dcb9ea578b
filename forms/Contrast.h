#pragma once

#include <QColor>

namespace soranika {

// Text on a window whose colour the user chooses must stay readable on every colour. The measure
// is the contrast ratio of the Web Content Accessibility Guidelines: from 1 (the same colour) to
// 21 (black on white); 4.5 is enough for text of ordinary size.
inline constexpr double LeastReadableContrast = 4.5;

// The relative luminance of a colour, from 0 (black) to 1 (white).
double RelativeLuminance(const QColor& colour);

double ContrastRatio(const QColor& first, const QColor& second);

// The designed text colour where it contrasts enough with the background; otherwise black or
// white, whichever contrasts more.
QColor ReadableTextColour(const QColor& designed, const QColor& background);

} // namespace soranika
