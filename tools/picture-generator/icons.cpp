#include "icons.h"

#include "cartoon.h"

#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <limits>
#include <vector>

namespace soranika::pictures {

namespace {

const QColor kIconOutline(0x5a, 0x36, 0x1c);
const QColor kIconYellow(0xff, 0xd2, 0x3a);
const QColor kIconMouth(0xe0, 0x2c, 0x2a);

/// The face in a box of `size` pixels. Line widths have a floor of about one pixel so that
/// whiskers and outline survive at 32 x 32.
void paintFace(QPainter& p, double size) {
    const double s = size;
    const QPointF c(s / 2, s / 2 + s * 0.02);
    const double r = s * 0.4;
    const double line = std::max(1.3, s * 0.045);

    QRadialGradient shade(c + QPointF(-r * 0.35, -r * 0.4), r * 1.5);
    shade.setColorAt(0, kIconYellow.lighter(118));
    shade.setColorAt(0.6, kIconYellow);
    shade.setColorAt(1, QColor(0xf0, 0xa8, 0x1e));
    p.setPen(QPen(kIconOutline, line));
    p.setBrush(shade);
    p.drawEllipse(c, r, r);

    // Whiskers: three each side, fanning out past the cheeks like a cat's.
    const double whisker = std::max(1.0, s * 0.028);
    p.setPen(roundPen(kIconOutline, whisker));
    for (int i = -1; i <= 1; ++i) {
        for (double side : {-1.0, 1.0}) {
            p.drawLine(c + QPointF(side * r * 0.42, r * (0.22 + i * 0.16)),
                       c + QPointF(side * r * 1.12, r * (0.14 + i * 0.3)));
        }
    }

    // Blush.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x8a, 0x7a, 150));
    for (double side : {-1.0, 1.0}) {
        p.drawEllipse(c + QPointF(side * r * 0.55, r * 0.05), r * 0.16, r * 0.1);
    }

    // Eyes with a glint; big enough to keep a solid dark core at 32 x 32.
    p.setBrush(QColor(0x2a, 0x1a, 0x14));
    for (double side : {-1.0, 1.0}) {
        p.drawEllipse(c + QPointF(side * r * 0.36, -r * 0.16), r * 0.16, r * 0.25);
    }
    p.setBrush(Qt::white);
    for (double side : {-1.0, 1.0}) {
        p.drawEllipse(c + QPointF(side * r * 0.36 - r * 0.05, -r * 0.26), r * 0.065, r * 0.065);
    }

    // Small red mouth, a little open.
    QPainterPath mouth(c + QPointF(-r * 0.16, r * 0.3));
    mouth.cubicTo(c + QPointF(-r * 0.14, r * 0.56), c + QPointF(r * 0.14, r * 0.56),
                  c + QPointF(r * 0.16, r * 0.3));
    mouth.closeSubpath();
    p.setPen(QPen(kIconOutline, std::max(1.0, s * 0.02)));
    p.setBrush(kIconMouth);
    p.drawPath(mouth);
}

int nearestIndex(QRgb pixel, const std::vector<QRgb>& table) {
    int best = 1;
    long bestDistance = std::numeric_limits<long>::max();
    for (int i = 1; i < int(table.size()); ++i) {
        const long dr = qRed(pixel) - qRed(table[i]);
        const long dg = qGreen(pixel) - qGreen(table[i]);
        const long db = qBlue(pixel) - qBlue(table[i]);
        const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

} // namespace

QImage renderIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintFace(painter, size);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage renderSmallPaletteIcon() {
    const QImage smooth = renderIcon(32);
    // Sixteen entries: transparent, the face colours and the in-between shades that the
    // antialiased edges need.
    const std::vector<QRgb> table{
        qRgba(0, 0, 0, 0),      qRgb(0x5a, 0x36, 0x1c), qRgb(0xff, 0xd2, 0x3a),
        qRgb(0xff, 0xe8, 0x7a), qRgb(0xf0, 0xa8, 0x1e), qRgb(0xe0, 0x2c, 0x2a),
        qRgb(0x2a, 0x1a, 0x14), qRgb(0xff, 0xff, 0xff), qRgb(0xff, 0xa0, 0x70),
        qRgb(0x9a, 0x6e, 0x2a), qRgb(0xc8, 0x98, 0x30), qRgb(0x7a, 0x50, 0x24),
        qRgb(0xe8, 0xb8, 0x34), qRgb(0xa0, 0x30, 0x22), qRgb(0xff, 0xde, 0x58),
        qRgb(0xd8, 0x8a, 0x24)};
    QImage indexed(32, 32, QImage::Format_Indexed8);
    indexed.setColorTable(QList<QRgb>(table.begin(), table.end()));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb pixel = smooth.pixel(x, y);
            // Half-covered edge pixels become either solid or transparent: a small palette
            // has no room for partial transparency.
            indexed.setPixel(x, y, qAlpha(pixel) < 110 ? 0 : nearestIndex(pixel, table));
        }
    }
    return indexed;
}

QImage renderHandCursor() {
    constexpr int kSize = 32;
    std::array<std::array<bool, kSize>, kSize> hand{};
    auto fill = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                hand[y][x] = true;
            }
        }
    };
    auto clear = [&](int x, int y) {
        hand[y][x] = false;
    };
    // Index finger pointing up; its rounded tip row is x 12..14 at y 9, centred on the hot spot.
    fill(11, 9, 15, 21);
    clear(11, 9);
    clear(15, 9);
    // Three curled fingers to the right, each a little lower than the previous.
    fill(15, 15, 19, 22);
    clear(19, 15);
    fill(19, 16, 23, 23);
    clear(23, 16);
    fill(23, 18, 26, 24);
    clear(26, 18);
    // Thumb on the left and the palm.
    fill(6, 19, 11, 24);
    clear(6, 19);
    fill(8, 21, 26, 27);
    clear(26, 27);
    // Wrist / sleeve.
    fill(10, 28, 23, 30);

    std::array<std::array<bool, kSize>, kSize> ink{};
    const auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < kSize && y < kSize && hand[y][x];
    };
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            ink[y][x] = hand[y][x] && (!inside(x - 1, y) || !inside(x + 1, y) ||
                                       !inside(x, y - 1) || !inside(x, y + 1));
        }
    }
    // Lines between the fingers, the thumb crease and the sleeve edge.
    for (int y = 15; y <= 19; ++y) {
        ink[y][15] = true;
    }
    for (int y = 16; y <= 20; ++y) {
        ink[y][19] = true;
    }
    for (int y = 18; y <= 21; ++y) {
        ink[y][23] = true;
    }
    for (int y = 21; y <= 23; ++y) {
        ink[y][11] = true;
    }
    for (int x = 10; x <= 23; ++x) {
        ink[28][x] = true;
    }

    QImage cursor(kSize, kSize, QImage::Format_Indexed8);
    cursor.setColorTable({qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            cursor.setPixel(x, y, !hand[y][x] ? 0 : (ink[y][x] ? 1 : 2));
        }
    }
    return cursor;
}

} // namespace soranika::pictures
