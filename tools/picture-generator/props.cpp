#include "props.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace soranika::pictures {

namespace {

constexpr double kPi = std::numbers::pi;

const QColor kGold(0xf8, 0xc8, 0x3c);
const QColor kWood(0xb9, 0x7a, 0x45);
const QColor kSteel(0xc8, 0xd0, 0xd8);

/// Unit vector for `degrees` measured clockwise from straight up.
QPointF upwards(double degrees) {
    const double a = degrees * kPi / 180.0;
    return {std::sin(a), -std::cos(a)};
}

/// Draws in a frame rotated around `origin` (degrees clockwise).
void rotated(QPainter& painter, QPointF origin, double degrees,
             const std::function<void(QPainter&)>& paint) {
    SavedState state(painter);
    painter.translate(origin);
    painter.rotate(degrees);
    paint(painter);
}

void glow(QPainter& painter, QPointF centre, double radius, const QColor& colour) {
    SavedState state(painter);
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0, withAlpha(colour, 170));
    gradient.setColorAt(0.5, withAlpha(colour, 70));
    gradient.setColorAt(1, withAlpha(colour, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Fire, light and weather

void drawFlame(QPainter& painter, QPointF base, double width, double height, double flicker) {
    SavedState state(painter);
    const QColor layers[] = {QColor(0xf2, 0x4a, 0x2a), QColor(0xff, 0x9a, 0x2a),
                             QColor(0xff, 0xe4, 0x5c)};
    for (int i = 0; i < 3; ++i) {
        const double w = width * (1.0 - i * 0.28) / 2;
        const double h = height * (1.0 - i * 0.3);
        const QPointF tip = base + QPointF(flicker * h * 0.35, -h);
        QPainterPath flame(base + QPointF(0, w * 0.15));
        flame.cubicTo(base + QPointF(-w * 1.5, -w * 0.2), base + QPointF(-w * 0.5, -h * 0.6), tip);
        flame.cubicTo(base + QPointF(w * 0.3, -h * 0.5), base + QPointF(w * 1.1, -h * 0.45),
                      base + QPointF(w * 0.7, -h * 0.6));
        flame.cubicTo(base + QPointF(w * 1.6, -h * 0.2), base + QPointF(w * 1.2, w * 0.2),
                      base + QPointF(0, w * 0.15));
        fillInked(painter, flame, layers[i], i == 0 ? 2.5 : 0);
    }
}

void drawTorch(QPainter& painter, QPointF grip, double angle, double size) {
    rotated(painter, grip, angle, [&](QPainter& p) {
        QPolygonF handle;
        handle << QPointF(-size * 0.08, size * 0.45) << QPointF(size * 0.08, size * 0.45)
               << QPointF(size * 0.16, -size * 0.35) << QPointF(-size * 0.16, -size * 0.35);
        QPainterPath path;
        path.addPolygon(handle);
        path.closeSubpath();
        QLinearGradient metal(-size * 0.16, 0, size * 0.16, 0);
        metal.setColorAt(0, QColor(0xd8, 0xa8, 0x3a));
        metal.setColorAt(0.4, QColor(0xff, 0xf0, 0xa8));
        metal.setColorAt(1, QColor(0xc8, 0x8a, 0x2a));
        fillInked(p, path, metal);
        ellipseInked(p, {0, -size * 0.38}, size * 0.22, size * 0.07, kGold);
        drawFlame(p, {0, -size * 0.42}, size * 0.5, size * 0.75, 0.25);
    });
}

void drawCauldron(QPainter& painter, QPointF base, double size) {
    SavedState state(painter);
    glow(painter, base + QPointF(0, -size * 0.95), size * 0.9, QColor(0xff, 0xb0, 0x40));
    // Pedestal.
    QPolygonF foot;
    foot << base + QPointF(-size * 0.32, 0) << base + QPointF(size * 0.32, 0)
         << base + QPointF(size * 0.12, -size * 0.42) << base + QPointF(-size * 0.12, -size * 0.42);
    QPainterPath footPath;
    footPath.addPolygon(foot);
    footPath.closeSubpath();
    fillInked(painter, footPath, QColor(0xb8, 0xae, 0xa4));
    ellipseInked(painter, base + QPointF(0, -size * 0.44), size * 0.2, size * 0.06,
                 QColor(0xd0, 0xc6, 0xbc));
    drawFlame(painter, base + QPointF(0, -size * 0.66), size * 0.62, size * 0.8, -0.15);
    // Bowl.
    QPainterPath bowl(base + QPointF(-size * 0.5, -size * 0.66));
    bowl.cubicTo(base + QPointF(-size * 0.45, -size * 0.38),
                 base + QPointF(size * 0.45, -size * 0.38),
                 base + QPointF(size * 0.5, -size * 0.66));
    bowl.closeSubpath();
    QLinearGradient bronze(base.x() - size * 0.5, 0, base.x() + size * 0.5, 0);
    bronze.setColorAt(0, QColor(0xb0, 0x6c, 0x2c));
    bronze.setColorAt(0.35, QColor(0xf2, 0xc0, 0x6a));
    bronze.setColorAt(1, QColor(0x9c, 0x5a, 0x24));
    fillInked(painter, bowl, bronze);
    ellipseInked(painter, base + QPointF(0, -size * 0.66), size * 0.5, size * 0.07, kGold);
}

void drawPaperLantern(QPainter& painter, QPointF top, double size, const QColor& colour) {
    SavedState state(painter);
    const QPointF centre = top + QPointF(0, size * 0.62);
    glow(painter, centre, size * 1.3, QColor(0xff, 0xd8, 0x70));
    const QRectF cap(-size * 0.26, 0, size * 0.52, size * 0.12);
    const QPainterPath body = ellipsePath(centre, size * 0.42, size * 0.52);
    QRadialGradient light(centre, size * 0.5);
    light.setColorAt(0, colour.lighter(150));
    light.setColorAt(1, colour);
    fillInked(painter, body, light);
    {
        // Paper ribs, the look of a real ちょうちん.
        SavedState clip(painter);
        painter.setClipPath(body);
        painter.setPen(inkPen(painter, 1.6, colour.darker(140)));
        painter.setBrush(Qt::NoBrush);
        for (int i = -4; i <= 4; ++i) {
            const double y = centre.y() + i * size * 0.11;
            painter.drawArc(
                QRectF(centre.x() - size * 0.42, y - size * 0.05, size * 0.84, size * 0.1),
                180 * 16, 180 * 16);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 160));
        painter.drawEllipse(centre + QPointF(-size * 0.05, 0), size * 0.12, size * 0.2);
    }
    painter.setPen(inkPen(painter, 2.5));
    painter.setBrush(QColor(0x3a, 0x2a, 0x26));
    painter.drawRoundedRect(cap.translated(top + QPointF(0, size * 0.04)), 3, 3);
    painter.drawRoundedRect(cap.translated(top + QPointF(0, size * 1.1)), 3, 3);
}

void drawLightning(QPainter& painter, QPointF from, QPointF to, double width,
                   const QColor& colour) {
    SavedState state(painter);
    const QPointF d = to - from;
    const QPointF n(-d.y(), d.x());
    const double len = std::hypot(d.x(), d.y());
    const QPointF side = n / len * width;
    QPolygonF bolt;
    bolt << from - side << from + side * 1.2 << from + d * 0.45 + side * 0.4
         << from + d * 0.42 + side * 1.6 << to << from + d * 0.58 - side * 0.5
         << from + d * 0.6 - side * 1.5;
    QPainterPath path;
    path.addPolygon(bolt);
    path.closeSubpath();
    glow(painter, from + d * 0.5, len * 0.6, colour);
    fillInked(painter, path, colour);
}

void drawWhirlwind(QPainter& painter, QPointF base, double height, const QColor& colour) {
    SavedState state(painter);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i) {
        const double t = i / 6.0;
        const double y = base.y() - height * t;
        const double w = height * (0.08 + 0.42 * t * t);
        const double x = base.x() + std::sin(t * 5) * height * 0.06;
        painter.setPen(inkPen(painter, 6, colour.darker(115)));
        painter.drawArc(QRectF(x - w, y - w * 0.22, 2 * w, w * 0.44), 200 * 16, 300 * 16);
        painter.setPen(inkPen(painter, 3, colour.lighter(130)));
        painter.drawArc(QRectF(x - w * 0.9, y - w * 0.18, 1.8 * w, w * 0.36), 220 * 16, 200 * 16);
    }
}

void drawRideCloud(QPainter& painter, QPointF c, double w, const QColor& colour, bool swirlTail) {
    SavedState state(painter);
    if (swirlTail) {
        // Trail of ever smaller puffs: the cloud is racing forwards.
        for (int i = 3; i >= 1; --i) {
            ellipseInked(painter, c + QPointF(-w * (0.42 + i * 0.16), w * (0.02 - i * 0.03)),
                         w * (0.13 - i * 0.025), w * (0.1 - i * 0.02), colour);
        }
    }
    QPainterPath cloud = ellipsePath(c + QPointF(0, w * 0.06), w * 0.5, w * 0.14);
    const QPointF bumps[] = {{-0.38, -0.02}, {-0.18, -0.08}, {0.06, -0.1}, {0.3, -0.06},
                             {0.44, 0.02},   {-0.1, 0.12},   {0.2, 0.12}};
    for (QPointF b : bumps) {
        cloud = cloud.united(circlePath(c + b * w, w * 0.13));
    }
    fillInked(painter, cloud.simplified(), colour);
    painter.setPen(inkPen(painter, 2.5, colour.darker(120)));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(c.x() - w * 0.25, c.y() - w * 0.02, w * 0.16, w * 0.1), 180 * 16,
                    200 * 16);
    painter.drawArc(QRectF(c.x() + w * 0.12, c.y() + w * 0.0, w * 0.16, w * 0.1), 180 * 16,
                    200 * 16);
}

void drawSignalWaves(QPainter& painter, QPointF origin, double direction, int count, double spacing,
                     const QColor& colour) {
    SavedState state(painter);
    painter.setBrush(Qt::NoBrush);
    for (int i = 1; i <= count; ++i) {
        const double r = spacing * i;
        painter.setPen(inkPen(painter, 4, withAlpha(colour, 255 - i * 30)));
        painter.drawArc(QRectF(origin.x() - r, origin.y() - r, 2 * r, 2 * r),
                        int((-direction - 35) * 16), 70 * 16);
    }
}

void drawDustPuff(QPainter& painter, QPointF c, double size, const QColor& colour) {
    SavedState state(painter);
    QPainterPath puff;
    const QPointF bumps[] = {{0, 0}, {-0.6, 0.2}, {0.6, 0.15}, {-0.2, -0.4}, {0.3, -0.35}};
    for (QPointF b : bumps) {
        puff = puff.united(circlePath(c + b * size, size * 0.5));
    }
    fillInked(painter, puff.simplified(), colour, 2);
}

// ---------------------------------------------------------------------------------------------
// Tools and things held

void drawHammer(QPainter& painter, QPointF grip, double angle, double size) {
    rotated(painter, grip, angle, [&](QPainter& p) {
        lineInked(p, {0, size * 0.25}, {0, -size * 0.7}, kWood, size * 0.12);
        QPainterPath head;
        head.addRoundedRect(QRectF(-size * 0.34, -size * 0.92, size * 0.68, size * 0.26),
                            size * 0.05, size * 0.05);
        QLinearGradient metal(0, -size * 0.92, 0, -size * 0.66);
        metal.setColorAt(0, QColor(0xe8, 0xee, 0xf2));
        metal.setColorAt(1, QColor(0x8a, 0x96, 0xa4));
        fillInked(p, head, metal);
    });
}

void drawNail(QPainter& painter, QPointF tip, double length, double angle) {
    rotated(painter, tip, angle, [&](QPainter& p) {
        QPolygonF shaft;
        shaft << QPointF(0, 0) << QPointF(-length * 0.06, -length * 0.15)
              << QPointF(-length * 0.06, -length) << QPointF(length * 0.06, -length)
              << QPointF(length * 0.06, -length * 0.15);
        QPainterPath path;
        path.addPolygon(shaft);
        path.closeSubpath();
        fillInked(p, path, kSteel, 2.5);
        ellipseInked(p, {0, -length}, length * 0.2, length * 0.06, kSteel.lighter(108), 2.5);
    });
}

void drawPlank(QPainter& painter, QRectF rect, const QColor& colour) {
    SavedState state(painter);
    QPainterPath plank;
    plank.addRoundedRect(rect, 4, 4);
    fillInked(painter, plank, colour);
    painter.setPen(inkPen(painter, 1.8, colour.darker(130)));
    for (int i = 1; i < 3; ++i) {
        const double y = rect.top() + rect.height() * i / 3;
        QPainterPath grain(QPointF(rect.left() + 10, y));
        grain.cubicTo(QPointF(rect.center().x(), y - 6), QPointF(rect.center().x(), y + 6),
                      QPointF(rect.right() - 10, y));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(grain);
    }
}

void drawClock(QPainter& painter, QPointF c, double r, const QColor& rim, double hourAngle,
               double minuteAngle, bool bells) {
    SavedState state(painter);
    if (bells) {
        for (double side : {-1.0, 1.0}) {
            rotated(painter, c, side * 40,
                    [&](QPainter& p) { ellipseInked(p, {0, -r * 1.08}, r * 0.34, r * 0.26, rim); });
            lineInked(painter, c + QPointF(side * r * 0.6, r * 0.7),
                      c + QPointF(side * r * 0.85, r * 1.12), rim.darker(120), r * 0.1);
        }
        lineInked(painter, c + QPointF(0, -r), c + QPointF(0, -r * 1.3), rim, r * 0.08);
    } else {
        ellipseInked(painter, c + QPointF(0, -r * 1.14), r * 0.16, r * 0.16, Qt::NoBrush);
        ellipseInked(painter, c + QPointF(0, -r * 1.02), r * 0.1, r * 0.06, rim);
    }
    ellipseInked(painter, c, r, r, rim);
    ellipseInked(painter, c, r * 0.82, r * 0.82, QColor(0xff, 0xfb, 0xee), 2);
    painter.setPen(inkPen(painter, 2.5));
    for (int i = 0; i < 12; ++i) {
        const QPointF d = upwards(i * 30);
        painter.drawLine(c + d * (r * (i % 3 == 0 ? 0.58 : 0.66)), c + d * (r * 0.72));
    }
    painter.setPen(roundPen(kInk, r * 0.09));
    painter.drawLine(c, c + upwards(hourAngle) * (r * 0.4));
    painter.setPen(roundPen(kInk, r * 0.06));
    painter.drawLine(c, c + upwards(minuteAngle) * (r * 0.6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe0, 0x40, 0x40));
    painter.drawEllipse(c, r * 0.08, r * 0.08);
    painter.setBrush(QColor(255, 255, 255, 160));
    painter.drawEllipse(c + QPointF(-r * 0.45, -r * 0.45), r * 0.14, r * 0.08);
}

void drawAntenna(QPainter& painter, QPointF base, QPointF tip, const QColor& ball) {
    SavedState state(painter);
    lineInked(painter, base, tip, kSteel, 5, 2.5);
    const double len = std::hypot((tip - base).x(), (tip - base).y());
    ellipseInked(painter, tip, len * 0.12, len * 0.12, ball);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 190));
    painter.drawEllipse(tip + QPointF(-len * 0.04, -len * 0.04), len * 0.035, len * 0.035);
}

void drawRadarDish(QPainter& painter, QPointF base, double size, double angle) {
    SavedState state(painter);
    const QPointF hub = base + QPointF(0, -size * 0.5);
    lineInked(painter, base, hub, kSteel.darker(110), size * 0.1);
    ellipseInked(painter, base, size * 0.16, size * 0.06, kSteel.darker(120));
    rotated(painter, hub, angle - 90, [&](QPainter& p) {
        // Seen a little from the front: a bowl whose rim shows as an ellipse, opening towards
        // -y of this frame, which the rotation turns towards `angle`.
        QPainterPath bowl(QPointF(-size * 0.55, -size * 0.1));
        bowl.cubicTo(QPointF(-size * 0.5, size * 0.28), QPointF(size * 0.5, size * 0.28),
                     QPointF(size * 0.55, -size * 0.1));
        bowl.closeSubpath();
        fillInked(p, bowl, QColor(0xd8, 0xde, 0xe6));
        ellipseInked(p, {0, -size * 0.1}, size * 0.55, size * 0.2, QColor(0xf6, 0xf8, 0xfc));
        ellipseInked(p, {0, -size * 0.1}, size * 0.3, size * 0.1, QColor(0xe6, 0xea, 0xf2), 1.5);
        lineInked(p, {0, -size * 0.1}, {0, -size * 0.48}, kSteel.darker(115), size * 0.05, 2);
        ellipseInked(p, {0, -size * 0.5}, size * 0.07, size * 0.07, QColor(0xf0, 0x40, 0x40), 2);
    });
}

void drawStaff(QPainter& painter, QPointF from, QPointF to, const QColor& colour, bool ringed,
               double width) {
    SavedState state(painter);
    lineInked(painter, from, to, colour, width);
    if (ringed) {
        const QPointF d = (to - from) / std::hypot((to - from).x(), (to - from).y());
        for (const QPointF end : {from, to}) {
            const QPointF inwards = end == from ? d : -d;
            lineInked(painter, end, end + inwards * (width * 2.2), kGold, width * 1.3, 2.5);
        }
    }
}

void drawHermitStaff(QPainter& painter, QPointF bottom, double height) {
    SavedState state(painter);
    QPainterPath staff(bottom);
    staff.cubicTo(bottom + QPointF(6, -height * 0.4), bottom + QPointF(-6, -height * 0.7),
                  bottom + QPointF(0, -height * 0.88));
    staff.cubicTo(bottom + QPointF(4, -height * 1.02), bottom + QPointF(height * 0.16, -height),
                  bottom + QPointF(height * 0.12, -height * 0.88));
    staff.quadTo(bottom + QPointF(height * 0.06, -height * 0.84),
                 bottom + QPointF(height * 0.06, -height * 0.92));
    tubeInked(painter, staff, QColor(0x9c, 0x6a, 0x3a), height * 0.045);
    // A gourd tied to the staff: the classic hermit's kit.
    const QPointF gourd = bottom + QPointF(height * 0.04, -height * 0.7);
    fillInked(painter,
              circlePath(gourd + QPointF(0, height * 0.08), height * 0.07)
                  .united(circlePath(gourd, height * 0.045))
                  .simplified(),
              QColor(0xf0, 0xb8, 0x40));
}

void drawBow(QPainter& painter, QPointF grip, double height, QPointF stringPull) {
    SavedState state(painter);
    const QPointF top = grip + QPointF(-height * 0.18, -height * 0.5);
    const QPointF bottom = grip + QPointF(-height * 0.18, height * 0.5);
    painter.setBrush(Qt::NoBrush);
    QPolygonF string;
    string << top << stringPull << bottom;
    painter.setPen(inkPen(painter, 3.5, kInk));
    painter.drawPolyline(string);
    painter.setPen(inkPen(painter, 1.5, QColor(0xf8, 0xf4, 0xe8)));
    painter.drawPolyline(string);
    QPainterPath limb(top);
    limb.quadTo(grip + QPointF(height * 0.28, 0), bottom);
    tubeInked(painter, limb, QColor(0xc0, 0x3a, 0x30), height * 0.06);
    lineInked(painter, grip + QPointF(height * 0.05, -height * 0.08),
              grip + QPointF(height * 0.05, height * 0.08), QColor(0x3a, 0x2a, 0x26), height * 0.08,
              2);
}

void drawArrow(QPainter& painter, QPointF tail, QPointF tip, const QColor& fletching) {
    SavedState state(painter);
    const QPointF d = tip - tail;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    lineInked(painter, tail, tip - u * (len * 0.08), kWood.lighter(120), len * 0.035, 2);
    QPolygonF head;
    head << tip << tip - u * (len * 0.12) + n * (len * 0.05) << tip - u * (len * 0.1)
         << tip - u * (len * 0.12) - n * (len * 0.05);
    QPainterPath headPath;
    headPath.addPolygon(head);
    headPath.closeSubpath();
    fillInked(painter, headPath, kSteel, 2);
    for (double side : {-1.0, 1.0}) {
        QPolygonF feather;
        feather << tail + u * (len * 0.04) << tail + u * (len * 0.18)
                << tail + u * (len * 0.08) + n * (side * len * 0.07)
                << tail - u * (len * 0.02) + n * (side * len * 0.07);
        QPainterPath featherPath;
        featherPath.addPolygon(feather);
        featherPath.closeSubpath();
        fillInked(painter, featherPath, fletching, 2);
    }
}

void drawTarget(QPainter& painter, QPointF c, double r) {
    SavedState state(painter);
    lineInked(painter, c + QPointF(-r * 0.5, r * 0.6), c + QPointF(-r * 0.7, r * 1.6), kWood,
              r * 0.12);
    lineInked(painter, c + QPointF(r * 0.5, r * 0.6), c + QPointF(r * 0.7, r * 1.6), kWood,
              r * 0.12);
    const QColor rings[] = {Qt::white, QColor(0xe8, 0x3a, 0x3a), Qt::white,
                            QColor(0xe8, 0x3a, 0x3a), QColor(0xff, 0xd2, 0x3a)};
    for (int i = 0; i < 5; ++i) {
        const double rr = r * (1.0 - i * 0.19);
        ellipseInked(painter, c, rr, rr, rings[i], i == 0 ? 3 : 1.5);
    }
}

void drawHorseshoeMagnet(QPainter& painter, QPointF c, double size, double angle) {
    rotated(painter, c, angle, [&](QPainter& p) {
        // Opening points up (-y) in this frame.
        QPainterPath arc(QPointF(-size * 0.5, -size * 0.4));
        arc.lineTo(-size * 0.5, 0);
        arc.arcTo(QRectF(-size * 0.5, -size * 0.5, size, size), 180, 180);
        arc.lineTo(size * 0.5, -size * 0.4);
        tubeInked(p, arc, QColor(0xe8, 0x3a, 0x3a), size * 0.3);
        for (double side : {-1.0, 1.0}) {
            lineInked(p, {side * size * 0.5, -size * 0.42}, {side * size * 0.5, -size * 0.62},
                      kSteel, size * 0.3);
        }
    });
}

void drawPaperclip(QPainter& painter, QPointF c, double size, double angle, const QColor& colour) {
    rotated(painter, c, angle, [&](QPainter& p) {
        QPainterPath clip(QPointF(-size * 0.15, size * 0.2));
        clip.lineTo(-size * 0.15, -size * 0.35);
        clip.arcTo(QRectF(-size * 0.15, -size * 0.5, size * 0.3, size * 0.3), 180, -180);
        clip.lineTo(size * 0.15, size * 0.4);
        clip.arcTo(QRectF(-size * 0.25, size * 0.25, size * 0.4, size * 0.3), 0, -180);
        clip.lineTo(-size * 0.25, -size * 0.25);
        tubeInked(p, clip, colour, size * 0.07, 1.8);
    });
}

void drawAbacus(QPainter& painter, QRectF rect, const QColor& frame) {
    SavedState state(painter);
    QPainterPath outer;
    outer.addRoundedRect(rect, 5, 5);
    QPainterPath inner;
    inner.addRect(rect.adjusted(rect.width() * 0.06, rect.height() * 0.12, -rect.width() * 0.06,
                                -rect.height() * 0.12));
    fillInked(painter, outer, frame);
    fillInked(painter, inner, QColor(0xfb, 0xf1, 0xdc), 2);
    const QRectF in = inner.boundingRect();
    const double beam = in.top() + in.height() * 0.32;
    painter.setPen(inkPen(painter, 3, frame.darker(110)));
    painter.drawLine(QPointF(in.left(), beam), QPointF(in.right(), beam));
    const int rods = 7;
    const double beadW = in.width() / rods * 0.42;
    for (int i = 0; i < rods; ++i) {
        const double x = in.left() + in.width() * (i + 0.5) / rods;
        painter.setPen(inkPen(painter, 1.8));
        painter.drawLine(QPointF(x, in.top()), QPointF(x, in.bottom()));
        // Beads pushed to different places: the sum in progress.
        const bool heavenDown = (i * 3) % 4 == 1;
        const double hy = heavenDown ? beam - beadW * 0.55 : in.top() + beadW * 0.55;
        ellipseInked(painter, {x, hy}, beadW, beadW * 0.55, QColor(0x8a, 0x4a, 0x2a), 1.8);
        const int up = (i * 5 + 2) % 5;
        for (int b = 0; b < 4; ++b) {
            const double y = b < up ? beam + beadW * (0.6 + b * 1.1)
                                    : in.bottom() - beadW * (0.6 + (3 - b) * 1.1);
            ellipseInked(painter, {x, y}, beadW, beadW * 0.55, QColor(0x8a, 0x4a, 0x2a), 1.8);
        }
    }
}

void drawLoom(QPainter& painter, QRectF rect, const std::vector<QColor>& cloth) {
    SavedState state(painter);
    const double post = rect.width() * 0.07;
    // Warp threads.
    painter.setPen(inkPen(painter, 1.2, QColor(0xfa, 0xf4, 0xe6)));
    for (int i = 0; i <= 14; ++i) {
        const double x = rect.left() + post + (rect.width() - 2 * post) * i / 14;
        painter.drawLine(QPointF(x, rect.top() + post), QPointF(x, rect.bottom() - post));
    }
    // Woven cloth growing from the bottom beam, in stripes.
    const QRectF woven(rect.left() + post, rect.top() + rect.height() * 0.45,
                       rect.width() - 2 * post, rect.height() * 0.55 - post);
    const double band = woven.height() / (cloth.size() * 2);
    for (std::size_t i = 0; i < cloth.size() * 2; ++i) {
        painter.fillRect(QRectF(woven.left(), woven.top() + band * i, woven.width(), band + 0.5),
                         cloth[i % cloth.size()]);
    }
    painter.setPen(inkPen(painter, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(woven);
    // Frame: two posts and two beams.
    for (double x : {rect.left(), rect.right() - post}) {
        QPainterPath p;
        p.addRoundedRect(QRectF(x, rect.top(), post, rect.height()), 3, 3);
        fillInked(painter, p, kWood);
    }
    for (double y : {rect.top(), rect.bottom() - post * 0.9}) {
        QPainterPath b;
        b.addRoundedRect(QRectF(rect.left() - post * 0.3, y, rect.width() + post * 0.6, post * 0.9),
                         3, 3);
        fillInked(painter, b, kWood.darker(108));
    }
    // Shuttle resting on the weave line.
    QPainterPath shuttle = smoothClosed({{woven.left() + woven.width() * 0.45, woven.top() - 4},
                                         {woven.left() + woven.width() * 0.7, woven.top() - 10},
                                         {woven.left() + woven.width() * 0.95, woven.top() - 4},
                                         {woven.left() + woven.width() * 0.7, woven.top() + 2}});
    fillInked(painter, shuttle, QColor(0xd8, 0x9a, 0x50), 2);
}

void drawTangle(QPainter& painter, QPointF c, double r, const QColor& colour, QPointF endA,
                QPointF endB, std::uint32_t seed) {
    SavedState state(painter);
    Dice dice(seed);
    std::vector<QPointF> points{endA};
    for (int i = 0; i < 22; ++i) {
        const double a = dice.between(0, 2 * kPi);
        const double rr = r * std::sqrt(dice.between(0.05, 1.0));
        points.push_back(c + QPointF(std::cos(a) * rr, std::sin(a) * rr * 0.8));
    }
    points.push_back(endB);
    const QPainterPath string = smoothOpen(points);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(inkPen(painter, 6.5));
    painter.drawPath(string);
    painter.setPen(inkPen(painter, 3.5, colour));
    painter.drawPath(string);
}

void drawUmbrella(QPainter& painter, QPointF grip, double size, double angle, const QColor& canopy,
                  const QColor& trim) {
    rotated(painter, grip, angle, [&](QPainter& p) {
        const QPointF top(0, -size);
        lineInked(p, {0, 0}, top, QColor(0x8a, 0x5a, 0x32), size * 0.04, 2);
        QPainterPath cover(top + QPointF(-size * 0.75, size * 0.38));
        cover.quadTo(top + QPointF(-size * 0.62, -size * 0.12), top + QPointF(0, -size * 0.16));
        cover.quadTo(top + QPointF(size * 0.62, -size * 0.12),
                     top + QPointF(size * 0.75, size * 0.38));
        // Scalloped rim between the ribs.
        for (int i = 4; i >= 1; --i) {
            const double x0 = -0.75 + 0.375 * i;
            cover.quadTo(top + QPointF(size * (x0 - 0.19), size * 0.28),
                         top + QPointF(size * (x0 - 0.375), size * 0.38));
        }
        cover.closeSubpath();
        fillInked(p, cover, canopy);
        p.setPen(inkPen(p, 2, trim));
        for (double x : {-0.375, 0.0, 0.375}) {
            p.drawLine(top + QPointF(0, -size * 0.16), top + QPointF(size * x, size * 0.32));
        }
        ellipseInked(p, top + QPointF(0, -size * 0.18), size * 0.04, size * 0.04, trim, 2);
    });
}

void drawFishingRod(QPainter& painter, QPointF grip, QPointF tip, QPointF bobber) {
    SavedState state(painter);
    lineInked(painter, grip, tip, QColor(0x8a, 0x5a, 0x32), 4, 2);
    painter.setPen(inkPen(painter, 1.4, QColor(0x50, 0x50, 0x50)));
    painter.setBrush(Qt::NoBrush);
    QPainterPath line(tip);
    line.quadTo(QPointF(tip.x() + (bobber.x() - tip.x()) * 0.8, tip.y() + 10), bobber);
    painter.drawPath(line);
    const QPainterPath ball = circlePath(bobber, 6);
    fillInked(painter, ball, Qt::white, 2);
    SavedState clip(painter);
    painter.setClipPath(ball);
    painter.fillRect(QRectF(bobber.x() - 7, bobber.y() - 7, 14, 7), QColor(0xe8, 0x3a, 0x3a));
}

void drawBinoculars(QPainter& painter, QPointF c, double size, const QColor& colour) {
    SavedState state(painter);
    for (double side : {-1.0, 1.0}) {
        QPainterPath barrel;
        barrel.addRoundedRect(QRectF(c.x() + side * size * 0.3 - size * 0.22, c.y() - size * 0.3,
                                     size * 0.44, size * 0.6),
                              size * 0.1, size * 0.1);
        fillInked(painter, barrel, colour);
        ellipseInked(painter, c + QPointF(side * size * 0.3, size * 0.3), size * 0.2, size * 0.08,
                     QColor(0x9a, 0xd0, 0xf0), 2);
    }
    lineInked(painter, c + QPointF(-size * 0.1, 0), c + QPointF(size * 0.1, 0), colour.darker(120),
              size * 0.14, 2);
}

void drawMagnifier(QPainter& painter, QPointF grip, double size, double angle) {
    rotated(painter, grip, angle, [&](QPainter& p) {
        lineInked(p, {0, 0}, {0, -size * 0.5}, QColor(0x8a, 0x4a, 0x2a), size * 0.12);
        const QPointF lens(0, -size * 0.82);
        ellipseInked(p, lens, size * 0.34, size * 0.34, QColor(0xd8, 0xf0, 0xff, 120));
        p.setPen(roundPen(kGold, size * 0.07));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(lens, size * 0.31, size * 0.31);
        p.setPen(roundPen(QColor(255, 255, 255, 200), size * 0.05));
        p.drawArc(QRectF(lens.x() - size * 0.2, lens.y() - size * 0.2, size * 0.4, size * 0.4),
                  100 * 16, 60 * 16);
    });
}

void drawTelescope(QPainter& painter, QPointF eyepiece, double length, double angle) {
    rotated(painter, eyepiece, angle, [&](QPainter& p) {
        // Points to +x in this frame; three sections growing wider.
        const QColor brass(0xd8, 0xa0, 0x40);
        for (int i = 2; i >= 0; --i) {
            const double x0 = length * i * 0.3;
            const double w = length * (0.06 + i * 0.025);
            QPainterPath section;
            section.addRoundedRect(QRectF(x0, -w, length * 0.42, 2 * w), 3, 3);
            fillInked(p, section, i == 1 ? QColor(0x3a, 0x5a, 0x9a) : brass);
        }
        ellipseInked(p, {length * 1.02, 0}, length * 0.04, length * 0.115,
                     QColor(0xa8, 0xdc, 0xff));
    });
}

void drawIceCream(QPainter& painter, QPointF grip, double size) {
    SavedState state(painter);
    QPolygonF cone;
    cone << grip + QPointF(0, size * 0.3) << grip + QPointF(-size * 0.2, -size * 0.3)
         << grip + QPointF(size * 0.2, -size * 0.3);
    QPainterPath conePath;
    conePath.addPolygon(cone);
    conePath.closeSubpath();
    fillInked(painter, conePath, QColor(0xe8, 0xb0, 0x60));
    const QColor scoops[] = {QColor(0xff, 0xb6, 0xc8), QColor(0xfa, 0xf2, 0xe0),
                             QColor(0x9a, 0xe0, 0xa8)};
    for (int i = 0; i < 3; ++i) {
        ellipseInked(painter,
                     grip + QPointF((i % 2 ? 0.03 : -0.03) * size, -size * (0.4 + i * 0.26)),
                     size * 0.22, size * 0.17, scoops[i]);
    }
    ellipseInked(painter, grip + QPointF(0, -size * 1.06), size * 0.06, size * 0.06,
                 QColor(0xe8, 0x2a, 0x3a), 2);
}

void drawToothbrush(QPainter& painter, QPointF grip, double size, double angle) {
    rotated(painter, grip, angle, [&](QPainter& p) {
        lineInked(p, {0, size * 0.2}, {0, -size * 0.7}, QColor(0x4a, 0xb8, 0xe8), size * 0.1);
        QPainterPath bristles;
        bristles.addRoundedRect(QRectF(size * 0.04, -size * 0.72, size * 0.16, size * 0.26), 3, 3);
        fillInked(p, bristles, Qt::white, 2);
        ellipseInked(p, {size * 0.2, -size * 0.66}, size * 0.08, size * 0.06,
                     QColor(0xb8, 0xf0, 0xe8), 1.5);
    });
}

void drawBook(QPainter& painter, QPointF c, double size, const QColor& cover, bool open) {
    SavedState state(painter);
    if (!open) {
        QPainterPath book;
        book.addRoundedRect(
            QRectF(c.x() - size * 0.35, c.y() - size * 0.45, size * 0.7, size * 0.9), 4, 4);
        fillInked(painter, book, cover);
        drawStar(painter, c, size * 0.16, kGold, true);
        return;
    }
    for (double side : {-1.0, 1.0}) {
        QPainterPath page(c + QPointF(0, size * 0.3));
        page.quadTo(c + QPointF(side * size * 0.3, size * 0.2),
                    c + QPointF(side * size * 0.6, size * 0.3));
        page.lineTo(c + QPointF(side * size * 0.6, -size * 0.25));
        page.quadTo(c + QPointF(side * size * 0.3, -size * 0.35), c + QPointF(0, -size * 0.25));
        page.closeSubpath();
        fillInked(painter, page, QColor(0xfd, 0xfa, 0xf0));
        painter.setPen(inkPen(painter, 1.5, withAlpha(kInk, 130)));
        for (int i = 0; i < 4; ++i) {
            const double y = -size * 0.15 + i * size * 0.1;
            painter.drawLine(c + QPointF(side * size * 0.1, y), c + QPointF(side * size * 0.5, y));
        }
    }
}

void drawFoldingFan(QPainter& painter, QPointF pivot, double r, double angle, const QColor& paper) {
    rotated(painter, pivot, angle, [&](QPainter& p) {
        QPainterPath fan(QPointF(0, 0));
        fan.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 30, 120);
        fan.closeSubpath();
        QPainterPath hole = circlePath({0, 0}, r * 0.35);
        fillInked(p, fan.subtracted(hole), paper);
        p.setPen(inkPen(p, 1.5, paper.darker(140)));
        for (int i = 1; i < 8; ++i) {
            const double a = (30 + 120.0 * i / 8) * kPi / 180;
            p.drawLine(QPointF(std::cos(a), -std::sin(a)) * (r * 0.36),
                       QPointF(std::cos(a), -std::sin(a)) * r);
        }
        // A red sun printed on the fan.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xe8, 0x3a, 0x3a));
        p.drawEllipse(QPointF(0, -r * 0.68), r * 0.14, r * 0.14);
        ellipseInked(p, {0, 0}, r * 0.06, r * 0.06, QColor(0x3a, 0x2a, 0x26), 1.5);
    });
}

void drawFlute(QPainter& painter, QPointF from, QPointF to) {
    SavedState state(painter);
    lineInked(painter, from, to, QColor(0xc8, 0xa0, 0x5a), 8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x4a, 0x30, 0x22));
    for (int i = 1; i <= 4; ++i) {
        painter.drawEllipse(from + (to - from) * (0.4 + i * 0.1), 1.8, 1.8);
    }
}

void drawMallet(QPainter& painter, QPointF grip, double size, double angle) {
    rotated(painter, grip, angle, [&](QPainter& p) {
        lineInked(p, {0, size * 0.2}, {0, -size * 0.7}, kWood.lighter(110), size * 0.09);
        QPainterPath head;
        head.addRoundedRect(QRectF(-size * 0.42, -size * 0.95, size * 0.84, size * 0.3),
                            size * 0.12, size * 0.12);
        fillInked(p, head, kWood);
    });
}

void drawMortarWithMochi(QPainter& painter, QPointF base, double size) {
    SavedState state(painter);
    QPainterPath mortar(base + QPointF(-size * 0.45, -size * 0.5));
    mortar.lineTo(base + QPointF(size * 0.45, -size * 0.5));
    mortar.lineTo(base + QPointF(size * 0.32, 0));
    mortar.lineTo(base + QPointF(-size * 0.32, 0));
    mortar.closeSubpath();
    fillInked(painter, mortar, kWood.darker(105));
    painter.setPen(inkPen(painter, 2, kWood.darker(140)));
    painter.drawLine(base + QPointF(-size * 0.38, -size * 0.25),
                     base + QPointF(size * 0.38, -size * 0.25));
    ellipseInked(painter, base + QPointF(0, -size * 0.5), size * 0.45, size * 0.1,
                 kWood.lighter(115));
    fillInked(painter,
              smoothClosed({base + QPointF(-size * 0.3, -size * 0.5),
                            base + QPointF(-size * 0.12, -size * 0.68),
                            base + QPointF(size * 0.15, -size * 0.66),
                            base + QPointF(size * 0.3, -size * 0.5)}),
              QColor(0xff, 0xfd, 0xf6));
}

void drawFlag(QPainter& painter, QPointF base, double height, const QColor& colour) {
    SavedState state(painter);
    lineInked(painter, base, base + QPointF(0, -height), QColor(0xd8, 0xd8, 0xd0), height * 0.04,
              2);
    const QPointF top = base + QPointF(0, -height * 0.97);
    QPainterPath flag(top);
    flag.cubicTo(top + QPointF(height * 0.2, -height * 0.08),
                 top + QPointF(height * 0.3, height * 0.08), top + QPointF(height * 0.5, 0));
    flag.lineTo(top + QPointF(height * 0.5, height * 0.3));
    flag.cubicTo(top + QPointF(height * 0.3, height * 0.38),
                 top + QPointF(height * 0.2, height * 0.22), top + QPointF(0, height * 0.3));
    flag.closeSubpath();
    fillInked(painter, flag, colour);
    drawStar(painter, top + QPointF(height * 0.25, height * 0.15), height * 0.08, Qt::white, false);
    ellipseInked(painter, base + QPointF(0, -height), height * 0.035, height * 0.035, kGold, 2);
}

void drawSignpost(QPainter& painter, QPointF base, double height, bool pointLeft,
                  const QColor& board) {
    SavedState state(painter);
    lineInked(painter, base, base + QPointF(0, -height), kWood, height * 0.07);
    const double dir = pointLeft ? -1 : 1;
    for (int i = 0; i < 2; ++i) {
        const double y = base.y() - height * (0.92 - i * 0.32);
        const double d = dir;
        QPolygonF sign;
        sign << QPointF(base.x() - d * height * 0.2, y - height * 0.1)
             << QPointF(base.x() + d * height * 0.35, y - height * 0.1)
             << QPointF(base.x() + d * height * 0.48, y)
             << QPointF(base.x() + d * height * 0.35, y + height * 0.1)
             << QPointF(base.x() - d * height * 0.2, y + height * 0.1);
        QPainterPath path;
        path.addPolygon(sign);
        path.closeSubpath();
        fillInked(painter, path, i == 0 ? board : board.lighter(115));
        // A pictogram arrow on the board: everybody else's direction.
        painter.setPen(inkPen(painter, 3, Qt::white));
        painter.drawLine(QPointF(base.x() - d * height * 0.08, y),
                         QPointF(base.x() + d * height * 0.3, y));
        painter.drawLine(QPointF(base.x() + d * height * 0.3, y),
                         QPointF(base.x() + d * height * 0.22, y - height * 0.05));
        painter.drawLine(QPointF(base.x() + d * height * 0.3, y),
                         QPointF(base.x() + d * height * 0.22, y + height * 0.05));
    }
}

void drawBoxingGlove(QPainter& painter, QPointF c, double size, const QColor& colour) {
    SavedState state(painter);
    fillInked(
        painter,
        smoothClosed({c + QPointF(-size * 0.4, size * 0.1), c + QPointF(-size * 0.3, -size * 0.4),
                      c + QPointF(size * 0.2, -size * 0.45), c + QPointF(size * 0.45, -size * 0.05),
                      c + QPointF(size * 0.3, size * 0.35), c + QPointF(-size * 0.2, size * 0.35)}),
        colour);
    ellipseInked(painter, c + QPointF(-size * 0.25, -size * 0.05), size * 0.16, size * 0.2,
                 colour.lighter(110), 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(c + QPointF(size * 0.08, -size * 0.25), size * 0.12, size * 0.07);
}

void drawSpoon(QPainter& painter, QPointF bowl, double size, double angle, const QColor& metal) {
    rotated(painter, bowl, angle, [&](QPainter& p) {
        lineInked(p, {size * 0.4, 0}, {size * 1.5, 0}, metal, size * 0.12);
        QLinearGradient shine(0, -size * 0.3, 0, size * 0.3);
        shine.setColorAt(0, metal.lighter(125));
        shine.setColorAt(1, metal.darker(115));
        ellipseInked(p, {0, 0}, size * 0.6, size * 0.36, shine);
    });
}

void drawCoin(QPainter& painter, QPointF c, double r, const QColor& colour) {
    SavedState state(painter);
    ellipseInked(painter, c, r, r, colour, 2.5);
    ellipseInked(painter, c, r * 0.7, r * 0.7, colour.lighter(112), 1.5);
    drawSparkle(painter, c + QPointF(-r * 0.3, -r * 0.3), r * 0.35, Qt::white);
}

void drawPearl(QPainter& painter, QPointF c, double r, const QColor& colour) {
    SavedState state(painter);
    glow(painter, c, r * 2.2, colour.lighter(120));
    QRadialGradient shade(c + QPointF(-r * 0.35, -r * 0.35), r * 1.3);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(1, colour);
    ellipseInked(painter, c, r, r, shade);
    drawSparkle(painter, c + QPointF(-r * 0.3, -r * 0.35), r * 0.45, Qt::white);
}

void drawRose(QPainter& painter, QPointF bloom, QPointF stemEnd, double size) {
    SavedState state(painter);
    lineInked(painter, bloom, stemEnd, QColor(0x4a, 0xa0, 0x4a), size * 0.14, 2);
    const QPointF mid = bloom + (stemEnd - bloom) * 0.55;
    fillInked(painter,
              smoothClosed({mid, mid + QPointF(size * 0.3, -size * 0.25),
                            mid + QPointF(size * 0.6, -size * 0.1)}),
              QColor(0x5a, 0xb8, 0x5a), 2);
    ellipseInked(painter, bloom, size * 0.42, size * 0.38, QColor(0xe0, 0x2a, 0x4a));
    painter.setPen(inkPen(painter, 2, QColor(0x90, 0x10, 0x2a)));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(
        QRectF(bloom.x() - size * 0.22, bloom.y() - size * 0.22, size * 0.44, size * 0.4), 30 * 16,
        250 * 16);
    painter.drawArc(QRectF(bloom.x() - size * 0.1, bloom.y() - size * 0.12, size * 0.2, size * 0.2),
                    200 * 16, 250 * 16);
}

void drawFlower(QPainter& painter, QPointF c, double size, const QColor& petals, int count,
                const QColor& heart) {
    SavedState state(painter);
    QPainterPath flower;
    for (int i = 0; i < count; ++i) {
        const double a = 2 * kPi * i / count - kPi / 2;
        flower = flower.united(
            circlePath(c + QPointF(std::cos(a), std::sin(a)) * (size * 0.55), size * 0.42));
    }
    fillInked(painter, flower.simplified(), petals, 2.5);
    ellipseInked(painter, c, size * 0.3, size * 0.3, heart, 2);
}

void drawBalloon(QPainter& painter, QPointF c, double size, const QColor& colour, QPointF stringEnd,
                 bool heart) {
    SavedState state(painter);
    painter.setPen(inkPen(painter, 1.5));
    painter.setBrush(Qt::NoBrush);
    QPainterPath string(c + QPointF(0, size * 0.9));
    string.cubicTo(c + QPointF(size * 0.3, size * 1.5),
                   stringEnd + QPointF(-size * 0.3, -size * 0.5), stringEnd);
    painter.drawPath(string);
    if (heart) {
        drawHeart(painter, c, size, colour);
    } else {
        ellipseInked(painter, c, size * 0.75, size * 0.9, colour);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 150));
        painter.drawEllipse(c + QPointF(-size * 0.3, -size * 0.35), size * 0.15, size * 0.22);
    }
}

void drawBrokenPot(QPainter& painter, QPointF base, double size, const QColor& colour) {
    SavedState state(painter);
    // Bottom half still standing, two shards lying around: the mishap the snake shrugs off.
    QPainterPath bottom(base + QPointF(-size * 0.45, -size * 0.4));
    bottom.lineTo(base + QPointF(-size * 0.25, -size * 0.28));
    bottom.lineTo(base + QPointF(-size * 0.1, -size * 0.45));
    bottom.lineTo(base + QPointF(size * 0.12, -size * 0.3));
    bottom.lineTo(base + QPointF(size * 0.28, -size * 0.46));
    bottom.lineTo(base + QPointF(size * 0.45, -size * 0.38));
    bottom.quadTo(base + QPointF(size * 0.5, 0), base + QPointF(size * 0.2, 0));
    bottom.lineTo(base + QPointF(-size * 0.2, 0));
    bottom.quadTo(base + QPointF(-size * 0.5, 0), base + QPointF(-size * 0.45, -size * 0.4));
    fillInked(painter, bottom, colour);
    painter.setPen(inkPen(painter, 2.5, colour.lighter(140)));
    painter.drawLine(base + QPointF(-size * 0.35, -size * 0.18),
                     base + QPointF(size * 0.35, -size * 0.18));
    for (int i = 0; i < 2; ++i) {
        const QPointF at = base + QPointF((i == 0 ? -0.85 : 0.8) * size, -size * 0.08);
        QPolygonF shard;
        shard << at + QPointF(-size * 0.15, 0) << at + QPointF(size * 0.05, -size * 0.18)
              << at + QPointF(size * 0.18, -size * 0.02) << at + QPointF(size * 0.02, size * 0.04);
        QPainterPath shardPath;
        shardPath.addPolygon(shard);
        shardPath.closeSubpath();
        fillInked(painter, shardPath, colour);
    }
}

void drawBorderGate(QPainter& painter, QPointF post, double length, double height) {
    SavedState state(painter);
    QPainterPath pillar;
    pillar.addRoundedRect(
        QRectF(post.x() - height * 0.12, post.y() - height, height * 0.24, height), 4, 4);
    fillInked(painter, pillar, QColor(0xf4, 0xf0, 0xe6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe8, 0x3a, 0x3a));
    painter.drawRect(QRectF(post.x() - height * 0.12 + 1.5, post.y() - height * 0.8,
                            height * 0.24 - 3, height * 0.12));
    // Striped barrier arm.
    const QRectF arm(post.x(), post.y() - height * 0.62, length, height * 0.14);
    QPainterPath armPath;
    armPath.addRoundedRect(arm, 6, 6);
    fillInked(painter, armPath, Qt::white);
    painter.setClipPath(armPath);
    painter.setBrush(QColor(0xe8, 0x3a, 0x3a));
    for (double x = arm.left(); x < arm.right(); x += arm.height() * 2.4) {
        QPolygonF stripe;
        stripe << QPointF(x, arm.bottom()) << QPointF(x + arm.height(), arm.top())
               << QPointF(x + arm.height() * 2.2, arm.top())
               << QPointF(x + arm.height() * 1.2, arm.bottom());
        painter.drawPolygon(stripe);
    }
    painter.setClipping(false);
    painter.setPen(inkPen(painter, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(armPath);
    ellipseInked(painter, post + QPointF(0, -height * 0.55), height * 0.07, height * 0.07,
                 QColor(0x6a, 0x6a, 0x72), 2);
}

void drawFenceGate(QPainter& painter, QPointF hinge, double width, double height, double openness,
                   const QColor& wood) {
    SavedState state(painter);
    // A swung-open gate looks narrower: scale its width by the cosine of the swing.
    const double w = width * std::cos(openness * kPi / 2 * 0.8);
    for (double x : {0.0, w}) {
        QPainterPath board;
        board.addRoundedRect(QRectF(hinge.x() + x - 6, hinge.y() - height, 12, height), 3, 3);
        fillInked(painter, board, wood);
    }
    for (double y : {0.25, 0.7}) {
        QPainterPath rail;
        rail.addRect(QRectF(hinge.x(), hinge.y() - height * y - 6, w, 12));
        fillInked(painter, rail, wood.lighter(108));
    }
    lineInked(painter, hinge + QPointF(0, -height * 0.25), hinge + QPointF(w, -height * 0.7),
              wood.darker(108), 10);
}

void drawCheckeredCushion(QPainter& painter, QPointF c, double width, const QColor& a,
                          const QColor& b) {
    SavedState state(painter);
    const QPainterPath cushion = smoothClosed(
        {c + QPointF(-width * 0.5, 0), c + QPointF(-width * 0.3, -width * 0.12),
         c + QPointF(width * 0.3, -width * 0.12), c + QPointF(width * 0.5, 0),
         c + QPointF(width * 0.3, width * 0.1), c + QPointF(-width * 0.3, width * 0.1)});
    fillInked(painter, cushion, a);
    painter.setClipPath(cushion);
    painter.setPen(Qt::NoPen);
    painter.setBrush(b);
    for (double x = -width * 0.5; x < width * 0.5; x += width * 0.16) {
        painter.drawRect(QRectF(c.x() + x, c.y() - width * 0.15, width * 0.08, width * 0.3));
    }
    painter.setClipping(false);
    painter.setPen(inkPen(painter, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(cushion);
    for (double side : {-1.0, 1.0}) {
        ellipseInked(painter, c + QPointF(side * width * 0.5, 0), width * 0.04, width * 0.04, kGold,
                     2);
    }
}

void drawTreeStump(QPainter& painter, QPointF c, double width, double height) {
    SavedState state(painter);
    QPainterPath side;
    side.addRect(QRectF(c.x() - width / 2, c.y() - height, width, height));
    side = side.united(ellipsePath(c, width / 2, width * 0.14));
    fillInked(painter, side.simplified(), QColor(0x9a, 0x62, 0x38));
    painter.setPen(inkPen(painter, 2, QColor(0x6a, 0x40, 0x22)));
    for (double x : {-0.25, 0.05, 0.3}) {
        painter.drawLine(QPointF(c.x() + width * x, c.y() - height * 0.7),
                         QPointF(c.x() + width * x, c.y()));
    }
    ellipseInked(painter, c + QPointF(0, -height), width / 2, width * 0.14,
                 QColor(0xe8, 0xc0, 0x8a));
    painter.setPen(inkPen(painter, 1.5, QColor(0xb0, 0x80, 0x50)));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c + QPointF(0, -height), width * 0.3, width * 0.08);
    painter.drawEllipse(c + QPointF(0, -height), width * 0.14, width * 0.04);
}

void drawBoat(QPainter& painter, QPointF c, double width, const QColor& colour) {
    SavedState state(painter);
    QPainterPath hull(c + QPointF(-width * 0.5, -width * 0.12));
    hull.lineTo(c + QPointF(width * 0.55, -width * 0.14));
    hull.quadTo(c + QPointF(width * 0.4, width * 0.12), c + QPointF(width * 0.2, width * 0.1));
    hull.lineTo(c + QPointF(-width * 0.3, width * 0.1));
    hull.quadTo(c + QPointF(-width * 0.45, width * 0.08), c + QPointF(-width * 0.5, -width * 0.12));
    fillInked(painter, hull, colour);
    painter.setPen(inkPen(painter, 2.5, colour.darker(130)));
    painter.drawLine(c + QPointF(-width * 0.42, -width * 0.02),
                     c + QPointF(width * 0.45, -width * 0.02));
}

void drawOpenShell(QPainter& painter, QPointF hinge, double r, const QColor& colour,
                   bool frontHalf) {
    SavedState state(painter);
    const int ribs = 9;
    if (!frontHalf) {
        // Fan with a scalloped rim: one bump per rib.
        QPainterPath fan(hinge);
        for (int i = 0; i <= ribs; ++i) {
            const double a = (170 - 160.0 * i / ribs) * kPi / 180;
            const QPointF rim = hinge + QPointF(std::cos(a) * r, -std::sin(a) * r * 0.9);
            if (i == 0) {
                fan.lineTo(rim);
            } else {
                const double mid = (170 - 160.0 * (i - 0.5) / ribs) * kPi / 180;
                fan.quadTo(hinge + QPointF(std::cos(mid) * r * 1.1, -std::sin(mid) * r * 1.0), rim);
            }
        }
        fan.closeSubpath();
        fillInked(painter, fan, colour);
        painter.setPen(inkPen(painter, 2, colour.darker(125)));
        for (int i = 0; i <= ribs; ++i) {
            const double a = (170 - 160.0 * i / ribs) * kPi / 180;
            painter.drawLine(hinge + QPointF(std::cos(a), -std::sin(a) * 0.9) * (r * 0.15),
                             hinge + QPointF(std::cos(a) * r * 0.95, -std::sin(a) * r * 0.86));
        }
        return;
    }
    QPainterPath bowl(hinge + QPointF(-r * 1.05, -r * 0.05));
    bowl.quadTo(hinge + QPointF(0, r * 0.12), hinge + QPointF(r * 1.05, -r * 0.05));
    bowl.quadTo(hinge + QPointF(r * 0.8, r * 0.42), hinge + QPointF(0, r * 0.42));
    bowl.quadTo(hinge + QPointF(-r * 0.8, r * 0.42), hinge + QPointF(-r * 1.05, -r * 0.05));
    fillInked(painter, bowl, colour.lighter(106));
    painter.setClipPath(bowl);
    painter.setPen(inkPen(painter, 2, colour.darker(125)));
    for (int i = -4; i <= 4; ++i) {
        painter.drawLine(hinge + QPointF(i * r * 0.08, r * 0.42), hinge + QPointF(i * r * 0.24, 0));
    }
}

void drawBrokenChain(QPainter& painter, QPointF from, QPointF to, const QColor& colour) {
    SavedState state(painter);
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    const int links = int(len / 16);
    const double angle = std::atan2(d.y(), d.x()) * 180 / kPi;
    for (int i = 0; i < links; ++i) {
        rotated(painter, from + d * (double(i) / links), angle, [&](QPainter& p) {
            p.setPen(inkPen(p, 5.5));
            p.setBrush(Qt::NoBrush);
            const double h = i % 2 == 0 ? 6.0 : 2.5;
            p.drawRoundedRect(QRectF(-2, -h, 20, 2 * h), h, h);
            p.setPen(inkPen(p, 2.5, colour));
            p.drawRoundedRect(QRectF(-2, -h, 20, 2 * h), h, h);
        });
    }
}

void drawBackpack(QPainter& painter, QPointF c, double size, const QColor& colour) {
    SavedState state(painter);
    QPainterPath bag;
    bag.addRoundedRect(QRectF(c.x() - size * 0.4, c.y() - size * 0.5, size * 0.8, size), size * 0.2,
                       size * 0.2);
    fillInked(painter, bag, colour);
    QPainterPath pocket;
    pocket.addRoundedRect(QRectF(c.x() - size * 0.3, c.y(), size * 0.6, size * 0.38), size * 0.1,
                          size * 0.1);
    fillInked(painter, pocket, colour.lighter(112), 2);
    ellipseInked(painter, c + QPointF(0, -size * 0.62), size * 0.3, size * 0.12,
                 QColor(0xe8, 0xe0, 0xd0), 2);
}

void drawWalkingStick(QPainter& painter, QPointF grip, QPointF foot) {
    lineInked(painter, grip + (grip - foot) * 0.15, foot, QColor(0x8a, 0x5a, 0x32), 6, 2.5);
}

// ---------------------------------------------------------------------------------------------
// Things worn

void drawFlowerCrown(QPainter& painter, const std::vector<QColor>& colours) {
    SavedState state(painter);
    for (int i = 0; i < 7; ++i) {
        const double a = (200 + i * 23.0) * kPi / 180;
        const QPointF at(std::cos(a) * 50, -8 + std::sin(a) * 44);
        if (i % 2 == 1) {
            fillInked(painter, smoothClosed({at, at + QPointF(10, -8), at + QPointF(18, 2)}),
                      QColor(0x6a, 0xc0, 0x5a), 2);
        }
    }
    for (int i = 0; i < 7; ++i) {
        const double a = (200 + i * 23.0) * kPi / 180;
        const QPointF at(std::cos(a) * 50, -8 + std::sin(a) * 44);
        drawFlower(painter, at, 12, colours[i % colours.size()], 5);
    }
}

void drawFlowerVeil(QPainter& painter, const QColor& veil, const std::vector<QColor>& flowers) {
    SavedState state(painter);
    // Veil: from the top of the head down past the shoulders on the back side.
    QPainterPath cloth = smoothClosed({{-46, -46},
                                       {0, -62},
                                       {44, -44},
                                       {40, -20},
                                       {-30, -30},
                                       {-74, 40},
                                       {-100, 120},
                                       {-60, 150},
                                       {-70, 40}});
    painter.setPen(inkPen(painter, 2, withAlpha(veil.darker(130), 180)));
    painter.setBrush(withAlpha(veil, 150));
    painter.drawPath(cloth);
    for (int i = 0; i < 6; ++i) {
        const double a = (205 + i * 26.0) * kPi / 180;
        drawFlower(painter, QPointF(std::cos(a) * 48, -14 + std::sin(a) * 44), 11,
                   flowers[i % flowers.size()], 5);
    }
    drawFlower(painter, {-80, 70}, 9, flowers[0], 5);
    drawFlower(painter, {-84, 118}, 8, flowers[1 % flowers.size()], 5);
}

void drawGauzeVeil(QPainter& painter, const QColor& colour) {
    SavedState state(painter);
    QPainterPath veil(QPointF(-62, -20));
    veil.cubicTo(QPointF(-60, -80), QPointF(60, -80), QPointF(62, -20));
    veil.cubicTo(QPointF(70, 40), QPointF(60, 90), QPointF(78, 130));
    veil.quadTo(QPointF(0, 110), QPointF(-80, 132));
    veil.cubicTo(QPointF(-64, 90), QPointF(-72, 40), QPointF(-62, -20));
    painter.setPen(inkPen(painter, 2, withAlpha(colour.darker(150), 200)));
    painter.setBrush(withAlpha(colour, 95));
    painter.drawPath(veil);
    painter.setPen(inkPen(painter, 1.5, withAlpha(Qt::white, 170)));
    painter.setBrush(Qt::NoBrush);
    for (double x : {-40.0, 44.0}) {
        QPainterPath fold(QPointF(x, -40));
        fold.cubicTo(QPointF(x * 1.2, 20), QPointF(x * 1.1, 60), QPointF(x * 1.3, 110));
        painter.drawPath(fold);
    }
}

void drawSunglasses(QPainter& painter, double y, const QColor& frame) {
    SavedState state(painter);
    painter.setPen(inkPen(painter, 4, frame));
    painter.drawLine(QPointF(-50, y - 4), QPointF(56, y - 4));
    for (double x : {-16.0, 30.0}) {
        QPainterPath lens =
            smoothClosed({{x - 18, y - 8}, {x + 18, y - 8}, {x + 14, y + 10}, {x - 14, y + 10}});
        fillInked(painter, lens, QColor(0x22, 0x22, 0x2a), 3);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 140));
        painter.drawEllipse(QPointF(x - 7, y - 2), 5, 3);
    }
}

void drawGoldenCirclet(QPainter& painter) {
    SavedState state(painter);
    QPainterPath band(QPointF(-52, -24));
    band.cubicTo(QPointF(-30, -38), QPointF(30, -38), QPointF(52, -24));
    tubeInked(painter, band, kGold, 8);
    for (double side : {-1.0, 1.0}) {
        QPainterPath curl(QPointF(side * 52, -24));
        curl.cubicTo(QPointF(side * 66, -22), QPointF(side * 66, -8), QPointF(side * 58, -10));
        tubeInked(painter, curl, kGold, 6);
    }
}

void drawSpaceHelmet(QPainter& painter) {
    SavedState state(painter);
    QRadialGradient glass(QPointF(-20, -30), 90);
    glass.setColorAt(0, QColor(255, 255, 255, 90));
    glass.setColorAt(1, QColor(170, 220, 255, 60));
    painter.setPen(inkPen(painter, 3, QColor(0x5a, 0x7a, 0x9a)));
    painter.setBrush(glass);
    painter.drawEllipse(QPointF(0, -4), 76, 72);
    painter.setPen(roundPen(QColor(255, 255, 255, 210), 6));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(-62, -62, 124, 120), 110 * 16, 50 * 16);
    QPainterPath collar;
    collar.addRoundedRect(QRectF(-50, 56, 100, 16), 8, 8);
    fillInked(painter, collar, QColor(0xd8, 0xe0, 0xe8));
    drawAntenna(painter, {40, -60}, {54, -96}, QColor(0xff, 0x5a, 0x5a));
}

void drawHeroMask(QPainter& painter, const QColor& colour) {
    SavedState state(painter);
    QPainterPath mask = smoothClosed({{-46, -20},
                                      {-20, -26},
                                      {6, -18},
                                      {32, -26},
                                      {58, -20},
                                      {52, 2},
                                      {26, 6},
                                      {6, -2},
                                      {-16, 6},
                                      {-40, 2}});
    const QPainterPath holes = ellipsePath({-16, -8}, 10, 11).united(ellipsePath({28, -8}, 10, 11));
    fillInked(painter, mask.subtracted(holes), colour, 2.5);
    // Tails of the mask knot fluttering behind.
    fillInked(painter, smoothClosed({{-46, -14}, {-72, -26}, {-84, -10}, {-70, -4}, {-48, -6}}),
              colour, 2.5);
}

void drawCrown(QPainter& painter, QPointF c, double size, const QColor& colour) {
    SavedState state(painter);
    QPolygonF crown;
    crown << c + QPointF(-size * 0.5, size * 0.3) << c + QPointF(-size * 0.55, -size * 0.3)
          << c + QPointF(-size * 0.25, 0) << c + QPointF(0, -size * 0.42)
          << c + QPointF(size * 0.25, 0) << c + QPointF(size * 0.55, -size * 0.3)
          << c + QPointF(size * 0.5, size * 0.3);
    QPainterPath path;
    path.addPolygon(crown);
    path.closeSubpath();
    fillInked(painter, path, colour);
    for (double x : {-0.55, 0.0, 0.55}) {
        ellipseInked(painter, c + QPointF(x * size, x == 0 ? -size * 0.44 : -size * 0.32),
                     size * 0.07, size * 0.07, QColor(0xe8, 0x3a, 0x5a), 2);
    }
    ellipseInked(painter, c + QPointF(0, size * 0.14), size * 0.08, size * 0.08,
                 QColor(0x3a, 0x9a, 0xe8), 2);
}

void drawBossHat(QPainter& painter, const QColor& colour, const QColor& band) {
    SavedState state(painter);
    painter.rotate(-8);
    ellipseInked(painter, {0, -44}, 70, 14, colour);
    QPainterPath crown(QPointF(-40, -44));
    crown.cubicTo(QPointF(-44, -96), QPointF(44, -96), QPointF(40, -44));
    crown.closeSubpath();
    fillInked(painter, crown, colour);
    painter.setClipPath(crown);
    painter.fillRect(QRectF(-50, -60, 100, 14), band);
    painter.setClipping(false);
    painter.setPen(inkPen(painter, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(crown);
    // A dent in the crown: the look of a seasoned boss.
    painter.setPen(inkPen(painter, 2.5, colour.darker(150)));
    painter.drawLine(QPointF(0, -84), QPointF(0, -66));
}

void drawGuardHelmet(QPainter& painter, const QColor& colour) {
    SavedState state(painter);
    QPainterPath dome(QPointF(-56, -18));
    dome.cubicTo(QPointF(-56, -82), QPointF(56, -82), QPointF(56, -18));
    dome.closeSubpath();
    fillInked(painter, dome, colour);
    QPainterPath brim;
    brim.addRoundedRect(QRectF(-60, -24, 124, 12), 6, 6);
    fillInked(painter, brim, colour.darker(115));
    drawStar(painter, {2, -48}, 13, QColor(0xff, 0xd8, 0x3a), true);
}

void drawHeadband(QPainter& painter, const QColor& colour) {
    SavedState state(painter);
    QPainterPath band(QPointF(-54, -22));
    band.cubicTo(QPointF(-30, -36), QPointF(30, -36), QPointF(56, -20));
    tubeInked(painter, band, colour, 11);
    fillInked(painter, smoothClosed({{-52, -24}, {-80, -40}, {-88, -22}, {-66, -14}}), colour, 2.5);
    fillInked(painter, smoothClosed({{-52, -20}, {-78, -8}, {-82, 8}, {-60, -6}}), colour, 2.5);
}

void drawHermitBeard(QPainter& painter) {
    SavedState state(painter);
    const QColor white(0xfc, 0xfc, 0xfa);
    fillInked(painter,
              smoothClosed({{-26, 30},
                            {-10, 36},
                            {6, 34},
                            {26, 30},
                            {24, 62},
                            {14, 100},
                            {4, 128},
                            {-4, 100},
                            {-20, 66}}),
              white);
    painter.setPen(inkPen(painter, 1.5, QColor(0xc8, 0xc8, 0xd0)));
    painter.setBrush(Qt::NoBrush);
    for (double x : {-10.0, 2.0, 14.0}) {
        QPainterPath strand(QPointF(x, 48));
        strand.quadTo(QPointF(x * 0.5, 80), QPointF(x * 0.2, 104));
        painter.drawPath(strand);
    }
    // Long eyebrows drooping at the sides.
    for (double side : {-1.0, 1.0}) {
        fillInked(painter,
                  smoothClosed({{side * 10 + 4, -24},
                                {side * 34 + 4, -28},
                                {side * 52 + 4, -12},
                                {side * 36 + 4, -18}}),
                  white, 2);
    }
}

void drawBowTie(QPainter& painter, QPointF c, double size, const QColor& colour) {
    SavedState state(painter);
    for (double side : {-1.0, 1.0}) {
        QPolygonF wing;
        wing << c << c + QPointF(side * size, -size * 0.55)
             << c + QPointF(side * size, size * 0.55);
        QPainterPath path;
        path.addPolygon(wing);
        path.closeSubpath();
        fillInked(painter, path, colour, 2.5);
    }
    ellipseInked(painter, c, size * 0.25, size * 0.3, colour.darker(115), 2.5);
}

void drawGoggles(QPainter& painter, const QColor& strap) {
    SavedState state(painter);
    QPainterPath band(QPointF(-56, -30));
    band.quadTo(QPointF(0, -50), QPointF(58, -30));
    tubeInked(painter, band, strap, 8);
    for (double x : {-12.0, 24.0}) {
        ellipseInked(painter, {x, -40}, 15, 12, QColor(0x9a, 0x9a, 0xa4));
        ellipseInked(painter, {x, -40}, 10, 8, QColor(0xa8, 0xe0, 0xff), 2);
    }
}

void drawCape(QPainter& painter, const QColor& colour, double flutter) {
    SavedState state(painter);
    QPainterPath cape(QPointF(-26, -104));
    cape.lineTo(26, -104);
    cape.cubicTo(QPointF(20, -60), QPointF(-40 - flutter * 20, -20),
                 QPointF(-70 - flutter * 60, -10 - flutter * 30));
    cape.quadTo(QPointF(-88 - flutter * 60, -30 - flutter * 30),
                QPointF(-100 - flutter * 60, -40 - flutter * 40));
    cape.cubicTo(QPointF(-80 - flutter * 30, -70), QPointF(-50, -90), QPointF(-26, -104));
    fillInked(painter, cape, colour);
}

void drawLogicArmour(QPainter& painter, const QColor& plate, const QColor& trim) {
    SavedState state(painter);
    QPainterPath chest = smoothClosed({{-36, -104},
                                       {0, -110},
                                       {36, -104},
                                       {44, -60},
                                       {30, -22},
                                       {0, -16},
                                       {-30, -22},
                                       {-44, -60}});
    QLinearGradient shine(-40, 0, 40, 0);
    shine.setColorAt(0, plate.darker(115));
    shine.setColorAt(0.4, plate.lighter(125));
    shine.setColorAt(1, plate.darker(110));
    fillInked(painter, chest, shine);
    painter.setPen(inkPen(painter, 3, trim));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(-38, -60), QPointF(40, -60));
    // "Logic" marks: a triangle inscribed in a circle and a square, like a geometry proof.
    const QPointF c(2, -84);
    painter.drawEllipse(c, 15, 15);
    QPolygonF triangle;
    triangle << c + QPointF(0, -15) << c + QPointF(13, 7.5) << c + QPointF(-13, 7.5);
    painter.drawPolygon(triangle);
    painter.drawRect(QRectF(-24, -50, 16, 16));
    painter.drawLine(QPointF(8, -42), QPointF(24, -42));
    painter.drawLine(QPointF(8, -36), QPointF(24, -36));
    // Shoulder guards.
    for (double side : {-1.0, 1.0}) {
        QPainterPath guard(QPointF(side * 16, -108));
        guard.quadTo(QPointF(side * 54, -118), QPointF(side * 56, -82));
        guard.quadTo(QPointF(side * 36, -92), QPointF(side * 16, -108));
        fillInked(painter, guard, trim);
    }
}

void drawScarf(QPainter& painter, const QColor& colour, double flutter) {
    SavedState state(painter);
    QPainterPath wrap(QPointF(-30, -104));
    wrap.quadTo(QPointF(0, -92), QPointF(30, -104));
    tubeInked(painter, wrap, colour, 14);
    fillInked(painter,
              smoothClosed({{-20, -100},
                            {-50 - flutter * 20, -110 + flutter * 4},
                            {-80 - flutter * 30, -100},
                            {-70 - flutter * 20, -92},
                            {-24, -92}}),
              colour);
}

// ---------------------------------------------------------------------------------------------
// Little creatures and marks

void drawSnail(QPainter& painter, QPointF base, double size, const QColor& shell) {
    SavedState state(painter);
    QPainterPath foot(base + QPointF(-size * 0.6, 0));
    foot.lineTo(base + QPointF(size * 0.5, 0));
    foot.quadTo(base + QPointF(size * 0.7, -size * 0.05),
                base + QPointF(size * 0.62, -size * 0.45));
    foot.quadTo(base + QPointF(size * 0.45, -size * 0.5), base + QPointF(size * 0.4, -size * 0.2));
    foot.lineTo(base + QPointF(-size * 0.6, -size * 0.12));
    foot.closeSubpath();
    const QColor skin(0xc8, 0xe0, 0x9a);
    fillInked(painter, foot, skin, 2.5);
    for (double dx : {0.5, 0.66}) {
        lineInked(painter, base + QPointF(size * 0.56, -size * 0.4),
                  base + QPointF(size * dx, -size * 0.72), skin, size * 0.05, 2);
        ellipseInked(painter, base + QPointF(size * dx, -size * 0.74), size * 0.05, size * 0.05,
                     kEyeDark, 0);
    }
    ellipseInked(painter, base + QPointF(-size * 0.1, -size * 0.42), size * 0.38, size * 0.36,
                 shell, 2.5);
    // The shell's spiral, traced around the shell's centre and then moved onto the snail; it stops
    // short of the centre.
    const QPainterPath spiral =
        polylinePath(coilPoints({.centre = QPointF(-size * 0.1, -size * 0.42),
                                 .steps = 40,
                                 .angleStep = 0.3,
                                 .startRadius = size * 0.3,
                                 .radiusStep = -size * 0.3 / 44.0}))
            .translated(base);
    painter.setPen(inkPen(painter, 2, shell.darker(140)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(spiral);
}

void drawLadybug(QPainter& painter, QPointF c, double size) {
    SavedState state(painter);
    ellipseInked(painter, c + QPointF(size * 0.45, 0), size * 0.25, size * 0.22, kEyeDark, 2);
    const QPainterPath shell = ellipsePath(c, size * 0.5, size * 0.42);
    fillInked(painter, shell, QColor(0xe8, 0x2a, 0x2a), 2.5);
    painter.setPen(inkPen(painter, 2));
    painter.drawLine(c + QPointF(size * 0.5, 0), c + QPointF(-size * 0.5, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kEyeDark);
    for (QPointF d :
         {QPointF(0.15, -0.22), QPointF(-0.2, -0.2), QPointF(0.1, 0.2), QPointF(-0.25, 0.18)}) {
        painter.drawEllipse(c + d * size, size * 0.08, size * 0.08);
    }
}

void drawButterfly(QPainter& painter, QPointF c, double size, const QColor& colour) {
    SavedState state(painter);
    for (double side : {-1.0, 1.0}) {
        ellipseInked(painter, c + QPointF(side * size * 0.32, -size * 0.2), size * 0.32,
                     size * 0.28, colour, 2);
        ellipseInked(painter, c + QPointF(side * size * 0.24, size * 0.22), size * 0.2, size * 0.18,
                     colour.lighter(115), 2);
    }
    lineInked(painter, c + QPointF(0, -size * 0.3), c + QPointF(0, size * 0.35), kInk, size * 0.06,
              0);
}

void drawFootprints(QPainter& painter, QPointF from, QPointF to, int count, const QColor& colour) {
    SavedState state(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / len, d.x() / len);
    for (int i = 0; i < count; ++i) {
        const QPointF at =
            from + d * (double(i) / std::max(1, count - 1)) + n * ((i % 2) ? 7.0 : -7.0);
        painter.drawEllipse(at, 6, 4.5);
        for (int t = -1; t <= 1; ++t) {
            painter.drawEllipse(at + QPointF(t * 4.5, -6), 2, 2);
        }
    }
}

void drawDreamBubble(QPainter& painter, QRectF rect, QPointF from,
                     const std::function<void(QPainter&)>& contents) {
    SavedState state(painter);
    const QPointF c = rect.center();
    QPainterPath bubble = ellipsePath(c, rect.width() * 0.42, rect.height() * 0.38);
    for (int i = 0; i < 12; ++i) {
        const double a = 2 * kPi * i / 12;
        bubble = bubble.united(circlePath(
            c + QPointF(std::cos(a) * rect.width() * 0.42, std::sin(a) * rect.height() * 0.38),
            std::min(rect.width(), rect.height()) * 0.14));
    }
    bubble = bubble.simplified();
    for (int i = 0; i < 3; ++i) {
        const QPointF at = from + (c + QPointF(0, rect.height() * 0.45) - from) * (0.15 + i * 0.25);
        const double r = 5 + i * 4;
        ellipseInked(painter, at, r, r, QColor(0xff, 0xff, 0xff, 235), 2.5);
    }
    fillInked(painter, bubble, QColor(0xff, 0xff, 0xff, 235));
    painter.setClipPath(bubble);
    contents(painter);
}

void drawScentWisps(QPainter& painter, QPointF from, double size, const QColor& colour) {
    SavedState state(painter);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const QPointF start = from + QPointF(i * size * 0.3, 0);
        QPainterPath wisp(start);
        wisp.cubicTo(start + QPointF(-size * 0.25, -size * 0.3),
                     start + QPointF(size * 0.25, -size * 0.5), start + QPointF(0, -size * 0.8));
        wisp.cubicTo(start + QPointF(-size * 0.2, -size), start + QPointF(size * 0.1, -size * 1.1),
                     start + QPointF(0, -size * 1.25));
        painter.setPen(inkPen(painter, 3.5, withAlpha(colour, 200 - i * 40)));
        painter.drawPath(wisp);
    }
}

} // namespace soranika::pictures
