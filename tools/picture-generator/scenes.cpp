#include "scenes.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace soranika::pictures {

namespace {

constexpr double kPi = std::numbers::pi;

QRectF wholePicture() {
    return QRectF(0, 0, kWidth, kHeight);
}

} // namespace

void paintSky(QPainter& painter, const QColor& top, const QColor& bottom, double bottomY) {
    QLinearGradient gradient(0, 0, 0, bottomY);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(wholePicture(), gradient);
}

void paintSunburst(QPainter& painter, QPointF centre, int rays, const QColor& a, const QColor& b) {
    SavedState state(painter);
    painter.fillRect(wholePicture(), a);
    painter.setPen(Qt::NoPen);
    painter.setBrush(b);
    const double reach = 2 * kWidth;
    for (int i = 0; i < rays; ++i) {
        const double a0 = 2 * kPi * i / rays;
        const double a1 = 2 * kPi * (i + 0.5) / rays;
        QPolygonF ray;
        ray << centre << centre + QPointF(std::cos(a0), std::sin(a0)) * reach
            << centre + QPointF(std::cos(a1), std::sin(a1)) * reach;
        painter.drawPolygon(ray);
    }
}

void paintPolkaDots(QPainter& painter, const QColor& ground, const QColor& dots, double spacing,
                    double radius) {
    SavedState state(painter);
    painter.fillRect(wholePicture(), ground);
    painter.setPen(Qt::NoPen);
    painter.setBrush(dots);
    int row = 0;
    for (double y = spacing / 2; y < kHeight + radius; y += spacing * 0.87, ++row) {
        for (double x = (row % 2) * spacing / 2; x < kWidth + radius; x += spacing) {
            painter.drawEllipse(QPointF(x, y), radius, radius);
        }
    }
}

void paintStripes(QPainter& painter, const QColor& ground, const QColor& stripe, double width) {
    SavedState state(painter);
    painter.fillRect(wholePicture(), ground);
    painter.setPen(Qt::NoPen);
    painter.setBrush(stripe);
    for (double x = -kHeight; x < kWidth; x += width * 2) {
        QPolygonF band;
        band << QPointF(x, kHeight) << QPointF(x + width, kHeight)
             << QPointF(x + width + kHeight, 0) << QPointF(x + kHeight, 0);
        painter.drawPolygon(band);
    }
}

void paintSun(QPainter& painter, QPointF centre, double radius, const QColor& colour, int rays) {
    SavedState state(painter);
    QRadialGradient glow(centre, radius * 2.2);
    glow.setColorAt(0, withAlpha(colour.lighter(115), 150));
    glow.setColorAt(1, withAlpha(colour, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius * 2.2, radius * 2.2);
    painter.setBrush(colour.darker(108));
    for (int i = 0; i < rays; ++i) {
        const double a = 2 * kPi * i / rays;
        const QPointF d(std::cos(a), std::sin(a));
        const QPointF n(-d.y(), d.x());
        QPolygonF ray;
        ray << centre + d * (radius * 1.15) + n * (radius * 0.16) << centre + d * (radius * 1.55)
            << centre + d * (radius * 1.15) - n * (radius * 0.16);
        painter.drawPolygon(ray);
    }
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
}

void paintMoon(QPainter& painter, QPointF centre, double radius, const QColor& colour,
               bool crescent) {
    SavedState state(painter);
    QRadialGradient glow(centre, radius * 2);
    glow.setColorAt(0, withAlpha(colour, 90));
    glow.setColorAt(1, withAlpha(colour, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius * 2, radius * 2);
    QPainterPath moon = circlePath(centre, radius);
    if (crescent) {
        moon = moon.subtracted(
            circlePath(centre + QPointF(radius * 0.45, -radius * 0.25), radius * 0.85));
    }
    painter.setBrush(colour);
    painter.drawPath(moon);
    if (!crescent) {
        painter.setBrush(colour.darker(112));
        painter.drawEllipse(centre + QPointF(-radius * 0.3, -radius * 0.2), radius * 0.2,
                            radius * 0.16);
        painter.drawEllipse(centre + QPointF(radius * 0.35, radius * 0.3), radius * 0.14,
                            radius * 0.12);
        painter.drawEllipse(centre + QPointF(radius * 0.1, -radius * 0.5), radius * 0.1,
                            radius * 0.08);
    }
}

void paintCloud(QPainter& painter, QPointF c, double w, const QColor& colour, bool inked) {
    SavedState state(painter);
    QPainterPath cloud = ellipsePath(c + QPointF(0, w * 0.08), w * 0.5, w * 0.16);
    cloud = cloud.united(circlePath(c + QPointF(-w * 0.22, 0), w * 0.18));
    cloud = cloud.united(circlePath(c + QPointF(w * 0.02, -w * 0.1), w * 0.24));
    cloud = cloud.united(circlePath(c + QPointF(w * 0.26, 0), w * 0.16));
    cloud = cloud.simplified();
    if (inked) {
        fillInked(painter, cloud, colour);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPath(cloud);
    }
}

void paintStars(QPainter& painter, Dice& dice, QRectF area, int count, const QColor& colour) {
    SavedState state(painter);
    for (int i = 0; i < count; ++i) {
        const QPointF at(dice.between(area.left(), area.right()),
                         dice.between(area.top(), area.bottom()));
        const double r = dice.between(2, 7);
        if (r > 5.5) {
            drawSparkle(painter, at, r * 1.4, colour);
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(withAlpha(colour, 200));
            painter.drawEllipse(at, r * 0.4, r * 0.4);
        }
    }
}

void paintRainbow(QPainter& painter, QPointF centre, double radius, double band, int alpha) {
    SavedState state(painter);
    const QColor colours[] = {QColor(0xff, 0x6b, 0x6b), QColor(0xff, 0xb3, 0x47),
                              QColor(0xff, 0xe6, 0x6d), QColor(0x7e, 0xd9, 0x7a),
                              QColor(0x6c, 0xb8, 0xf0), QColor(0xa8, 0x8b, 0xe8)};
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        QPen pen(withAlpha(colours[i], alpha), band);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        const double r = radius - i * band;
        painter.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 0, 180 * 16);
    }
}

void paintHills(QPainter& painter, double baseY, double amplitude, double wavelength, double phase,
                const QColor& colour) {
    SavedState state(painter);
    QPainterPath hills(QPointF(0, kHeight + 10));
    for (double x = -10; x <= kWidth + 10; x += 6) {
        hills.lineTo(x, baseY - amplitude * std::sin((x / wavelength + phase) * 2 * kPi));
    }
    hills.lineTo(kWidth + 10, kHeight + 10);
    hills.closeSubpath();
    QLinearGradient shade(0, baseY - amplitude, 0, kHeight);
    shade.setColorAt(0, colour.lighter(106));
    shade.setColorAt(1, colour.darker(108));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPath(hills);
}

void paintMountains(QPainter& painter, const std::vector<QPointF>& peaks, double baseY,
                    const QColor& colour, const QColor& snow) {
    SavedState state(painter);
    for (QPointF peak : peaks) {
        const double h = baseY - peak.y();
        QPainterPath mountain(QPointF(peak.x() - h * 1.3, baseY));
        mountain.lineTo(peak.x() - h * 0.12, peak.y() + h * 0.08);
        mountain.quadTo(peak, QPointF(peak.x() + h * 0.12, peak.y() + h * 0.08));
        mountain.lineTo(peak.x() + h * 1.3, baseY);
        mountain.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPath(mountain);
        // Shaded right flank gives the mountains some volume.
        QPainterPath flank(peak);
        flank.lineTo(QPointF(peak.x() + h * 1.3, baseY));
        flank.lineTo(QPointF(peak.x() + h * 0.3, baseY));
        flank.closeSubpath();
        painter.setBrush(colour.darker(110));
        painter.setClipPath(mountain);
        painter.drawPath(flank);
        if (snow.isValid()) {
            QPolygonF cap;
            cap << QPointF(peak.x() - h * 0.33, peak.y() + h * 0.26)
                << QPointF(peak.x() - h * 0.15, peak.y() + h * 0.34)
                << QPointF(peak.x(), peak.y() + h * 0.26)
                << QPointF(peak.x() + h * 0.15, peak.y() + h * 0.36)
                << QPointF(peak.x() + h * 0.33, peak.y() + h * 0.26) << peak;
            painter.setBrush(snow);
            painter.drawPolygon(cap);
        }
        painter.setClipping(false);
    }
}

void paintGround(QPainter& painter, double y, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(0, y, 0, kHeight);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(QRectF(0, y, kWidth, kHeight - y), gradient);
}

void paintGrassTufts(QPainter& painter, Dice& dice, QRectF area, int count, const QColor& colour) {
    SavedState state(painter);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(colour, 3));
    for (int i = 0; i < count; ++i) {
        const QPointF at(dice.between(area.left(), area.right()),
                         dice.between(area.top(), area.bottom()));
        const double h = dice.between(8, 15);
        for (int blade = -1; blade <= 1; ++blade) {
            QPainterPath path(at);
            path.quadTo(at + QPointF(blade * 2, -h * 0.6), at + QPointF(blade * 6, -h));
            painter.drawPath(path);
        }
    }
}

void paintFlowers(QPainter& painter, Dice& dice, QRectF area, int count,
                  const std::vector<QColor>& colours, double size) {
    SavedState state(painter);
    for (int i = 0; i < count; ++i) {
        const QPointF at(dice.between(area.left(), area.right()),
                         dice.between(area.top(), area.bottom()));
        const double s = size * dice.between(0.7, 1.2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours[i % colours.size()]);
        for (int petal = 0; petal < 5; ++petal) {
            const double a = 2 * kPi * petal / 5;
            painter.drawEllipse(at + QPointF(std::cos(a), std::sin(a)) * s * 0.7, s * 0.55,
                                s * 0.55);
        }
        painter.setBrush(QColor(0xff, 0xe0, 0x70));
        painter.drawEllipse(at, s * 0.38, s * 0.38);
    }
}

void paintWater(QPainter& painter, double y, const QColor& top, const QColor& bottom, Dice& dice,
                int ripples) {
    SavedState state(painter);
    QLinearGradient gradient(0, y, 0, kHeight);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(QRectF(0, y, kWidth, kHeight - y), gradient);
    painter.setPen(roundPen(withAlpha(Qt::white, 150), 3));
    for (int i = 0; i < ripples; ++i) {
        const double ry = dice.between(y + 8, kHeight - 6);
        const double rx = dice.between(0, kWidth);
        const double w = dice.between(20, 50) * (0.6 + (ry - y) / (kHeight - y));
        painter.drawLine(QPointF(rx, ry), QPointF(rx + w, ry));
    }
}

void paintBubbles(QPainter& painter, Dice& dice, QRectF area, int count, const QColor& colour) {
    SavedState state(painter);
    for (int i = 0; i < count; ++i) {
        const QPointF at(dice.between(area.left(), area.right()),
                         dice.between(area.top(), area.bottom()));
        const double r = dice.between(4, 13);
        painter.setPen(roundPen(withAlpha(colour, 200), 2));
        painter.setBrush(withAlpha(colour, 50));
        painter.drawEllipse(at, r, r);
        painter.setPen(Qt::NoPen);
        painter.setBrush(withAlpha(Qt::white, 200));
        painter.drawEllipse(at + QPointF(-r * 0.35, -r * 0.35), r * 0.25, r * 0.25);
    }
}

void paintTree(QPainter& painter, QPointF base, double height, const QColor& trunk,
               const QColor& leaves) {
    SavedState state(painter);
    QPainterPath stem(base + QPointF(-height * 0.07, 0));
    stem.quadTo(base + QPointF(-height * 0.03, -height * 0.3),
                base + QPointF(-height * 0.04, -height * 0.6));
    stem.lineTo(base + QPointF(height * 0.04, -height * 0.6));
    stem.quadTo(base + QPointF(height * 0.03, -height * 0.3), base + QPointF(height * 0.07, 0));
    stem.closeSubpath();
    fillInked(painter, stem, trunk);
    const QPointF crown = base + QPointF(0, -height * 0.68);
    QPainterPath foliage;
    const double r = height * 0.2;
    const QPointF lumps[] = {{-1.3, 0.2}, {-0.7, -0.6}, {0.2, -0.9},  {1.0, -0.5},
                             {1.4, 0.25}, {0.6, 0.55},  {-0.5, 0.55}, {0, 0}};
    for (QPointF lump : lumps) {
        foliage = foliage.united(circlePath(crown + lump * r, r * 0.95));
    }
    fillInked(painter, foliage.simplified(), leaves);
    painter.setPen(Qt::NoPen);
    painter.setBrush(leaves.lighter(112));
    painter.drawEllipse(crown + QPointF(-r * 0.5, -r * 0.5), r * 0.5, r * 0.35);
}

void paintPineTree(QPainter& painter, QPointF base, double height, const QColor& colour) {
    SavedState state(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.darker(150));
    painter.drawRect(
        QRectF(base.x() - height * 0.04, base.y() - height * 0.15, height * 0.08, height * 0.15));
    painter.setBrush(colour);
    for (int i = 0; i < 3; ++i) {
        const double y = base.y() - height * (0.12 + i * 0.26);
        const double w = height * (0.34 - i * 0.08);
        QPolygonF tier;
        tier << QPointF(base.x() - w, y) << QPointF(base.x() + w, y)
             << QPointF(base.x(), y - height * 0.42);
        painter.drawPolygon(tier);
    }
}

void paintFalling(QPainter& painter, Dice& dice, QRectF area, int count, const QColor& colour,
                  Flake kind) {
    SavedState state(painter);
    for (int i = 0; i < count; ++i) {
        const QPointF at(dice.between(area.left(), area.right()),
                         dice.between(area.top(), area.bottom()));
        const double angle = dice.between(0, 360);
        const double s = dice.between(5, 9);
        SavedState one(painter);
        painter.translate(at);
        painter.rotate(angle);
        switch (kind) {
        case Flake::Petal: {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            QPainterPath petal(QPointF(0, -s));
            petal.quadTo(s, -s * 0.2, 0, s);
            petal.quadTo(-s, -s * 0.2, 0, -s);
            painter.drawPath(petal);
            break;
        }
        case Flake::Leaf: {
            QPainterPath leaf(QPointF(0, -s * 1.3));
            leaf.quadTo(s, 0, 0, s * 1.3);
            leaf.quadTo(-s, 0, 0, -s * 1.3);
            fillInked(painter, leaf, colour, 2);
            painter.setPen(inkPen(painter, 1.5));
            painter.drawLine(QPointF(0, -s), QPointF(0, s));
            break;
        }
        case Flake::Snow:
            painter.setPen(roundPen(colour, 2));
            for (int arm = 0; arm < 3; ++arm) {
                painter.rotate(60);
                painter.drawLine(QPointF(-s, 0), QPointF(s, 0));
            }
            break;
        }
    }
}

void paintRoom(QPainter& painter, const QColor& wall, const QColor& floor, double floorY) {
    SavedState state(painter);
    painter.fillRect(QRectF(0, 0, kWidth, floorY), wall);
    // Soft vertical wallpaper stripes.
    painter.setPen(Qt::NoPen);
    painter.setBrush(wall.darker(104));
    for (double x = 0; x < kWidth; x += 48) {
        painter.drawRect(QRectF(x, 0, 20, floorY));
    }
    painter.fillRect(QRectF(0, floorY, kWidth, kHeight - floorY), floor);
    painter.setPen(roundPen(floor.darker(115), 2));
    for (double y = floorY + 16; y < kHeight; y += 18) {
        painter.drawLine(QPointF(0, y), QPointF(kWidth, y));
    }
    painter.setPen(roundPen(floor.darker(135), 5));
    painter.drawLine(QPointF(0, floorY), QPointF(kWidth, floorY));
}

void paintReeds(QPainter& painter, QPointF base, double height, const QColor& colour) {
    SavedState state(painter);
    for (int i = -2; i <= 2; ++i) {
        const QPointF foot = base + QPointF(i * 7, 0);
        const QPointF top = foot + QPointF(i * 6, -height * (0.75 + 0.25 * ((i + 5) % 3) / 2.0));
        painter.setPen(roundPen(colour, 3));
        QPainterPath stalk(foot);
        stalk.quadTo(foot + QPointF(0, -height * 0.5), top);
        painter.drawPath(stalk);
        if (i % 2 == 0) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0x8a, 0x5a, 0x32));
            painter.drawRoundedRect(QRectF(top.x() - 4, top.y(), 8, 22), 4, 4);
        }
    }
}

void paintSeaweed(QPainter& painter, QPointF base, double height, const QColor& colour) {
    SavedState state(painter);
    std::vector<QPointF> points;
    for (int i = 0; i <= 6; ++i) {
        points.push_back(base + QPointF((i % 2 == 0 ? -1 : 1) * 9.0, -height * i / 6));
    }
    tubeInked(painter, smoothOpen(points), colour, 10, 2.5);
}

void paintRock(QPainter& painter, QPointF c, double w, double h, const QColor& colour) {
    SavedState state(painter);
    QPainterPath rock = smoothClosed({c + QPointF(-w * 0.5, 0), c + QPointF(-w * 0.42, -h * 0.7),
                                      c + QPointF(-w * 0.05, -h), c + QPointF(w * 0.38, -h * 0.8),
                                      c + QPointF(w * 0.5, 0)});
    QPainterPath flat;
    flat.addRect(QRectF(c.x() - w, c.y(), 2 * w, h));
    fillInked(painter, rock.subtracted(flat), colour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.lighter(115));
    painter.drawEllipse(c + QPointF(-w * 0.15, -h * 0.7), w * 0.14, h * 0.08);
}

} // namespace soranika::pictures
