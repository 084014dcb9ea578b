#include "PrintPage.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>

namespace soranika {

Result<> PrintWindowPage(QWidget& window, QPrinter& printer) {
    // Rendering straight onto the printer would turn the window into one bitmap; recorded as a
    // picture first, its text and lines stay vector graphics. The picture is in the window's own
    // 96-dpi pixels and the printer's painter scales it to the page.
    QPicture page;
    {
        QPainter recorder(&page);
        window.render(&recorder, QPoint(), QRegion(window.rect()),
                      QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return Failure{QStringLiteral("プリンタが印刷を受け付けませんでした。")};
    painter.drawPicture(0, 0, page);
    if (!painter.end())
        return Failure{QStringLiteral("印刷を完了できませんでした。")};
    return {};
}

} // namespace soranika
