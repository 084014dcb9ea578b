// Drawing primitives shared by animals, props and scenes: outlines, faces, tubes and
// small ornaments. They build QPainter paths from numbers alone, without image files or fonts,
// so a picture depends on nothing but this code and draws the same on every run.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <cstdint>
#include <functional>
#include <vector>

namespace soranika::pictures {

/// Pixel size of every type picture: twice the 329 x 177 box it is shown in.
inline constexpr int kWidth = 658;
inline constexpr int kHeight = 354;

/// Outline colour. A dark warm brown instead of black keeps the look soft and friendly.
inline const QColor kInk(0x45, 0x2d, 0x26);
/// Colour of open eyes; slightly lighter than the ink so the white glints read well.
inline const QColor kEyeDark(0x2a, 0x1c, 0x1a);

/// Restores the painter state at the end of a scope, so helpers never leak transforms or pens.
class SavedState {
public:
    explicit SavedState(QPainter& painter)
        : painter_(painter) {
        painter_.save();
    }
    ~SavedState() { painter_.restore(); }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

private:
    QPainter& painter_;
};

/// Small deterministic random source. The standard distributions differ between library
/// implementations, and the committed pictures must be byte-identical on every machine.
class Dice {
public:
    explicit Dice(std::uint32_t seed)
        : state_(seed * 2654435761u + 12345u) {}
    /// A number in [0, 1).
    double next();
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint32_t state_;
};

/// How many device pixels one unit of the current painter coordinates covers.
double deviceScale(const QPainter& painter);
/// A round pen whose width is `pixels` device pixels whatever the current scale, so that
/// big and small figures share the same outline weight.
QPen inkPen(const QPainter& painter, double pixels = 3.0, const QColor& colour = kInk);
/// A round pen whose width is given in current (local) units.
QPen roundPen(const QColor& colour, double width);

QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(QColor colour, int alpha);

QPainterPath ellipsePath(QPointF centre, double rx, double ry);
QPainterPath circlePath(QPointF centre, double radius);
/// Closed smooth curve through the points (Catmull-Rom), for blobs, leaves and flames.
QPainterPath smoothClosed(const std::vector<QPointF>& points);
/// Open smooth curve through the points (Catmull-Rom).
QPainterPath smoothOpen(const std::vector<QPointF>& points);
/// Straight segments from point to point, for curves traced densely enough to look smooth.
QPainterPath polylinePath(const std::vector<QPointF>& points);

/// A spiral seen from above, or a coil seen from the side: horns, shells, dizzy eyes and
/// snakes wound up on the ground all turn around a centre the same way.
struct Coil {
    QPointF centre;
    int steps = 40;         ///< the coil has steps + 1 points
    double angleStep = 0.3; ///< radians from one point to the next, clockwise on screen
    double startRadius = 0; ///< at the first point
    double radiusStep = 0;  ///< added from one point to the next: < 0 winds inwards
    double flatten = 1;     ///< vertical squash of each turn; below 1 a coil lies on the ground
    double rise = 0;        ///< vertical step from one point to the next; < 0 climbs
};
/// The points of the coil, from its start at angle 0 to its end.
std::vector<QPointF> coilPoints(const Coil& coil);

/// Fills a shape and draws the ink outline around it.
void fillInked(QPainter& painter, const QPainterPath& shape, const QBrush& fill,
               double inkPixels = 3.0);
void ellipseInked(QPainter& painter, QPointF centre, double rx, double ry, const QBrush& fill,
                  double inkPixels = 3.0);
/// A thick stroke (limb, stick, rope) of `width` local units with an ink rim around it.
void tubeInked(QPainter& painter, const QPainterPath& path, const QColor& fill, double width,
               double inkPixels = 3.0);
void lineInked(QPainter& painter, QPointF from, QPointF to, const QColor& fill, double width,
               double inkPixels = 3.0);

/// Look of a long tapering body (snakes, dragons).
struct TubeStyle {
    QColor body;
    QColor belly;   ///< band on the right-hand side of the direction of travel
    QColor pattern; ///< back markings
    bool diamonds = false;
    bool bellyPlates = false; ///< crosswise lines over the belly band (dragon)
    QColor spines{};          ///< invalid colour: none; else triangles along the back
    double bodyRadius = 18;
    double tailRadius = 2;
};
/// Draws a body along a smooth line through `spine` (tail first, head last). It is drawn
/// in short pieces from the tail on so that loops crossing over themselves keep clean
/// outlines where the later part lies on top.
void drawLongBody(QPainter& painter, const std::vector<QPointF>& spine, const TubeStyle& style);
/// Point and direction (unit vector) at fraction `t` of the smooth spine line.
QPointF spinePoint(const std::vector<QPointF>& spine, double t, QPointF* direction = nullptr);

enum class Expression {
    Smile,      ///< open eyes, small smile
    Laugh,      ///< happy closed eyes, open mouth
    Wink,       ///< one eye closed
    Determined, ///< frowning brows, clenched teeth
    Surprised,  ///< round white eyes, small "o" mouth
    Sleepy,     ///< closed eyes, drowsy mouth
    Dreamy,     ///< sparkling eyes
    Wistful,    ///< worried brows, small smile (the "melancholy" types)
    Proud,      ///< closed eyes, smug smirk
    Gummy,      ///< big toothless laugh (the "without fangs" types)
    Dizzy,      ///< spiral eyes, wavy mouth (struck by lightning)
};

enum class MouthStyle { Simple, Cat };

/// Two eyes at centre -/+ spacing; `size` is the half height of one open eye. `gaze`
/// (each coordinate -1 .. 1) moves the glints and pupils to show where the eyes look.
void drawEyes(QPainter& painter, QPointF centre, double spacing, double size, Expression expression,
              QPointF gaze = {});
void drawMouth(QPainter& painter, QPointF centre, double width, Expression expression,
               MouthStyle style = MouthStyle::Simple, bool fangs = false);
void drawBlush(QPainter& painter, QPointF centre, double radius);

/// Four-pointed glint.
void drawSparkle(QPainter& painter, QPointF centre, double radius, const QColor& colour);
void drawHeart(QPainter& painter, QPointF centre, double size, const QColor& colour,
               bool inked = true);
void drawStar(QPainter& painter, QPointF centre, double radius, const QColor& colour,
              bool inked = true, double rotation = 0);
/// Short parallel strokes behind something moving along `direction`.
void drawSpeedLines(QPainter& painter, QPointF tail, QPointF direction, int count, double length,
                    double spread, const QColor& colour);
/// Little curved "effort" / "impact" marks around a point.
void drawImpactMarks(QPainter& painter, QPointF centre, double radius, int count,
                     const QColor& colour, double startDegrees = 0, double spanDegrees = 360);
/// Sleep "z" letters drawn as strokes (no fonts needed).
void drawZs(QPainter& painter, QPointF start, double size, const QColor& colour);
/// A musical note made of shapes.
void drawNote(QPainter& painter, QPointF centre, double size, const QColor& colour);

/// Draws `paint` on a transparent layer of the picture size and lays it over the picture with
/// the given opacity, so overlapping parts do not show through each other.
void drawTranslucent(QPainter& painter, double opacity,
                     const std::function<void(QPainter&)>& paint);

} // namespace soranika::pictures
