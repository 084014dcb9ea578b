#include "animals.h"

#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace soranika::pictures {

namespace {

// Figure-unit landmarks shared by all mammals (see the header for the frame).
constexpr QPointF kUprightHead(0, -150);
constexpr QPointF kFourLegHead(80, -132);
constexpr QPointF kBirdHead(12, -112);

// The face is shifted a little towards the facing side: a cheap three-quarter view that
// keeps the friendly front-facing eyes.
constexpr double kFaceShift = 6;

using HeadPainter = std::function<void(QPainter&, const Look&)>;
using BodyPainter = std::function<void(QPainter&)>;

/// What differs between the mammals that share the upright and four-legged body plans.
struct BodyPlan {
    HeadPainter head{};
    BodyPainter tail{};                                             ///< drawn behind the body
    std::function<void(QPainter&, const QPainterPath&)> markings{}; ///< clipped to the body
    QColor limb;                                                    ///< arms and legs
    QColor paw;                                                     ///< paw or hoof
    bool hooves = false;
    bool woolly = false; ///< sheep: a fluffy cloud of a body
    double bodyWidth = 40;
    double bodyHeight = 50;
};

class FigureFrame {
public:
    FigureFrame(QPainter& painter, const Placement& place)
        : state_(painter) {
        painter.setTransform(figureTransform(place), true);
    }

private:
    SavedState state_;
};

void drawInHeadFrame(QPainter& painter, QPointF centre, double tilt,
                     const std::function<void(QPainter&)>& paint) {
    SavedState state(painter);
    painter.translate(centre);
    painter.rotate(tilt);
    paint(painter);
}

/// Cloud-like outline: an ellipse with round bumps all around (sheep wool, clouds).
QPainterPath bumpyBlob(QPointF centre, double rx, double ry, int bumps, double bumpRadius) {
    QPainterPath blob = ellipsePath(centre, rx, ry);
    for (int i = 0; i < bumps; ++i) {
        const double a = 2 * std::numbers::pi * i / bumps;
        blob = blob.united(
            circlePath(centre + QPointF(std::cos(a) * rx, std::sin(a) * ry), bumpRadius));
    }
    return blob.simplified();
}

void drawPaw(QPainter& painter, QPointF at, const BodyPlan& plan, double radius = 11) {
    ellipseInked(painter, at, radius, radius, plan.paw);
    if (plan.hooves) {
        // A darker lower half reads as a hoof at any size.
        SavedState state(painter);
        painter.setClipPath(circlePath(at, radius));
        painter.setPen(Qt::NoPen);
        painter.setBrush(plan.paw.darker(170));
        painter.drawRect(QRectF(at.x() - radius, at.y() + radius * 0.2, radius * 2, radius));
        painter.setClipping(false);
        painter.setPen(inkPen(painter, 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, radius, radius);
    }
}

void drawFoot(QPainter& painter, QPointF at, double angle, const BodyPlan& plan) {
    SavedState state(painter);
    painter.translate(at);
    painter.rotate(angle);
    ellipseInked(painter, {0, 0}, 19, 11, plan.paw);
    if (plan.hooves) {
        painter.setClipPath(ellipsePath({0, 0}, 19, 11));
        painter.setPen(Qt::NoPen);
        painter.setBrush(plan.paw.darker(170));
        painter.drawRect(QRectF(-20, 3, 40, 10));
        painter.setClipping(false);
        painter.setPen(inkPen(painter, 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(0, 0), 19, 11);
    }
}

QPainterPath uprightBodyShape(const BodyPlan& plan) {
    // Pear shape: narrow shoulders under the head, round bottom.
    const double w = plan.bodyWidth;
    const double h = plan.bodyHeight;
    QPainterPath body;
    body.moveTo(0, -60 - h);
    body.cubicTo(w * 0.8, -60 - h, w * 1.1, -60 - h * 0.2, w, -60 + h * 0.55);
    body.cubicTo(w * 0.9, -60 + h * 1.02, -w * 0.9, -60 + h * 1.02, -w, -60 + h * 0.55);
    body.cubicTo(-w * 1.1, -60 - h * 0.2, -w * 0.8, -60 - h, 0, -60 - h);
    body.closeSubpath();
    if (plan.woolly) {
        return bumpyBlob({0, -58}, w * 0.92, h * 0.88, 11, 15).united(body).simplified();
    }
    return body;
}

void drawUprightMammal(QPainter& painter, const Figure& figure, const BodyPlan& plan) {
    FigureFrame frame(painter, figure.place);
    const Pose& pose = figure.pose;
    const Look& look = figure.look;
    const QPointF frontShoulder(22, -98);
    const QPointF backShoulder(-22, -98);
    const double armWidth = 19;

    if (figure.behind) {
        SavedState state(painter);
        figure.behind(painter);
    }
    if (plan.tail) {
        SavedState state(painter);
        plan.tail(painter);
    }
    if (!pose.backPawInFront) {
        lineInked(painter, backShoulder, pose.backPaw, plan.limb, armWidth);
        drawPaw(painter, pose.backPaw, plan);
    }
    // Feet: the far foot goes behind the body, the near one in front of it.
    const double s = pose.stride;
    const bool flying = pose.stance == Stance::Flying;
    const QPointF backFoot = flying ? QPointF(-24, -14) : QPointF(-20 - s * 22, -8 - s * 12);
    const QPointF frontFoot = flying ? QPointF(10, -4) : QPointF(20 + s * 26, -6 - s * 10);
    lineInked(painter, QPointF(-14, -30), backFoot, plan.limb, 20);
    drawFoot(painter, backFoot, flying ? 40 : -s * 25, plan);

    const QPainterPath body = uprightBodyShape(plan);
    fillInked(painter, body, look.body);
    {
        SavedState state(painter);
        painter.setClipPath(body);
        painter.setPen(Qt::NoPen);
        if (!plan.woolly) {
            painter.setBrush(look.light);
            painter.drawEllipse(QPointF(5, -52), plan.bodyWidth * 0.62, plan.bodyHeight * 0.62);
        }
        if (plan.markings) {
            plan.markings(painter, body);
        }
    }
    lineInked(painter, QPointF(14, -30), frontFoot, plan.limb, 20);
    drawFoot(painter, frontFoot, flying ? 30 : s * 18, plan);

    lineInked(painter, frontShoulder, pose.frontPaw, plan.limb, armWidth);
    if (pose.backPawInFront) {
        lineInked(painter, backShoulder, pose.backPaw, plan.limb, armWidth);
    }
    drawInHeadFrame(painter, kUprightHead, pose.headTilt, [&](QPainter& p) {
        plan.head(p, look);
        if (figure.onHead) {
            figure.onHead(p);
        }
    });
    if (figure.held) {
        SavedState state(painter);
        figure.held(painter);
    }
    drawPaw(painter, pose.frontPaw, plan);
    if (pose.backPawInFront) {
        drawPaw(painter, pose.backPaw, plan);
    }
}

void drawFourLegged(QPainter& painter, const Figure& figure, const BodyPlan& plan) {
    FigureFrame frame(painter, figure.place);
    const Pose& pose = figure.pose;
    const Look& look = figure.look;
    const double s = pose.stride;
    const double legWidth = 22;
    BodyPlan farPlan = plan;
    farPlan.paw = plan.paw.darker(115);
    const QColor farLimb = plan.limb.darker(115);

    if (figure.behind) {
        SavedState state(painter);
        figure.behind(painter);
    }
    if (plan.tail) {
        SavedState state(painter);
        plan.tail(painter);
    }
    // Far legs (darker, behind the body). A galloping stride stretches them apart.
    const QPointF farFront(34 - s * 26, -6 - s * 6);
    const QPointF farBack(-40 + s * 24, -6 - s * 4);
    lineInked(painter, QPointF(30, -62), farFront, farLimb, legWidth);
    lineInked(painter, QPointF(-44, -62), farBack, farLimb, legWidth);
    drawFoot(painter, farFront, 0, farPlan);
    drawFoot(painter, farBack, 0, farPlan);

    // Neck joins body and head.
    lineInked(painter, QPointF(36, -92), kFourLegHead + QPointF(-12, 20), look.body, 46);

    QPainterPath body;
    if (plan.woolly) {
        body = bumpyBlob({-8, -80}, 66, 38, 14, 17);
    } else {
        body = ellipsePath({-8, -80}, 72, 42);
    }
    fillInked(painter, body, look.body);
    {
        SavedState state(painter);
        painter.setClipPath(body);
        painter.setPen(Qt::NoPen);
        if (!plan.woolly) {
            painter.setBrush(look.light);
            painter.drawEllipse(QPointF(-4, -48), 54, 20);
        }
        if (plan.markings) {
            plan.markings(painter, body);
        }
    }
    // Near legs.
    const QPointF nearFront(50 + s * 34, -6 - s * 14);
    const QPointF nearBack(-56 - s * 30, -6 - s * 10);
    lineInked(painter, QPointF(44, -64), nearFront, plan.limb, legWidth);
    lineInked(painter, QPointF(-58, -64), nearBack, plan.limb, legWidth);
    drawFoot(painter, nearFront, s * 20, plan);
    drawFoot(painter, nearBack, -s * 20, plan);

    drawInHeadFrame(painter, kFourLegHead, pose.headTilt, [&](QPainter& p) {
        plan.head(p, look);
        if (figure.onHead) {
            figure.onHead(p);
        }
    });
    if (figure.held) {
        SavedState state(painter);
        figure.held(painter);
    }
}

void drawMammal(QPainter& painter, const Figure& figure, const BodyPlan& plan) {
    if (figure.pose.stance == Stance::OnAllFours) {
        drawFourLegged(painter, figure, plan);
    } else {
        drawUprightMammal(painter, figure, plan);
    }
}

/// Eyes, blush and mouth at the usual places of a round face.
void drawFace(QPainter& painter, const Look& look, QPointF eyes, double spacing, double eyeSize,
              QPointF mouth, double mouthWidth, MouthStyle style, bool fangs) {
    if (look.blush) {
        drawBlush(painter, eyes + QPointF(-spacing - eyeSize * 0.9, eyeSize * 1.6), eyeSize * 0.95);
        drawBlush(painter, eyes + QPointF(spacing + eyeSize * 0.9, eyeSize * 1.6), eyeSize * 0.95);
    }
    drawEyes(painter, eyes, spacing, eyeSize, look.expression, look.gaze);
    drawMouth(painter, mouth, mouthWidth, look.expression, style, fangs);
}

void drawWhiskers(QPainter& painter, QPointF centre, double inner, double outer,
                  const QColor& colour) {
    SavedState state(painter);
    painter.setPen(inkPen(painter, 2.0, colour));
    for (int i = -1; i <= 1; ++i) {
        for (double side : {-1.0, 1.0}) {
            painter.drawLine(centre + QPointF(side * inner, i * 5.0),
                             centre + QPointF(side * outer, i * 12.0 - 3));
        }
    }
}

/// A tapering path filled solid, for horns, tusks and ears.
QPainterPath crescent(QPointF base1, QPointF control, QPointF tip, QPointF control2,
                      QPointF base2) {
    QPainterPath path(base1);
    path.quadTo(control, tip);
    path.quadTo(control2, base2);
    path.closeSubpath();
    return path;
}

QPainterPath mirrored(const QPainterPath& path) {
    return QTransform::fromScale(-1, 1).map(path);
}

// ---------------------------------------------------------------------------------------------
// Heads. Each draws in the head frame: origin at the head centre, about 56 units round.

void ratHead(QPainter& p, const Look& look) {
    for (QPointF ear : {QPointF(-40, -40), QPointF(44, -42)}) {
        ellipseInked(p, ear, 28, 28, look.body);
        ellipseInked(p, ear + QPointF(2, 2), 17, 17, look.accent, 0);
    }
    ellipseInked(p, {0, 0}, 56, 49, look.body);
    ellipseInked(p, {kFaceShift + 2, 20}, 28, 20, look.light, 0);
    drawFace(p, look, {kFaceShift, -8}, 22, 11, {kFaceShift + 2, 20}, 16, MouthStyle::Cat, false);
    ellipseInked(p, {kFaceShift + 2, 11}, 7, 5.5, look.accent, 2.5);
    drawWhiskers(p, {kFaceShift + 2, 15}, 22, 58, kInk);
}

void oxHead(QPainter& p, const Look& look) {
    const QPainterPath horn = crescent({24, -34}, {60, -36}, {62, -80}, {46, -48}, {18, -46});
    fillInked(p, horn, look.accent);
    fillInked(p, mirrored(horn), look.accent);
    for (double side : {-1.0, 1.0}) {
        SavedState state(p);
        p.translate(side * 58, -10);
        p.rotate(side * 18);
        ellipseInked(p, {0, 0}, 21, 11, look.body);
        ellipseInked(p, {side * 4, 0}, 12, 5, look.light.darker(108), 0);
    }
    const QPainterPath head = ellipsePath({0, 0}, 54, 50);
    fillInked(p, head, look.body);
    if (look.spots) {
        SavedState state(p);
        p.setClipPath(head);
        p.setPen(Qt::NoPen);
        p.setBrush(look.accent.value() > 180 ? look.body.darker(250) : look.accent);
        p.drawPath(smoothClosed({{-50, -30}, {-20, -44}, {-10, -20}, {-30, 6}, {-56, 0}}));
    }
    // Curly forelock between the horns.
    for (int i = -1; i <= 1; ++i) {
        ellipseInked(p, {i * 11.0, -46}, 9, 8, look.body.darker(112), 2);
    }
    ellipseInked(p, {kFaceShift - 2, 26}, 40, 25, look.light);
    for (double x : {-10.0, 14.0}) {
        ellipseInked(p, {kFaceShift - 2 + x * 0.8 + 0.5, 20}, 4, 6, look.light.darker(170), 0);
    }
    drawFace(p, look, {kFaceShift - 2, -14}, 22, 11, {kFaceShift - 2, 34}, 16, MouthStyle::Simple,
             false);
}

void tigerHead(QPainter& p, const Look& look) {
    for (QPointF ear : {QPointF(-40, -36), QPointF(42, -38)}) {
        ellipseInked(p, ear, 19, 19, look.body);
        ellipseInked(p, ear + QPointF(1, 3), 10, 10, look.light, 0);
    }
    const QPainterPath head = ellipsePath({0, 0}, 58, 50);
    fillInked(p, head, look.body);
    {
        SavedState state(p);
        p.setClipPath(head);
        p.setPen(Qt::NoPen);
        p.setBrush(look.accent);
        // Forehead stripes and two wedges on each cheek.
        for (double x : {-14.0, 0.0, 14.0}) {
            const double h = x == 0 ? 20 : 13;
            p.drawPath(crescent({x - 5, -52}, {x, -50}, {x + kFaceShift * 0.3, -52 + h},
                                {x + 1, -50}, {x + 5, -52}));
        }
        for (double side : {-1.0, 1.0}) {
            for (double y : {-2.0, 14.0}) {
                p.drawPath(crescent({side * 60, y - 6}, {side * 50, y}, {side * 36, y + 2},
                                    {side * 50, y + 2}, {side * 60, y + 7}));
            }
        }
        p.setBrush(look.light);
        p.drawEllipse(QPointF(kFaceShift, 40), 30, 16);
    }
    const bool open = look.expression == Expression::Laugh || look.expression == Expression::Gummy;
    if (!open) {
        for (double x : {-12.0, 12.0}) {
            ellipseInked(p, {kFaceShift + x, 21}, 15, 11, look.light, 0);
        }
    }
    drawFace(p, look, {kFaceShift, -10}, 23, 12, {kFaceShift, open ? 24.0 : 18.0}, 22,
             MouthStyle::Cat, look.fangs);
    QPainterPath nose({kFaceShift - 7, 8});
    nose.lineTo(kFaceShift + 7, 8);
    nose.quadTo(kFaceShift + 4, 15, kFaceShift, 16);
    nose.quadTo(kFaceShift - 4, 15, kFaceShift - 7, 8);
    fillInked(p, nose, QColor(0xe8, 0x78, 0x82), 2);
}

void rabbitHead(QPainter& p, const Look& look) {
    const bool droop =
        look.expression == Expression::Wistful || look.expression == Expression::Sleepy;
    for (int i = 0; i < 2; ++i) {
        SavedState state(p);
        const double side = i == 0 ? -1 : 1;
        p.translate(side * 20, -40);
        // The far ear flops down when the rabbit is sad or sleepy.
        p.rotate(side > 0 && droop ? 105 : side * 12);
        ellipseInked(p, {0, -46}, 15, 48, look.body);
        ellipseInked(p, {0, -44}, 7, 36, look.accent, 0);
    }
    ellipseInked(p, {0, 0}, 52, 46, look.body);
    drawFace(p, look, {kFaceShift, -6}, 21, 12, {kFaceShift, 18}, 16, MouthStyle::Cat, false);
    const Expression e = look.expression;
    if (e == Expression::Smile || e == Expression::Wink || e == Expression::Dreamy ||
        e == Expression::Wistful || e == Expression::Proud) {
        // Two little front teeth under the mouth.
        SavedState state(p);
        p.setPen(inkPen(p, 1.8));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(kFaceShift - 5, 21, 10, 8), 2, 2);
        p.drawLine(QPointF(kFaceShift, 21), QPointF(kFaceShift, 29));
    }
    ellipseInked(p, {kFaceShift, 12}, 6, 4.5, look.accent.darker(120), 2);
}

void horseHead(QPainter& p, const Look& look) {
    // Mane falling behind the head.
    fillInked(p,
              smoothClosed({{-20, -48}, {-52, -30}, {-62, 10}, {-56, 50}, {-34, 30}, {-30, -10}}),
              look.accent);
    for (double side : {-1.0, 1.0}) {
        const QPainterPath ear = crescent({side * 14, -44}, {side * 22, -74}, {side * 30, -84},
                                          {side * 40, -60}, {side * 38, -36});
        fillInked(p, ear, look.body);
    }
    ellipseInked(p, {0, -4}, 45, 52, look.body);
    // Forelock.
    fillInked(p, smoothClosed({{-22, -50}, {0, -58}, {22, -52}, {12, -30}, {2, -40}, {-8, -26}}),
              look.accent);
    ellipseInked(p, {kFaceShift - 2, 30}, 40, 25, look.light);
    for (double x : {-12.0, 12.0}) {
        ellipseInked(p, {kFaceShift - 2 + x, 26}, 4.5, 6, look.light.darker(165), 0);
    }
    drawFace(p, look, {kFaceShift - 2, -12}, 19, 11, {kFaceShift - 2, 40}, 16, MouthStyle::Simple,
             false);
}

void sheepHead(QPainter& p, const Look& look) {
    if (look.horns) {
        for (double side : {-1.0, 1.0}) {
            // One curl, mirrored for the left horn.
            std::vector<QPointF> points = coilPoints({.centre = {40, -10},
                                                      .steps = 40,
                                                      .angleStep = 0.16,
                                                      .startRadius = 22,
                                                      .radiusStep = -0.42});
            for (QPointF& point : points) {
                point.rx() *= side;
            }
            const QPainterPath curl = polylinePath(points);
            tubeInked(p, curl, look.accent, 11);
        }
    }
    for (double side : {-1.0, 1.0}) {
        SavedState state(p);
        p.translate(side * 44, 2);
        p.rotate(side * 25);
        ellipseInked(p, {0, 0}, 19, 9, look.light);
    }
    ellipseInked(p, {0, 6}, 40, 42, look.light);
    fillInked(p, bumpyBlob({0, -30}, 36, 16, 9, 14), look.body);
    drawFace(p, look, {kFaceShift - 2, 6}, 16, 10, {kFaceShift - 2, 30}, 14, MouthStyle::Cat,
             false);
    ellipseInked(p, {kFaceShift - 2, 23}, 5, 3.5, look.light.darker(160), 0);
}

void monkeyHead(QPainter& p, const Look& look) {
    for (double side : {-1.0, 1.0}) {
        ellipseInked(p, {side * 54, 2}, 19, 19, look.body);
        ellipseInked(p, {side * 55, 3}, 10, 10, look.light, 0);
    }
    // Tuft of hair.
    fillInked(p, smoothClosed({{-14, -44}, {-6, -62}, {2, -48}, {12, -64}, {14, -44}}), look.body);
    ellipseInked(p, {0, 0}, 52, 48, look.body);
    QPainterPath mask = circlePath({kFaceShift - 14, -6}, 20)
                            .united(circlePath({kFaceShift + 14, -6}, 20))
                            .united(ellipsePath({kFaceShift, 20}, 30, 22));
    fillInked(p, mask.simplified(), look.light, 2);
    drawFace(p, look, {kFaceShift, -6}, 14, 10, {kFaceShift, 24}, 20, MouthStyle::Simple, false);
    SavedState state(p);
    p.setPen(Qt::NoPen);
    p.setBrush(look.light.darker(170));
    p.drawEllipse(QPointF(kFaceShift - 4, 13), 2.5, 2);
    p.drawEllipse(QPointF(kFaceShift + 4, 13), 2.5, 2);
}

void dogHead(QPainter& p, const Look& look) {
    if (look.pointyEars) {
        for (double side : {-1.0, 1.0}) {
            const QPainterPath ear = crescent({side * 14, -42}, {side * 26, -70}, {side * 40, -86},
                                              {side * 56, -56}, {side * 50, -22});
            fillInked(p, ear, look.body);
            fillInked(p,
                      crescent({side * 24, -40}, {side * 32, -60}, {side * 39, -72},
                               {side * 46, -52}, {side * 44, -30}),
                      look.light, 0);
        }
    }
    const QPainterPath head = ellipsePath({0, 0}, 54, 48);
    fillInked(p, head, look.body);
    if (look.spots) {
        SavedState state(p);
        p.setClipPath(head);
        p.setPen(Qt::NoPen);
        p.setBrush(look.accent);
        p.drawEllipse(QPointF(kFaceShift + 24, -14), 20, 18);
    }
    if (!look.pointyEars) {
        for (double side : {-1.0, 1.0}) {
            SavedState state(p);
            p.translate(side * 48, -18);
            p.rotate(side * 18);
            fillInked(
                p,
                smoothClosed(
                    {{0, -14}, {side * 16, 0}, {side * 14, 36}, {side * 2, 42}, {-side * 8, 10}}),
                look.accent);
        }
    }
    ellipseInked(p, {kFaceShift, 24}, 27, 19, look.light);
    drawFace(p, look, {kFaceShift, -10}, 22, 11, {kFaceShift, 26}, 18, MouthStyle::Cat, look.fangs);
    ellipseInked(p, {kFaceShift, 15}, 10, 7, kEyeDark, 1.5);
    SavedState state(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(kFaceShift - 3, 12.5), 3, 2);
}

void boarHead(QPainter& p, const Look& look) {
    for (double side : {-1.0, 1.0}) {
        const QPainterPath ear = crescent({side * 16, -40}, {side * 30, -62}, {side * 44, -64},
                                          {side * 50, -44}, {side * 46, -24});
        fillInked(p, ear, look.body);
        fillInked(p,
                  crescent({side * 26, -40}, {side * 34, -52}, {side * 42, -56}, {side * 44, -44},
                           {side * 42, -32}),
                  look.light, 0);
    }
    // Bristly crest: the boss-like hairdo of the wild boar.
    QPolygonF crest;
    for (int i = 0; i <= 8; ++i) {
        const double x = -22 + i * 5.5;
        crest << QPointF(x, i % 2 == 0 ? -40 : -64 + std::abs(i - 4) * 3);
    }
    QPainterPath crestPath;
    crestPath.addPolygon(crest);
    crestPath.closeSubpath();
    fillInked(p, crestPath, look.accent);
    const QPainterPath head = ellipsePath({0, 0}, 56, 48);
    fillInked(p, head, look.body);
    if (look.stripes) {
        SavedState state(p);
        p.setClipPath(head);
        p.setPen(roundPen(look.light, 7));
        p.drawLine(QPointF(-30, -46), QPointF(-20, -20));
        p.drawLine(QPointF(30, -46), QPointF(24, -20));
    }
    drawFace(p, look, {kFaceShift, -14}, 22, 11, {kFaceShift + 2, 38}, 16, MouthStyle::Simple,
             false);
    if (look.fangs) {
        for (double side : {-1.0, 1.0}) {
            const double x = kFaceShift + 2 + side * 18;
            fillInked(p,
                      crescent({x - 3, 40}, {x + side * 2, 30}, {x + side * 9, 24},
                               {x + side * 8, 36}, {x + 4 * side, 42}),
                      QColor(0xfb, 0xf6, 0xe6), 2);
        }
    }
    ellipseInked(p, {kFaceShift + 2, 18}, 22, 15, look.light);
    for (double x : {-7.0, 7.0}) {
        ellipseInked(p, {kFaceShift + 2 + x, 18}, 4, 6, look.light.darker(175), 0);
    }
}

// ---------------------------------------------------------------------------------------------
// Tails (body frame, drawn before the body)

void thinTail(QPainter& p, const std::vector<QPointF>& points, const QColor& colour, double width) {
    tubeInked(p, smoothOpen(points), colour, width);
}

void tuftedTail(QPainter& p, const std::vector<QPointF>& points, const QColor& colour,
                const QColor& tuft) {
    thinTail(p, points, colour, 7);
    const QPointF end = points.back();
    fillInked(p,
              smoothClosed({end + QPointF(-8, -4), end + QPointF(0, -10), end + QPointF(8, -2),
                            end + QPointF(4, 14), end + QPointF(-4, 10)}),
              tuft);
}

} // namespace

// ---------------------------------------------------------------------------------------------

QTransform figureTransform(const Placement& place) {
    QTransform t;
    t.translate(place.at.x(), place.at.y());
    t.rotate(place.tilt);
    t.scale(place.faceLeft ? -place.scale : place.scale, place.scale);
    return t;
}

QPointF headCentre(const Figure& figure) {
    if (!figure.pose.spine.empty()) {
        return figure.pose.spine.back();
    }
    return figure.pose.stance == Stance::OnAllFours ? kFourLegHead : kUprightHead;
}

Pose foldedWings() {
    Pose pose;
    pose.frontPaw = {-40, -44};
    pose.backPaw = {-52, -62};
    return pose;
}

Pose spreadWings() {
    Pose pose;
    pose.stance = Stance::Flying;
    pose.frontPaw = {-34, -212};
    pose.backPaw = {-100, -178};
    return pose;
}

QPointF toPicture(const Figure& figure, QPointF local) {
    return figureTransform(figure.place).map(local);
}

void drawRat(QPainter& painter, const Figure& figure) {
    const Look& look = figure.look;
    const bool fours = figure.pose.stance == Stance::OnAllFours;
    BodyPlan plan{.head = ratHead,
                  .tail =
                      [&](QPainter& p) {
                          if (fours) {
                              thinTail(p, {{-70, -80}, {-110, -70}, {-130, -100}, {-150, -90}},
                                       look.accent, 6);
                          } else {
                              thinTail(
                                  p, {{-20, -28}, {-70, -20}, {-92, -56}, {-76, -90}, {-96, -108}},
                                  look.accent, 6);
                          }
                      },
                  .markings = {},
                  .limb = look.body,
                  .paw = look.accent};
    drawMammal(painter, figure, plan);
}

void drawOx(QPainter& painter, const Figure& figure) {
    const Look& look = figure.look;
    const bool fours = figure.pose.stance == Stance::OnAllFours;
    const QColor tuft = look.spots ? look.body.darker(250) : look.body.darker(160);
    BodyPlan plan{.head = oxHead,
                  .tail =
                      [&](QPainter& p) {
                          if (fours) {
                              tuftedTail(p, {{-74, -96}, {-96, -80}, {-100, -44}}, look.body, tuft);
                          } else {
                              tuftedTail(p, {{-30, -40}, {-62, -40}, {-74, -16}}, look.body, tuft);
                          }
                      },
                  .markings =
                      [&](QPainter& p, const QPainterPath&) {
                          if (look.spots) {
                              p.setBrush(look.body.darker(250));
                              p.drawPath(smoothClosed(
                                  {{-40, -110}, {-10, -118}, {0, -90}, {-24, -70}, {-50, -84}}));
                              p.drawEllipse(QPointF(30, -120), 18, 14);
                          }
                      },
                  .limb = look.body,
                  .paw = look.body,
                  .hooves = true,
                  .bodyWidth = 46,
                  .bodyHeight = 52};
    drawMammal(painter, figure, plan);
}

void drawTiger(QPainter& painter, const Figure& figure) {
    const Look& look = figure.look;
    const bool fours = figure.pose.stance == Stance::OnAllFours;
    BodyPlan plan{
        .head = tigerHead,
        .tail =
            [&](QPainter& p) {
                const std::vector<QPointF> points =
                    fours
                        ? std::vector<QPointF>{{-74, -94}, {-110, -104}, {-124, -140}, {-108, -160}}
                        : std::vector<QPointF>{{-24, -36}, {-70, -40}, {-86, -80}, {-72, -112}};
                thinTail(p, points, look.body, 14);
                // Dark bands across the tail, clipped to its shape.
                const QPainterPath line = smoothOpen(points);
                SavedState state(p);
                p.setClipPath(QPainterPathStroker(roundPen(kInk, 13)).createStroke(line));
                p.setPen(roundPen(look.accent, 6));
                for (double t : {0.4, 0.58, 0.76, 0.94}) {
                    const double a = line.angleAtPercent(t) * std::numbers::pi / 180;
                    const QPointF across(std::sin(a) * 10, std::cos(a) * 10);
                    const QPointF c = line.pointAtPercent(t);
                    p.drawLine(c - across, c + across);
                }
            },
        .markings =
            [&](QPainter& p, const QPainterPath& body) {
                p.setBrush(look.accent);
                const QRectF box = body.boundingRect();
                for (int i = 0; i < 4; ++i) {
                    const double y = box.top() + box.height() * (0.2 + i * 0.2);
                    for (double side : {-1.0, 1.0}) {
                        const double x = side < 0 ? box.left() : box.right();
                        p.drawPath(crescent({x, y - 7}, {x - side * 14, y}, {x - side * 26, y + 3},
                                            {x - side * 12, y + 4}, {x, y + 7}));
                    }
                }
            },
        .limb = look.body,
        .paw = look.light};
    drawMammal(painter, figure, plan);
}

void drawRabbit(QPainter& painter, const Figure& figure) {
    const Look& look = figure.look;
    const bool fours = figure.pose.stance == Stance::OnAllFours;
    BodyPlan plan{
        .head = rabbitHead,
        .tail =
            [&](QPainter& p) {
                fillInked(p, bumpyBlob(fours ? QPointF(-80, -90) : QPointF(-40, -36), 9, 9, 7, 6),
                          look.light);
            },
        .markings = {},
        .limb = look.body,
        .paw = look.body};
    drawMammal(painter, figure, plan);
}

void drawHorse(QPainter& painter, const Figure& figure) {
    const Look& look = figure.look;
    const bool fours = figure.pose.stance == Stance::OnAllFours;
    BodyPlan plan{.head = horseHead,
                  .tail =
                      [&](QPainter& p) {
                          const QPointF root = fours ? QPointF(-74, -96) : QPointF(-30, -40);
                          const double lift = fours ? 1.0 : 0.6;
                          fillInked(
                              p,
                              smoothClosed({root + QPointF(6, -8), root + QPointF(-30, -20 * lift),
                                            root + QPointF(-62, 10), root + QPointF(-46, 62 * lift),
                                            root + QPointF(-24, 36), root + QPointF(0, 10)}),
                              look.accent);
                      },
                  .limb = look.body,
                  .paw = look.body,
                  .hooves = true,
                  .bodyWidth = 42,
                  .bodyHeight = 52};
    drawMammal(painter, figure, plan);
}

void drawSheep(QPainter& painter, const Figure& figure) {
    const Look& look = figure.look;
    const bool fours = figure.pose.stance == Stance::OnAllFours;
    BodyPlan plan{
        .head = sheepHead,
        .tail =
            [&](QPainter& p) {
                fillInked(p, bumpyBlob(fours ? QPointF(-78, -92) : QPointF(-44, -40), 9, 8, 6, 6),
                          look.body);
            },
        .markings = {},
        .limb = look.light,
        .paw = look.light.darker(125),
        .hooves = true,
        .woolly = true,
        .bodyWidth = 46,
        .bodyHeight = 50};
    drawMammal(painter, figure, plan);
}

void drawMonkey(QPainter& painter, const Figure& figure) {
    const Look& look = figure.look;
    const bool fours = figure.pose.stance == Stance::OnAllFours;
    BodyPlan plan{.head = monkeyHead,
                  .tail =
                      [&](QPainter& p) {
                          const QPointF root = fours ? QPointF(-74, -96) : QPointF(-26, -34);
                          std::vector<QPointF> curl{root,
                                                    root + QPointF(-40, 6),
                                                    root + QPointF(-62, -30),
                                                    root + QPointF(-48, -60),
                                                    root + QPointF(-28, -52),
                                                    root + QPointF(-34, -36)};
                          thinTail(p, curl, look.body, 9);
                      },
                  .markings = {},
                  .limb = look.body,
                  .paw = look.light};
    drawMammal(painter, figure, plan);
}

void drawDog(QPainter& painter, const Figure& figure) {
    const Look& look = figure.look;
    const bool fours = figure.pose.stance == Stance::OnAllFours;
    BodyPlan plan{
        .head = dogHead,
        .tail =
            [&](QPainter& p) {
                const QPointF root = fours ? QPointF(-74, -96) : QPointF(-28, -40);
                if (look.pointyEars) {
                    // Bushy tail of a wild dog.
                    fillInked(p,
                              smoothClosed({root + QPointF(4, -8), root + QPointF(-34, -24),
                                            root + QPointF(-66, -10), root + QPointF(-44, 8),
                                            root + QPointF(-10, 10)}),
                              look.body);
                    fillInked(p,
                              smoothClosed({root + QPointF(-50, -16), root + QPointF(-66, -10),
                                            root + QPointF(-48, 4), root + QPointF(-40, -4)}),
                              look.light, 2);
                } else {
                    // Curled-up tail of a happy house dog.
                    thinTail(p,
                             {root, root + QPointF(-30, -10), root + QPointF(-40, -44),
                              root + QPointF(-20, -56), root + QPointF(-12, -40)},
                             look.body, 14);
                }
            },
        .markings =
            [&](QPainter& p, const QPainterPath&) {
                if (look.spots) {
                    p.setBrush(look.accent);
                    p.drawEllipse(QPointF(-30, fours ? -100 : -70), 26, 20);
                }
            },
        .limb = look.body,
        .paw = look.light};
    drawMammal(painter, figure, plan);
}

void drawBoar(QPainter& painter, const Figure& figure) {
    const Look& look = figure.look;
    const bool fours = figure.pose.stance == Stance::OnAllFours;
    BodyPlan plan{.head = boarHead,
                  .tail =
                      [&](QPainter& p) {
                          const QPointF root = fours ? QPointF(-76, -92) : QPointF(-30, -38);
                          tuftedTail(p,
                                     {root, root + QPointF(-14, 4), root + QPointF(-18, 18),
                                      root + QPointF(-26, 24)},
                                     look.body, look.accent);
                      },
                  .markings =
                      [&](QPainter& p, const QPainterPath& body) {
                          const QRectF box = body.boundingRect();
                          if (look.stripes) {
                              p.setPen(roundPen(look.light, 8));
                              for (int i = 0; i < 4; ++i) {
                                  const double x = box.left() + box.width() * (0.25 + i * 0.17);
                                  p.drawLine(QPointF(x, box.top()), QPointF(x + 10, box.bottom()));
                              }
                              p.setPen(Qt::NoPen);
                          }
                          // Bristly ridge along the back.
                          p.setBrush(look.accent);
                          QPolygonF ridge;
                          const int n = 12;
                          for (int i = 0; i <= n; ++i) {
                              const double x = box.left() + box.width() * (0.1 + 0.8 * i / n);
                              ridge << QPointF(x, box.top() + (i % 2 == 0 ? 14 : 0));
                          }
                          ridge << QPointF(box.right(), box.top() - 10)
                                << QPointF(box.left(), box.top() - 10);
                          if (fours) {
                              p.drawPolygon(ridge);
                          }
                      },
                  .limb = look.body,
                  .paw = look.body,
                  .hooves = true,
                  .bodyWidth = 46,
                  .bodyHeight = 50};
    drawMammal(painter, figure, plan);
}

// ---------------------------------------------------------------------------------------------
// Snake and dragon

namespace {

void snakeHead(QPainter& p, const Look& look) {
    ellipseInked(p, {0, 0}, 42, 32, look.body);
    {
        SavedState state(p);
        p.setClipPath(ellipsePath({0, 0}, 42, 32));
        p.setPen(Qt::NoPen);
        p.setBrush(look.accent);
        p.drawEllipse(QPointF(0, -30), 14, 10);
    }
    drawFace(p, look, {kFaceShift, -6}, 17, 10, {kFaceShift, 14}, 20, MouthStyle::Simple, false);
    const Expression e = look.expression;
    if (e == Expression::Smile || e == Expression::Wink || e == Expression::Proud) {
        // Forked tongue flicking out.
        QPainterPath tongue({kFaceShift + 2, 19});
        tongue.lineTo(kFaceShift + 4, 32);
        tongue.moveTo(kFaceShift + 4, 32);
        tongue.lineTo(kFaceShift - 1, 39);
        tongue.moveTo(kFaceShift + 4, 32);
        tongue.lineTo(kFaceShift + 9, 38);
        SavedState state(p);
        p.setBrush(Qt::NoBrush);
        p.setPen(inkPen(p, 3.5, QColor(0xd8, 0x30, 0x40)));
        p.drawPath(tongue);
    }
    SavedState state(p);
    p.setPen(Qt::NoPen);
    p.setBrush(look.body.darker(170));
    p.drawEllipse(QPointF(kFaceShift - 4, 5), 1.8, 1.5);
    p.drawEllipse(QPointF(kFaceShift + 4, 5), 1.8, 1.5);
}

void dragonHead(QPainter& p, const Look& look) {
    // Flame-like mane around the back of the head.
    std::vector<QPointF> mane;
    for (int i = 0; i < 14; ++i) {
        const double a = (150 + i * 18.0) * std::numbers::pi / 180.0;
        const double r = i % 2 == 0 ? 74 : 54;
        mane.emplace_back(-8 + std::cos(a) * r, -6 + std::sin(a) * r * 0.85);
    }
    fillInked(p, smoothClosed(mane), look.accent);
    const QColor hornColour(0xf6, 0xe3, 0xae);
    for (double side : {-1.0, 1.0}) {
        QPainterPath antler({side * 18, -36});
        antler.quadTo(side * 26, -66, side * 20, -88);
        antler.moveTo(side * 23, -62);
        antler.quadTo(side * 38, -66, side * 44, -80);
        tubeInked(p, antler, hornColour, 9);
        ellipseInked(p, {side * 50, -8}, 13, 8, look.body);
    }
    ellipseInked(p, {0, 0}, 50, 42, look.body);
    const QColor whisker = look.accent.darker(110);
    for (double side : {-1.0, 1.0}) {
        QPainterPath strand({kFaceShift + 6 + side * 30, 22});
        strand.cubicTo(side * 62, 18, side * 60, 52, side * 84, 40);
        SavedState state(p);
        p.setBrush(Qt::NoBrush);
        p.setPen(inkPen(p, 3.5, whisker));
        p.drawPath(strand);
    }
    ellipseInked(p, {kFaceShift + 6, 24}, 36, 22, look.light);
    for (double x : {-9.0, 9.0}) {
        ellipseInked(p, {kFaceShift + 6 + x, 16}, 3.5, 3, look.light.darker(170), 0);
    }
    drawFace(p, look, {kFaceShift + 2, -14}, 20, 12, {kFaceShift + 6, 28}, 22, MouthStyle::Simple,
             look.fangs);
}

QPointF lastDirection(const std::vector<QPointF>& spine) {
    QPointF d;
    spinePoint(spine, 1.0, &d);
    return d;
}

} // namespace

void drawSnake(QPainter& painter, const Figure& figure) {
    FigureFrame frame(painter, figure.place);
    const Look& look = figure.look;
    if (figure.behind) {
        SavedState state(painter);
        figure.behind(painter);
    }
    TubeStyle style{.body = look.body,
                    .belly = look.light,
                    .pattern = look.accent,
                    .diamonds = true,
                    .bodyRadius = 20,
                    .tailRadius = 2};
    drawLongBody(painter, figure.pose.spine, style);
    if (figure.held) {
        SavedState state(painter);
        figure.held(painter);
    }
    drawInHeadFrame(painter, figure.pose.spine.back() + lastDirection(figure.pose.spine) * 10,
                    figure.pose.headTilt, [&](QPainter& p) {
                        snakeHead(p, look);
                        if (figure.onHead) {
                            figure.onHead(p);
                        }
                    });
}

void drawDragon(QPainter& painter, const Figure& figure) {
    FigureFrame frame(painter, figure.place);
    const Look& look = figure.look;
    const std::vector<QPointF>& spine = figure.pose.spine;
    if (figure.behind) {
        SavedState state(painter);
        figure.behind(painter);
    }
    // Tail tuft.
    QPointF tailDirection;
    const QPointF tailTip = spinePoint(spine, 0.0, &tailDirection);
    {
        SavedState state(painter);
        painter.translate(tailTip);
        painter.rotate(std::atan2(tailDirection.y(), tailDirection.x()) * 180 / std::numbers::pi);
        fillInked(painter,
                  smoothClosed({{6, 0}, {-20, -18}, {-34, -4}, {-26, 4}, {-36, 14}, {-16, 16}}),
                  look.accent);
    }
    TubeStyle style{.body = look.body,
                    .belly = look.light,
                    .pattern = look.accent,
                    .bellyPlates = true,
                    .spines = look.accent,
                    .bodyRadius = 19,
                    .tailRadius = 5};
    drawLongBody(painter, spine, style);
    // Two short legs with three claws each, on the belly side.
    for (double t : {0.32, 0.8}) {
        QPointF d;
        const QPointF at = spinePoint(spine, t, &d);
        const QPointF belly(-d.y(), d.x());
        const QPointF foot = at + belly * 30 + QPointF(d.x() * 10, 8);
        lineInked(painter, at + belly * 8, foot, look.body, 13);
        for (int c = -1; c <= 1; ++c) {
            const QPointF claw = foot + QPointF(c * 6 + d.x() * 6, 7);
            lineInked(painter, foot, claw, QColor(0xf6, 0xe3, 0xae), 4, 2);
        }
        ellipseInked(painter, foot, 8, 7, look.body);
    }
    if (figure.held) {
        SavedState state(painter);
        figure.held(painter);
    }
    drawInHeadFrame(painter, spine.back() + lastDirection(spine) * 12, figure.pose.headTilt,
                    [&](QPainter& p) {
                        dragonHead(p, look);
                        if (figure.onHead) {
                            figure.onHead(p);
                        }
                    });
}

// ---------------------------------------------------------------------------------------------
// Birds

namespace {

/// Wing from the shoulder to the wing tip, a rounded leaf with feather tips.
void drawWing(QPainter& p, QPointF shoulder, QPointF tip, const QColor& colour, bool flame) {
    const QPointF d = tip - shoulder;
    const double length = std::hypot(d.x(), d.y());
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    const double w = std::max(18.0, length * 0.34);
    std::vector<QPointF> leaf{shoulder + n * (w * 0.6), shoulder + u * (length * 0.5) + n * w, tip,
                              shoulder + u * (length * 0.55) - n * (w * 0.55),
                              shoulder - n * (w * 0.4)};
    if (flame) {
        // Extra points give the edge of a phoenix wing licking-flame feathers.
        leaf = {shoulder + n * (w * 0.6),
                shoulder + u * (length * 0.4) + n * (w * 1.05),
                shoulder + u * (length * 0.8) + n * (w * 0.6),
                tip,
                shoulder + u * (length * 0.7) - n * (w * 0.1),
                shoulder + u * (length * 0.75) - n * (w * 0.55),
                shoulder + u * (length * 0.45) - n * (w * 0.3),
                shoulder + u * (length * 0.4) - n * (w * 0.7),
                shoulder - n * (w * 0.4)};
    }
    fillInked(p, smoothClosed(leaf), colour);
    SavedState state(p);
    p.setPen(inkPen(p, 2, withAlpha(kInk, 140)));
    for (double f : {0.55, 0.75}) {
        p.drawLine(shoulder + u * (length * f) + n * (w * 0.45),
                   shoulder + u * (length * (f + 0.12)) - n * (w * 0.15));
    }
}

void drawBirdLeg(QPainter& p, QPointF hip, QPointF foot, const QColor& colour) {
    SavedState state(p);
    p.setPen(inkPen(p, 5, kInk));
    p.drawLine(hip, foot);
    for (double dx : {-9.0, 0.0, 10.0}) {
        p.drawLine(foot, foot + QPointF(dx, dx == 0 ? 6 : 3));
    }
    p.setPen(inkPen(p, 2.5, colour));
    p.drawLine(hip, foot);
    for (double dx : {-9.0, 0.0, 10.0}) {
        p.drawLine(foot, foot + QPointF(dx, dx == 0 ? 6 : 3));
    }
}

void drawPhoenixPlumes(QPainter& p, const Look& look, double sweep) {
    const QColor colours[] = {look.accent, look.light, look.body.lighter(115)};
    for (int i = 0; i < 3; ++i) {
        const double spread = (i - 1) * 26.0;
        std::vector<QPointF> plume{{-40, -66},
                                   {-100, -60 + spread * 0.6 - sweep * 10},
                                   {-160, -40 + spread - sweep * 20},
                                   {-214, -66 + spread * 1.4 - sweep * 40}};
        tubeInked(p, smoothOpen(plume), colours[i], 13 - i * 2);
        const QPointF end = plume.back();
        ellipseInked(p, end, 15, 11, colours[i]);
        ellipseInked(p, end, 7, 5, look.body.darker(130), 0);
        ellipseInked(p, end, 3, 3, QColor(0x3a, 0x70, 0xc0), 0);
    }
}

} // namespace

void drawBird(QPainter& painter, const Figure& figure, BirdKind kind) {
    FigureFrame frame(painter, figure.place);
    const Look& look = figure.look;
    const Pose& pose = figure.pose;
    const bool flying = pose.stance == Stance::Flying;
    const bool phoenix = kind == BirdKind::Phoenix;
    const QPointF centre(0, -84);
    const QPointF shoulder(-8, -80);
    const QColor wingColour = phoenix ? look.accent : look.body.darker(112);

    if (figure.behind) {
        SavedState state(painter);
        figure.behind(painter);
    }
    // Tail.
    switch (kind) {
    case BirdKind::Rooster:
        for (int i = 0; i < 3; ++i) {
            const QColor c = i == 1 ? look.accent : look.accent.darker(130 + i * 15);
            const double lift = i * 22.0;
            fillInked(painter,
                      smoothClosed({{-40, -80},
                                    {-78, -150 + lift},
                                    {-118, -130 + lift * 1.2},
                                    {-104, -70 + lift * 0.8},
                                    {-52, -52}}),
                      c);
        }
        break;
    case BirdKind::Phoenix:
        drawPhoenixPlumes(painter, look, flying ? 1 : 0);
        break;
    case BirdKind::Dove:
    case BirdKind::Songbird:
        fillInked(painter,
                  smoothClosed({{-40, -70}, {-84, -86}, {-92, -60}, {-80, -44}, {-44, -46}}),
                  look.body.darker(108));
        break;
    }
    // Raised wings sprout from the back of the ball-shaped body so they never hide the face.
    const QPointF wingRoot = flying ? QPointF(-30, -100) : shoulder;
    drawWing(painter, wingRoot + QPointF(-4, -4), pose.backPaw, wingColour.darker(110), phoenix);
    if (!flying) {
        drawBirdLeg(painter, {-12, -30}, {-16, -4}, QColor(0xf2, 0xa0, 0x30));
        drawBirdLeg(painter, {14, -30}, {16, -2}, QColor(0xf2, 0xa0, 0x30));
    }
    const QPainterPath body = ellipsePath(centre, 58, 62);
    fillInked(painter, body, look.body);
    {
        SavedState state(painter);
        painter.setClipPath(body);
        painter.setPen(Qt::NoPen);
        painter.setBrush(look.light);
        painter.drawEllipse(QPointF(16, -56), 40, 40);
    }
    drawWing(painter, wingRoot, pose.frontPaw, wingColour, phoenix);
    drawInHeadFrame(painter, kBirdHead, pose.headTilt, [&](QPainter& p) {
        if (kind == BirdKind::Rooster) {
            fillInked(p,
                      smoothClosed({{-18, -24},
                                    {-14, -52},
                                    {-2, -38},
                                    {8, -62},
                                    {18, -40},
                                    {32, -54},
                                    {34, -26},
                                    {10, -20}}),
                      QColor(0xe8, 0x2a, 0x2a));
        } else if (phoenix) {
            for (int i = -1; i <= 1; ++i) {
                QPainterPath plume({double(i * 4), -30});
                plume.quadTo(i * 16.0, -58, i * 26.0 + 4, -74 + std::abs(i) * 10);
                tubeInked(p, plume, look.accent, 4);
                ellipseInked(p, {i * 26.0 + 4, -74.0 + std::abs(i) * 10}, 7, 7, look.light);
            }
        } else if (kind == BirdKind::Songbird) {
            QPainterPath tuft({-6, -30});
            tuft.quadTo(0, -52, 14, -46);
            tubeInked(p, tuft, look.body, 6);
        }
        if (look.blush) {
            drawBlush(p, {-24, 14}, 10);
            drawBlush(p, {32, 14}, 10);
        }
        drawEyes(p, {4, -2}, 18, 11, look.expression, look.gaze);
        // Beak: a little diamond pointing the way the bird faces; open when laughing.
        const bool open = look.expression == Expression::Laugh ||
                          look.expression == Expression::Determined ||
                          look.expression == Expression::Surprised;
        const QColor beak(0xf5, 0xa6, 0x23);
        QPainterPath upper({-8, 8});
        upper.quadTo(12, -2, 30, 14);
        upper.quadTo(12, 18, -8, 15);
        upper.closeSubpath();
        QPainterPath lower({-6, 16});
        lower.quadTo(8, open ? 34 : 24, 22, open ? 28 : 18);
        lower.closeSubpath();
        if (open) {
            ellipseInked(p, {6, 18}, 12, 7, QColor(0x9a, 0x2f, 0x35), 0);
        }
        fillInked(p, lower, beak.darker(115), 2.5);
        fillInked(p, upper, beak, 2.5);
        if (kind == BirdKind::Rooster) {
            fillInked(p, smoothClosed({{0, 24}, {8, 26}, {8, 44}, {0, 48}, {-6, 38}}),
                      QColor(0xe8, 0x2a, 0x2a));
        }
        if (figure.onHead) {
            figure.onHead(p);
        }
    });
    if (figure.held) {
        SavedState state(painter);
        figure.held(painter);
    }
}

// ---------------------------------------------------------------------------------------------
// Usual colours

Look ratLook() {
    return {.body = QColor(0xa9, 0xa2, 0xb4),
            .light = QColor(0xee, 0xea, 0xf2),
            .accent = QColor(0xf6, 0xa8, 0xb8)};
}
Look oxLook() {
    return {.body = QColor(0xa8, 0x6b, 0x3c),
            .light = QColor(0xf6, 0xcf, 0xb4),
            .accent = QColor(0xfa, 0xf0, 0xd2)};
}
Look tigerLook() {
    return {.body = QColor(0xf7, 0x9a, 0x2a),
            .light = QColor(0xff, 0xf6, 0xe4),
            .accent = QColor(0x4a, 0x30, 0x28)};
}
Look rabbitLook() {
    return {.body = QColor(0xfb, 0xf8, 0xf4),
            .light = QColor(0xff, 0xff, 0xff),
            .accent = QColor(0xf8, 0xb4, 0xc4)};
}
Look dragonLook() {
    return {.body = QColor(0x4c, 0xb8, 0x7a),
            .light = QColor(0xf4, 0xe6, 0xa6),
            .accent = QColor(0xf0, 0x6a, 0x3a)};
}
Look snakeLook() {
    return {.body = QColor(0x7c, 0xc8, 0x5a),
            .light = QColor(0xf2, 0xee, 0xb0),
            .accent = QColor(0x3f, 0x8a, 0x3a)};
}
Look horseLook() {
    return {.body = QColor(0xc6, 0x84, 0x4e),
            .light = QColor(0xf6, 0xdc, 0xbe),
            .accent = QColor(0x5a, 0x34, 0x22)};
}
Look sheepLook() {
    return {.body = QColor(0xfc, 0xfa, 0xf2),
            .light = QColor(0xf7, 0xd9, 0xc4),
            .accent = QColor(0xd8, 0xb0, 0x7a)};
}
Look monkeyLook() {
    return {.body = QColor(0x9a, 0x62, 0x3c),
            .light = QColor(0xf6, 0xd2, 0xb0),
            .accent = QColor(0xe0, 0x40, 0x30)};
}
Look birdLook() {
    return {.body = QColor(0x6c, 0xc4, 0xf0),
            .light = QColor(0xfa, 0xf6, 0xe0),
            .accent = QColor(0x3a, 0x7a, 0xd0)};
}
Look dogLook() {
    return {.body = QColor(0xe8, 0xb0, 0x6a),
            .light = QColor(0xfc, 0xf2, 0xe2),
            .accent = QColor(0xb0, 0x6a, 0x3a)};
}
Look boarLook() {
    return {.body = QColor(0x9c, 0x6a, 0x48),
            .light = QColor(0xf2, 0xc4, 0xae),
            .accent = QColor(0x5e, 0x3a, 0x28)};
}

} // namespace soranika::pictures
