#pragma once

#include <QRect>

namespace soranika {

// Where the two status labels go so that both texts stay whole and apart: the time of the last
// Record (Label8) and the number of readings (Label9) share one line at the foot of the main
// window, and the longest texts ("前回鑑定記録日時：2026/12/31 23:59:59", a six-digit count) are
// wider in the substitute gothic than the boxes the table gives them.
struct StatusLineLayout {
    QRect dateBox;
    QRect countBox;
};

// The count keeps its designed left edge while its text fits between there and the window's
// right margin, and moves left as far as its text needs beyond that. The date keeps its designed
// left edge and takes the room up to the count, less a gap (the label sets a wider text narrower,
// just enough).
StatusLineLayout LayOutStatusLine(const QRect& designedDate, const QRect& designedCount,
                                  int countTextWidth, int clientWidth);

} // namespace soranika
