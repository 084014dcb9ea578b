// One composition per type: a background from scenes, the type's animal from animals, and
// the motif of its title from props. Each picture gets its own palette and layout so that the
// sixty stay easy to tell apart.
#include "catalogue.h"

#include "animals.h"
#include "cartoon.h"
#include "props.h"
#include "scenes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace soranika::pictures {

namespace {

constexpr double kPi = std::numbers::pi;

Figure figure(QPointF at, double scale, const Look& look, bool faceLeft = false) {
    Figure f;
    f.place = {at, scale, faceLeft, 0};
    f.look = look;
    return f;
}

Look withExpression(Look look, Expression expression, QPointF gaze = {}) {
    look.expression = expression;
    look.gaze = gaze;
    return look;
}

/// Soft oval shadow under a figure standing on the ground.
void shadow(QPainter& p, QPointF at, double width) {
    SavedState state(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 38));
    p.drawEllipse(at, width / 2, width * 0.09);
}

/// Soft glow as a few flat rings: cheaper to store than a smooth gradient, same effect.
void steppedGlow(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    SavedState state(p);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(withAlpha(colour, 34));
        const double r = radius * (1.0 - i * 0.18);
        p.drawEllipse(centre, r, r);
    }
}

/// Little drop of sweat: the "oops" and "effort" mark of cartoons.
void sweatDrop(QPainter& p, QPointF at, double size) {
    QPainterPath drop(at + QPointF(0, -size));
    drop.cubicTo(at + QPointF(size * 0.9, 0), at + QPointF(size * 0.6, size * 0.8),
                 at + QPointF(0, size * 0.8));
    drop.cubicTo(at + QPointF(-size * 0.6, size * 0.8), at + QPointF(-size * 0.9, 0),
                 at + QPointF(0, -size));
    fillInked(p, drop, QColor(0xa8, 0xdc, 0xff), 2);
}

/// Small fish for the underwater picture.
void fish(QPainter& p, QPointF c, double size, const QColor& colour, bool faceLeft) {
    SavedState state(p);
    p.translate(c);
    if (faceLeft) {
        p.scale(-1, 1);
    }
    QPolygonF tail;
    tail << QPointF(-size * 0.4, 0) << QPointF(-size * 0.8, -size * 0.3)
         << QPointF(-size * 0.8, size * 0.3);
    QPainterPath tailPath;
    tailPath.addPolygon(tail);
    tailPath.closeSubpath();
    fillInked(p, tailPath, colour.darker(110), 2);
    ellipseInked(p, {0, 0}, size * 0.5, size * 0.32, colour, 2);
    ellipseInked(p, {size * 0.25, -size * 0.06}, size * 0.06, size * 0.06, kEyeDark, 0);
}

/// A "?" made of shapes (no fonts): the sheep / cloud / hermit puzzle.
void questionMark(QPainter& p, QPointF c, double size, const QColor& colour) {
    SavedState state(p);
    QPainterPath hook(c + QPointF(-size * 0.35, -size * 0.45));
    hook.cubicTo(c + QPointF(-size * 0.35, -size * 0.9), c + QPointF(size * 0.4, -size * 0.9),
                 c + QPointF(size * 0.38, -size * 0.45));
    hook.cubicTo(c + QPointF(size * 0.36, -size * 0.15), c + QPointF(0, -size * 0.15),
                 c + QPointF(0, size * 0.15));
    tubeInked(p, hook, colour, size * 0.2, 2.5);
    ellipseInked(p, c + QPointF(0, size * 0.45), size * 0.13, size * 0.13, colour, 2.5);
}

/// Rain streaks.
void rain(QPainter& p, Dice& dice, int count, const QColor& colour) {
    SavedState state(p);
    p.setPen(roundPen(colour, 2.5));
    for (int i = 0; i < count; ++i) {
        const QPointF at(dice.between(0, kWidth), dice.between(0, kHeight));
        p.drawLine(at, at + QPointF(-5, 16));
    }
}

/// Running track with lanes, in perspective-free cartoon style.
void runningTrack(QPainter& p, double y) {
    SavedState state(p);
    p.fillRect(QRectF(0, y, kWidth, kHeight - y), QColor(0xd9, 0x6a, 0x48));
    p.setPen(roundPen(QColor(255, 255, 255, 220), 3));
    for (double ly = y + 14; ly < kHeight; ly += 22) {
        p.drawLine(QPointF(0, ly), QPointF(kWidth, ly));
    }
}

/// Crowd of round heads in the stands, as bright dots.
void crowd(QPainter& p, Dice& dice, double top, double bottom) {
    SavedState state(p);
    p.fillRect(QRectF(0, top, kWidth, bottom - top), QColor(0x5a, 0x6a, 0x9a));
    const QColor colours[] = {QColor(0xff, 0xd0, 0x60), QColor(0xff, 0x8a, 0x8a),
                              QColor(0x9a, 0xe0, 0xff), QColor(0xc8, 0xf0, 0x9a),
                              QColor(0xff, 0xff, 0xff)};
    p.setPen(Qt::NoPen);
    for (double y = top + 8; y < bottom; y += 13) {
        for (double x = dice.between(0, 10); x < kWidth; x += dice.between(12, 18)) {
            p.setBrush(colours[int(dice.between(0, 5))]);
            p.drawEllipse(QPointF(x, y), 5, 5);
        }
    }
}

/// Two antennas on a headband: the type 1 rat's receivers.
void antennaHeadband(QPainter& p) {
    QPainterPath band(QPointF(-54, -20));
    band.cubicTo(QPointF(-36, -56), QPointF(36, -56), QPointF(56, -20));
    tubeInked(p, band, QColor(0x5a, 0x6a, 0x8a), 7);
    drawAntenna(p, {-22, -44}, {-62, -150}, QColor(0xff, 0x5a, 0x6a));
    drawAntenna(p, {26, -44}, {74, -148}, QColor(0xff, 0xd8, 0x3a));
    drawSignalWaves(p, {-62, -150}, 120, 3, 16, QColor(0xff, 0xf6, 0xa0));
    drawSignalWaves(p, {74, -148}, 60, 3, 16, QColor(0xff, 0xf6, 0xa0));
}

// ---------------------------------------------------------------------------------------------
// The sixty pictures, each named after its type's title (TypeTable::Title), which names what it
// shows; the comment above each gives the number and the title. kTypes below ties them to numbers.

// Type 1: 超高感度のアンテナねずみ (the ultra-sensitive antenna rat)
void ratWithSensitiveAntennas(QPainter& p) {
    Dice dice(1);
    paintSky(p, QColor(0x1e, 0x2a, 0x6a), QColor(0x6a, 0x5a, 0xb8));
    paintStars(p, dice, QRectF(0, 0, kWidth, 240), 60, QColor(0xff, 0xf6, 0xd0));
    paintMoon(p, {560, 70}, 30, QColor(0xff, 0xf2, 0xb0), true);
    // A ringed planet far away: what the rat is listening to.
    SavedState planet(p);
    ellipseInked(p, {110, 80}, 30, 30, QColor(0xf8, 0x9a, 0x6a));
    p.setPen(inkPen(p, 4, QColor(0xff, 0xe0, 0xa0)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(110, 80), 52, 12);
    paintHills(p, 300, 16, 400, 0.1, QColor(0x4a, 0x8a, 0x6a));
    shadow(p, {330, 330}, 130);
    Figure rat =
        figure({330, 330}, 0.98, withExpression(ratLook(), Expression::Surprised, {0, -1}));
    rat.pose.frontPaw = {60, -132};
    rat.pose.backPaw = {-60, -132};
    rat.onHead = antennaHeadband;
    drawRat(p, rat);
    drawRadarDish(p, {500, 322}, 100, -45);
    drawSignalWaves(p, {530, 230}, -45, 3, 16, QColor(0xff, 0xf6, 0xa0));
    drawSparkle(p, {240, 90}, 10, QColor(0xff, 0xf6, 0xa0));
    drawSparkle(p, {420, 60}, 8, QColor(0xff, 0xf6, 0xa0));
}

// Type 2: 乙女の野牛 (the maiden wild ox)
void maidenWildOx(QPainter& p) {
    Dice dice(2);
    paintPolkaDots(p, QColor(0xff, 0xe4, 0xec), QColor(0xff, 0xd0, 0xdc), 46, 10);
    paintHills(p, 300, 10, 500, 0.3, QColor(0xa8, 0xe0, 0x8a));
    paintFlowers(p, dice, QRectF(0, 300, kWidth, 50), 40,
                 {QColor(0xff, 0x9a, 0xb8), Qt::white, QColor(0xff, 0xd8, 0x6a)});
    Look ox = withExpression(oxLook(), Expression::Dreamy, {0.3, -0.2});
    ox.body = QColor(0xe8, 0xb0, 0x8a);
    ox.light = QColor(0xff, 0xe6, 0xe0);
    ox.accent = QColor(0xff, 0xf4, 0xe0);
    shadow(p, {320, 332}, 140);
    Figure f = figure({320, 332}, 1.0, ox);
    f.pose.frontPaw = {18, -58};
    f.pose.backPaw = {-8, -56};
    f.pose.backPawInFront = true;
    f.pose.headTilt = -8;
    f.onHead = [](QPainter& q) {
        drawFlowerCrown(q, {QColor(0xff, 0x8a, 0xb0), QColor(0xff, 0xf0, 0x8a), Qt::white});
    };
    f.held = [](QPainter& q) {
        // Bouquet with a ribbon.
        for (int i = 0; i < 3; ++i) {
            lineInked(q, {6, -40}, {-14 + i * 16.0, -82}, QColor(0x5a, 0xb0, 0x5a), 4, 2);
        }
        drawFlower(q, {-18, -80}, 13, QColor(0xff, 0x8a, 0xb0), 5);
        drawFlower(q, {26, -84}, 13, QColor(0xff, 0xd8, 0xe8), 6);
        drawFlower(q, {4, -96}, 12, QColor(0xc8, 0x9a, 0xf0), 5);
        drawBowTie(q, {6, -56}, 12, QColor(0xff, 0x6a, 0x9a));
    };
    drawOx(p, f);
    drawHeart(p, {440, 90}, 18, QColor(0xff, 0x7a, 0xa0));
    drawHeart(p, {482, 140}, 11, QColor(0xff, 0x9a, 0xb8));
    drawHeart(p, {190, 110}, 13, QColor(0xff, 0x9a, 0xb8));
    drawButterfly(p, {520, 220}, 26, QColor(0xff, 0xd0, 0x6a));
}

// Type 3: 聖火を持った虎 (the tiger holding the sacred flame)
void tigerWithSacredFlame(QPainter& p) {
    Dice dice(3);
    paintSky(p, QColor(0x6a, 0xc8, 0xff), QColor(0xd8, 0xf2, 0xff), 200);
    crowd(p, dice, 150, 240);
    p.fillRect(QRectF(0, 238, kWidth, 10), QColor(0xf4, 0xf4, 0xf0));
    runningTrack(p, 248);
    for (double x : {90.0, 250.0, 420.0, 580.0}) {
        drawFlag(p, {x, 150}, 70, x < 300 ? QColor(0xff, 0x5a, 0x5a) : QColor(0x3a, 0x9a, 0xff));
    }
    Figure tiger = figure({330, 336}, 1.0, withExpression(tigerLook(), Expression::Laugh));
    tiger.place.tilt = 6;
    tiger.pose.stride = 1;
    tiger.pose.frontPaw = {54, -178};
    tiger.pose.backPaw = {-58, -86};
    tiger.held = [](QPainter& q) {
        drawTorch(q, {54, -170}, 12, 84);
    };
    drawSpeedLines(p, {210, 270}, {1, 0}, 4, 70, 60, QColor(255, 255, 255, 230));
    shadow(p, {330, 338}, 120);
    drawTiger(p, tiger);
    drawDustPuff(p, {224, 326}, 16, QColor(0xf8, 0xe0, 0xd0));
    drawDustPuff(p, {190, 330}, 11, QColor(0xf8, 0xe0, 0xd0));
    drawStar(p, {520, 60}, 16, QColor(0xff, 0xe0, 0x4a));
    drawStar(p, {140, 60}, 12, QColor(0xff, 0xe0, 0x4a));
}

// Type 4: 釘を打つうさぎ (the rabbit driving nails)
void rabbitHammeringNails(QPainter& p) {
    paintRoom(p, QColor(0xff, 0xf0, 0xc8), QColor(0xd8, 0xa8, 0x70), 250);
    // Rabbit at the very moment of the hit. The nail goes exactly where the hammer face lands.
    Figure rabbit =
        figure({250, 332}, 1.05, withExpression(rabbitLook(), Expression::Determined, {1, 0.6}));
    const QPointF grip(78, -120);
    const double angle = 100;
    const double size = 100;
    rabbit.pose.frontPaw = grip;
    rabbit.pose.backPaw = {60, -60};
    rabbit.held = [=](QPainter& q) {
        drawHammer(q, grip, angle, size);
    };
    const double radians = angle * kPi / 180;
    const QPointF along(std::sin(radians), -std::cos(radians));
    const QPointF across(std::cos(radians), std::sin(radians));
    const QPointF strike = toPicture(rabbit, grip + along * (size * 0.79) + across * (size * 0.34));
    const double nailLength = 34;
    const double plankTop = strike.y() + nailLength * 0.45;
    // Workbench with a plank.
    for (double x : {350.0, 560.0}) {
        lineInked(p, {x, plankTop + 30}, {x, 344}, QColor(0x8a, 0x5a, 0x32), 14);
    }
    QPainterPath top;
    top.addRoundedRect(QRectF(330, plankTop + 26, 250, 18), 4, 4);
    fillInked(p, top, QColor(0xa8, 0x70, 0x40));
    drawPlank(p, QRectF(350, plankTop, 210, 28), QColor(0xf0, 0xc8, 0x88));
    drawNail(p, {strike.x(), strike.y() + nailLength}, nailLength);
    drawNail(p, {530, plankTop + 8}, 30);
    drawNail(p, {490, plankTop + 4}, 22, 78); // a bent one, an earlier try
    shadow(p, {250, 334}, 120);
    drawRabbit(p, rabbit);
    drawImpactMarks(p, strike + QPointF(10, 2), 22, 5, QColor(0xff, 0x8a, 0x2a), 250, 130);
    drawStar(p, strike + QPointF(46, -30), 9, QColor(0xff, 0xe0, 0x4a));
    drawStar(p, strike + QPointF(60, 0), 7, QColor(0xff, 0xe0, 0x4a));
    sweatDrop(p, {190, 150}, 9);
    // Little tool board on the wall.
    QPainterPath board;
    board.addRoundedRect(QRectF(40, 40, 130, 90), 6, 6);
    fillInked(p, board, QColor(0xe8, 0xc8, 0x98));
    drawHammer(p, {70, 118}, -10, 60);
    drawNail(p, {120, 110}, 26, 20);
    drawNail(p, {146, 112}, 26, -15);
}

// Type 5: 山上に舞う龍 (the dragon dancing above the mountains)
void dragonDancingOverMountains(QPainter& p) {
    Dice dice(5);
    paintSky(p, QColor(0x4a, 0x9a, 0xe8), QColor(0xc8, 0xec, 0xff));
    paintCloud(p, {120, 70}, 130, QColor(255, 255, 255, 220));
    paintCloud(p, {560, 50}, 110, QColor(255, 255, 255, 220));
    paintMountains(p, {{80, 170}, {250, 120}, {470, 150}, {620, 180}}, kHeight,
                   QColor(0x6a, 0x8a, 0xc0), QColor(0xfa, 0xfc, 0xff));
    paintMountains(p, {{160, 250}, {420, 240}, {600, 270}}, kHeight, QColor(0x4a, 0xa0, 0x6a));
    paintCloud(p, {330, 300}, 240, QColor(255, 255, 255, 235));
    Figure dragon = figure({330, 220}, 1.0, withExpression(dragonLook(), Expression::Laugh));
    dragon.pose.spine = {{-290, 40}, {-220, -10}, {-140, 40}, {-60, -20},
                         {20, 30},   {100, -30},  {150, -90}};
    drawDragon(p, dragon);
    drawPearl(p, {570, 100}, 16, QColor(0xff, 0xe8, 0x9a));
}

// Type 6: 大草原の大蛇 (the great snake of the prairie)
void greatSnakeOfThePrairie(QPainter& p) {
    Dice dice(6);
    paintSky(p, QColor(0x7a, 0xc8, 0xff), QColor(0xe8, 0xf8, 0xff), 200);
    paintSun(p, {90, 60}, 30, QColor(0xff, 0xd8, 0x4a), 12);
    paintCloud(p, {420, 60}, 120, Qt::white);
    paintCloud(p, {580, 100}, 80, Qt::white);
    paintGround(p, 190, QColor(0xb8, 0xe0, 0x6a), QColor(0x6a, 0xb8, 0x4a));
    paintMountains(p, {{540, 170}, {620, 180}}, 192, QColor(0x9a, 0xb8, 0xd8));
    paintGrassTufts(p, dice, QRectF(0, 200, kWidth, 150), 60, QColor(0x4a, 0x9a, 0x3a));
    paintFlowers(p, dice, QRectF(0, 210, kWidth, 140), 24, {QColor(0xff, 0xf0, 0x6a), Qt::white});
    Figure snake = figure({0, 0}, 1.0, withExpression(snakeLook(), Expression::Smile));
    snake.pose.spine = {{40, 300},  {150, 330}, {260, 290}, {360, 320},
                        {460, 300}, {520, 250}, {500, 180}};
    drawSnake(p, snake);
    drawButterfly(p, {560, 140}, 30, QColor(0xff, 0x9a, 0x5a));
    drawNote(p, {430, 160}, 16, QColor(0x3a, 0x7a, 0x3a));
}

// Type 7: 反逆のレーダー馬 (the rebel radar horse)
void rebelRadarHorse(QPainter& p) {
    paintSunburst(p, {330, 150}, 24, QColor(0x3a, 0x2a, 0x5a), QColor(0x4a, 0x3a, 0x72));
    paintGround(p, 290, QColor(0x2a, 0x20, 0x40), QColor(0x1a, 0x14, 0x2a));
    Look horse = withExpression(horseLook(), Expression::Proud);
    horse.body = QColor(0x9a, 0x9a, 0xb0);
    horse.light = QColor(0xe8, 0xe8, 0xf2);
    horse.accent = QColor(0xff, 0x3a, 0x8a);
    Figure f = figure({330, 320}, 1.0, horse);
    // Arms crossed: both paws in front of the chest.
    f.pose.frontPaw = {-22, -84};
    f.pose.backPaw = {24, -80};
    f.pose.backPawInFront = true;
    f.onHead = [](QPainter& q) {
        drawSunglasses(q, -10, QColor(0xff, 0x3a, 0x8a));
        // The radar on top of the head, listening where nobody told it to.
        drawRadarDish(q, {2, -50}, 80, -40);
        drawSignalWaves(q, {40, -130}, -40, 3, 18, QColor(0x6a, 0xff, 0xc0));
    };
    shadow(p, {330, 322}, 130);
    drawHorse(p, f);
    drawStar(p, {520, 80}, 14, QColor(0xff, 0xe0, 0x4a));
    drawLightning(p, {560, 170}, {600, 240}, 7);
}

// Type 8: 羊か、雲か、仙人か？ (a sheep, a cloud or a hermit?)
void sheepCloudOrHermit(QPainter& p) {
    paintSky(p, QColor(0x8a, 0xd0, 0xff), QColor(0xe8, 0xf6, 0xff));
    paintCloud(p, {90, 250}, 150, Qt::white, true);
    paintCloud(p, {560, 270}, 170, Qt::white, true);
    paintCloud(p, {500, 80}, 110, QColor(255, 255, 255, 230));
    paintCloud(p, {150, 70}, 90, QColor(255, 255, 255, 230));
    Look sheep = withExpression(sheepLook(), Expression::Proud);
    sheep.light = QColor(0xfa, 0xe6, 0xd8);
    Figure f = figure({330, 282}, 1.0, sheep);
    f.pose.stance = Stance::Flying;
    f.pose.frontPaw = {56, -90};
    f.pose.backPaw = {-52, -70};
    f.onHead = [](QPainter& q) {
        drawHermitBeard(q);
    };
    f.held = [](QPainter& q) {
        drawHermitStaff(q, {64, -16}, 190);
    };
    drawRideCloud(p, {330, 300}, 260, Qt::white, false);
    drawSheep(p, f);
    drawRideCloud(p, {330, 326}, 230, QColor(0xfa, 0xfc, 0xff), false);
    questionMark(p, {470, 140}, 40, QColor(0xff, 0xd0, 0x4a));
}

// Type 9: 一直線の闘争猿 (the monkey that fights straight ahead)
void monkeyFightingStraightAhead(QPainter& p) {
    paintSunburst(p, {560, 170}, 28, QColor(0xff, 0xc8, 0x5a), QColor(0xff, 0xdc, 0x8a));
    // One perfectly straight road across the picture.
    p.fillRect(QRectF(0, 298, kWidth, 56), QColor(0x6a, 0x6a, 0x72));
    {
        SavedState state(p);
        p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(0, 326), QPointF(kWidth, 326));
    }
    QPolygonF arrow;
    arrow << QPointF(600, 310) << QPointF(640, 326) << QPointF(600, 342);
    QPainterPath arrowHead;
    arrowHead.addPolygon(arrow);
    arrowHead.closeSubpath();
    fillInked(p, arrowHead, Qt::white);
    Figure monkey =
        figure({330, 320}, 1.0, withExpression(monkeyLook(), Expression::Determined, {1, 0}));
    monkey.place.tilt = 14;
    monkey.pose.stride = 1;
    monkey.pose.frontPaw = {74, -118};
    monkey.pose.backPaw = {-40, -96};
    monkey.onHead = [](QPainter& q) {
        drawHeadband(q, QColor(0xe8, 0x2a, 0x2a));
    };
    monkey.held = [](QPainter& q) {
        drawBoxingGlove(q, {-40, -96}, 34, QColor(0xe8, 0x2a, 0x2a));
    };
    drawSpeedLines(p, {200, 200}, {1, 0}, 6, 90, 150, QColor(255, 255, 255, 240));
    drawMonkey(p, monkey);
    drawBoxingGlove(p, toPicture(monkey, {78, -118}), 34 * 1.0, QColor(0xe8, 0x2a, 0x2a));
    drawDustPuff(p, {200, 308}, 18, QColor(0xe0, 0xe0, 0xe0));
    drawImpactMarks(p, toPicture(monkey, {96, -118}), 28, 3, QColor(0xe8, 0x3a, 0x2a), -30, 60);
}

// Type 10: 激情の闘鶏 (the passionate fighting cock)
void passionateFightingCock(QPainter& p) {
    paintSunburst(p, {330, 180}, 20, QColor(0xe8, 0x3a, 0x2a), QColor(0xf8, 0x6a, 0x2a));
    for (double x = -20; x < kWidth; x += 60) {
        drawFlame(p, {x, 370}, 70, 130 + std::fmod(x * 7, 50), (int(x) % 3 - 1) * 0.3);
    }
    Look cock = withExpression(birdLook(), Expression::Determined);
    cock.body = QColor(0xfc, 0xf6, 0xea);
    cock.light = QColor(0xff, 0xff, 0xff);
    cock.accent = QColor(0x2a, 0x6a, 0x5a);
    Figure f = figure({330, 316}, 1.25, cock);
    f.pose = foldedWings();
    f.pose.frontPaw = {60, -150};
    f.pose.backPaw = {-70, -150};
    drawBird(p, f, BirdKind::Rooster);
    // Fists of fire on the wing tips.
    drawFlame(p, toPicture(f, {64, -150}), 34, 56, 0.3);
    drawFlame(p, toPicture(f, {-72, -150}), 30, 50, -0.3);
    drawImpactMarks(p, toPicture(f, {12, -110}), 110, 8, QColor(0xff, 0xf0, 0x6a), 190, 160);
}

// Type 11: 嗅覚鋭い忠犬 (the loyal dog with a keen nose)
void loyalDogWithKeenNose(QPainter& p) {
    Dice dice(11);
    paintSky(p, QColor(0xa8, 0xe0, 0xff), QColor(0xf0, 0xfa, 0xff), 180);
    paintTree(p, {70, 230}, 200, QColor(0x9a, 0x62, 0x38), QColor(0x5a, 0xb0, 0x5a));
    paintHills(p, 220, 14, 420, 0.6, QColor(0x8a, 0xd0, 0x6a));
    paintGrassTufts(p, dice, QRectF(0, 240, kWidth, 110), 40, QColor(0x4a, 0x9a, 0x3a));
    drawFootprints(p, {90, 320}, {300, 318}, 7, QColor(0x5a, 0x8a, 0x3a, 160));
    // The bone the trail leads to, half hidden in a bush.
    SavedState bone(p);
    QPainterPath b = ellipsePath({560, 286}, 30, 7)
                         .united(circlePath({530, 280}, 8))
                         .united(circlePath({530, 292}, 8))
                         .united(circlePath({590, 280}, 8))
                         .united(circlePath({590, 292}, 8));
    fillInked(p, b.simplified(), QColor(0xff, 0xfa, 0xee));
    paintCloud(p, {590, 300}, 110, QColor(0x4a, 0xa0, 0x4a), true);
    drawScentWisps(p, {500, 270}, 46, QColor(0xb0, 0x7a, 0xd0));
    Look dog = withExpression(dogLook(), Expression::Smile, {1, 1});
    dog.spots = true;
    Figure f = figure({330, 318}, 0.95, dog);
    f.pose.stance = Stance::OnAllFours;
    f.pose.headTilt = 18;
    f.place.tilt = 6;
    shadow(p, {330, 320}, 200);
    drawDog(p, f);
    drawScentWisps(p, toPicture(f, {130, -70}), 30, QColor(0xb0, 0x7a, 0xd0));
    drawSparkle(p, toPicture(f, {100, -110}), 12, QColor(0xff, 0xd0, 0x3a));
}

// Type 12: 無冠のいのしし親分 (the uncrowned boar boss)
void uncrownedBoarBoss(QPainter& p) {
    Dice dice(12);
    paintSky(p, QColor(0x9a, 0xd8, 0xb0), QColor(0xe8, 0xf8, 0xd8), 220);
    for (double x : {40.0, 140.0, 520.0, 620.0}) {
        paintPineTree(p, {x, 230}, 170, QColor(0x3a, 0x8a, 0x5a));
    }
    paintGround(p, 220, QColor(0x9a, 0xc8, 0x6a), QColor(0x7a, 0xa8, 0x4a));
    drawTreeStump(p, {330, 300}, 120, 50);
    Look boss = withExpression(boarLook(), Expression::Proud);
    Figure f = figure({330, 262}, 0.95, boss);
    f.pose.frontPaw = {40, -60};
    f.pose.backPaw = {-46, -64};
    f.behind = [](QPainter& q) {
        drawCape(q, QColor(0x8a, 0x2a, 0x5a), 0.2);
    };
    f.onHead = [](QPainter& q) {
        // A plaster on the forehead: a boss who earned it the hard way.
        SavedState state(q);
        q.translate(30, -30);
        q.rotate(-30);
        QPainterPath plaster;
        plaster.addRoundedRect(QRectF(-16, -6, 32, 12), 5, 5);
        fillInked(q, plaster, QColor(0xf8, 0xd8, 0xb0), 2);
    };
    drawBoar(p, f);
    // The crown he never wears, left on the ground for the little ones to play with.
    drawCrown(p, {505, 316}, 40, QColor(0xf8, 0xc8, 0x3c));
    Look baby = withExpression(boarLook(), Expression::Laugh);
    baby.body = QColor(0xc0, 0x8a, 0x5a);
    baby.light = QColor(0xf6, 0xdc, 0xc0);
    baby.stripes = true;
    baby.fangs = false;
    for (int i = 0; i < 3; ++i) {
        Figure little = figure({90 + i * 70.0, 330 - (i % 2) * 8.0}, 0.38, baby);
        little.pose.stance = Stance::OnAllFours;
        little.look.expression = i == 1 ? Expression::Smile : Expression::Laugh;
        drawBoar(p, little);
    }
    Figure admirer = figure({590, 334}, 0.4, withExpression(baby, Expression::Dreamy), true);
    admirer.pose.stance = Stance::OnAllFours;
    drawBoar(p, admirer);
}

// Type 13: 自由な火ねずみ (the free fire rat)
void freeFireRat(QPainter& p) {
    Dice dice(13);
    paintSky(p, QColor(0xff, 0x9a, 0x4a), QColor(0xff, 0xe8, 0x8a));
    paintHills(p, 310, 14, 300, 0.2, QColor(0xe0, 0x6a, 0x3a));
    for (int i = 0; i < 30; ++i) {
        drawSparkle(p, {dice.between(0, kWidth), dice.between(0, 300)}, dice.between(4, 9),
                    QColor(255, 255, 220, 220));
    }
    for (double x : {120.0, 540.0}) {
        drawFlame(p, {x, 318}, 50, 80, x > 300 ? 0.3 : -0.3);
    }
    Look rat = withExpression(ratLook(), Expression::Laugh);
    rat.body = QColor(0xf0, 0x5a, 0x3a);
    rat.light = QColor(0xff, 0xe0, 0xb0);
    rat.accent = QColor(0xff, 0xb0, 0x6a);
    Figure f = figure({330, 270}, 0.95, rat);
    f.place.tilt = -10;
    f.pose.stance = Stance::Flying;
    f.pose.frontPaw = {60, -150};
    f.pose.backPaw = {-64, -150};
    f.onHead = [](QPainter& q) {
        drawFlame(q, {-4, -44}, 40, 60, 0.3);
    };
    drawRat(p, f);
    drawFlame(p, toPicture(f, {-98, -106}), 30, 44, -0.4);
    shadow(p, {330, 326}, 90);
    drawBalloon(p, {470, 110}, 24, QColor(0xff, 0xf0, 0x6a), toPicture(f, {62, -150}), false);
}

// Type 14: ほのかなロマンの牛 (the ox with a faint romance)
void oxWithFaintRomance(QPainter& p) {
    Dice dice(14);
    paintSky(p, QColor(0x4a, 0x3a, 0x8a), QColor(0xf0, 0xa0, 0xb8));
    paintStars(p, dice, QRectF(0, 0, kWidth, 180), 30, QColor(0xff, 0xf6, 0xe0));
    paintMoon(p, {520, 90}, 46, QColor(0xff, 0xf4, 0xc8), false);
    paintHills(p, 290, 20, 520, 0.7, QColor(0x6a, 0x7a, 0xa8));
    paintFlowers(p, dice, QRectF(0, 300, kWidth, 50), 20, {QColor(0xff, 0xc8, 0xe0)});
    Look ox = withExpression(oxLook(), Expression::Dreamy, {1, -1});
    ox.body = QColor(0x7a, 0x5a, 0x4a);
    ox.light = QColor(0xf0, 0xd0, 0xc0);
    Figure f = figure({240, 322}, 1.0, ox);
    f.pose.frontPaw = {74, -92};
    f.pose.backPaw = {-46, -70};
    f.pose.headTilt = -10;
    f.held = [](QPainter& q) {
        drawRose(q, {92, -124}, {74, -86}, 26);
    };
    drawOx(p, f);
    for (int i = 0; i < 5; ++i) {
        drawHeart(p, {330 + i * 36.0, 230 - i * 28.0}, 7 + i * 2,
                  QColor(0xff, 0x9a, 0xc0, 200 - i * 20), false);
    }
    // Fireflies.
    for (int i = 0; i < 10; ++i) {
        const QPointF at(dice.between(20, 640), dice.between(180, 300));
        drawSparkle(p, at, 6, QColor(0xff, 0xf8, 0x9a));
    }
}

// Type 15: 山頂に駆け登る虎 (the tiger running up to the summit)
void tigerRunningUpToTheSummit(QPainter& p) {
    paintSky(p, QColor(0xff, 0xb0, 0x6a), QColor(0xff, 0xf0, 0xc0));
    paintSun(p, {520, 150}, 44, QColor(0xff, 0xe0, 0x6a), 14);
    paintMountains(p, {{600, 230}, {80, 250}}, kHeight, QColor(0xb0, 0x8a, 0xc8));
    // The big slope the tiger has just run up.
    QPainterPath slope(QPointF(-10, kHeight + 5));
    slope.lineTo(-10, 340);
    slope.quadTo(QPointF(200, 300), QPointF(300, 200));
    slope.quadTo(QPointF(330, 180), QPointF(370, 196));
    slope.quadTo(QPointF(480, 280), QPointF(kWidth + 10, 330));
    slope.lineTo(kWidth + 10, kHeight + 5);
    slope.closeSubpath();
    fillInked(p, slope, QColor(0x7a, 0xb8, 0x6a));
    QPainterPath snow(QPointF(272, 226));
    snow.quadTo(QPointF(300, 196), QPointF(330, 186));
    snow.quadTo(QPointF(360, 188), QPointF(392, 214));
    snow.lineTo(QPointF(370, 222));
    snow.lineTo(QPointF(350, 210));
    snow.lineTo(QPointF(320, 224));
    snow.lineTo(QPointF(300, 214));
    snow.closeSubpath();
    fillInked(p, snow, Qt::white, 0);
    drawFlag(p, {380, 206}, 120, QColor(0xe8, 0x3a, 0x3a));
    Figure tiger = figure({320, 192}, 0.72, withExpression(tigerLook(), Expression::Laugh));
    tiger.pose.frontPaw = {62, -176};
    tiger.pose.backPaw = {-62, -176};
    drawTiger(p, tiger);
    drawFootprints(p, {40, 330}, {270, 214}, 8, QColor(0x4a, 0x7a, 0x3a, 170));
    drawImpactMarks(p, {320, 70}, 80, 7, QColor(0xff, 0xff, 0xff), 200, 140);
}

// Type 16: 正義の味方、気まぐれうさぎ (the champion of justice, fickle rabbit)
void fickleRabbitHero(QPainter& p) {
    paintSunburst(p, {300, 160}, 22, QColor(0x4a, 0x9a, 0xf0), QColor(0x6a, 0xb8, 0xff));
    paintCloud(p, {120, 320}, 220, Qt::white);
    paintCloud(p, {560, 330}, 240, Qt::white);
    Figure rabbit = figure({300, 330}, 0.95, withExpression(rabbitLook(), Expression::Wink));
    rabbit.pose.frontPaw = {60, -200};
    rabbit.pose.backPaw = {-52, -96};
    rabbit.behind = [](QPainter& q) {
        drawCape(q, QColor(0xe8, 0x2a, 0x3a), 0.8);
    };
    rabbit.onHead = [](QPainter& q) {
        drawHeroMask(q, QColor(0x2a, 0x4a, 0xc8));
    };
    rabbit.held = [](QPainter& q) {
        // The carrot snack in the other hand: a hero, but a whimsical one.
        fillInked(q, smoothClosed({{-60, -110}, {-40, -96}, {-84, -40}}), QColor(0xff, 0x8a, 0x2a));
        fillInked(q,
                  smoothClosed({{-56, -108}, {-50, -130}, {-44, -112}, {-30, -120}, {-44, -100}}),
                  QColor(0x5a, 0xc0, 0x4a), 2);
        // The big bite missing from it.
        ellipseInked(q, {-82, -46}, 7, 7, QColor(0x6a, 0xb8, 0xff), 0);
    };
    drawRabbit(p, rabbit);
    drawStar(p, toPicture(rabbit, {62, -212}), 16, QColor(0xff, 0xe0, 0x3a));
    drawStar(p, {520, 80}, 22, QColor(0xff, 0xe0, 0x3a));
    drawStar(p, {580, 160}, 12, QColor(0xff, 0xf0, 0x8a));
    drawButterfly(p, {150, 110}, 30, QColor(0xff, 0xa8, 0xd8));
}

// Type 17: 白銀（しらがね）の龍 (the silver-white dragon)
void silverWhiteDragon(QPainter& p) {
    Dice dice(17);
    paintSky(p, QColor(0x9a, 0xb8, 0xe0), QColor(0xf0, 0xf6, 0xff));
    paintMountains(p, {{100, 200}, {330, 160}, {560, 190}}, kHeight, QColor(0xc8, 0xd4, 0xe8),
                   QColor(0xff, 0xff, 0xff));
    paintGround(p, 300, QColor(0xf6, 0xfa, 0xff), QColor(0xe0, 0xea, 0xf6));
    Look silver = withExpression(dragonLook(), Expression::Smile, {-0.5, 0});
    silver.body = QColor(0xd8, 0xe0, 0xec);
    silver.light = QColor(0xff, 0xff, 0xff);
    silver.accent = QColor(0x8a, 0xb0, 0xe0);
    Figure f = figure({330, 200}, 0.95, silver, true);
    f.pose.spine = {{-250, 80}, {-170, 40}, {-190, -30}, {-100, -60},
                    {-40, 10},  {40, 30},   {100, -30},  {110, -80}};
    drawDragon(p, f);
    paintFalling(p, dice, QRectF(0, 0, kWidth, kHeight), 50, Qt::white, Flake::Snow);
    for (int i = 0; i < 12; ++i) {
        drawSparkle(p, {dice.between(0, kWidth), dice.between(0, kHeight)}, dice.between(5, 10),
                    QColor(0xff, 0xff, 0xff));
    }
}

// Type 18: 開きなおった蛇 (the snake that has stopped caring)
void snakeThatStoppedCaring(QPainter& p) {
    paintPolkaDots(p, QColor(0xff, 0xe8, 0x7a), QColor(0xff, 0xd8, 0x5a), 50, 12);
    p.fillRect(QRectF(0, 300, kWidth, 54), QColor(0xe8, 0xb0, 0x6a));
    drawBrokenPot(p, {480, 318}, 120, QColor(0x4a, 0x8a, 0xd0));
    Look snake = withExpression(snakeLook(), Expression::Proud);
    snake.body = QColor(0x9a, 0x6a, 0xd0);
    snake.light = QColor(0xf0, 0xe0, 0xff);
    snake.accent = QColor(0x6a, 0x3a, 0xa0);
    Figure f = figure({250, 316}, 1.0, snake);
    // Coiled high with the chin up.
    std::vector<QPointF> spine = coilPoints({.centre = {0, -20},
                                             .steps = 18,
                                             .angleStep = 0.62,
                                             .startRadius = 72,
                                             .radiusStep = -2.2,
                                             .flatten = 0.35,
                                             .rise = -5.5});
    spine.emplace_back(8, -150);
    spine.emplace_back(12, -190);
    f.pose.spine = spine;
    f.pose.headTilt = -12;
    f.onHead = [](QPainter& q) {
        drawSunglasses(q, -8, QColor(0xff, 0x5a, 0x5a));
    };
    shadow(p, {250, 318}, 170);
    drawSnake(p, f);
    sweatDrop(p, toPicture(f, {60, -210}), 10);
    drawImpactMarks(p, {480, 250}, 44, 5, QColor(0x4a, 0x8a, 0xd0), 220, 100);
}

// Type 19: 川くだりを楽しむ風流馬 (the elegant horse enjoying a river trip)
void elegantHorseEnjoyingTheRiver(QPainter& p) {
    Dice dice(19);
    paintSky(p, QColor(0xff, 0xd8, 0xa8), QColor(0xff, 0xf4, 0xe0), 170);
    paintMountains(p, {{90, 110}, {250, 150}, {560, 100}}, 200, QColor(0x8a, 0xa8, 0x7a));
    paintHills(p, 190, 10, 300, 0.2, QColor(0xc8, 0x6a, 0x3a));
    paintWater(p, 220, QColor(0x6a, 0xc0, 0xe0), QColor(0x3a, 0x8a, 0xc0), dice, 24);
    paintFalling(p, dice, QRectF(0, 0, kWidth, 230), 18, QColor(0xf0, 0x6a, 0x3a), Flake::Leaf);
    Look horse = withExpression(horseLook(), Expression::Proud);
    horse.body = QColor(0xf0, 0xe6, 0xd8);
    horse.light = QColor(0xff, 0xf4, 0xe8);
    horse.accent = QColor(0x8a, 0x8a, 0x9a);
    Figure f = figure({330, 282}, 0.8, horse);
    f.pose.frontPaw = {50, -100};
    f.pose.backPaw = {-30, -130};
    f.pose.backPawInFront = false;
    f.behind = [](QPainter& q) {
        drawUmbrella(q, {-30, -130}, 150, -18, QColor(0xe8, 0x3a, 0x4a), QColor(0xff, 0xf0, 0xe0));
    };
    f.held = [](QPainter& q) {
        // A cup of tea.
        QPainterPath cup(QPointF(38, -112));
        cup.lineTo(64, -112);
        cup.quadTo(62, -92, 51, -92);
        cup.quadTo(40, -92, 38, -112);
        fillInked(q, cup, QColor(0x6a, 0xa8, 0x8a), 2.5);
        drawScentWisps(q, {46, -116}, 22, QColor(255, 255, 255, 220));
    };
    drawHorse(p, f);
    drawBoat(p, {330, 290}, 300, QColor(0xa8, 0x70, 0x40));
    drawNote(p, {470, 130}, 16, QColor(0x6a, 0x4a, 0x3a));
    // Ripples behind the boat.
    SavedState state(p);
    p.setPen(roundPen(QColor(255, 255, 255, 200), 3));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        p.drawArc(QRectF(110 - i * 40, 280 + i * 6, 80, 20), 200 * 16, 140 * 16);
    }
}

// Type 20: 木かげの羊 (the sheep in the shade of a tree)
void sheepInTheShade(QPainter& p) {
    Dice dice(20);
    paintSky(p, QColor(0x8a, 0xd8, 0xff), QColor(0xe0, 0xf8, 0xff), 200);
    paintSun(p, {80, 60}, 34, QColor(0xff, 0xe0, 0x4a), 12);
    paintHills(p, 230, 12, 500, 0.1, QColor(0x9a, 0xe0, 0x6a));
    paintFlowers(p, dice, QRectF(0, 250, kWidth, 100), 30, {Qt::white, QColor(0xff, 0xe0, 0x6a)});
    paintGrassTufts(p, dice, QRectF(0, 250, kWidth, 100), 30, QColor(0x5a, 0xa8, 0x3a));
    // The shade of the tree.
    {
        SavedState state(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2a, 0x6a, 0x2a, 70));
        p.drawEllipse(QPointF(420, 300), 200, 34);
    }
    paintTree(p, {520, 300}, 330, QColor(0x8a, 0x5a, 0x32), QColor(0x4a, 0xa0, 0x4a));
    Look sheep = withExpression(sheepLook(), Expression::Sleepy);
    sheep.body = QColor(0xfe, 0xfc, 0xf4);
    sheep.light = QColor(0x5a, 0x4a, 0x4a);
    sheep.horns = true;
    Figure f = figure({400, 318}, 0.85, sheep, true);
    f.pose.stance = Stance::OnAllFours;
    f.pose.headTilt = 12;
    drawSheep(p, f);
    drawZs(p, toPicture(f, {60, -200}), 18, QColor(0x4a, 0x7a, 0xc0));
    drawButterfly(p, {150, 170}, 26, QColor(0xff, 0xb0, 0xd0));
    drawLadybug(p, {250, 316}, 18);
}

// Type 21: つむじ風に乗ってきた宇宙猿 (the space monkey who came on a whirlwind)
void spaceMonkeyOnAWhirlwind(QPainter& p) {
    Dice dice(21);
    paintSky(p, QColor(0x0a, 0x0a, 0x2a), QColor(0x3a, 0x1a, 0x5a));
    paintStars(p, dice, QRectF(0, 0, kWidth, kHeight), 90, QColor(0xff, 0xff, 0xf0));
    ellipseInked(p, {90, 90}, 40, 40, QColor(0x6a, 0xb8, 0xf0));
    {
        SavedState state(p);
        p.setClipPath(circlePath({90, 90}, 40));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6a, 0xd0, 0x6a));
        p.drawEllipse(QPointF(80, 80), 20, 14);
        p.drawEllipse(QPointF(106, 110), 14, 9);
    }
    ellipseInked(p, {580, 270}, 26, 26, QColor(0xf0, 0xa0, 0x5a));
    drawWhirlwind(p, {330, 346}, 200, QColor(0x9a, 0xe0, 0xff));
    Look monkey = withExpression(monkeyLook(), Expression::Laugh);
    monkey.body = QColor(0xb0, 0x7a, 0x4a);
    Figure f = figure({330, 160}, 0.7, monkey);
    f.place.tilt = -8;
    f.pose.stance = Stance::Flying;
    f.pose.frontPaw = {66, -150};
    f.pose.backPaw = {-60, -120};
    f.onHead = [](QPainter& q) {
        drawSpaceHelmet(q);
    };
    drawMonkey(p, f);
    drawStar(p, {500, 70}, 16, QColor(0xff, 0xe0, 0x4a));
    drawStar(p, {190, 260}, 10, QColor(0xff, 0xe0, 0x4a));
}

// Type 22: 幻の鳥 (the phantom bird)
void phantomBird(QPainter& p) {
    Dice dice(22);
    paintSky(p, QColor(0x6a, 0x4a, 0xb0), QColor(0xff, 0xb8, 0xd8));
    paintRainbow(p, {330, 420}, 360, 14, 90);
    paintCloud(p, {100, 300}, 200, QColor(255, 255, 255, 120));
    paintCloud(p, {560, 290}, 220, QColor(255, 255, 255, 120));
    for (int i = 0; i < 40; ++i) {
        drawSparkle(p, {dice.between(0, kWidth), dice.between(0, kHeight)}, dice.between(3, 9),
                    QColor(255, 255, 255, 210));
    }
    Look bird = withExpression(birdLook(), Expression::Dreamy);
    bird.body = QColor(0x9a, 0xf0, 0xff);
    bird.light = QColor(0xff, 0xff, 0xff);
    bird.accent = QColor(0xe0, 0xa8, 0xff);
    Figure f = figure({340, 300}, 1.05, bird);
    f.pose = spreadWings();
    // Glow around it, then the bird itself half transparent: now you see it...
    steppedGlow(p, toPicture(f, {0, -84}), 150, QColor(255, 255, 255));
    drawTranslucent(p, 0.62, [&](QPainter& q) { drawBird(q, f, BirdKind::Phoenix); });
}

// Type 23: 聖火台の神犬 (the divine dog of the sacred-flame cauldron)
void divineDogOfTheFlameCauldron(QPainter& p) {
    Dice dice(23);
    paintSky(p, QColor(0xf8, 0x8a, 0x5a), QColor(0xff, 0xe8, 0xb0), 260);
    paintSun(p, {110, 200}, 50, QColor(0xff, 0xf0, 0x9a), 0);
    // Stone platform with steps.
    for (int i = 0; i < 3; ++i) {
        QPainterPath step;
        step.addRect(QRectF(60 + i * 30.0, 242 + i * 28.0, 540 - i * 60.0, 28));
        fillInked(p, step, QColor(0xd8, 0xd0, 0xc8).darker(100 + i * 6));
    }
    p.fillRect(QRectF(0, 326, kWidth, 28), QColor(0xb8, 0xa8, 0x98));
    drawCauldron(p, {440, 242}, 150);
    Look dog = withExpression(dogLook(), Expression::Proud);
    dog.body = QColor(0xfc, 0xfa, 0xf4);
    dog.light = QColor(0xff, 0xff, 0xff);
    dog.accent = QColor(0xe8, 0xd8, 0xc8);
    dog.pointyEars = true;
    Figure f = figure({250, 242}, 0.78, dog);
    f.pose.frontPaw = {44, -70};
    f.onHead = [](QPainter& q) {
        SavedState state(q);
        q.setBrush(Qt::NoBrush);
        q.setPen(inkPen(q, 7, QColor(0xff, 0xd8, 0x4a)));
        q.drawEllipse(QPointF(0, -96), 40, 10);
    };
    f.behind = [](QPainter& q) {
        drawScarf(q, QColor(0xe8, 0x2a, 0x3a), 0.5);
    };
    drawDog(p, f);
    // Sacred rope with paper streamers over the scene.
    {
        SavedState state(p);
        QPainterPath rope(QPointF(0, 4));
        rope.quadTo(QPointF(330, 40), QPointF(kWidth, 4));
        tubeInked(p, rope, QColor(0xf0, 0xd8, 0x9a), 10);
        for (double t : {0.12, 0.88}) {
            const QPointF at = rope.pointAtPercent(t);
            QPolygonF zig;
            zig << at << at + QPointF(8, 10) << at + QPointF(0, 16) << at + QPointF(8, 28)
                << at + QPointF(0, 34);
            p.setPen(inkPen(p, 6));
            p.drawPolyline(zig);
            p.setPen(inkPen(p, 3.5, Qt::white));
            p.drawPolyline(zig);
        }
    }
    for (int i = 0; i < 8; ++i) {
        drawSparkle(p, {dice.between(350, 560), dice.between(80, 220)}, dice.between(4, 9),
                    QColor(0xff, 0xf8, 0xc0));
    }
}

// Type 24: 夜明けのいのしし (the boar at dawn)
void boarAtDawn(QPainter& p) {
    Dice dice(24);
    QLinearGradient dawn(0, 0, 0, kHeight);
    dawn.setColorAt(0, QColor(0x2a, 0x3a, 0x7a));
    dawn.setColorAt(0.45, QColor(0xd8, 0x7a, 0xa8));
    dawn.setColorAt(0.8, QColor(0xff, 0xc0, 0x7a));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), dawn);
    paintStars(p, dice, QRectF(0, 0, kWidth, 90), 24, QColor(0xff, 0xff, 0xf0));
    paintSun(p, {420, 270}, 70, QColor(0xff, 0xd8, 0x5a), 16);
    paintHills(p, 270, 18, 600, 0.05, QColor(0x5a, 0x4a, 0x7a));
    paintHills(p, 305, 10, 400, 0.5, QColor(0x3a, 0x4a, 0x5a));
    Look boar = withExpression(boarLook(), Expression::Laugh);
    Figure f = figure({230, 320}, 1.0, boar);
    f.pose.frontPaw = {50, -210};
    f.pose.backPaw = {-40, -214};
    f.pose.headTilt = -6;
    drawBoar(p, f);
    drawImpactMarks(p, toPicture(f, {0, -150}), 95, 6, QColor(0xff, 0xf0, 0xb0), 200, 140);
    paintCloud(p, {580, 120}, 110, QColor(0xff, 0xd8, 0xe0, 200));
    // A rooster-less dawn: a little bird greets the boar.
    Look sparrow = withExpression(birdLook(), Expression::Laugh);
    sparrow.body = QColor(0xc8, 0x8a, 0x5a);
    Figure bird = figure({560, 330}, 0.32, sparrow, true);
    bird.pose = foldedWings();
    drawBird(p, bird, BirdKind::Songbird);
    drawNote(p, {520, 230}, 14, QColor(0x5a, 0x3a, 0x5a));
}

// Type 25: 物見高い観察ねずみ (the curious watcher rat)
void curiousWatcherRat(QPainter& p) {
    Dice dice(25);
    paintSky(p, QColor(0xc8, 0xf0, 0xd0), QColor(0xf4, 0xff, 0xe8));
    // Giant grass blades: the world seen from rat height.
    {
        SavedState state(p);
        for (int i = 0; i < 14; ++i) {
            const double x = i * 50 + dice.between(-10, 10);
            QPainterPath blade(QPointF(x - 10, kHeight));
            blade.quadTo(QPointF(x, 200),
                         QPointF(x + dice.between(-30, 30), dice.between(40, 140)));
            blade.quadTo(QPointF(x + 6, 200), QPointF(x + 14, kHeight));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x8a, 0xd0, 0x7a, 160));
            p.drawPath(blade);
        }
    }
    p.fillRect(QRectF(0, 300, kWidth, 54), QColor(0xa8, 0xd8, 0x7a));
    paintRock(p, {230, 320}, 160, 70, QColor(0xb8, 0xb0, 0xa8));
    Figure rat =
        figure({210, 300}, 0.9, withExpression(ratLook(), Expression::Surprised, {1, 0.3}));
    rat.look.body = QColor(0x8a, 0x8a, 0x9a);
    rat.pose.frontPaw = {40, -142};
    rat.pose.backPaw = {-22, -142};
    rat.pose.backPawInFront = true;
    rat.onHead = [](QPainter& q) {
        drawBinoculars(q, {8, -6}, 56, QColor(0x3a, 0x3a, 0x4a));
    };
    drawRat(p, rat);
    // What it is watching so eagerly.
    drawSnail(p, {480, 318}, 70, QColor(0xf0, 0xa0, 0x5a));
    drawLadybug(p, {560, 200}, 24);
    drawButterfly(p, {420, 110}, 30, QColor(0x9a, 0xc8, 0xff));
    drawMagnifier(p, {320, 330}, 50, 60);
    drawImpactMarks(p, toPicture(rat, {30, -158}), 70, 3, QColor(0xff, 0x8a, 0x3a), -30, 60);
}

// Type 26: 機織り牛 (the weaving ox)
void weavingOx(QPainter& p) {
    paintRoom(p, QColor(0xd8, 0xe8, 0xff), QColor(0xc8, 0x9a, 0x6a), 270);
    // Window with a view of the moon.
    QPainterPath window;
    window.addRoundedRect(QRectF(60, 40, 120, 100), 8, 8);
    fillInked(p, window, QColor(0x3a, 0x4a, 0x8a));
    paintMoon(p, {120, 84}, 20, QColor(0xff, 0xf4, 0xc0), true);
    {
        SavedState state(p);
        p.setPen(inkPen(p, 4));
        p.drawLine(QPointF(120, 40), QPointF(120, 140));
        p.drawLine(QPointF(60, 90), QPointF(180, 90));
    }
    drawLoom(p, QRectF(370, 90, 200, 220),
             {QColor(0xff, 0x7a, 0x8a), QColor(0xff, 0xd0, 0x5a), QColor(0x6a, 0xc0, 0xe0),
              QColor(0xa8, 0xe0, 0x7a)});
    // Yarn balls.
    for (int i = 0; i < 3; ++i) {
        const QColor c[] = {QColor(0xff, 0x7a, 0x8a), QColor(0x6a, 0xc0, 0xe0),
                            QColor(0xff, 0xd0, 0x5a)};
        ellipseInked(p, {110 + i * 40.0, 320}, 18, 18, c[i]);
        SavedState state(p);
        p.setPen(inkPen(p, 1.5, c[i].darker(130)));
        p.drawArc(QRectF(96 + i * 40.0, 306, 28, 28), 30 * 16, 120 * 16);
        p.drawArc(QRectF(100 + i * 40.0, 312, 20, 20), 200 * 16, 120 * 16);
    }
    Look ox = withExpression(oxLook(), Expression::Smile, {1, 0.3});
    ox.body = QColor(0x5a, 0x5a, 0x62);
    ox.light = QColor(0xf4, 0xd8, 0xd0);
    ox.spots = false;
    Figure f = figure({290, 332}, 0.95, ox);
    f.pose.frontPaw = {100, -120};
    f.pose.backPaw = {96, -170};
    f.behind = [](QPainter& q) {
        // Stool.
        QPainterPath seat;
        seat.addRoundedRect(QRectF(-50, -44, 100, 16), 6, 6);
        fillInked(q, seat, QColor(0xb0, 0x70, 0x40));
    };
    f.onHead = [](QPainter& q) {
        // A scarf tied on the head: the weaver's look.
        QPainterPath cloth(QPointF(-50, -28));
        cloth.cubicTo(QPointF(-30, -64), QPointF(30, -64), QPointF(52, -28));
        cloth.quadTo(QPointF(0, -44), QPointF(-50, -28));
        fillInked(q, cloth, QColor(0xff, 0x9a, 0xb0));
    };
    drawOx(p, f);
    drawNote(p, {210, 110}, 16, QColor(0x6a, 0x4a, 0x8a));
}

// Type 27: 金色の虎 (the golden tiger)
void goldenTiger(QPainter& p) {
    Dice dice(27);
    paintSunburst(p, {330, 170}, 26, QColor(0xff, 0xe4, 0x8a), QColor(0xff, 0xf2, 0xc0));
    drawCheckeredCushion(p, {330, 312}, 300, QColor(0xc8, 0x2a, 0x4a), QColor(0xa8, 0x1a, 0x3a));
    for (int i = 0; i < 9; ++i) {
        drawCoin(p, {100 + i * 58.0 + dice.between(-10, 10), 330 + (i % 2) * 8.0}, 15,
                 QColor(0xff, 0xc8, 0x2a));
    }
    Look gold = withExpression(tigerLook(), Expression::Wink);
    gold.body = QColor(0xff, 0xc8, 0x2a);
    gold.light = QColor(0xff, 0xf6, 0xc8);
    gold.accent = QColor(0xc0, 0x7a, 0x10);
    Figure f = figure({330, 300}, 1.0, gold);
    f.pose.frontPaw = {60, -140};
    f.pose.backPaw = {-50, -70};
    f.held = [](QPainter& q) {
        drawCoin(q, {64, -150}, 20, QColor(0xff, 0xd8, 0x3a));
    };
    f.onHead = [](QPainter& q) {
        drawCrown(q, {0, -66}, 46, QColor(0xff, 0xd8, 0x3a));
    };
    drawTiger(p, f);
    for (int i = 0; i < 16; ++i) {
        drawSparkle(p, {dice.between(20, 640), dice.between(20, 280)}, dice.between(6, 14),
                    QColor(0xff, 0xff, 0xff));
    }
}

// Type 28: 月から来た哀愁のうさぎ (the wistful rabbit from the moon)
void wistfulRabbitFromTheMoon(QPainter& p) {
    Dice dice(28);
    paintSky(p, QColor(0x0e, 0x12, 0x3a), QColor(0x2a, 0x2a, 0x6a));
    paintStars(p, dice, QRectF(0, 0, kWidth, 260), 70, QColor(0xff, 0xff, 0xf0));
    // Far away: the big full moon the rabbit came from.
    paintMoon(p, {540, 90}, 60, QColor(0xff, 0xf0, 0xb8), false);
    // Under its feet: a little hill of the night-time earth.
    paintHills(p, 300, 16, 700, 0.3, QColor(0x3a, 0x5a, 0x6a));
    paintFlowers(p, dice, QRectF(0, 305, kWidth, 40), 14, {QColor(0xe0, 0xe8, 0xff)}, 5);
    Look rabbit = withExpression(rabbitLook(), Expression::Wistful, {1, -1});
    rabbit.body = QColor(0xf0, 0xf0, 0xff);
    Figure f = figure({250, 326}, 1.0, rabbit);
    f.pose.frontPaw = {52, -96};
    f.pose.backPaw = {-46, -110};
    f.held = [](QPainter& q) {
        drawMallet(q, {-46, -110}, 90, -20);
    };
    f.onHead = [](QPainter& q) {
        // A tear shining in the moonlight.
        QPainterPath tear(QPointF(-18, 12));
        tear.cubicTo(QPointF(-10, 24), QPointF(-12, 30), QPointF(-18, 30));
        tear.cubicTo(QPointF(-24, 30), QPointF(-26, 24), QPointF(-18, 12));
        fillInked(q, tear, QColor(0xa8, 0xdc, 0xff), 1.5);
    };
    drawRabbit(p, f);
    drawMortarWithMochi(p, {400, 330}, 90);
    // A dotted trail from the moon: how it came down.
    for (int i = 0; i < 8; ++i) {
        drawSparkle(p, QPointF(520, 150) + QPointF(-30, 22) * i, 6 - i * 0.4,
                    QColor(0xff, 0xf0, 0xb8));
    }
}

// Type 29: 大貝に住む観察龍 (the watcher dragon living in a giant shell)
void watcherDragonInAGiantShell(QPainter& p) {
    Dice dice(29);
    paintSky(p, QColor(0x2a, 0x8a, 0xc8), QColor(0x1a, 0x4a, 0x8a));
    {
        // Light rays from the surface.
        SavedState state(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 30));
        for (double x : {80.0, 260.0, 420.0}) {
            QPolygonF ray;
            ray << QPointF(x, 0) << QPointF(x + 60, 0) << QPointF(x + 160, kHeight)
                << QPointF(x + 60, kHeight);
            p.drawPolygon(ray);
        }
    }
    paintGround(p, 300, QColor(0xf0, 0xd8, 0xa0), QColor(0xd8, 0xb8, 0x7a));
    for (double x : {40.0, 90.0, 600.0, 630.0}) {
        paintSeaweed(p, {x, 320}, 120 + std::fmod(x, 40), QColor(0x4a, 0xb0, 0x6a));
    }
    paintBubbles(p, dice, QRectF(0, 20, kWidth, 260), 24, QColor(0xd0, 0xf0, 0xff));
    const QPointF hinge(300, 300);
    drawOpenShell(p, hinge, 190, QColor(0xff, 0xa8, 0xb8), false);
    Look dragon = withExpression(dragonLook(), Expression::Smile, {1, -0.2});
    dragon.body = QColor(0x4a, 0xc8, 0xc0);
    dragon.accent = QColor(0xff, 0x7a, 0xa0);
    Figure f = figure({0, 0}, 0.8, dragon);
    f.pose.spine = {{200, 310}, {250, 280}, {320, 300}, {360, 260}, {350, 200}};
    f.pose.headTilt = -6;
    f.onHead = [](QPainter& q) {
        drawTelescope(q, {40, -10}, 120, -20);
    };
    drawDragon(p, f);
    drawOpenShell(p, hinge, 190, QColor(0xff, 0xa8, 0xb8), true);
    drawPearl(p, {180, 296}, 14, QColor(0xff, 0xf0, 0xf8));
    fish(p, {560, 120}, 40, QColor(0xff, 0xd0, 0x4a), true);
    fish(p, {600, 170}, 28, QColor(0xff, 0x8a, 0x5a), true);
}

// Type 30: 春の小川で遊ぶ蛇 (the snake playing in a spring brook)
void snakePlayingInASpringBrook(QPainter& p) {
    Dice dice(30);
    paintSky(p, QColor(0xb8, 0xe8, 0xff), QColor(0xf8, 0xfc, 0xff), 150);
    paintHills(p, 150, 10, 400, 0.3, QColor(0xb8, 0xe8, 0x8a));
    for (double x : {90.0, 560.0}) {
        paintTree(p, {x, 170}, 170, QColor(0x8a, 0x5a, 0x42), QColor(0xff, 0xc0, 0xd8));
    }
    // The brook winding across the meadow.
    QPainterPath brook(QPointF(-10, 230));
    brook.cubicTo(QPointF(200, 180), QPointF(400, 300), QPointF(kWidth + 10, 220));
    brook.lineTo(kWidth + 10, 330);
    brook.cubicTo(QPointF(400, 380), QPointF(200, 270), QPointF(-10, 330));
    brook.closeSubpath();
    {
        SavedState state(p);
        QLinearGradient water(0, 200, 0, 340);
        water.setColorAt(0, QColor(0x8a, 0xd8, 0xf8));
        water.setColorAt(1, QColor(0x4a, 0xa8, 0xe0));
        fillInked(p, brook, water, 0);
        p.setPen(roundPen(QColor(255, 255, 255, 180), 3));
        for (int i = 0; i < 12; ++i) {
            const QPointF at =
                brook.pointAtPercent(0.05 + i * 0.035) + QPointF(0, 30 + (i % 3) * 18);
            p.drawLine(at, at + QPointF(24, -2));
        }
    }
    paintFalling(p, dice, QRectF(0, 0, kWidth, kHeight), 40, QColor(0xff, 0xb8, 0xd0),
                 Flake::Petal);
    Look snake = withExpression(snakeLook(), Expression::Laugh);
    snake.body = QColor(0xff, 0xa8, 0x4a);
    snake.light = QColor(0xff, 0xf0, 0xc0);
    snake.accent = QColor(0xe0, 0x6a, 0x2a);
    Figure f = figure({0, 0}, 1.0, snake);
    f.pose.spine = {{130, 290}, {200, 260}, {270, 290}, {340, 262},
                    {400, 280}, {440, 240}, {450, 200}};
    f.behind = [](QPainter& q) {
        // Swim ring around the neck.
        ellipseInked(q, {444, 236}, 44, 16, QColor(0xff, 0x5a, 0x6a));
    };
    drawSnake(p, f);
    {
        SavedState state(p);
        QPainterPath front(QPointF(400, 236));
        front.arcTo(QRectF(400, 220, 88, 32), 180, 180);
        p.setBrush(Qt::NoBrush);
        p.setPen(inkPen(p, 18));
        p.drawPath(front);
        p.setPen(inkPen(p, 12, QColor(0xff, 0x5a, 0x6a)));
        p.drawPath(front);
        p.setPen(inkPen(p, 12, Qt::white));
        p.drawArc(QRectF(400, 220, 88, 32), 240 * 16, 30 * 16);
        p.drawArc(QRectF(400, 220, 88, 32), 290 * 16, 25 * 16);
    }
    drawButterfly(p, {560, 90}, 26, QColor(0xff, 0xf0, 0x6a));
    drawSparkle(p, {320, 240}, 8, Qt::white);
}

// Type 31: 飾りのないジャジャ馬 (the unadorned unruly horse)
void unadornedUnrulyHorse(QPainter& p) {
    Dice dice(31);
    paintSky(p, QColor(0xff, 0xc8, 0x8a), QColor(0xff, 0xf0, 0xd8), 240);
    paintMountains(p, {{120, 170}, {540, 150}}, 240, QColor(0xd8, 0x8a, 0x5a));
    paintGround(p, 240, QColor(0xe8, 0xc0, 0x80), QColor(0xd0, 0x9a, 0x5a));
    for (double x : {70.0, 600.0}) {
        // Cactus.
        QPainterPath cactus;
        cactus.addRoundedRect(QRectF(x - 12, 180, 24, 90), 12, 12);
        cactus.addRoundedRect(QRectF(x - 36, 200, 16, 40), 8, 8);
        cactus.addRoundedRect(QRectF(x - 36, 228, 30, 14), 7, 7);
        fillInked(p, cactus.simplified(), QColor(0x5a, 0xa8, 0x5a));
    }
    Look horse = withExpression(horseLook(), Expression::Laugh);
    horse.body = QColor(0xf4, 0xf0, 0xe8);
    horse.light = QColor(0xff, 0xe8, 0xe0);
    horse.accent = QColor(0xe8, 0x8a, 0x3a);
    Figure f = figure({330, 292}, 1.05, horse);
    f.pose.stance = Stance::OnAllFours;
    f.pose.stride = 1; // bucking: nose down, hind legs kicked up and back
    f.place.tilt = 20;
    f.pose.headTilt = -22;
    drawHorse(p, f);
    for (int i = 0; i < 4; ++i) {
        drawDustPuff(p, {190.0 + i * 40, 318.0 - (i % 2) * 8}, 14 + i * 3,
                     QColor(0xf4, 0xe0, 0xc0));
    }
    drawImpactMarks(p, toPicture(f, {-92, -16}), 22, 5, QColor(0x8a, 0x5a, 0x3a), 100, 160);
    sweatDrop(p, toPicture(f, {140, -200}), 8);
}

// Type 32: 花のベールの羊 (the sheep in a veil of flowers)
void sheepInAFlowerVeil(QPainter& p) {
    Dice dice(32);
    paintSky(p, QColor(0xf8, 0xe0, 0xff), QColor(0xff, 0xf4, 0xf8));
    // Flower arch.
    {
        QPainterPath arch(QPointF(150, kHeight));
        arch.cubicTo(QPointF(150, 20), QPointF(510, 20), QPointF(510, kHeight));
        SavedState state(p);
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(QColor(0x7a, 0xc0, 0x6a), 16));
        p.drawPath(arch);
        const QColor colours[] = {QColor(0xff, 0x9a, 0xc0), Qt::white, QColor(0xc8, 0xa8, 0xff),
                                  QColor(0xff, 0xd8, 0x7a)};
        for (int i = 0; i <= 16; ++i) {
            drawFlower(p, arch.pointAtPercent(i / 16.0), 16, colours[i % 4], 5);
        }
    }
    paintGround(p, 310, QColor(0xc8, 0xf0, 0xb0), QColor(0xa8, 0xe0, 0x90));
    paintFalling(p, dice, QRectF(0, 0, kWidth, kHeight), 30, QColor(0xff, 0xb0, 0xd0),
                 Flake::Petal);
    Look sheep = withExpression(sheepLook(), Expression::Dreamy);
    sheep.body = QColor(0xff, 0xf4, 0xf8);
    sheep.light = QColor(0xff, 0xe0, 0xd8);
    Figure f = figure({330, 322}, 0.95, sheep);
    f.pose.frontPaw = {20, -84};
    f.pose.backPaw = {-10, -80};
    f.pose.backPawInFront = true;
    f.onHead = [](QPainter& q) {
        drawFlowerVeil(q, QColor(0xff, 0xf8, 0xff),
                       {QColor(0xff, 0x9a, 0xc0), QColor(0xff, 0xe0, 0x7a), Qt::white});
    };
    f.held = [](QPainter& q) {
        drawFlower(q, {-2, -96}, 15, QColor(0xff, 0x7a, 0xa8), 6);
        drawFlower(q, {22, -102}, 12, QColor(0xc8, 0xa8, 0xff), 5);
    };
    shadow(p, {330, 324}, 120);
    drawSheep(p, f);
}

// Type 33: 稲妻にうたれた飛猿 (the flying monkey struck by lightning)
void flyingMonkeyStruckByLightning(QPainter& p) {
    Dice dice(33);
    paintSky(p, QColor(0x3a, 0x3a, 0x5a), QColor(0x8a, 0x7a, 0xa8));
    for (double x : {90.0, 280.0, 480.0, 640.0}) {
        paintCloud(p, {x, 30}, 220, QColor(0x5a, 0x5a, 0x72), false);
    }
    rain(p, dice, 60, QColor(0xb0, 0xc8, 0xff, 140));
    paintMountains(p, {{100, 280}, {560, 270}}, kHeight, QColor(0x4a, 0x4a, 0x6a));
    drawLightning(p, {300, 20}, {340, 150}, 14);
    Look monkey = withExpression(monkeyLook(), Expression::Dizzy);
    monkey.body = QColor(0xa8, 0x8a, 0x6a);
    Figure f = figure({340, 300}, 0.85, monkey);
    f.place.tilt = 18;
    f.pose.stance = Stance::Flying;
    f.pose.frontPaw = {70, -160};
    f.pose.backPaw = {-70, -150};
    f.onHead = [](QPainter& q) {
        // Hair standing up from the shock.
        for (int i = -3; i <= 3; ++i) {
            QPainterPath spike(QPointF(i * 12.0, -44));
            spike.lineTo(i * 20.0, -84 - (i % 2) * 10);
            tubeInked(q, spike, QColor(0xa8, 0x8a, 0x6a), 8);
        }
    };
    drawMonkey(p, f);
    drawImpactMarks(p, toPicture(f, {0, -150}), 90, 10, QColor(0xff, 0xf0, 0x5a));
    drawStar(p, toPicture(f, {-80, -230}), 10, QColor(0xff, 0xf0, 0x5a));
    drawStar(p, toPicture(f, {90, -230}), 8, QColor(0xff, 0xf0, 0x5a));
    drawSpeedLines(p, toPicture(f, {-40, 20}), {1, -0.6}, 4, 50, 80, QColor(255, 255, 255, 200));
}

// Type 34: ちょうちんを灯した鳩 (the dove with a lit lantern)
void doveWithALitLantern(QPainter& p) {
    Dice dice(34);
    paintSky(p, QColor(0x12, 0x1e, 0x4a), QColor(0x3a, 0x4a, 0x8a));
    paintStars(p, dice, QRectF(0, 0, kWidth, 200), 40, QColor(0xff, 0xff, 0xe0));
    paintMoon(p, {90, 70}, 32, QColor(0xff, 0xf4, 0xc0), true);
    // Rooftops of an old town.
    {
        SavedState state(p);
        p.setPen(Qt::NoPen);
        p.fillRect(QRectF(0, 280, kWidth, kHeight - 280), QColor(0x1a, 0x1a, 0x3a));
        p.setBrush(QColor(0x1a, 0x1a, 0x3a));
        for (int i = 0; i < 6; ++i) {
            const double x = i * 120 - 20;
            QPainterPath roof(QPointF(x, 280));
            roof.quadTo(QPointF(x + 50, 262), QPointF(x + 60, 236));
            roof.quadTo(QPointF(x + 70, 262), QPointF(x + 120, 280));
            roof.lineTo(x + 110, kHeight);
            roof.lineTo(x + 10, kHeight);
            p.drawPath(roof);
            p.setBrush(QColor(0xff, 0xd8, 0x7a, 200));
            p.drawRect(QRectF(x + 40, 296, 16, 16));
            p.drawRect(QRectF(x + 64, 296, 16, 16));
            p.setBrush(QColor(0x1a, 0x1a, 0x3a));
        }
    }
    Look dove = withExpression(birdLook(), Expression::Smile, {0.5, 0.5});
    dove.body = QColor(0xf4, 0xf4, 0xfa);
    dove.light = QColor(0xff, 0xff, 0xff);
    dove.accent = QColor(0xb0, 0xb8, 0xd0);
    Figure f = figure({280, 280}, 1.0, dove);
    f.pose = spreadWings();
    // The lantern hangs from a stick carried in the beak.
    const QPointF beak = toPicture(f, {36, -100});
    const QPointF stickEnd = beak + QPointF(110, -12);
    lineInked(p, beak, stickEnd, QColor(0x8a, 0x5a, 0x32), 5, 2);
    {
        SavedState state(p);
        p.setPen(inkPen(p, 2));
        p.drawLine(stickEnd + QPointF(-4, 0), stickEnd + QPointF(-4, 22));
    }
    drawPaperLantern(p, stickEnd + QPointF(-4, 20), 90, QColor(0xe8, 0x3a, 0x2a));
    drawBird(p, f, BirdKind::Dove);
    lineInked(p, beak + QPointF(-14, 2), beak + QPointF(16, -2), QColor(0x8a, 0x5a, 0x32), 5, 2);
}

// Type 35: 家畜化しない山犬 (the mountain dog never tamed)
void untamedMountainDog(QPainter& p) {
    Dice dice(35);
    paintSky(p, QColor(0x5a, 0x7a, 0xb0), QColor(0xf8, 0xc8, 0x9a));
    paintMoon(p, {110, 80}, 38, QColor(0xff, 0xf8, 0xd8), false);
    paintMountains(p, {{300, 160}, {520, 140}, {640, 180}}, 290, QColor(0x5a, 0x6a, 0x8a));
    for (double x : {30.0, 70.0, 610.0, 645.0}) {
        paintPineTree(p, {x, 300}, 150, QColor(0x2a, 0x5a, 0x4a));
    }
    paintGround(p, 290, QColor(0x6a, 0x8a, 0x5a), QColor(0x4a, 0x6a, 0x3a));
    paintRock(p, {330, 300}, 240, 90, QColor(0x9a, 0x90, 0x88));
    Look wolf = withExpression(dogLook(), Expression::Determined, {-0.3, -1});
    wolf.body = QColor(0x8a, 0x8a, 0x96);
    wolf.light = QColor(0xe8, 0xe8, 0xf0);
    wolf.accent = QColor(0x6a, 0x6a, 0x76);
    wolf.pointyEars = true;
    wolf.fangs = true;
    Figure f = figure({320, 240}, 0.85, wolf);
    f.pose.stance = Stance::OnAllFours;
    f.pose.headTilt = -14;
    drawDog(p, f);
    // The collar and bowl it walked away from.
    drawBrokenChain(p, {440, 310}, {560, 318}, QColor(0xb0, 0xb8, 0xc0));
    ellipseInked(p, {580, 318}, 16, 12, Qt::NoBrush);
    {
        QPainterPath bowl(QPointF(470, 320));
        bowl.lineTo(530, 320);
        bowl.lineTo(520, 340);
        bowl.lineTo(480, 340);
        bowl.closeSubpath();
        fillInked(p, bowl, QColor(0xe8, 0x5a, 0x5a));
    }
    drawImpactMarks(p, toPicture(f, {80, -140}), 80, 4, QColor(0xff, 0xff, 0xff), 250, 60);
}

// Type 36: もつれた紐（ひも）をほどくイノシシ (the boar untangling a tangled cord)
void boarUntanglingACord(QPainter& p) {
    paintStripes(p, QColor(0xd8, 0xf0, 0xe0), QColor(0xc8, 0xe8, 0xd4), 26);
    p.fillRect(QRectF(0, 300, kWidth, 54), QColor(0xc8, 0xa8, 0x88));
    // A rug.
    ellipseInked(p, {330, 320}, 250, 26, QColor(0xe8, 0x8a, 0x6a));
    Look boar = withExpression(boarLook(), Expression::Determined, {0, 1});
    boar.body = QColor(0xb0, 0x7a, 0x50);
    Figure f = figure({330, 318}, 0.95, boar);
    f.pose.frontPaw = {66, -96};
    f.pose.backPaw = {-60, -100};
    f.pose.backPawInFront = true;
    f.held = [](QPainter& q) {
        drawTangle(q, {0, -60}, 56, QColor(0xff, 0x6a, 0x9a), {66, -96}, {-60, -100}, 36);
    };
    drawBoar(p, f);
    // The string trails off to a half-rolled ball: progress!
    {
        SavedState state(p);
        QPainterPath loose(toPicture(f, {40, -20}));
        loose.cubicTo(QPointF(440, 330), QPointF(480, 300), QPointF(520, 318));
        p.setBrush(Qt::NoBrush);
        p.setPen(inkPen(p, 6.5));
        p.drawPath(loose);
        p.setPen(inkPen(p, 3.5, QColor(0xff, 0x6a, 0x9a)));
        p.drawPath(loose);
    }
    ellipseInked(p, {536, 306}, 20, 20, QColor(0xff, 0x6a, 0x9a));
    sweatDrop(p, toPicture(f, {70, -200}), 9);
    sweatDrop(p, toPicture(f, {-74, -190}), 7);
    drawSparkle(p, {120, 100}, 12, QColor(0xff, 0xff, 0xff));
    drawSparkle(p, {560, 90}, 9, QColor(0xff, 0xff, 0xff));
}

// Type 37: 銀色のねずみ (the silver rat)
void silverRat(QPainter& p) {
    Dice dice(37);
    paintSky(p, QColor(0x2a, 0x3a, 0x5a), QColor(0x6a, 0x7a, 0x9a));
    for (int i = 0; i < 30; ++i) {
        drawSparkle(p, {dice.between(0, kWidth), dice.between(0, kHeight)}, dice.between(4, 12),
                    QColor(0xe8, 0xf0, 0xff));
    }
    // A big silver spoon, the rat sitting in its bowl.
    drawSpoon(p, {260, 300}, 200, -12, QColor(0xc8, 0xd0, 0xdc));
    Look rat = withExpression(ratLook(), Expression::Wink);
    rat.body = QColor(0xd0, 0xd8, 0xe4);
    rat.light = QColor(0xf8, 0xfa, 0xff);
    rat.accent = QColor(0xb0, 0xc0, 0xd8);
    Figure f = figure({260, 300}, 0.95, rat);
    f.pose.frontPaw = {64, -104};
    f.pose.backPaw = {-50, -70};
    f.held = [](QPainter& q) {
        // Silver bell.
        ellipseInked(q, {72, -124}, 20, 22, QColor(0xe0, 0xe6, 0xf0));
        ellipseInked(q, {72, -108}, 6, 6, QColor(0x8a, 0x96, 0xaa), 2);
        drawSparkle(q, {64, -132}, 8, Qt::white);
    };
    drawRat(p, f);
    paintMoon(p, {540, 100}, 44, QColor(0xe8, 0xee, 0xf8), false);
    drawCoin(p, {500, 300}, 22, QColor(0xc8, 0xd0, 0xdc));
    drawCoin(p, {560, 318}, 18, QColor(0xc8, 0xd0, 0xdc));
}

// Type 38: 辛抱する牛 (the patient ox)
void patientOx(QPainter& p) {
    Dice dice(38);
    paintSky(p, QColor(0x8a, 0x9a, 0xb8), QColor(0xc8, 0xd4, 0xe4));
    paintCloud(p, {120, 40}, 240, QColor(0x9a, 0xa8, 0xc0));
    paintCloud(p, {480, 30}, 280, QColor(0x9a, 0xa8, 0xc0));
    paintGround(p, 280, QColor(0x7a, 0xa0, 0x6a), QColor(0x5a, 0x80, 0x4a));
    rain(p, dice, 90, QColor(0xe0, 0xf0, 0xff, 180));
    // Puddles.
    for (double x : {140.0, 520.0}) {
        ellipseInked(p, {x, 318}, 60, 10, QColor(0xa8, 0xc8, 0xe8), 0);
    }
    // Bus-stop style sign pole: waiting, patiently.
    lineInked(p, {120, 320}, {120, 170}, QColor(0xb0, 0xb8, 0xc0), 8);
    ellipseInked(p, {120, 170}, 24, 24, QColor(0xff, 0xd0, 0x4a));
    drawClock(p, {120, 170}, 16, QColor(0xff, 0xd0, 0x4a), 100, 220, false);
    Look ox = withExpression(oxLook(), Expression::Proud);
    ox.body = QColor(0x6a, 0x4a, 0x3a);
    ox.light = QColor(0xf0, 0xd8, 0xc0);
    Figure f = figure({330, 324}, 1.0, ox);
    f.pose.frontPaw = {40, -96};
    f.pose.backPaw = {-50, -70};
    f.held = [](QPainter& q) {
        drawUmbrella(q, {40, -96}, 190, -6, QColor(0x4a, 0x9a, 0xe8), QColor(0xff, 0xff, 0xff));
    };
    drawOx(p, f);
    drawSnail(p, {500, 320}, 60, QColor(0xe8, 0x9a, 0x5a));
    // A frog friend enjoys the rain too.
    ellipseInked(p, {590, 318}, 22, 16, QColor(0x6a, 0xc8, 0x5a));
    for (double x : {580.0, 600.0}) {
        ellipseInked(p, {x, 302}, 7, 7, QColor(0x6a, 0xc8, 0x5a), 2);
        ellipseInked(p, {x, 302}, 3, 3, kEyeDark, 0);
    }
}

// Type 39: キバのない虎 (the tiger without fangs)
void tigerWithoutFangs(QPainter& p) {
    paintStripes(p, QColor(0xc8, 0xf4, 0xe8), QColor(0xb0, 0xea, 0xd8), 30);
    paintGround(p, 310, QColor(0xff, 0xe8, 0xc8), QColor(0xff, 0xd8, 0xb0));
    Look tiger = withExpression(tigerLook(), Expression::Gummy);
    tiger.fangs = false;
    Figure f = figure({320, 322}, 1.08, tiger);
    f.pose.frontPaw = {80, -84};
    f.pose.backPaw = {-50, -74};
    f.held = [](QPainter& q) {
        drawIceCream(q, {80, -84}, 74);
    };
    shadow(p, {320, 324}, 130);
    drawTiger(p, f);
    // A soft pudding on the table: food for a tiger without fangs.
    QPainterPath pudding(QPointF(470, 318));
    pudding.lineTo(530, 318);
    pudding.lineTo(518, 276);
    pudding.quadTo(500, 268, 482, 276);
    pudding.closeSubpath();
    fillInked(p, pudding, QColor(0xff, 0xe0, 0x8a));
    ellipseInked(p, {500, 276}, 18, 6, QColor(0x9a, 0x5a, 0x2a), 2);
    ellipseInked(p, {500, 322}, 44, 8, Qt::white);
    ellipseInked(p, {500, 262}, 7, 7, QColor(0xe8, 0x2a, 0x3a), 2);
    drawHeart(p, {180, 120}, 14, QColor(0xff, 0x8a, 0xa8));
    drawSparkle(p, {150, 80}, 10, Qt::white);
}

// Type 40: 湖畔のうさぎ (the rabbit by the lake)
void rabbitByTheLake(QPainter& p) {
    Dice dice(40);
    paintSky(p, QColor(0xa0, 0xd8, 0xf8), QColor(0xf0, 0xf8, 0xff), 180);
    paintMountains(p, {{200, 90}, {420, 110}}, 180, QColor(0x8a, 0xa8, 0xd0),
                   QColor(0xff, 0xff, 0xff));
    paintWater(p, 180, QColor(0x7a, 0xc0, 0xe8), QColor(0x4a, 0x9a, 0xd0), dice, 20);
    // Mirror image of the mountains in the lake.
    {
        SavedState state(p);
        p.setOpacity(0.25);
        p.translate(0, 360);
        p.scale(1, -1);
        paintMountains(p, {{200, 90}, {420, 110}}, 180, QColor(0xe0, 0xf0, 0xff));
    }
    // Grassy shore in the front.
    QPainterPath shore(QPointF(-10, kHeight + 5));
    shore.lineTo(-10, 260);
    shore.quadTo(QPointF(200, 250), QPointF(330, 280));
    shore.quadTo(QPointF(380, 300), QPointF(380, kHeight + 5));
    shore.closeSubpath();
    fillInked(p, shore, QColor(0x8a, 0xd0, 0x6a), 0);
    paintReeds(p, {40, 270}, 80, QColor(0x4a, 0x8a, 0x3a));
    paintReeds(p, {560, 300}, 70, QColor(0x4a, 0x8a, 0x3a));
    Look rabbit = withExpression(rabbitLook(), Expression::Smile, {1, 0.5});
    rabbit.body = QColor(0xe8, 0xc8, 0xa8);
    rabbit.light = QColor(0xff, 0xf4, 0xe8);
    Figure f = figure({210, 318}, 0.9, rabbit);
    f.pose.frontPaw = {50, -92};
    f.pose.backPaw = {30, -84};
    f.pose.backPawInFront = true;
    f.held = [](QPainter& q) {
        drawFishingRod(q, {40, -88}, {220, -250}, {330, -40});
    };
    drawRabbit(p, f);
    paintBubbles(p, dice, QRectF(480, 250, 60, 40), 3, Qt::white);
    fish(p, {500, 300}, 34, QColor(0xff, 0xa0, 0x4a), true);
    drawButterfly(p, {110, 130}, 24, QColor(0xff, 0xf0, 0x6a));
}

// Type 41: キバのない竜 (the dragon without fangs)
void dragonWithoutFangs(QPainter& p) {
    Dice dice(41);
    paintPolkaDots(p, QColor(0xe0, 0xf4, 0xff), QColor(0xc8, 0xe8, 0xff), 44, 14);
    p.fillRect(QRectF(0, 300, kWidth, 54), QColor(0xb8, 0xdc, 0xf0));
    paintBubbles(p, dice, QRectF(0, 20, kWidth, 260), 26, QColor(0x9a, 0xd0, 0xf0));
    Look dragon = withExpression(dragonLook(), Expression::Gummy);
    dragon.fangs = false;
    dragon.body = QColor(0xf0, 0x8a, 0x5a);
    dragon.light = QColor(0xff, 0xe8, 0xc0);
    dragon.accent = QColor(0x6a, 0x8a, 0xe0);
    Figure f = figure({0, 0}, 1.0, dragon);
    f.pose.spine = {{90, 330},  {160, 280}, {110, 220}, {200, 200},
                    {280, 250}, {340, 220}, {350, 170}};
    f.onHead = [](QPainter& q) {
        // Brushing with gusto, though there is not a single fang to brush.
        drawToothbrush(q, {86, 64}, 80, -62);
        for (QPointF foam : {QPointF(40, 44), QPointF(50, 52), QPointF(34, 54)}) {
            ellipseInked(q, foam, 5, 5, Qt::white, 1.5);
        }
    };
    drawDragon(p, f);
    // A glass with a toothbrush cup: no teeth to brush, still happy.
    QPainterPath cup(QPointF(500, 318));
    cup.lineTo(560, 318);
    cup.lineTo(566, 250);
    cup.lineTo(494, 250);
    cup.closeSubpath();
    fillInked(p, cup, QColor(0xd8, 0xf4, 0xff, 200));
    drawSparkle(p, {450, 140}, 14, Qt::white);
    drawSparkle(p, {250, 120}, 10, Qt::white);
}

// Type 42: 花影にひそむ蛇 (the snake hiding in the shade of flowers)
void snakeHidingUnderFlowers(QPainter& p) {
    Dice dice(42);
    paintSky(p, QColor(0x9a, 0xd8, 0x8a), QColor(0xd8, 0xf0, 0xb0));
    paintFlowers(p, dice, QRectF(0, 0, kWidth, kHeight), 40, {QColor(0xb8, 0xe8, 0x9a)}, 12);
    Look snake = withExpression(snakeLook(), Expression::Wink, {-1, 0});
    snake.body = QColor(0x4a, 0xa8, 0x8a);
    snake.light = QColor(0xe0, 0xf4, 0xc8);
    snake.accent = QColor(0x2a, 0x6a, 0x5a);
    Figure f = figure({0, 0}, 1.0, snake);
    f.pose.spine = {{620, 360}, {560, 320}, {460, 330}, {380, 290}, {330, 250}, {300, 200}};
    f.pose.headTilt = 10;
    drawSnake(p, f);
    // Big flowers in front: the snake peeks out between them.
    const QColor petals[] = {QColor(0xff, 0x8a, 0xb0), QColor(0xff, 0xd0, 0x4a),
                             QColor(0xb0, 0x8a, 0xf0), QColor(0xff, 0x6a, 0x6a),
                             QColor(0xff, 0xff, 0xff)};
    const QPointF spots[] = {{120, 230}, {220, 300}, {410, 330}, {520, 240},
                             {600, 310}, {60, 330},  {330, 340}};
    for (int i = 0; i < 7; ++i) {
        const QPointF c = spots[i];
        lineInked(p, c, c + QPointF(0, 100), QColor(0x4a, 0x9a, 0x3a), 8);
        fillInked(p, smoothClosed({c + QPointF(4, 40), c + QPointF(40, 20), c + QPointF(30, 50)}),
                  QColor(0x5a, 0xb0, 0x4a), 2.5);
        drawFlower(p, c, 44 - (i % 3) * 6, petals[i % 5], 6 + i % 2);
    }
    drawButterfly(p, {420, 100}, 30, QColor(0xff, 0xa8, 0x3a));
}

// Type 43: 気ままに燃える太陽の馬 (the horse of the freely blazing sun)
void horseOfTheFreelyBlazingSun(QPainter& p) {
    paintSunburst(p, {440, 170}, 30, QColor(0xff, 0x8a, 0x3a), QColor(0xff, 0xa8, 0x4a));
    paintSun(p, {440, 170}, 110, QColor(0xff, 0xd8, 0x3a), 0);
    paintHills(p, 300, 14, 400, 0.6, QColor(0xe0, 0x5a, 0x2a));
    Look horse = withExpression(horseLook(), Expression::Laugh);
    horse.body = QColor(0xff, 0xe8, 0xa0);
    horse.light = QColor(0xff, 0xf8, 0xe0);
    horse.accent = QColor(0xff, 0x5a, 0x2a);
    Figure f = figure({300, 310}, 1.05, horse);
    f.pose.stance = Stance::OnAllFours;
    f.pose.stride = 1;
    f.place.tilt = -4;
    f.onHead = [](QPainter& q) {
        // The mane is a fire.
        drawFlame(q, {-40, -40}, 60, 90, -0.6);
        drawFlame(q, {-10, -50}, 40, 60, -0.4);
    };
    f.behind = [](QPainter& q) {
        drawFlame(q, {-110, -80}, 60, 90, -1.0);
    };
    drawHorse(p, f);
    drawSpeedLines(p, {130, 180}, {1, 0}, 5, 70, 120, QColor(0xff, 0xf0, 0xa0));
}

// Type 44: ボス羊 (the boss sheep)
void bossSheep(QPainter& p) {
    Dice dice(44);
    paintSky(p, QColor(0x9a, 0xd0, 0xf0), QColor(0xe8, 0xf6, 0xff), 200);
    paintHills(p, 220, 16, 600, 0.4, QColor(0x9a, 0xd8, 0x6a));
    paintGrassTufts(p, dice, QRectF(0, 240, kWidth, 110), 30, QColor(0x5a, 0xa8, 0x3a));
    // Followers in a row behind the boss.
    for (int i = 0; i < 4; ++i) {
        Look follower = withExpression(sheepLook(), i % 2 ? Expression::Laugh : Expression::Smile);
        follower.light = i % 2 ? QColor(0x4a, 0x3a, 0x3a) : QColor(0xf7, 0xd9, 0xc4);
        Figure small = figure({60 + i * 70.0, 300 - (i % 2) * 8.0}, 0.42, follower);
        small.pose.stance = Stance::OnAllFours;
        drawSheep(p, small);
    }
    Look boss = withExpression(sheepLook(), Expression::Proud);
    boss.body = QColor(0xf4, 0xf0, 0xe4);
    boss.light = QColor(0xf2, 0xd0, 0xb8);
    boss.horns = true;
    boss.accent = QColor(0xb0, 0x8a, 0x5a);
    Figure f = figure({470, 330}, 1.1, boss);
    f.pose.frontPaw = {60, -150};
    f.pose.backPaw = {-50, -70};
    f.onHead = [](QPainter& q) {
        drawSunglasses(q, 2, QColor(0x3a, 0x3a, 0x3a));
        drawBossHat(q, QColor(0x3a, 0x3a, 0x4a), QColor(0xe8, 0x3a, 0x3a));
    };
    f.held = [](QPainter& q) {
        drawFlag(q, {60, -110}, 130, QColor(0xff, 0xd0, 0x3a));
    };
    shadow(p, {470, 332}, 150);
    drawSheep(p, f);
}

// Type 45: 哀愁のベールを着た風流猿 (the elegant monkey in a wistful veil)
void elegantMonkeyInAWistfulVeil(QPainter& p) {
    Dice dice(45);
    paintSky(p, QColor(0x4a, 0x3a, 0x6a), QColor(0xe8, 0x9a, 0x7a));
    paintMoon(p, {540, 80}, 44, QColor(0xff, 0xf0, 0xd0), false);
    paintMountains(p, {{120, 220}, {420, 240}}, 290, QColor(0x6a, 0x4a, 0x6a));
    paintGround(p, 290, QColor(0x8a, 0x5a, 0x4a), QColor(0x6a, 0x3a, 0x3a));
    paintTree(p, {90, 300}, 250, QColor(0x5a, 0x3a, 0x2a), QColor(0xe8, 0x5a, 0x3a));
    paintFalling(p, dice, QRectF(0, 0, kWidth, kHeight), 22, QColor(0xf8, 0x7a, 0x3a), Flake::Leaf);
    Look monkey = withExpression(monkeyLook(), Expression::Wistful, {1, -0.6});
    monkey.body = QColor(0x8a, 0x6a, 0x5a);
    Figure f = figure({340, 318}, 1.0, monkey);
    f.pose.frontPaw = {56, -120};
    f.pose.backPaw = {-48, -80};
    f.onHead = [](QPainter& q) {
        drawGauzeVeil(q, QColor(0xc8, 0xd8, 0xff));
    };
    f.held = [](QPainter& q) {
        drawFoldingFan(q, {56, -122}, 70, 20, QColor(0xff, 0xf4, 0xe0));
    };
    drawMonkey(p, f);
    drawNote(p, {470, 190}, 14, QColor(0xff, 0xe8, 0xd0));
}

// Type 46: まっすぐに飛ぶ鳥 (the bird that flies straight)
void birdFlyingStraight(QPainter& p) {
    paintSky(p, QColor(0x3a, 0xa0, 0xf0), QColor(0xc8, 0xf0, 0xff));
    paintCloud(p, {110, 80}, 120, Qt::white);
    paintCloud(p, {560, 280}, 140, Qt::white);
    paintCloud(p, {470, 60}, 80, QColor(255, 255, 255, 200));
    // The straight line of its flight.
    {
        SavedState state(p);
        p.setPen(QPen(QColor(255, 255, 255, 230), 5, Qt::DashLine, Qt::RoundCap));
        p.drawLine(QPointF(0, 190), QPointF(kWidth, 190));
    }
    Look bird = withExpression(birdLook(), Expression::Determined, {1, 0});
    bird.body = QColor(0xff, 0xd0, 0x3a);
    bird.light = QColor(0xff, 0xf6, 0xd8);
    bird.accent = QColor(0xf0, 0x8a, 0x2a);
    Figure f = figure({360, 276}, 0.9, bird);
    f.place.tilt = 8;
    f.pose = spreadWings();
    f.pose.frontPaw = {-20, -190};
    f.pose.backPaw = {-80, -170};
    f.onHead = [](QPainter& q) {
        drawGoggles(q, QColor(0x8a, 0x5a, 0x32));
    };
    drawSpeedLines(p, {230, 190}, {1, 0}, 6, 120, 90, QColor(255, 255, 255, 240));
    drawBird(p, f, BirdKind::Songbird);
    drawStar(p, {600, 190}, 16, QColor(0xff, 0xe0, 0x4a));
}

// Type 47: 国境を守る猛犬 (the fierce dog guarding the border)
void fierceDogGuardingTheBorder(QPainter& p) {
    paintSky(p, QColor(0x8a, 0xc8, 0xf0), QColor(0xe0, 0xf4, 0xff), 220);
    // Two countries side by side, the border line between them.
    p.fillRect(QRectF(0, 220, 330, kHeight - 220), QColor(0xa8, 0xd8, 0x6a));
    p.fillRect(QRectF(330, 220, 330, kHeight - 220), QColor(0xe8, 0xd0, 0x7a));
    {
        SavedState state(p);
        p.setPen(QPen(QColor(0xe8, 0x3a, 0x3a), 5, Qt::DashLine, Qt::FlatCap));
        p.drawLine(QPointF(330, 220), QPointF(330, kHeight));
    }
    drawFlag(p, {60, 250}, 110, QColor(0x3a, 0x8a, 0xe8));
    drawFlag(p, {600, 250}, 110, QColor(0xe8, 0x8a, 0x2a));
    drawBorderGate(p, {260, 320}, 300, 120);
    Look dog = withExpression(dogLook(), Expression::Determined);
    dog.body = QColor(0xa8, 0x6a, 0x3a);
    dog.light = QColor(0xf4, 0xe0, 0xc8);
    dog.accent = QColor(0x3a, 0x2a, 0x22);
    dog.pointyEars = true;
    Figure f = figure({200, 330}, 1.05, dog);
    f.pose.frontPaw = {70, -110};
    f.pose.backPaw = {-50, -70};
    f.onHead = [](QPainter& q) {
        drawGuardHelmet(q, QColor(0x4a, 0x7a, 0x4a));
    };
    f.held = [](QPainter& q) {
        drawStaff(q, {72, 0}, {72, -236}, QColor(0xd8, 0xb0, 0x70), true, 8);
    };
    shadow(p, {200, 332}, 140);
    drawDog(p, f);
}

// Type 48: 磁気を帯びたイノシシ (the magnetic boar)
void magneticBoar(QPainter& p) {
    paintPolkaDots(p, QColor(0xf0, 0xe8, 0xff), QColor(0xe0, 0xd4, 0xfa), 40, 8);
    p.fillRect(QRectF(0, 304, kWidth, 50), QColor(0xc8, 0xb8, 0xe0));
    {
        // Magnetic field lines.
        SavedState state(p);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x8a, 0x6a, 0xd0, 150), 3, Qt::DashLine, Qt::RoundCap));
        for (int i = 1; i <= 4; ++i) {
            p.drawEllipse(QPointF(440, 220), 40.0 + i * 34, 24.0 + i * 20);
        }
    }
    Look boar = withExpression(boarLook(), Expression::Surprised);
    boar.body = QColor(0x8a, 0x6a, 0x5a);
    Figure f = figure({300, 318}, 1.0, boar);
    f.pose.frontPaw = {86, -92};
    f.pose.backPaw = {-50, -70};
    f.held = [](QPainter& q) {
        drawHorseshoeMagnet(q, {104, -96}, 54, 90);
    };
    f.onHead = [](QPainter& q) {
        // Things stuck to the bristles.
        drawPaperclip(q, {-30, -70}, 30, -20, QColor(0x4a, 0x9a, 0xe8));
        drawPaperclip(q, {10, -76}, 28, 10, QColor(0xe8, 0x4a, 0x6a));
        drawNail(q, {34, -56}, 30, 30);
    };
    drawBoar(p, f);
    // Flying towards the magnet.
    const QPointF pull = toPicture(f, {150, -96});
    drawPaperclip(p, pull + QPointF(40, -30), 30, 60, QColor(0xff, 0xc0, 0x3a));
    drawNail(p, pull + QPointF(70, 20), 36, -70);
    drawSpoon(p, pull + QPointF(120, -10), 24, 180, QColor(0xc8, 0xd0, 0xdc));
    drawSpeedLines(p, pull + QPointF(150, -30), {-1, 0}, 3, 40, 60, QColor(0x8a, 0x6a, 0xd0));
    drawLightning(p, toPicture(f, {-70, -230}), toPicture(f, {-50, -190}), 5);
}

// Type 49: ねずみ算をする大ねずみ (the big rat multiplying like rats)
void bigRatMultiplyingLikeRats(QPainter& p) {
    paintRoom(p, QColor(0xf4, 0xe8, 0xd0), QColor(0xc8, 0x9a, 0x6a), 270);
    // Blackboard with doubling dot groups: 1, 2, 4, 8.
    QPainterPath board;
    board.addRoundedRect(QRectF(40, 26, 300, 140), 8, 8);
    fillInked(p, board, QColor(0x2a, 0x5a, 0x4a));
    {
        SavedState state(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf8, 0xf8, 0xf0));
        int group = 1;
        for (int g = 0; g < 4; ++g) {
            const double x0 = 60 + g * 70;
            for (int i = 0; i < group; ++i) {
                p.drawEllipse(QPointF(x0 + (i % 2) * 16, 50 + (i / 2) * 16), 5, 5);
            }
            if (g < 3) {
                p.setPen(roundPen(QColor(0xf8, 0xf8, 0xf0), 3));
                p.drawLine(QPointF(x0 + 34, 80), QPointF(x0 + 54, 80));
                p.drawLine(QPointF(x0 + 54, 80), QPointF(x0 + 48, 75));
                p.drawLine(QPointF(x0 + 54, 80), QPointF(x0 + 48, 85));
                p.setPen(Qt::NoPen);
            }
            group *= 2;
        }
        p.setPen(roundPen(QColor(0xff, 0xd0, 0x6a), 3));
        p.drawLine(QPointF(60, 140), QPointF(310, 140));
    }
    // Big teacher rat with an abacus.
    Look big = withExpression(ratLook(), Expression::Laugh);
    big.body = QColor(0x9a, 0x8a, 0xa8);
    Figure teacher = figure({470, 300}, 1.05, big);
    teacher.pose.frontPaw = {46, -64};
    teacher.pose.backPaw = {-46, -64};
    teacher.pose.backPawInFront = true;
    teacher.held = [](QPainter& q) {
        drawAbacus(q, QRectF(-66, -98, 132, 62), QColor(0x8a, 0x5a, 0x32));
    };
    teacher.onHead = [](QPainter& q) {
        // Round glasses.
        SavedState state(q);
        q.setBrush(Qt::NoBrush);
        q.setPen(inkPen(q, 3));
        q.drawEllipse(QPointF(-16, -8), 15, 15);
        q.drawEllipse(QPointF(28, -8), 15, 15);
        q.drawLine(QPointF(-1, -8), QPointF(13, -8));
    };
    drawRat(p, teacher);
    // Lots of little rats: the rat multiplication in action.
    const QColor coats[] = {QColor(0xb8, 0xb0, 0xc8), QColor(0xd0, 0xb8, 0xa0),
                            QColor(0xa8, 0xa8, 0xa8), QColor(0xe8, 0xd8, 0xd0)};
    const Expression faces[] = {Expression::Smile, Expression::Laugh, Expression::Surprised,
                                Expression::Wink};
    int n = 0;
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < (row == 0 ? 6 : 5); ++i, ++n) {
            Look small = withExpression(ratLook(), faces[n % 4], {1, -0.5});
            small.body = coats[n % 4];
            Figure kid =
                figure({40 + i * 58.0 + row * 30, 270 + row * 62.0}, 0.3 + row * 0.04, small);
            kid.pose.frontPaw = n % 3 == 0 ? QPointF(40, -190) : QPointF(50, -66);
            drawRat(p, kid);
        }
    }
}

// Type 50: 放たれた牛 (the ox set free)
void oxSetFree(QPainter& p) {
    Dice dice(50);
    paintSky(p, QColor(0x7a, 0xd0, 0xff), QColor(0xf0, 0xfa, 0xff), 190);
    paintSun(p, {590, 60}, 30, QColor(0xff, 0xe0, 0x4a), 12);
    paintHills(p, 200, 18, 500, 0.25, QColor(0x8a, 0xd8, 0x5a));
    paintFlowers(p, dice, QRectF(0, 220, kWidth, 130), 36,
                 {QColor(0xff, 0xf0, 0x5a), Qt::white, QColor(0xff, 0x9a, 0xc0)});
    // Fence with the gate swung open.
    for (double x = 0; x < 150; x += 40) {
        lineInked(p, {x, 290}, {x, 200}, QColor(0xc8, 0x90, 0x5a), 10);
    }
    lineInked(p, {0, 220}, {150, 220}, QColor(0xc8, 0x90, 0x5a), 9);
    lineInked(p, {0, 260}, {150, 260}, QColor(0xc8, 0x90, 0x5a), 9);
    drawFenceGate(p, {160, 296}, 120, 100, 0.8, QColor(0xd8, 0xa0, 0x6a));
    Look ox = withExpression(oxLook(), Expression::Laugh);
    ox.body = QColor(0xfc, 0xfa, 0xf4);
    ox.light = QColor(0xff, 0xd8, 0xd0);
    ox.accent = QColor(0x3a, 0x30, 0x2a);
    ox.spots = true;
    Figure f = figure({380, 300}, 1.0, ox);
    f.pose.stance = Stance::OnAllFours;
    f.pose.stride = 1;
    f.place.tilt = -6;
    drawOx(p, f);
    // The rope it left behind.
    {
        SavedState state(p);
        QPainterPath rope(QPointF(150, 240));
        rope.cubicTo(QPointF(190, 320), QPointF(230, 280), QPointF(250, 320));
        p.setBrush(Qt::NoBrush);
        p.setPen(inkPen(p, 7));
        p.drawPath(rope);
        p.setPen(inkPen(p, 4, QColor(0xe8, 0xd0, 0x9a)));
        p.drawPath(rope);
    }
    drawButterfly(p, {560, 140}, 26, QColor(0xff, 0xd0, 0x3a));
    drawButterfly(p, {610, 180}, 20, QColor(0xff, 0x9a, 0xc0));
    drawNote(p, toPicture(f, {150, -220}), 18, QColor(0x3a, 0x7a, 0x3a));
}

// Type 51: 理論のヨロイを着た猛虎 (the fierce tiger in armour of theory)
void fierceTigerInArmourOfTheory(QPainter& p) {
    // Graph paper with geometry figures: the world of theory.
    p.fillRect(QRectF(0, 0, kWidth, kHeight), QColor(0xf4, 0xfa, 0xff));
    {
        SavedState state(p);
        p.setPen(QPen(QColor(0xc0, 0xd8, 0xf0), 1.5));
        for (double x = 0; x < kWidth; x += 22) {
            p.drawLine(QPointF(x, 0), QPointF(x, kHeight));
        }
        for (double y = 0; y < kHeight; y += 22) {
            p.drawLine(QPointF(0, y), QPointF(kWidth, y));
        }
        p.setPen(roundPen(QColor(0x6a, 0x9a, 0xd8), 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(100, 90), 50, 50);
        QPolygonF triangle;
        triangle << QPointF(60, 120) << QPointF(140, 120) << QPointF(100, 50);
        p.drawPolygon(triangle);
        p.drawRect(QRectF(500, 40, 90, 90));
        p.drawLine(QPointF(500, 130), QPointF(590, 40));
        QPainterPath curve(QPointF(460, 300));
        for (double x = 0; x <= 180; x += 6) {
            curve.lineTo(460 + x, 300 - 70 * std::sin(x / 180 * kPi));
        }
        p.drawPath(curve);
    }
    Look tiger = withExpression(tigerLook(), Expression::Determined, {1, 0});
    tiger.body = QColor(0xf0, 0x8a, 0x2a);
    Figure f = figure({320, 330}, 1.08, tiger);
    f.pose.frontPaw = {54, -110};
    f.pose.backPaw = {-56, -150};
    f.held = [](QPainter& q) {
        drawLogicArmour(q, QColor(0xb0, 0xc0, 0xd8), QColor(0x4a, 0x6a, 0xa8));
        drawBook(q, {62, -118}, 60, QColor(0x3a, 0x5a, 0xa8), false);
        drawStaff(q, {-56, -40}, {-56, -250}, QColor(0xc8, 0xd0, 0xdc), true, 7);
    };
    shadow(p, {320, 332}, 130);
    drawTiger(p, f);
    drawSparkle(p, toPicture(f, {0, -60}), 12, Qt::white);
}

// Type 52: 山を登るうさぎ (the rabbit climbing a mountain)
void rabbitClimbingAMountain(QPainter& p) {
    paintSky(p, QColor(0x6a, 0xb8, 0xf0), QColor(0xd8, 0xf0, 0xff));
    paintCloud(p, {120, 60}, 110, Qt::white);
    paintMountains(p, {{180, 180}}, kHeight, QColor(0xa8, 0xb8, 0xd8), QColor(0xff, 0xff, 0xff));
    // The steep slope it climbs, going up to the right.
    QPainterPath slope(QPointF(-10, kHeight + 5));
    slope.lineTo(-10, 330);
    slope.cubicTo(QPointF(250, 300), QPointF(450, 150), QPointF(600, 60));
    slope.lineTo(kWidth + 10, 50);
    slope.lineTo(kWidth + 10, kHeight + 5);
    slope.closeSubpath();
    fillInked(p, slope, QColor(0x8a, 0xb8, 0x6a));
    drawFlag(p, {600, 64}, 70, QColor(0xff, 0x5a, 0x5a));
    paintRock(p, {160, 322}, 50, 26, QColor(0xa8, 0xa0, 0x98));
    Look rabbit = withExpression(rabbitLook(), Expression::Determined, {1, -1});
    rabbit.body = QColor(0xc8, 0xb0, 0xa0);
    rabbit.light = QColor(0xf8, 0xf0, 0xe8);
    Figure f = figure({360, 228}, 0.8, rabbit);
    f.place.tilt = 20;
    f.pose.stride = 0.8;
    f.pose.frontPaw = {70, -110};
    f.pose.backPaw = {-30, -80};
    f.behind = [](QPainter& q) {
        drawBackpack(q, {-40, -80}, 70, QColor(0xe8, 0x6a, 0x3a));
    };
    f.held = [](QPainter& q) {
        drawWalkingStick(q, {70, -110}, {110, 10});
    };
    drawRabbit(p, f);
    sweatDrop(p, toPicture(f, {-60, -180}), 9);
    drawFootprints(p, {40, 318}, {300, 254}, 7, QColor(0x4a, 0x7a, 0x3a, 170));
}

// Type 53: 気まぐれ龍神 (the fickle dragon god)
void fickleDragonGod(QPainter& p) {
    Dice dice(53);
    // Fickle weather: sunny on one side, rainy on the other.
    p.fillRect(QRectF(0, 0, 330, kHeight), QColor(0xff, 0xe8, 0x9a));
    p.fillRect(QRectF(330, 0, 330, kHeight), QColor(0x8a, 0x9a, 0xc0));
    paintSun(p, {90, 80}, 40, QColor(0xff, 0xc8, 0x3a), 12);
    paintCloud(p, {520, 60}, 200, QColor(0x6a, 0x7a, 0x9a));
    {
        SavedState state(p);
        p.setClipRect(QRectF(330, 0, 330, kHeight));
        rain(p, dice, 50, QColor(0xe0, 0xf0, 0xff, 200));
    }
    paintRainbow(p, {330, 380}, 230, 12, 150);
    Look dragon = withExpression(dragonLook(), Expression::Wink);
    dragon.body = QColor(0xe8, 0x4a, 0x4a);
    dragon.light = QColor(0xff, 0xe8, 0xb0);
    dragon.accent = QColor(0xff, 0xc8, 0x3a);
    Figure f = figure({0, 0}, 1.0, dragon);
    f.pose.spine = {{560, 300}, {480, 330}, {400, 270}, {460, 210},
                    {380, 170}, {300, 200}, {270, 150}};
    f.pose.headTilt = -10;
    drawDragon(p, f);
    drawPearl(p, {180, 190}, 24, QColor(0xa8, 0xe8, 0xff));
    drawImpactMarks(p, {180, 190}, 34, 8, QColor(0xff, 0xff, 0xff));
    drawNote(p, {220, 80}, 16, QColor(0x8a, 0x4a, 0x2a));
}

// Type 54: 大夢をむさぼる大蛇 (the great snake feasting on big dreams)
void greatSnakeFeastingOnBigDreams(QPainter& p) {
    Dice dice(54);
    paintSky(p, QColor(0x2a, 0x1e, 0x5a), QColor(0x8a, 0x5a, 0xa8));
    paintStars(p, dice, QRectF(0, 0, kWidth, kHeight), 50, QColor(0xff, 0xf0, 0xe0));
    p.fillRect(QRectF(0, 310, kWidth, 44), QColor(0x4a, 0x3a, 0x6a));
    Look snake = withExpression(snakeLook(), Expression::Sleepy);
    snake.body = QColor(0x5a, 0xa8, 0xe8);
    snake.light = QColor(0xe8, 0xf4, 0xff);
    snake.accent = QColor(0x3a, 0x6a, 0xb8);
    Figure f = figure({150, 320}, 1.0, snake);
    // Wound up flat on the ground, the head resting on the top turn.
    std::vector<QPointF> spine = coilPoints({.centre = {0, -24},
                                             .steps = 16,
                                             .angleStep = 0.7,
                                             .startRadius = 100,
                                             .radiusStep = -4.0,
                                             .flatten = 0.25,
                                             .rise = -2.0});
    spine.emplace_back(20, -90);
    f.pose.spine = spine;
    f.pose.headTilt = 14;
    f.onHead = [](QPainter& q) {
        // A sleeping cap.
        QPainterPath cap(QPointF(-36, -20));
        cap.quadTo(QPointF(0, -56), QPointF(36, -20));
        cap.quadTo(QPointF(40, -70), QPointF(70, -40));
        cap.closeSubpath();
        fillInked(q, cap, QColor(0xff, 0x8a, 0xa8));
        ellipseInked(q, {70, -40}, 9, 9, Qt::white);
    };
    drawSnake(p, f);
    drawZs(p, toPicture(f, {60, -140}), 14, QColor(0xff, 0xf0, 0xb0));
    // The huge dream it is gobbling up.
    drawDreamBubble(p, QRectF(326, 40, 300, 220), toPicture(f, {50, -120}), [&](QPainter& q) {
        paintSky(q, QColor(0xff, 0xe8, 0xf8), QColor(0xe0, 0xf0, 0xff));
        // A giant cake...
        QPainterPath cake;
        cake.addRoundedRect(QRectF(380, 150, 120, 70), 8, 8);
        fillInked(q, cake, QColor(0xff, 0xf4, 0xe0));
        q.fillRect(QRectF(382, 172, 116, 12), QColor(0xff, 0x9a, 0xb8));
        for (int i = 0; i < 4; ++i) {
            ellipseInked(q, {396 + i * 30.0, 146}, 9, 9, QColor(0xe8, 0x2a, 0x4a), 2);
        }
        // ...a treasure of stars and the moon itself.
        paintMoon(q, {560, 110}, 36, QColor(0xff, 0xe8, 0x8a), true);
        drawStar(q, {450, 80}, 18, QColor(0xff, 0xd8, 0x3a));
        drawStar(q, {540, 200}, 14, QColor(0xff, 0xd8, 0x3a));
        drawCoin(q, {590, 180}, 14, QColor(0xff, 0xc8, 0x3a));
        drawCoin(q, {350, 110}, 12, QColor(0xff, 0xc8, 0x3a));
    });
}

// Type 55: 大平原の原生馬 (the wild horse of the great plains)
void wildHorseOfTheGreatPlains(QPainter& p) {
    Dice dice(55);
    paintSky(p, QColor(0x5a, 0xa8, 0xe8), QColor(0xff, 0xe8, 0xc0), 230);
    paintSun(p, {110, 170}, 40, QColor(0xff, 0xd0, 0x6a), 0);
    paintMountains(p, {{80, 200}, {300, 180}, {520, 195}}, 232, QColor(0xa8, 0x9a, 0xb8));
    paintGround(p, 230, QColor(0xe8, 0xc8, 0x6a), QColor(0xc8, 0xa0, 0x4a));
    paintGrassTufts(p, dice, QRectF(0, 240, kWidth, 110), 70, QColor(0xa8, 0x80, 0x3a));
    Look wild = withExpression(horseLook(), Expression::Laugh);
    wild.body = QColor(0xd8, 0xb0, 0x78);
    wild.light = QColor(0xf8, 0xf0, 0xe0);
    wild.accent = QColor(0x3a, 0x2a, 0x22);
    Figure f = figure({380, 300}, 1.0, wild);
    f.pose.stance = Stance::OnAllFours;
    f.pose.stride = 1;
    f.held = [](QPainter& q) {
        // Primitive zebra-like stripes on the legs, the mark of the ancient horse.
        SavedState state(q);
        q.setPen(roundPen(QColor(0x3a, 0x2a, 0x22), 4));
        const std::pair<QPointF, QPointF> legs[] = {{{44, -64}, {84, -20}},
                                                    {{-58, -64}, {-86, -16}}};
        for (const auto& [hip, hoof] : legs) {
            const QPointF d = hoof - hip;
            const QPointF n = QPointF(-d.y(), d.x()) / std::hypot(d.x(), d.y());
            for (double t : {0.35, 0.52, 0.69}) {
                const QPointF c = hip + d * t;
                q.drawLine(c - n * 8, c + n * 8);
            }
        }
    };
    drawHorse(p, f);
    // Herd far away.
    for (int i = 0; i < 3; ++i) {
        Look far = wild;
        far.expression = Expression::Smile;
        Figure small = figure({90 + i * 50.0, 250 + (i % 2) * 4.0}, 0.28, far);
        small.pose.stance = Stance::OnAllFours;
        small.pose.stride = 1;
        drawHorse(p, small);
    }
    for (int i = 0; i < 3; ++i) {
        drawDustPuff(p, {230.0 - i * 36, 318.0 - (i % 2) * 10}, 16 - i * 3,
                     QColor(0xf0, 0xe0, 0xb8));
    }
}

// Type 56: 我が道を行く頑固な羊 (the stubborn sheep going its own way)
void stubbornSheepGoingItsOwnWay(QPainter& p) {
    Dice dice(56);
    paintSky(p, QColor(0xb8, 0xe8, 0xd8), QColor(0xf0, 0xff, 0xf6), 210);
    paintHills(p, 230, 10, 300, 0.7, QColor(0xb8, 0xd8, 0x7a));
    paintFlowers(p, dice, QRectF(0, 250, kWidth, 100), 26, {QColor(0xff, 0xd8, 0x6a), Qt::white});
    drawSignpost(p, {460, 300}, 120, true, QColor(0x3a, 0x8a, 0xc8));
    // Everybody goes left...
    for (int i = 0; i < 3; ++i) {
        Look crowdSheep = withExpression(sheepLook(), Expression::Smile);
        Figure small = figure({110 + i * 80.0, 250 + (i % 2) * 6.0}, 0.36, crowdSheep, true);
        small.pose.stance = Stance::OnAllFours;
        drawSheep(p, small);
    }
    // ...except this one.
    Look stubborn = withExpression(sheepLook(), Expression::Proud);
    stubborn.body = QColor(0xf8, 0xec, 0xd8);
    stubborn.light = QColor(0x6a, 0x4a, 0x3a);
    stubborn.horns = true;
    stubborn.accent = QColor(0xe0, 0x9a, 0x4a);
    Figure f = figure({330, 336}, 0.95, stubborn);
    f.pose.stride = 0.7;
    f.pose.frontPaw = {56, -80};
    f.pose.backPaw = {-50, -84};
    f.pose.headTilt = -6;
    shadow(p, {330, 338}, 130);
    drawSheep(p, f);
    // A puff of breath through the nose: "humph".
    drawDustPuff(p, toPicture(f, {70, -124}), 10, QColor(255, 255, 255));
}

// Type 57: 孫悟空 (Son Goku, the monkey king)
void monkeyKingSonGoku(QPainter& p) {
    Dice dice(57);
    paintSky(p, QColor(0x5a, 0xb8, 0xf0), QColor(0xff, 0xf0, 0xd0));
    // Tall stone pillars of a faraway land.
    for (QPointF peak :
         {QPointF(60, 150), QPointF(130, 210), QPointF(560, 170), QPointF(630, 120)}) {
        QPainterPath pillar(QPointF(peak.x() - 36, kHeight));
        pillar.lineTo(peak.x() - 26, peak.y() + 20);
        pillar.quadTo(peak, QPointF(peak.x() + 26, peak.y() + 20));
        pillar.lineTo(peak.x() + 36, kHeight);
        pillar.closeSubpath();
        fillInked(p, pillar, QColor(0x9a, 0xb0, 0xa0), 0);
        paintPineTree(p, QPointF(peak.x() + 6, peak.y() + 14), 30, QColor(0x4a, 0x8a, 0x5a));
    }
    paintCloud(p, {330, 340}, 500, QColor(255, 255, 255, 200));
    Look goku = withExpression(monkeyLook(), Expression::Laugh);
    Figure f = figure({330, 250}, 0.85, goku);
    f.place.tilt = -4;
    f.pose.frontPaw = {74, -130};
    f.pose.backPaw = {-56, -70};
    f.onHead = [](QPainter& q) {
        drawGoldenCirclet(q);
    };
    f.behind = [](QPainter& q) {
        drawScarf(q, QColor(0xff, 0xd8, 0x3a), 0.6);
    };
    f.held = [](QPainter& q) {
        drawStaff(q, {24, 20}, {144, -290}, QColor(0xd8, 0x2a, 0x2a), true, 11);
    };
    drawMonkey(p, f);
    drawRideCloud(p, {330, 276}, 250, QColor(0xff, 0xe8, 0x7a), true);
    drawSpeedLines(p, {130, 250}, {1, -0.2}, 4, 60, 60, QColor(255, 255, 255, 230));
    drawSparkle(p, {560, 70}, 12, Qt::white);
}

// Type 58: 時を刻む不死鳥 (the phoenix keeping time)
void phoenixKeepingTime(QPainter& p) {
    Dice dice(58);
    paintSunburst(p, {330, 190}, 24, QColor(0xa8, 0x1a, 0x3a), QColor(0xc8, 0x2a, 0x3a));
    steppedGlow(p, {330, 190}, 260, QColor(0xff, 0xb0, 0x4a));
    for (int i = 0; i < 20; ++i) {
        drawSparkle(p, {dice.between(0, kWidth), dice.between(0, kHeight)}, dice.between(4, 10),
                    QColor(0xff, 0xf0, 0xb0));
    }
    // A big clock behind the phoenix: time it keeps with every wing beat.
    drawClock(p, {470, 200}, 100, QColor(0xf8, 0xc8, 0x3c), 300, 60, true);
    Look phoenix = withExpression(birdLook(), Expression::Smile, {1, 0});
    phoenix.body = QColor(0xf2, 0x5a, 0x2a);
    phoenix.light = QColor(0xff, 0xe0, 0x5a);
    phoenix.accent = QColor(0xff, 0x9a, 0x2a);
    Figure f = figure({300, 290}, 1.05, phoenix);
    f.place.tilt = -6;
    f.pose = spreadWings();
    f.pose.frontPaw = {110, -150};
    f.held = [](QPainter& q) {
        drawClock(q, {122, -140}, 30, QColor(0x6a, 0xc8, 0xf0), 60, 180, false);
    };
    drawBird(p, f, BirdKind::Phoenix);
    drawFlame(p, toPicture(f, {0, -10}), 60, 60, 0.3);
}

// Type 59: ロマンチックなボス犬 (the romantic boss dog)
void romanticBossDog(QPainter& p) {
    paintPolkaDots(p, QColor(0xf8, 0xd8, 0xf0), QColor(0xf0, 0xc0, 0xe4), 56, 16);
    p.fillRect(QRectF(0, 300, kWidth, 54), QColor(0xb0, 0x6a, 0x9a));
    for (int i = 0; i < 3; ++i) {
        const QColor c[] = {QColor(0xff, 0x4a, 0x7a), QColor(0xff, 0x8a, 0xaa),
                            QColor(0xe8, 0x2a, 0x5a)};
        drawBalloon(p, {480 + i * 50.0, 80 + (i % 2) * 40.0}, 24, c[i], {556, 276}, true);
    }
    // The balloons are tied to a present.
    QPainterPath box;
    box.addRoundedRect(QRectF(530, 276, 52, 40), 4, 4);
    fillInked(p, box, QColor(0x7a, 0xc8, 0xf0));
    p.fillRect(QRectF(551, 277, 10, 38), QColor(0xff, 0x4a, 0x7a));
    drawBowTie(p, {556, 276}, 12, QColor(0xff, 0x4a, 0x7a));
    Look dog = withExpression(dogLook(), Expression::Wink);
    dog.body = QColor(0x8a, 0x6a, 0x5a);
    dog.light = QColor(0xf4, 0xe4, 0xd8);
    dog.accent = QColor(0x4a, 0x36, 0x2e);
    dog.fangs = false;
    Figure f = figure({300, 322}, 1.1, dog);
    f.pose.frontPaw = {70, -110};
    f.pose.backPaw = {-56, -70};
    f.onHead = [](QPainter& q) {
        drawBossHat(q, QColor(0x2a, 0x2a, 0x3a), QColor(0xe8, 0x2a, 0x5a));
        drawRose(q, {40, 28}, {-6, 30}, 24);
    };
    f.held = [](QPainter& q) {
        drawBowTie(q, {0, -100}, 22, QColor(0xe8, 0x2a, 0x5a));
        drawHeart(q, {76, -124}, 16, QColor(0xff, 0x4a, 0x7a));
    };
    shadow(p, {300, 324}, 140);
    drawDog(p, f);
    drawHeart(p, {130, 90}, 16, QColor(0xff, 0x6a, 0x9a));
    drawHeart(p, {90, 150}, 10, QColor(0xff, 0x8a, 0xaa));
    drawSparkle(p, toPicture(f, {80, -200}), 12, Qt::white);
}

// Type 60: 弓を引くイノシシ (the boar drawing a bow)
void boarDrawingABow(QPainter& p) {
    Dice dice(60);
    paintSky(p, QColor(0x8a, 0xd8, 0xc8), QColor(0xe8, 0xfa, 0xf0), 210);
    paintHills(p, 220, 10, 400, 0.5, QColor(0x7a, 0xc0, 0x5a));
    paintGrassTufts(p, dice, QRectF(0, 240, kWidth, 110), 40, QColor(0x4a, 0x9a, 0x3a));
    drawTarget(p, {560, 196}, 60);
    Look boar = withExpression(boarLook(), Expression::Determined, {1, 0});
    boar.body = QColor(0x7a, 0x5a, 0x4a);
    Figure f = figure({200, 322}, 1.05, boar);
    f.pose.frontPaw = {100, -108};
    f.pose.backPaw = {-6, -108};
    f.pose.backPawInFront = true;
    f.onHead = [](QPainter& q) {
        drawHeadband(q, QColor(0xff, 0xff, 0xff));
    };
    f.held = [](QPainter& q) {
        drawBow(q, {100, -108}, 150, {-6, -108});
        drawArrow(q, {-10, -108}, {156, -108}, QColor(0xe8, 0x3a, 0x3a));
    };
    shadow(p, {200, 324}, 130);
    drawBoar(p, f);
    // An earlier arrow already sits near the bull's-eye.
    drawArrow(p, {470, 176}, {548, 192}, QColor(0x3a, 0x8a, 0xe8));
    drawSparkle(p, {560, 196}, 14, Qt::white);
}

// Type number to composition: the one place that says which picture belongs to which type.
const std::array<PictureType, 60> kTypes{{
    {1, ratWithSensitiveAntennas},       // 超高感度のアンテナねずみ
    {2, maidenWildOx},                   // 乙女の野牛
    {3, tigerWithSacredFlame},           // 聖火を持った虎
    {4, rabbitHammeringNails},           // 釘を打つうさぎ
    {5, dragonDancingOverMountains},     // 山上に舞う龍
    {6, greatSnakeOfThePrairie},         // 大草原の大蛇
    {7, rebelRadarHorse},                // 反逆のレーダー馬
    {8, sheepCloudOrHermit},             // 羊か、雲か、仙人か？
    {9, monkeyFightingStraightAhead},    // 一直線の闘争猿
    {10, passionateFightingCock},        // 激情の闘鶏
    {11, loyalDogWithKeenNose},          // 嗅覚鋭い忠犬
    {12, uncrownedBoarBoss},             // 無冠のいのしし親分
    {13, freeFireRat},                   // 自由な火ねずみ
    {14, oxWithFaintRomance},            // ほのかなロマンの牛
    {15, tigerRunningUpToTheSummit},     // 山頂に駆け登る虎
    {16, fickleRabbitHero},              // 正義の味方、気まぐれうさぎ
    {17, silverWhiteDragon},             // 白銀（しらがね）の龍
    {18, snakeThatStoppedCaring},        // 開きなおった蛇
    {19, elegantHorseEnjoyingTheRiver},  // 川くだりを楽しむ風流馬
    {20, sheepInTheShade},               // 木かげの羊
    {21, spaceMonkeyOnAWhirlwind},       // つむじ風に乗ってきた宇宙猿
    {22, phantomBird},                   // 幻の鳥
    {23, divineDogOfTheFlameCauldron},   // 聖火台の神犬
    {24, boarAtDawn},                    // 夜明けのいのしし
    {25, curiousWatcherRat},             // 物見高い観察ねずみ
    {26, weavingOx},                     // 機織り牛
    {27, goldenTiger},                   // 金色の虎
    {28, wistfulRabbitFromTheMoon},      // 月から来た哀愁のうさぎ
    {29, watcherDragonInAGiantShell},    // 大貝に住む観察龍
    {30, snakePlayingInASpringBrook},    // 春の小川で遊ぶ蛇
    {31, unadornedUnrulyHorse},          // 飾りのないジャジャ馬
    {32, sheepInAFlowerVeil},            // 花のベールの羊
    {33, flyingMonkeyStruckByLightning}, // 稲妻にうたれた飛猿
    {34, doveWithALitLantern},           // ちょうちんを灯した鳩
    {35, untamedMountainDog},            // 家畜化しない山犬
    {36, boarUntanglingACord},           // もつれた紐（ひも）をほどくイノシシ
    {37, silverRat},                     // 銀色のねずみ
    {38, patientOx},                     // 辛抱する牛
    {39, tigerWithoutFangs},             // キバのない虎
    {40, rabbitByTheLake},               // 湖畔のうさぎ
    {41, dragonWithoutFangs},            // キバのない竜
    {42, snakeHidingUnderFlowers},       // 花影にひそむ蛇
    {43, horseOfTheFreelyBlazingSun},    // 気ままに燃える太陽の馬
    {44, bossSheep},                     // ボス羊
    {45, elegantMonkeyInAWistfulVeil},   // 哀愁のベールを着た風流猿
    {46, birdFlyingStraight},            // まっすぐに飛ぶ鳥
    {47, fierceDogGuardingTheBorder},    // 国境を守る猛犬
    {48, magneticBoar},                  // 磁気を帯びたイノシシ
    {49, bigRatMultiplyingLikeRats},     // ねずみ算をする大ねずみ
    {50, oxSetFree},                     // 放たれた牛
    {51, fierceTigerInArmourOfTheory},   // 理論のヨロイを着た猛虎
    {52, rabbitClimbingAMountain},       // 山を登るうさぎ
    {53, fickleDragonGod},               // 気まぐれ龍神
    {54, greatSnakeFeastingOnBigDreams}, // 大夢をむさぼる大蛇
    {55, wildHorseOfTheGreatPlains},     // 大平原の原生馬
    {56, stubbornSheepGoingItsOwnWay},   // 我が道を行く頑固な羊
    {57, monkeyKingSonGoku},             // 孫悟空
    {58, phoenixKeepingTime},            // 時を刻む不死鳥
    {59, romanticBossDog},               // ロマンチックなボス犬
    {60, boarDrawingABow},               // 弓を引くイノシシ
}};

} // namespace

const std::array<PictureType, 60>& pictureTypes() {
    return kTypes;
}

QImage renderPicture(const PictureType& type) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    type.paint(painter);
    painter.end();
    return image;
}

} // namespace soranika::pictures
