#include "StatusLine.h"

#include <QtGlobal>

namespace soranika {

namespace {

constexpr int kRightMargin = 4;
constexpr int kGap = 8;
// Below this the date would be too squeezed to read; it does not come to that with six digits.
constexpr int kNarrowestStretch = 60;

} // namespace

StatusLineLayout LayOutStatusLine(const QRect& designedDate, const QRect& designedCount,
                                  int countTextWidth, int clientWidth,
                                  const std::function<int(int stretch)>& dateWidthAt) {
    StatusLineLayout layout;
    // One pixel more than the text measures, so that a glyph drawn a little wider at another
    // scale is not cut.
    const int countWidth = qMax(designedCount.width(), countTextWidth + 1);
    const int countLeft = qMin(designedCount.left(), clientWidth - kRightMargin - countWidth);
    layout.countBox = QRect(countLeft, designedCount.top(), countWidth, designedCount.height());

    const int dateRoom = countLeft - kGap - designedDate.left();
    layout.dateBox =
        QRect(designedDate.left(), designedDate.top(), dateRoom, designedDate.height());
    const auto fits = [&](int stretch) {
        return dateWidthAt(stretch) + 1 <= dateRoom;
    };
    if (fits(layout.dateStretch))
        return layout;
    // A text too long for even the narrowest stretch (a hand-edited store may hold a megabyte of
    // it) is not measured at every step on the way there.
    if (!fits(kNarrowestStretch)) {
        layout.dateStretch = kNarrowestStretch;
        return layout;
    }
    do
        --layout.dateStretch;
    while (!fits(layout.dateStretch));
    return layout;
}

} // namespace soranika
