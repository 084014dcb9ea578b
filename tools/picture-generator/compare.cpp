#include "compare.h"

#include <QRgb>

#include <algorithm>
#include <cstdlib>

namespace soranika::pictures {

namespace {

int channelDifference(QRgb a, QRgb b) {
    if (qAlpha(a) == 0 && qAlpha(b) == 0)
        return 0;
    return std::max({std::abs(qAlpha(a) - qAlpha(b)), std::abs(qRed(a) - qRed(b)),
                     std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

} // namespace

ImageComparison compareImages(const QImage& expected, const QImage& actual) {
    ImageComparison result;
    if (expected.isNull() || actual.isNull()) {
        result.reason = QStringLiteral("cannot be read as an image");
        return result;
    }
    if (expected.size() != actual.size()) {
        result.reason = QStringLiteral("is %1 x %2 pixels, the drawing %3 x %4")
                            .arg(actual.width())
                            .arg(actual.height())
                            .arg(expected.width())
                            .arg(expected.height());
        return result;
    }
    const QImage a = expected.convertToFormat(QImage::Format_ARGB32);
    const QImage b = actual.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int difference = channelDifference(rowA[x], rowB[x]);
            result.largestDifference = std::max(result.largestDifference, difference);
            if (difference > kChannelTolerance)
                ++result.strayPixels;
        }
    }
    const qsizetype pixels = qsizetype(a.width()) * a.height();
    const auto allowed = static_cast<qsizetype>(double(pixels) * kStrayPixelShare);
    result.same = result.strayPixels <= allowed;
    if (!result.same) {
        result.reason = QStringLiteral("%1 of %2 pixels differ by more than %3 levels (up to %4)")
                            .arg(result.strayPixels)
                            .arg(pixels)
                            .arg(kChannelTolerance)
                            .arg(result.largestDifference);
    }
    return result;
}

} // namespace soranika::pictures
