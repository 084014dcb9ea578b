#include "cartoon.h"

#include <QLineF>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace soranika::pictures {

double Dice::next() {
    // xorshift32: tiny, fast and identical everywhere.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return (state_ >> 8) / double(1u << 24);
}

double deviceScale(const QPainter& painter) {
    const QTransform& t = painter.worldTransform();
    return std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21()));
}

QPen inkPen(const QPainter& painter, double pixels, const QColor& colour) {
    return roundPen(colour, pixels / std::max(deviceScale(painter), 1e-6));
}

QPen roundPen(const QColor& colour, double width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    const auto channel = [t](int x, int y) {
        return int(std::lround(x + (y - x) * t));
    };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

QPainterPath ellipsePath(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath circlePath(QPointF centre, double radius) {
    return ellipsePath(centre, radius, radius);
}

namespace {

// Catmull-Rom segment from b to c as a cubic Bezier; a and d are the neighbours.
void catmullRomTo(QPainterPath& path, QPointF a, QPointF b, QPointF c, QPointF d) {
    path.cubicTo(b + (c - a) / 6.0, c - (d - b) / 6.0, c);
}

} // namespace

QPainterPath smoothClosed(const std::vector<QPointF>& points) {
    QPainterPath path;
    const std::size_t n = points.size();
    if (n < 3) {
        return path;
    }
    path.moveTo(points[0]);
    for (std::size_t i = 0; i < n; ++i) {
        catmullRomTo(path, points[(i + n - 1) % n], points[i], points[(i + 1) % n],
                     points[(i + 2) % n]);
    }
    path.closeSubpath();
    return path;
}

QPainterPath smoothOpen(const std::vector<QPointF>& points) {
    QPainterPath path;
    const std::size_t n = points.size();
    if (n < 2) {
        return path;
    }
    path.moveTo(points[0]);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const QPointF a = i == 0 ? points[0] : points[i - 1];
        const QPointF d = i + 2 < n ? points[i + 2] : points[n - 1];
        catmullRomTo(path, a, points[i], points[i + 1], d);
    }
    return path;
}

QPainterPath polylinePath(const std::vector<QPointF>& points) {
    QPainterPath path;
    for (std::size_t i = 0; i < points.size(); ++i) {
        i == 0 ? path.moveTo(points[i]) : path.lineTo(points[i]);
    }
    return path;
}

std::vector<QPointF> coilPoints(const Coil& coil) {
    std::vector<QPointF> points;
    points.reserve(std::size_t(coil.steps) + 1);
    for (int i = 0; i <= coil.steps; ++i) {
        const double a = i * coil.angleStep;
        const double r = coil.startRadius + i * coil.radiusStep;
        points.emplace_back(coil.centre.x() + std::cos(a) * r,
                            coil.centre.y() + i * coil.rise + std::sin(a) * r * coil.flatten);
    }
    return points;
}

void fillInked(QPainter& painter, const QPainterPath& shape, const QBrush& fill, double inkPixels) {
    painter.setBrush(fill);
    if (inkPixels > 0) {
        painter.setPen(inkPen(painter, inkPixels));
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.drawPath(shape);
}

void ellipseInked(QPainter& painter, QPointF centre, double rx, double ry, const QBrush& fill,
                  double inkPixels) {
    fillInked(painter, ellipsePath(centre, rx, ry), fill, inkPixels);
}

void tubeInked(QPainter& painter, const QPainterPath& path, const QColor& fill, double width,
               double inkPixels) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(kInk, width + 2 * inkPixels / deviceScale(painter)));
    painter.drawPath(path);
    painter.setPen(roundPen(fill, width));
    painter.drawPath(path);
}

void lineInked(QPainter& painter, QPointF from, QPointF to, const QColor& fill, double width,
               double inkPixels) {
    QPainterPath path(from);
    path.lineTo(to);
    tubeInked(painter, path, fill, width, inkPixels);
}

// ---------------------------------------------------------------------------------------------
// Long bodies

namespace {

struct SpineSample {
    QPointF point;
    QPointF normal; // unit vector to the right of the direction of travel (the belly side)
    double radius;
};

std::vector<SpineSample> sampleSpine(const std::vector<QPointF>& spine, const TubeStyle& style) {
    const QPainterPath path = smoothOpen(spine);
    const double length = path.length();
    const int count = std::max(8, int(length / 2.0));
    std::vector<QPointF> points;
    points.reserve(count + 1);
    for (int i = 0; i <= count; ++i) {
        points.push_back(path.pointAtPercent(path.percentAtLength(length * i / count)));
    }
    std::vector<SpineSample> samples;
    samples.reserve(points.size());
    for (int i = 0; i <= count; ++i) {
        const QPointF ahead = points[std::min(i + 1, count)];
        const QPointF behind = points[std::max(i - 1, 0)];
        QPointF tangent = ahead - behind;
        const double norm = std::hypot(tangent.x(), tangent.y());
        tangent = norm > 0 ? tangent / norm : QPointF(1, 0);
        const double t = double(i) / count;
        // Thin tail that swells quickly, then stays full up to a slightly narrower neck.
        const double grow = std::min(1.0, t / 0.4);
        const double eased = 1 - (1 - grow) * (1 - grow);
        double radius = style.tailRadius + (style.bodyRadius - style.tailRadius) * eased;
        if (t > 0.9) {
            radius *= 1 - (t - 0.9) * 1.2;
        }
        samples.push_back({points[i], QPointF(-tangent.y(), tangent.x()), radius});
    }
    return samples;
}

QPolygonF sideLine(const std::vector<SpineSample>& s, int from, int to, double side,
                   double inner = 1.0) {
    QPolygonF line;
    for (int i = from; i <= to; ++i) {
        line << s[i].point + s[i].normal * (s[i].radius * side * inner);
    }
    return line;
}

} // namespace

QPointF spinePoint(const std::vector<QPointF>& spine, double t, QPointF* direction) {
    const QPainterPath path = smoothOpen(spine);
    const double at = std::clamp(t, 0.0, 1.0);
    if (direction != nullptr) {
        const double angle = path.angleAtPercent(path.percentAtLength(path.length() * at));
        const double radians = angle * std::numbers::pi / 180.0;
        *direction = QPointF(std::cos(radians), -std::sin(radians));
    }
    return path.pointAtPercent(path.percentAtLength(path.length() * at));
}

void drawLongBody(QPainter& painter, const std::vector<QPointF>& spine, const TubeStyle& style) {
    SavedState state(painter);
    const std::vector<SpineSample> s = sampleSpine(spine, style);
    const int last = int(s.size()) - 1;
    const int piece = 22;
    const QPen ink = inkPen(painter, 3.0);
    for (int start = 0; start < last; start += piece) {
        const int from = std::max(0, start - 2); // overlap hides seams between pieces
        const int to = std::min(last, start + piece);

        if (style.spines.isValid()) {
            painter.setPen(inkPen(painter, 2.5));
            painter.setBrush(style.spines);
            for (int i = std::max(start, 8); i < to; i += 9) {
                if (double(i) / last > 0.93) {
                    break;
                }
                const SpineSample& c = s[i];
                const QPointF along(c.normal.y(), -c.normal.x());
                const QPointF base = c.point - c.normal * (c.radius * 0.8);
                QPolygonF spike;
                spike << base - along * (c.radius * 0.45)
                      << base - c.normal * (c.radius * 0.75) - along * (c.radius * 0.25)
                      << base + along * (c.radius * 0.45);
                painter.drawPolygon(spike);
            }
        }

        QPolygonF outline = sideLine(s, from, to, -1);
        QPolygonF right = sideLine(s, from, to, 1);
        std::reverse(right.begin(), right.end());
        outline << right;
        painter.setPen(Qt::NoPen);
        painter.setBrush(style.body);
        painter.drawPolygon(outline);

        if (style.belly.isValid()) {
            QPolygonF band = sideLine(s, from, to, 1, 0.92);
            QPolygonF inner = sideLine(s, from, to, 1, 0.25);
            std::reverse(inner.begin(), inner.end());
            band << inner;
            painter.setBrush(style.belly);
            painter.drawPolygon(band);
            if (style.bellyPlates) {
                painter.setPen(inkPen(painter, 1.6, withAlpha(kInk, 150)));
                for (int i = start - start % 6 + 6; i < to; i += 6) {
                    painter.drawLine(s[i].point + s[i].normal * (s[i].radius * 0.3),
                                     s[i].point + s[i].normal * (s[i].radius * 0.9));
                }
                painter.setPen(Qt::NoPen);
            }
        }
        if (style.diamonds) {
            painter.setBrush(style.pattern);
            for (int i = start - start % 14 + 14; i < to; i += 14) {
                const SpineSample& c = s[i];
                if (double(i) / last > 0.9) {
                    break;
                }
                const QPointF along(c.normal.y(), -c.normal.x());
                const QPointF centre = c.point - c.normal * (c.radius * 0.25);
                const double r = c.radius * 0.42;
                QPolygonF diamond;
                diamond << centre + along * r << centre - c.normal * (r * 0.7) << centre - along * r
                        << centre + c.normal * (r * 0.7);
                painter.drawPolygon(diamond);
            }
        }
        painter.setPen(ink);
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(sideLine(s, from, to, -1));
        painter.drawPolyline(sideLine(s, from, to, 1));
    }
    // Round tail tip.
    painter.setPen(ink);
    painter.setBrush(style.body);
    painter.drawEllipse(s.front().point, style.tailRadius, style.tailRadius);
}

// ---------------------------------------------------------------------------------------------
// Faces

namespace {

void closedArc(QPainter& painter, QPointF c, double s, bool happy) {
    // Happy: "^" shaped arc. Otherwise: the downward curve of sleeping eyes.
    QPainterPath arc;
    if (happy) {
        arc.moveTo(c + QPointF(-s * 0.8, s * 0.25));
        arc.quadTo(c + QPointF(0, -s * 0.95), c + QPointF(s * 0.8, s * 0.25));
    } else {
        arc.moveTo(c + QPointF(-s * 0.8, -s * 0.05));
        arc.quadTo(c + QPointF(0, s * 0.75), c + QPointF(s * 0.8, -s * 0.05));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(kInk, s * 0.34));
    painter.drawPath(arc);
}

void openEye(QPainter& painter, QPointF c, double s, QPointF gaze, bool starry) {
    const QPointF look = QPointF(gaze.x() * s * 0.18, gaze.y() * s * 0.14);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kEyeDark);
    painter.drawEllipse(c + look * 0.5, s * 0.78, s);
    painter.setBrush(Qt::white);
    if (starry) {
        drawSparkle(painter, c + look + QPointF(-s * 0.22, -s * 0.32), s * 0.55, Qt::white);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 230));
        painter.drawEllipse(c + look + QPointF(s * 0.3, s * 0.4), s * 0.14, s * 0.14);
        return;
    }
    painter.drawEllipse(c + look + QPointF(-s * 0.25, -s * 0.36), s * 0.34, s * 0.34);
    painter.drawEllipse(c + look + QPointF(s * 0.3, s * 0.38), s * 0.15, s * 0.15);
}

void roundEye(QPainter& painter, QPointF c, double s, QPointF gaze) {
    painter.setPen(roundPen(kInk, s * 0.16));
    painter.setBrush(Qt::white);
    painter.drawEllipse(c, s * 0.78, s);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kEyeDark);
    const QPointF pupil = c + QPointF(gaze.x() * s * 0.3, gaze.y() * s * 0.35);
    painter.drawEllipse(pupil, s * 0.34, s * 0.38);
    painter.setBrush(Qt::white);
    painter.drawEllipse(pupil + QPointF(-s * 0.12, -s * 0.14), s * 0.11, s * 0.11);
}

void spiralEye(QPainter& painter, QPointF c, double s) {
    const QPainterPath spiral = polylinePath(
        coilPoints({.centre = c, .steps = 60, .angleStep = 0.28, .radiusStep = s * 0.9 / 60.0}));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(kInk, s * 0.2));
    painter.drawPath(spiral);
}

void brows(QPainter& painter, QPointF left, QPointF right, double s, double innerLift) {
    painter.setPen(roundPen(kInk, s * 0.3));
    // innerLift > 0: inner ends raised (worried); < 0: inner ends lowered (determined).
    painter.drawLine(left + QPointF(-s * 0.7, -s * 1.45),
                     left + QPointF(s * 0.6, -s * (1.45 + innerLift)));
    painter.drawLine(right + QPointF(s * 0.7, -s * 1.45),
                     right + QPointF(-s * 0.6, -s * (1.45 + innerLift)));
}

} // namespace

void drawEyes(QPainter& painter, QPointF centre, double spacing, double size, Expression expression,
              QPointF gaze) {
    SavedState state(painter);
    const QPointF left = centre - QPointF(spacing, 0);
    const QPointF right = centre + QPointF(spacing, 0);
    switch (expression) {
    case Expression::Smile:
        openEye(painter, left, size, gaze, false);
        openEye(painter, right, size, gaze, false);
        break;
    case Expression::Laugh:
    case Expression::Gummy:
        closedArc(painter, left, size, true);
        closedArc(painter, right, size, true);
        break;
    case Expression::Wink:
        openEye(painter, left, size, gaze, false);
        closedArc(painter, right, size, true);
        break;
    case Expression::Determined:
        openEye(painter, left, size * 0.92, gaze, false);
        openEye(painter, right, size * 0.92, gaze, false);
        brows(painter, left, right, size, -0.5);
        break;
    case Expression::Surprised:
        roundEye(painter, left, size * 1.05, gaze);
        roundEye(painter, right, size * 1.05, gaze);
        break;
    case Expression::Sleepy:
    case Expression::Proud:
        closedArc(painter, left, size, false);
        closedArc(painter, right, size, false);
        break;
    case Expression::Dreamy:
        openEye(painter, left, size * 1.08, gaze, true);
        openEye(painter, right, size * 1.08, gaze, true);
        break;
    case Expression::Wistful:
        openEye(painter, left, size * 0.95, gaze, false);
        openEye(painter, right, size * 0.95, gaze, false);
        brows(painter, left, right, size, 0.45);
        break;
    case Expression::Dizzy:
        spiralEye(painter, left, size);
        spiralEye(painter, right, size);
        break;
    }
}

void drawMouth(QPainter& painter, QPointF c, double w, Expression expression, MouthStyle style,
               bool fangs) {
    SavedState state(painter);
    painter.setBrush(Qt::NoBrush);
    const QPen line = roundPen(kInk, w * 0.12);
    const QColor inside(0x9a, 0x2f, 0x35);
    const QColor tongue(0xf2, 0x80, 0x8a);

    auto openMouth = [&](double width, double depth, bool gums) {
        QPainterPath mouth;
        mouth.moveTo(c + QPointF(-width / 2, 0));
        mouth.cubicTo(c + QPointF(-width / 2, depth), c + QPointF(width / 2, depth),
                      c + QPointF(width / 2, 0));
        mouth.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(inside);
        painter.drawPath(mouth);
        {
            SavedState clip(painter);
            painter.setClipPath(mouth);
            painter.setBrush(tongue);
            painter.drawEllipse(c + QPointF(width * 0.05, depth * 0.78), width * 0.3, depth * 0.32);
            if (gums) {
                // Pink gums all along the top and not a single tooth: the toothless grin.
                painter.setBrush(QColor(0xff, 0xa8, 0xb4));
                painter.drawEllipse(c + QPointF(0, -depth * 0.05), width * 0.52, depth * 0.22);
            } else if (fangs) {
                painter.setBrush(Qt::white);
                for (double side : {-1.0, 1.0}) {
                    QPolygonF fang;
                    fang << c + QPointF(side * width * 0.36, -1)
                         << c + QPointF(side * width * 0.2, -1)
                         << c + QPointF(side * width * 0.28, depth * 0.3);
                    painter.drawPolygon(fang);
                }
            }
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(roundPen(kInk, w * 0.1));
        painter.drawPath(mouth);
    };

    switch (expression) {
    case Expression::Laugh:
        openMouth(w * 1.05, w * 0.85, false);
        break;
    case Expression::Gummy:
        openMouth(w * 1.45, w * 1.15, true);
        break;
    case Expression::Determined: {
        painter.setPen(roundPen(kInk, w * 0.09));
        painter.setBrush(Qt::white);
        const QRectF teeth(c.x() - w * 0.42, c.y() - w * 0.05, w * 0.84, w * 0.36);
        painter.drawRoundedRect(teeth, w * 0.12, w * 0.12);
        painter.setPen(roundPen(kInk, w * 0.05));
        painter.drawLine(QPointF(teeth.left(), teeth.center().y()),
                         QPointF(teeth.right(), teeth.center().y()));
        for (double x : {-0.15, 0.15}) {
            painter.drawLine(QPointF(c.x() + w * x, teeth.top()),
                             QPointF(c.x() + w * x, teeth.bottom()));
        }
        break;
    }
    case Expression::Surprised:
        painter.setPen(roundPen(kInk, w * 0.09));
        painter.setBrush(inside);
        painter.drawEllipse(c + QPointF(0, w * 0.15), w * 0.2, w * 0.26);
        break;
    case Expression::Sleepy:
        painter.setPen(roundPen(kInk, w * 0.08));
        painter.setBrush(inside);
        painter.drawEllipse(c + QPointF(0, w * 0.1), w * 0.12, w * 0.1);
        break;
    case Expression::Proud: {
        painter.setPen(line);
        QPainterPath smirk(c + QPointF(-w * 0.45, w * 0.02));
        smirk.quadTo(c + QPointF(w * 0.05, w * 0.38), c + QPointF(w * 0.5, -w * 0.14));
        painter.drawPath(smirk);
        break;
    }
    case Expression::Dizzy: {
        painter.setPen(line);
        QPainterPath wave(c + QPointF(-w * 0.45, w * 0.1));
        for (int i = 0; i < 4; ++i) {
            const double x0 = -0.45 + i * 0.225;
            wave.quadTo(c + QPointF(w * (x0 + 0.11), w * (i % 2 == 0 ? -0.12 : 0.32)),
                        c + QPointF(w * (x0 + 0.225), w * 0.1));
        }
        painter.drawPath(wave);
        break;
    }
    case Expression::Wistful: {
        painter.setPen(line);
        QPainterPath small(c + QPointF(-w * 0.28, w * 0.08));
        small.quadTo(c + QPointF(0, w * 0.24), c + QPointF(w * 0.28, w * 0.08));
        painter.drawPath(small);
        break;
    }
    case Expression::Smile:
    case Expression::Wink:
    case Expression::Dreamy:
        painter.setPen(line);
        if (style == MouthStyle::Cat) {
            QPainterPath omega(c + QPointF(-w * 0.48, 0));
            omega.quadTo(c + QPointF(-w * 0.24, w * 0.45), c + QPointF(0, w * 0.02));
            omega.quadTo(c + QPointF(w * 0.24, w * 0.45), c + QPointF(w * 0.48, 0));
            painter.drawPath(omega);
        } else {
            QPainterPath smile(c + QPointF(-w * 0.45, 0));
            smile.quadTo(c + QPointF(0, w * 0.5), c + QPointF(w * 0.45, 0));
            painter.drawPath(smile);
        }
        break;
    }
}

void drawBlush(QPainter& painter, QPointF centre, double radius) {
    SavedState state(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 110, 130, 95));
    painter.drawEllipse(centre, radius, radius * 0.6);
}

// ---------------------------------------------------------------------------------------------
// Ornaments

void drawSparkle(QPainter& painter, QPointF c, double r, const QColor& colour) {
    SavedState state(painter);
    QPainterPath star(c + QPointF(0, -r));
    star.quadTo(c, c + QPointF(r, 0));
    star.quadTo(c, c + QPointF(0, r));
    star.quadTo(c, c + QPointF(-r, 0));
    star.quadTo(c, c + QPointF(0, -r));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(star);
}

void drawHeart(QPainter& painter, QPointF c, double size, const QColor& colour, bool inked) {
    SavedState state(painter);
    QPainterPath heart(c + QPointF(0, size * 0.9));
    heart.cubicTo(c + QPointF(-size * 1.3, -size * 0.1), c + QPointF(-size * 0.6, -size * 1.1),
                  c + QPointF(0, -size * 0.35));
    heart.cubicTo(c + QPointF(size * 0.6, -size * 1.1), c + QPointF(size * 1.3, -size * 0.1),
                  c + QPointF(0, size * 0.9));
    fillInked(painter, heart, colour, inked ? 2.5 : 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(c + QPointF(-size * 0.45, -size * 0.35), size * 0.18, size * 0.13);
}

void drawStar(QPainter& painter, QPointF c, double r, const QColor& colour, bool inked,
              double rotation) {
    SavedState state(painter);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = (rotation - 90 + i * 36) * std::numbers::pi / 180.0;
        const double rr = i % 2 == 0 ? r : r * 0.48;
        star << c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
    }
    QPainterPath path;
    path.addPolygon(star);
    path.closeSubpath();
    fillInked(painter, path, colour, inked ? 2.5 : 0);
}

void drawSpeedLines(QPainter& painter, QPointF tail, QPointF direction, int count, double length,
                    double spread, const QColor& colour) {
    SavedState state(painter);
    const double norm = std::hypot(direction.x(), direction.y());
    const QPointF d = direction / norm;
    const QPointF n(-d.y(), d.x());
    painter.setPen(inkPen(painter, 3.5, colour));
    for (int i = 0; i < count; ++i) {
        const double offset = count == 1 ? 0 : (double(i) / (count - 1) - 0.5) * spread;
        const double stagger = (i % 2) * length * 0.3;
        const QPointF start = tail + n * offset - d * stagger;
        painter.drawLine(start, start - d * (length * (i % 3 == 1 ? 0.7 : 1.0)));
    }
}

void drawImpactMarks(QPainter& painter, QPointF c, double radius, int count, const QColor& colour,
                     double startDegrees, double spanDegrees) {
    SavedState state(painter);
    painter.setPen(inkPen(painter, 3.5, colour));
    for (int i = 0; i < count; ++i) {
        const double t = count == 1 ? 0.5 : double(i) / (spanDegrees >= 360 ? count : count - 1);
        const double a = (startDegrees + spanDegrees * t) * std::numbers::pi / 180.0;
        const QPointF d(std::cos(a), std::sin(a));
        painter.drawLine(c + d * radius, c + d * (radius * 1.45));
    }
}

void drawZs(QPainter& painter, QPointF start, double size, const QColor& colour) {
    SavedState state(painter);
    painter.setBrush(Qt::NoBrush);
    double s = size;
    QPointF at = start;
    for (int i = 0; i < 3; ++i) {
        painter.setPen(inkPen(painter, std::max(2.0, s * 0.18 * deviceScale(painter)), colour));
        QPolygonF z;
        z << at << at + QPointF(s, 0) << at + QPointF(0, s) << at + QPointF(s, s);
        painter.drawPolyline(z);
        at += QPointF(s * 1.1, -s * 1.3);
        s *= 0.75;
    }
}

void drawNote(QPainter& painter, QPointF c, double size, const QColor& colour) {
    SavedState state(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.save();
    painter.translate(c);
    painter.rotate(-20);
    painter.drawEllipse(QPointF(0, 0), size * 0.42, size * 0.3);
    painter.restore();
    painter.setPen(roundPen(colour, size * 0.14));
    const QPointF top = c + QPointF(size * 0.36, -size * 1.2);
    painter.drawLine(c + QPointF(size * 0.36, -size * 0.05), top);
    painter.drawLine(top, top + QPointF(size * 0.4, size * 0.35));
}

void drawTranslucent(QPainter& painter, double opacity,
                     const std::function<void(QPainter&)>& paint) {
    QImage layer(painter.device()->width(), painter.device()->height(),
                 QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter layerPainter(&layer);
        layerPainter.setRenderHint(QPainter::Antialiasing);
        layerPainter.setTransform(painter.worldTransform());
        paint(layerPainter);
    }
    SavedState state(painter);
    painter.resetTransform();
    painter.setOpacity(opacity);
    painter.drawImage(0, 0, layer);
}

} // namespace soranika::pictures
