#include "StatusLine.h"

#include <QtGlobal>

namespace soranika {

namespace {

constexpr int kRightMargin = 4;
constexpr int kGap = 8;

} // namespace

StatusLineLayout LayOutStatusLine(const QRect& designedDate, const QRect& designedCount,
                                  int countTextWidth, int clientWidth) {
    StatusLineLayout layout;
    // One pixel more than the text measures, so that a glyph drawn a little wider at another
    // scale is not cut.
    const int countWidth = qMax(designedCount.width(), countTextWidth + 1);
    const int countLeft = qMin(designedCount.left(), clientWidth - kRightMargin - countWidth);
    layout.countBox = QRect(countLeft, designedCount.top(), countWidth, designedCount.height());
    const int dateRoom = countLeft - kGap - designedDate.left();
    layout.dateBox =
        QRect(designedDate.left(), designedDate.top(), dateRoom, designedDate.height());
    return layout;
}

} // namespace soranika
