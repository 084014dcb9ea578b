// One composition per type: a background from scenes, the type's animal from animals, and
// the motif of its title from props. Each picture gets its own palette and layout so that the
// sixty stay easy to tell apart.
//
// Every composition opens with its Palette: each colour it paints with, named for what it
// colours, so that recolouring a picture is an edit there and nowhere else. The palette is
// static so that the decorations a figure draws (held, onHead...) use it without capturing it.
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

// ---------------------------------------------------------------------------------------------
// The sixty pictures, each named after its type's title (TypeTable::Title), which names what it
// shows; the comment above each gives the number and the title. kTypes below ties them to numbers.

// Type 1: 超高感度のアンテナねずみ (the ultra-sensitive antenna rat)
void ratWithSensitiveAntennas(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x1e, 0x2a, 0x6a};
        QColor skyBottom{0x6a, 0x5a, 0xb8};
        QColor stars{0xff, 0xf6, 0xd0};
        QColor moon{0xff, 0xf2, 0xb0};
        QColor planet{0xf8, 0x9a, 0x6a};
        QColor planetRing{0xff, 0xe0, 0xa0};
        QColor hills{0x4a, 0x8a, 0x6a};
        QColor headband{0x5a, 0x6a, 0x8a};
        QColor leftAntenna{0xff, 0x5a, 0x6a};
        QColor rightAntenna{0xff, 0xd8, 0x3a};
        QColor signalWaves{0xff, 0xf6, 0xa0};
        QColor sparkle{0xff, 0xf6, 0xa0};
    } palette{};
    Dice dice(1);
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintStars(p, dice, QRectF(0, 0, kWidth, 240), 60, palette.stars);
    paintMoon(p, {560, 70}, 30, palette.moon, true);
    // A ringed planet far away: what the rat is listening to.
    SavedState planet(p);
    ellipseInked(p, {110, 80}, 30, 30, palette.planet);
    p.setPen(inkPen(p, 4, palette.planetRing));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(110, 80), 52, 12);
    paintHills(p, 300, 16, 400, 0.1, palette.hills);
    shadow(p, {330, 330}, 130);
    Figure rat =
        figure({330, 330}, 0.98, withExpression(ratLook(), Expression::Surprised, {0, -1}));
    rat.pose.frontPaw = {60, -132};
    rat.pose.backPaw = {-60, -132};
    rat.onHead = [](QPainter& q) {
        // Two antennas on a headband: the rat's receivers.
        QPainterPath band(QPointF(-54, -20));
        band.cubicTo(QPointF(-36, -56), QPointF(36, -56), QPointF(56, -20));
        tubeInked(q, band, palette.headband, 7);
        drawAntenna(q, {-22, -44}, {-62, -150}, palette.leftAntenna);
        drawAntenna(q, {26, -44}, {74, -148}, palette.rightAntenna);
        drawSignalWaves(q, {-62, -150}, 120, 3, 16, palette.signalWaves);
        drawSignalWaves(q, {74, -148}, 60, 3, 16, palette.signalWaves);
    };
    drawRat(p, rat);
    drawRadarDish(p, {500, 322}, 100, -45);
    drawSignalWaves(p, {530, 230}, -45, 3, 16, palette.signalWaves);
    drawSparkle(p, {240, 90}, 10, palette.sparkle);
    drawSparkle(p, {420, 60}, 8, palette.sparkle);
}

// Type 2: 乙女の野牛 (the maiden wild ox)
void maidenWildOx(QPainter& p) {
    static constexpr struct Palette {
        QColor polkaDotsGround{0xff, 0xe4, 0xec};
        QColor polkaDotsDots{0xff, 0xd0, 0xdc};
        QColor hills{0xa8, 0xe0, 0x8a};
        QColor flowers{0xff, 0x9a, 0xb8};
        QColor flowers2{0xff, 0xd8, 0x6a};
        QColor oxBody{0xe8, 0xb0, 0x8a};
        QColor oxLight{0xff, 0xe6, 0xe0};
        QColor oxAccent{0xff, 0xf4, 0xe0};
        QColor flowerCrown{0xff, 0x8a, 0xb0};
        QColor flowerCrown2{0xff, 0xf0, 0x8a};
        QColor bouquetStems{0x5a, 0xb0, 0x5a};
        QColor flowerPetals{0xff, 0x8a, 0xb0};
        QColor flowerPetals2{0xff, 0xd8, 0xe8};
        QColor flowerPetals3{0xc8, 0x9a, 0xf0};
        QColor bowTie{0xff, 0x6a, 0x9a};
        QColor heart{0xff, 0x7a, 0xa0};
        QColor heart2{0xff, 0x9a, 0xb8};
        QColor butterfly{0xff, 0xd0, 0x6a};
    } palette{};
    Dice dice(2);
    paintPolkaDots(p, palette.polkaDotsGround, palette.polkaDotsDots, 46, 10);
    paintHills(p, 300, 10, 500, 0.3, palette.hills);
    paintFlowers(p, dice, QRectF(0, 300, kWidth, 50), 40,
                 {palette.flowers, Qt::white, palette.flowers2});
    Look ox = withExpression(oxLook(), Expression::Dreamy, {0.3, -0.2});
    ox.body = palette.oxBody;
    ox.light = palette.oxLight;
    ox.accent = palette.oxAccent;
    shadow(p, {320, 332}, 140);
    Figure f = figure({320, 332}, 1.0, ox);
    f.pose.frontPaw = {18, -58};
    f.pose.backPaw = {-8, -56};
    f.pose.backPawInFront = true;
    f.pose.headTilt = -8;
    f.onHead = [](QPainter& q) {
        drawFlowerCrown(q, {palette.flowerCrown, palette.flowerCrown2, Qt::white});
    };
    f.held = [](QPainter& q) {
        // Bouquet with a ribbon.
        for (int i = 0; i < 3; ++i) {
            lineInked(q, {6, -40}, {-14 + i * 16.0, -82}, palette.bouquetStems, 4, 2);
        }
        drawFlower(q, {-18, -80}, 13, palette.flowerPetals, 5);
        drawFlower(q, {26, -84}, 13, palette.flowerPetals2, 6);
        drawFlower(q, {4, -96}, 12, palette.flowerPetals3, 5);
        drawBowTie(q, {6, -56}, 12, palette.bowTie);
    };
    drawOx(p, f);
    drawHeart(p, {440, 90}, 18, palette.heart);
    drawHeart(p, {482, 140}, 11, palette.heart2);
    drawHeart(p, {190, 110}, 13, palette.heart2);
    drawButterfly(p, {520, 220}, 26, palette.butterfly);
}

// Type 3: 聖火を持った虎 (the tiger holding the sacred flame)
void tigerWithSacredFlame(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x6a, 0xc8, 0xff};
        QColor skyBottom{0xd8, 0xf2, 0xff};
        QColor trackEdge{0xf4, 0xf4, 0xf0};
        QColor flag{0xff, 0x5a, 0x5a};
        QColor flag2{0x3a, 0x9a, 0xff};
        QColor speedLines{255, 255, 255, 230};
        QColor dustPuff{0xf8, 0xe0, 0xd0};
        QColor star{0xff, 0xe0, 0x4a};
    } palette{};
    Dice dice(3);
    paintSky(p, palette.skyTop, palette.skyBottom, 200);
    crowd(p, dice, 150, 240);
    p.fillRect(QRectF(0, 238, kWidth, 10), palette.trackEdge);
    runningTrack(p, 248);
    for (double x : {90.0, 250.0, 420.0, 580.0}) {
        drawFlag(p, {x, 150}, 70, x < 300 ? palette.flag : palette.flag2);
    }
    Figure tiger = figure({330, 336}, 1.0, withExpression(tigerLook(), Expression::Laugh));
    tiger.place.tilt = 6;
    tiger.pose.stride = 1;
    tiger.pose.frontPaw = {54, -178};
    tiger.pose.backPaw = {-58, -86};
    tiger.held = [](QPainter& q) {
        drawTorch(q, {54, -170}, 12, 84);
    };
    drawSpeedLines(p, {210, 270}, {1, 0}, 4, 70, 60, palette.speedLines);
    shadow(p, {330, 338}, 120);
    drawTiger(p, tiger);
    drawDustPuff(p, {224, 326}, 16, palette.dustPuff);
    drawDustPuff(p, {190, 330}, 11, palette.dustPuff);
    drawStar(p, {520, 60}, 16, palette.star);
    drawStar(p, {140, 60}, 12, palette.star);
}

// Type 4: 釘を打つうさぎ (the rabbit driving nails)
void rabbitHammeringNails(QPainter& p) {
    static constexpr struct Palette {
        QColor roomWall{0xff, 0xf0, 0xc8};
        QColor roomFloor{0xd8, 0xa8, 0x70};
        QColor benchLegs{0x8a, 0x5a, 0x32};
        QColor benchTop{0xa8, 0x70, 0x40};
        QColor plank{0xf0, 0xc8, 0x88};
        QColor impactMarks{0xff, 0x8a, 0x2a};
        QColor star{0xff, 0xe0, 0x4a};
        QColor board{0xe8, 0xc8, 0x98};
    } palette{};
    paintRoom(p, palette.roomWall, palette.roomFloor, 250);
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
        lineInked(p, {x, plankTop + 30}, {x, 344}, palette.benchLegs, 14);
    }
    QPainterPath top;
    top.addRoundedRect(QRectF(330, plankTop + 26, 250, 18), 4, 4);
    fillInked(p, top, palette.benchTop);
    drawPlank(p, QRectF(350, plankTop, 210, 28), palette.plank);
    drawNail(p, {strike.x(), strike.y() + nailLength}, nailLength);
    drawNail(p, {530, plankTop + 8}, 30);
    drawNail(p, {490, plankTop + 4}, 22, 78); // a bent one, an earlier try
    shadow(p, {250, 334}, 120);
    drawRabbit(p, rabbit);
    drawImpactMarks(p, strike + QPointF(10, 2), 22, 5, palette.impactMarks, 250, 130);
    drawStar(p, strike + QPointF(46, -30), 9, palette.star);
    drawStar(p, strike + QPointF(60, 0), 7, palette.star);
    sweatDrop(p, {190, 150}, 9);
    // Little tool board on the wall.
    QPainterPath board;
    board.addRoundedRect(QRectF(40, 40, 130, 90), 6, 6);
    fillInked(p, board, palette.board);
    drawHammer(p, {70, 118}, -10, 60);
    drawNail(p, {120, 110}, 26, 20);
    drawNail(p, {146, 112}, 26, -15);
}

// Type 5: 山上に舞う龍 (the dragon dancing above the mountains)
void dragonDancingOverMountains(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x4a, 0x9a, 0xe8};
        QColor skyBottom{0xc8, 0xec, 0xff};
        QColor cloud{255, 255, 255, 220};
        QColor mountains{0x6a, 0x8a, 0xc0};
        QColor mountainsSnow{0xfa, 0xfc, 0xff};
        QColor mountains2{0x4a, 0xa0, 0x6a};
        QColor cloud2{255, 255, 255, 235};
        QColor pearl{0xff, 0xe8, 0x9a};
    } palette{};
    Dice dice(5);
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintCloud(p, {120, 70}, 130, palette.cloud);
    paintCloud(p, {560, 50}, 110, palette.cloud);
    paintMountains(p, {{80, 170}, {250, 120}, {470, 150}, {620, 180}}, kHeight, palette.mountains,
                   palette.mountainsSnow);
    paintMountains(p, {{160, 250}, {420, 240}, {600, 270}}, kHeight, palette.mountains2);
    paintCloud(p, {330, 300}, 240, palette.cloud2);
    Figure dragon = figure({330, 220}, 1.0, withExpression(dragonLook(), Expression::Laugh));
    dragon.pose.spine = {{-290, 40}, {-220, -10}, {-140, 40}, {-60, -20},
                         {20, 30},   {100, -30},  {150, -90}};
    drawDragon(p, dragon);
    drawPearl(p, {570, 100}, 16, palette.pearl);
}

// Type 6: 大草原の大蛇 (the great snake of the prairie)
void greatSnakeOfThePrairie(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x7a, 0xc8, 0xff};
        QColor skyBottom{0xe8, 0xf8, 0xff};
        QColor sun{0xff, 0xd8, 0x4a};
        QColor groundTop{0xb8, 0xe0, 0x6a};
        QColor groundBottom{0x6a, 0xb8, 0x4a};
        QColor mountains{0x9a, 0xb8, 0xd8};
        QColor grassTufts{0x4a, 0x9a, 0x3a};
        QColor flowers{0xff, 0xf0, 0x6a};
        QColor butterfly{0xff, 0x9a, 0x5a};
        QColor note{0x3a, 0x7a, 0x3a};
    } palette{};
    Dice dice(6);
    paintSky(p, palette.skyTop, palette.skyBottom, 200);
    paintSun(p, {90, 60}, 30, palette.sun, 12);
    paintCloud(p, {420, 60}, 120, Qt::white);
    paintCloud(p, {580, 100}, 80, Qt::white);
    paintGround(p, 190, palette.groundTop, palette.groundBottom);
    paintMountains(p, {{540, 170}, {620, 180}}, 192, palette.mountains);
    paintGrassTufts(p, dice, QRectF(0, 200, kWidth, 150), 60, palette.grassTufts);
    paintFlowers(p, dice, QRectF(0, 210, kWidth, 140), 24, {palette.flowers, Qt::white});
    Figure snake = figure({0, 0}, 1.0, withExpression(snakeLook(), Expression::Smile));
    snake.pose.spine = {{40, 300},  {150, 330}, {260, 290}, {360, 320},
                        {460, 300}, {520, 250}, {500, 180}};
    drawSnake(p, snake);
    drawButterfly(p, {560, 140}, 30, palette.butterfly);
    drawNote(p, {430, 160}, 16, palette.note);
}

// Type 7: 反逆のレーダー馬 (the rebel radar horse)
void rebelRadarHorse(QPainter& p) {
    static constexpr struct Palette {
        QColor sunburst{0x3a, 0x2a, 0x5a};
        QColor sunburst2{0x4a, 0x3a, 0x72};
        QColor groundTop{0x2a, 0x20, 0x40};
        QColor groundBottom{0x1a, 0x14, 0x2a};
        QColor horseBody{0x9a, 0x9a, 0xb0};
        QColor horseLight{0xe8, 0xe8, 0xf2};
        QColor horseAccent{0xff, 0x3a, 0x8a};
        QColor sunglassesFrame{0xff, 0x3a, 0x8a};
        QColor signalWaves{0x6a, 0xff, 0xc0};
        QColor star{0xff, 0xe0, 0x4a};
    } palette{};
    paintSunburst(p, {330, 150}, 24, palette.sunburst, palette.sunburst2);
    paintGround(p, 290, palette.groundTop, palette.groundBottom);
    Look horse = withExpression(horseLook(), Expression::Proud);
    horse.body = palette.horseBody;
    horse.light = palette.horseLight;
    horse.accent = palette.horseAccent;
    Figure f = figure({330, 320}, 1.0, horse);
    // Arms crossed: both paws in front of the chest.
    f.pose.frontPaw = {-22, -84};
    f.pose.backPaw = {24, -80};
    f.pose.backPawInFront = true;
    f.onHead = [](QPainter& q) {
        drawSunglasses(q, -10, palette.sunglassesFrame);
        // The radar on top of the head, listening where nobody told it to.
        drawRadarDish(q, {2, -50}, 80, -40);
        drawSignalWaves(q, {40, -130}, -40, 3, 18, palette.signalWaves);
    };
    shadow(p, {330, 322}, 130);
    drawHorse(p, f);
    drawStar(p, {520, 80}, 14, palette.star);
    drawLightning(p, {560, 170}, {600, 240}, 7);
}

// Type 8: 羊か、雲か、仙人か？ (a sheep, a cloud or a hermit?)
void sheepCloudOrHermit(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x8a, 0xd0, 0xff};
        QColor skyBottom{0xe8, 0xf6, 0xff};
        QColor cloud{255, 255, 255, 230};
        QColor sheepLight{0xfa, 0xe6, 0xd8};
        QColor rideCloud{0xfa, 0xfc, 0xff};
        QColor questionMark{0xff, 0xd0, 0x4a};
    } palette{};
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintCloud(p, {90, 250}, 150, Qt::white, true);
    paintCloud(p, {560, 270}, 170, Qt::white, true);
    paintCloud(p, {500, 80}, 110, palette.cloud);
    paintCloud(p, {150, 70}, 90, palette.cloud);
    Look sheep = withExpression(sheepLook(), Expression::Proud);
    sheep.light = palette.sheepLight;
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
    drawRideCloud(p, {330, 326}, 230, palette.rideCloud, false);
    questionMark(p, {470, 140}, 40, palette.questionMark);
}

// Type 9: 一直線の闘争猿 (the monkey that fights straight ahead)
void monkeyFightingStraightAhead(QPainter& p) {
    static constexpr struct Palette {
        QColor sunburst{0xff, 0xc8, 0x5a};
        QColor sunburst2{0xff, 0xdc, 0x8a};
        QColor road{0x6a, 0x6a, 0x72};
        QColor headband{0xe8, 0x2a, 0x2a};
        QColor boxingGlove{0xe8, 0x2a, 0x2a};
        QColor speedLines{255, 255, 255, 240};
        QColor dustPuff{0xe0, 0xe0, 0xe0};
        QColor impactMarks{0xe8, 0x3a, 0x2a};
    } palette{};
    paintSunburst(p, {560, 170}, 28, palette.sunburst, palette.sunburst2);
    // One perfectly straight road across the picture.
    p.fillRect(QRectF(0, 298, kWidth, 56), palette.road);
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
        drawHeadband(q, palette.headband);
    };
    monkey.held = [](QPainter& q) {
        drawBoxingGlove(q, {-40, -96}, 34, palette.boxingGlove);
    };
    drawSpeedLines(p, {200, 200}, {1, 0}, 6, 90, 150, palette.speedLines);
    drawMonkey(p, monkey);
    drawBoxingGlove(p, toPicture(monkey, {78, -118}), 34 * 1.0, palette.boxingGlove);
    drawDustPuff(p, {200, 308}, 18, palette.dustPuff);
    drawImpactMarks(p, toPicture(monkey, {96, -118}), 28, 3, palette.impactMarks, -30, 60);
}

// Type 10: 激情の闘鶏 (the passionate fighting cock)
void passionateFightingCock(QPainter& p) {
    static constexpr struct Palette {
        QColor sunburst{0xe8, 0x3a, 0x2a};
        QColor sunburst2{0xf8, 0x6a, 0x2a};
        QColor cockBody{0xfc, 0xf6, 0xea};
        QColor cockLight{0xff, 0xff, 0xff};
        QColor cockAccent{0x2a, 0x6a, 0x5a};
        QColor impactMarks{0xff, 0xf0, 0x6a};
    } palette{};
    paintSunburst(p, {330, 180}, 20, palette.sunburst, palette.sunburst2);
    for (double x = -20; x < kWidth; x += 60) {
        drawFlame(p, {x, 370}, 70, 130 + std::fmod(x * 7, 50), (int(x) % 3 - 1) * 0.3);
    }
    Look cock = withExpression(birdLook(), Expression::Determined);
    cock.body = palette.cockBody;
    cock.light = palette.cockLight;
    cock.accent = palette.cockAccent;
    Figure f = figure({330, 316}, 1.25, cock);
    f.pose = foldedWings();
    f.pose.frontPaw = {60, -150};
    f.pose.backPaw = {-70, -150};
    drawBird(p, f, BirdKind::Rooster);
    // Fists of fire on the wing tips.
    drawFlame(p, toPicture(f, {64, -150}), 34, 56, 0.3);
    drawFlame(p, toPicture(f, {-72, -150}), 30, 50, -0.3);
    drawImpactMarks(p, toPicture(f, {12, -110}), 110, 8, palette.impactMarks, 190, 160);
}

// Type 11: 嗅覚鋭い忠犬 (the loyal dog with a keen nose)
void loyalDogWithKeenNose(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0xa8, 0xe0, 0xff};
        QColor skyBottom{0xf0, 0xfa, 0xff};
        QColor treeTrunk{0x9a, 0x62, 0x38};
        QColor treeLeaves{0x5a, 0xb0, 0x5a};
        QColor hills{0x8a, 0xd0, 0x6a};
        QColor grassTufts{0x4a, 0x9a, 0x3a};
        QColor footprints{0x5a, 0x8a, 0x3a, 160};
        QColor bone{0xff, 0xfa, 0xee};
        QColor cloud{0x4a, 0xa0, 0x4a};
        QColor scentWisps{0xb0, 0x7a, 0xd0};
        QColor sparkle{0xff, 0xd0, 0x3a};
    } palette{};
    Dice dice(11);
    paintSky(p, palette.skyTop, palette.skyBottom, 180);
    paintTree(p, {70, 230}, 200, palette.treeTrunk, palette.treeLeaves);
    paintHills(p, 220, 14, 420, 0.6, palette.hills);
    paintGrassTufts(p, dice, QRectF(0, 240, kWidth, 110), 40, palette.grassTufts);
    drawFootprints(p, {90, 320}, {300, 318}, 7, palette.footprints);
    // The bone the trail leads to, half hidden in a bush.
    SavedState bone(p);
    QPainterPath b = ellipsePath({560, 286}, 30, 7)
                         .united(circlePath({530, 280}, 8))
                         .united(circlePath({530, 292}, 8))
                         .united(circlePath({590, 280}, 8))
                         .united(circlePath({590, 292}, 8));
    fillInked(p, b.simplified(), palette.bone);
    paintCloud(p, {590, 300}, 110, palette.cloud, true);
    drawScentWisps(p, {500, 270}, 46, palette.scentWisps);
    Look dog = withExpression(dogLook(), Expression::Smile, {1, 1});
    dog.spots = true;
    Figure f = figure({330, 318}, 0.95, dog);
    f.pose.stance = Stance::OnAllFours;
    f.pose.headTilt = 18;
    f.place.tilt = 6;
    shadow(p, {330, 320}, 200);
    drawDog(p, f);
    drawScentWisps(p, toPicture(f, {130, -70}), 30, palette.scentWisps);
    drawSparkle(p, toPicture(f, {100, -110}), 12, palette.sparkle);
}

// Type 12: 無冠のいのしし親分 (the uncrowned boar boss)
void uncrownedBoarBoss(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x9a, 0xd8, 0xb0};
        QColor skyBottom{0xe8, 0xf8, 0xd8};
        QColor pineTree{0x3a, 0x8a, 0x5a};
        QColor groundTop{0x9a, 0xc8, 0x6a};
        QColor groundBottom{0x7a, 0xa8, 0x4a};
        QColor cape{0x8a, 0x2a, 0x5a};
        QColor plaster{0xf8, 0xd8, 0xb0};
        QColor crown{0xf8, 0xc8, 0x3c};
        QColor babyBody{0xc0, 0x8a, 0x5a};
        QColor babyLight{0xf6, 0xdc, 0xc0};
    } palette{};
    Dice dice(12);
    paintSky(p, palette.skyTop, palette.skyBottom, 220);
    for (double x : {40.0, 140.0, 520.0, 620.0}) {
        paintPineTree(p, {x, 230}, 170, palette.pineTree);
    }
    paintGround(p, 220, palette.groundTop, palette.groundBottom);
    drawTreeStump(p, {330, 300}, 120, 50);
    Look boss = withExpression(boarLook(), Expression::Proud);
    Figure f = figure({330, 262}, 0.95, boss);
    f.pose.frontPaw = {40, -60};
    f.pose.backPaw = {-46, -64};
    f.behind = [](QPainter& q) {
        drawCape(q, palette.cape, 0.2);
    };
    f.onHead = [](QPainter& q) {
        // A plaster on the forehead: a boss who earned it the hard way.
        SavedState state(q);
        q.translate(30, -30);
        q.rotate(-30);
        QPainterPath plaster;
        plaster.addRoundedRect(QRectF(-16, -6, 32, 12), 5, 5);
        fillInked(q, plaster, palette.plaster, 2);
    };
    drawBoar(p, f);
    // The crown he never wears, left on the ground for the little ones to play with.
    drawCrown(p, {505, 316}, 40, palette.crown);
    Look baby = withExpression(boarLook(), Expression::Laugh);
    baby.body = palette.babyBody;
    baby.light = palette.babyLight;
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
    static constexpr struct Palette {
        QColor skyTop{0xff, 0x9a, 0x4a};
        QColor skyBottom{0xff, 0xe8, 0x8a};
        QColor hills{0xe0, 0x6a, 0x3a};
        QColor sparkle{255, 255, 220, 220};
        QColor ratBody{0xf0, 0x5a, 0x3a};
        QColor ratLight{0xff, 0xe0, 0xb0};
        QColor ratAccent{0xff, 0xb0, 0x6a};
        QColor balloon{0xff, 0xf0, 0x6a};
    } palette{};
    Dice dice(13);
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintHills(p, 310, 14, 300, 0.2, palette.hills);
    for (int i = 0; i < 30; ++i) {
        drawSparkle(p, {dice.between(0, kWidth), dice.between(0, 300)}, dice.between(4, 9),
                    palette.sparkle);
    }
    for (double x : {120.0, 540.0}) {
        drawFlame(p, {x, 318}, 50, 80, x > 300 ? 0.3 : -0.3);
    }
    Look rat = withExpression(ratLook(), Expression::Laugh);
    rat.body = palette.ratBody;
    rat.light = palette.ratLight;
    rat.accent = palette.ratAccent;
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
    drawBalloon(p, {470, 110}, 24, palette.balloon, toPicture(f, {62, -150}), false);
}

// Type 14: ほのかなロマンの牛 (the ox with a faint romance)
void oxWithFaintRomance(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x4a, 0x3a, 0x8a};
        QColor skyBottom{0xf0, 0xa0, 0xb8};
        QColor stars{0xff, 0xf6, 0xe0};
        QColor moon{0xff, 0xf4, 0xc8};
        QColor hills{0x6a, 0x7a, 0xa8};
        QColor flowers{0xff, 0xc8, 0xe0};
        QColor oxBody{0x7a, 0x5a, 0x4a};
        QColor oxLight{0xf0, 0xd0, 0xc0};
        QColor sparkle{0xff, 0xf8, 0x9a};
        QColor risingHearts{0xff, 0x9a, 0xc0};
    } palette{};
    Dice dice(14);
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintStars(p, dice, QRectF(0, 0, kWidth, 180), 30, palette.stars);
    paintMoon(p, {520, 90}, 46, palette.moon, false);
    paintHills(p, 290, 20, 520, 0.7, palette.hills);
    paintFlowers(p, dice, QRectF(0, 300, kWidth, 50), 20, {palette.flowers});
    Look ox = withExpression(oxLook(), Expression::Dreamy, {1, -1});
    ox.body = palette.oxBody;
    ox.light = palette.oxLight;
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
                  withAlpha(palette.risingHearts, 200 - i * 20), false);
    }
    // Fireflies.
    for (int i = 0; i < 10; ++i) {
        const QPointF at(dice.between(20, 640), dice.between(180, 300));
        drawSparkle(p, at, 6, palette.sparkle);
    }
}

// Type 15: 山頂に駆け登る虎 (the tiger running up to the summit)
void tigerRunningUpToTheSummit(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0xff, 0xb0, 0x6a};
        QColor skyBottom{0xff, 0xf0, 0xc0};
        QColor sun{0xff, 0xe0, 0x6a};
        QColor mountains{0xb0, 0x8a, 0xc8};
        QColor slope{0x7a, 0xb8, 0x6a};
        QColor flag{0xe8, 0x3a, 0x3a};
        QColor footprints{0x4a, 0x7a, 0x3a, 170};
        QColor impactMarks{0xff, 0xff, 0xff};
    } palette{};
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintSun(p, {520, 150}, 44, palette.sun, 14);
    paintMountains(p, {{600, 230}, {80, 250}}, kHeight, palette.mountains);
    // The big slope the tiger has just run up.
    QPainterPath slope(QPointF(-10, kHeight + 5));
    slope.lineTo(-10, 340);
    slope.quadTo(QPointF(200, 300), QPointF(300, 200));
    slope.quadTo(QPointF(330, 180), QPointF(370, 196));
    slope.quadTo(QPointF(480, 280), QPointF(kWidth + 10, 330));
    slope.lineTo(kWidth + 10, kHeight + 5);
    slope.closeSubpath();
    fillInked(p, slope, palette.slope);
    QPainterPath snow(QPointF(272, 226));
    snow.quadTo(QPointF(300, 196), QPointF(330, 186));
    snow.quadTo(QPointF(360, 188), QPointF(392, 214));
    snow.lineTo(QPointF(370, 222));
    snow.lineTo(QPointF(350, 210));
    snow.lineTo(QPointF(320, 224));
    snow.lineTo(QPointF(300, 214));
    snow.closeSubpath();
    fillInked(p, snow, Qt::white, 0);
    drawFlag(p, {380, 206}, 120, palette.flag);
    Figure tiger = figure({320, 192}, 0.72, withExpression(tigerLook(), Expression::Laugh));
    tiger.pose.frontPaw = {62, -176};
    tiger.pose.backPaw = {-62, -176};
    drawTiger(p, tiger);
    drawFootprints(p, {40, 330}, {270, 214}, 8, palette.footprints);
    drawImpactMarks(p, {320, 70}, 80, 7, palette.impactMarks, 200, 140);
}

// Type 16: 正義の味方、気まぐれうさぎ (the champion of justice, fickle rabbit)
void fickleRabbitHero(QPainter& p) {
    static constexpr struct Palette {
        QColor sunburst{0x4a, 0x9a, 0xf0};
        QColor sunburst2{0x6a, 0xb8, 0xff};
        QColor cape{0xe8, 0x2a, 0x3a};
        QColor heroMask{0x2a, 0x4a, 0xc8};
        QColor carrot{0xff, 0x8a, 0x2a};
        QColor carrotLeaves{0x5a, 0xc0, 0x4a};
        QColor carrotBite{0x6a, 0xb8, 0xff};
        QColor star{0xff, 0xe0, 0x3a};
        QColor star2{0xff, 0xf0, 0x8a};
        QColor butterfly{0xff, 0xa8, 0xd8};
    } palette{};
    paintSunburst(p, {300, 160}, 22, palette.sunburst, palette.sunburst2);
    paintCloud(p, {120, 320}, 220, Qt::white);
    paintCloud(p, {560, 330}, 240, Qt::white);
    Figure rabbit = figure({300, 330}, 0.95, withExpression(rabbitLook(), Expression::Wink));
    rabbit.pose.frontPaw = {60, -200};
    rabbit.pose.backPaw = {-52, -96};
    rabbit.behind = [](QPainter& q) {
        drawCape(q, palette.cape, 0.8);
    };
    rabbit.onHead = [](QPainter& q) {
        drawHeroMask(q, palette.heroMask);
    };
    rabbit.held = [](QPainter& q) {
        // The carrot snack in the other hand: a hero, but a whimsical one.
        fillInked(q, smoothClosed({{-60, -110}, {-40, -96}, {-84, -40}}), palette.carrot);
        fillInked(q,
                  smoothClosed({{-56, -108}, {-50, -130}, {-44, -112}, {-30, -120}, {-44, -100}}),
                  palette.carrotLeaves, 2);
        // The big bite missing from it.
        ellipseInked(q, {-82, -46}, 7, 7, palette.carrotBite, 0);
    };
    drawRabbit(p, rabbit);
    drawStar(p, toPicture(rabbit, {62, -212}), 16, palette.star);
    drawStar(p, {520, 80}, 22, palette.star);
    drawStar(p, {580, 160}, 12, palette.star2);
    drawButterfly(p, {150, 110}, 30, palette.butterfly);
}

// Type 17: 白銀（しらがね）の龍 (the silver-white dragon)
void silverWhiteDragon(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x9a, 0xb8, 0xe0};
        QColor skyBottom{0xf0, 0xf6, 0xff};
        QColor mountains{0xc8, 0xd4, 0xe8};
        QColor mountainsSnow{0xff, 0xff, 0xff};
        QColor groundTop{0xf6, 0xfa, 0xff};
        QColor groundBottom{0xe0, 0xea, 0xf6};
        QColor silverBody{0xd8, 0xe0, 0xec};
        QColor silverLight{0xff, 0xff, 0xff};
        QColor silverAccent{0x8a, 0xb0, 0xe0};
        QColor sparkle{0xff, 0xff, 0xff};
    } palette{};
    Dice dice(17);
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintMountains(p, {{100, 200}, {330, 160}, {560, 190}}, kHeight, palette.mountains,
                   palette.mountainsSnow);
    paintGround(p, 300, palette.groundTop, palette.groundBottom);
    Look silver = withExpression(dragonLook(), Expression::Smile, {-0.5, 0});
    silver.body = palette.silverBody;
    silver.light = palette.silverLight;
    silver.accent = palette.silverAccent;
    Figure f = figure({330, 200}, 0.95, silver, true);
    f.pose.spine = {{-250, 80}, {-170, 40}, {-190, -30}, {-100, -60},
                    {-40, 10},  {40, 30},   {100, -30},  {110, -80}};
    drawDragon(p, f);
    paintFalling(p, dice, QRectF(0, 0, kWidth, kHeight), 50, Qt::white, Flake::Snow);
    for (int i = 0; i < 12; ++i) {
        drawSparkle(p, {dice.between(0, kWidth), dice.between(0, kHeight)}, dice.between(5, 10),
                    palette.sparkle);
    }
}

// Type 18: 開きなおった蛇 (the snake that has stopped caring)
void snakeThatStoppedCaring(QPainter& p) {
    static constexpr struct Palette {
        QColor polkaDotsGround{0xff, 0xe8, 0x7a};
        QColor polkaDotsDots{0xff, 0xd8, 0x5a};
        QColor ground{0xe8, 0xb0, 0x6a};
        QColor brokenPot{0x4a, 0x8a, 0xd0};
        QColor snakeBody{0x9a, 0x6a, 0xd0};
        QColor snakeLight{0xf0, 0xe0, 0xff};
        QColor snakeAccent{0x6a, 0x3a, 0xa0};
        QColor sunglassesFrame{0xff, 0x5a, 0x5a};
        QColor impactMarks{0x4a, 0x8a, 0xd0};
    } palette{};
    paintPolkaDots(p, palette.polkaDotsGround, palette.polkaDotsDots, 50, 12);
    p.fillRect(QRectF(0, 300, kWidth, 54), palette.ground);
    drawBrokenPot(p, {480, 318}, 120, palette.brokenPot);
    Look snake = withExpression(snakeLook(), Expression::Proud);
    snake.body = palette.snakeBody;
    snake.light = palette.snakeLight;
    snake.accent = palette.snakeAccent;
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
        drawSunglasses(q, -8, palette.sunglassesFrame);
    };
    shadow(p, {250, 318}, 170);
    drawSnake(p, f);
    sweatDrop(p, toPicture(f, {60, -210}), 10);
    drawImpactMarks(p, {480, 250}, 44, 5, palette.impactMarks, 220, 100);
}

// Type 19: 川くだりを楽しむ風流馬 (the elegant horse enjoying a river trip)
void elegantHorseEnjoyingTheRiver(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0xff, 0xd8, 0xa8};
        QColor skyBottom{0xff, 0xf4, 0xe0};
        QColor mountains{0x8a, 0xa8, 0x7a};
        QColor hills{0xc8, 0x6a, 0x3a};
        QColor waterTop{0x6a, 0xc0, 0xe0};
        QColor waterBottom{0x3a, 0x8a, 0xc0};
        QColor fallingLeaves{0xf0, 0x6a, 0x3a};
        QColor horseBody{0xf0, 0xe6, 0xd8};
        QColor horseLight{0xff, 0xf4, 0xe8};
        QColor horseAccent{0x8a, 0x8a, 0x9a};
        QColor umbrellaCanopy{0xe8, 0x3a, 0x4a};
        QColor umbrellaTrim{0xff, 0xf0, 0xe0};
        QColor cup{0x6a, 0xa8, 0x8a};
        QColor scentWisps{255, 255, 255, 220};
        QColor boat{0xa8, 0x70, 0x40};
        QColor note{0x6a, 0x4a, 0x3a};
        QColor ripples{255, 255, 255, 200};
    } palette{};
    Dice dice(19);
    paintSky(p, palette.skyTop, palette.skyBottom, 170);
    paintMountains(p, {{90, 110}, {250, 150}, {560, 100}}, 200, palette.mountains);
    paintHills(p, 190, 10, 300, 0.2, palette.hills);
    paintWater(p, 220, palette.waterTop, palette.waterBottom, dice, 24);
    paintFalling(p, dice, QRectF(0, 0, kWidth, 230), 18, palette.fallingLeaves, Flake::Leaf);
    Look horse = withExpression(horseLook(), Expression::Proud);
    horse.body = palette.horseBody;
    horse.light = palette.horseLight;
    horse.accent = palette.horseAccent;
    Figure f = figure({330, 282}, 0.8, horse);
    f.pose.frontPaw = {50, -100};
    f.pose.backPaw = {-30, -130};
    f.pose.backPawInFront = false;
    f.behind = [](QPainter& q) {
        drawUmbrella(q, {-30, -130}, 150, -18, palette.umbrellaCanopy, palette.umbrellaTrim);
    };
    f.held = [](QPainter& q) {
        // A cup of tea.
        QPainterPath cup(QPointF(38, -112));
        cup.lineTo(64, -112);
        cup.quadTo(62, -92, 51, -92);
        cup.quadTo(40, -92, 38, -112);
        fillInked(q, cup, palette.cup, 2.5);
        drawScentWisps(q, {46, -116}, 22, palette.scentWisps);
    };
    drawHorse(p, f);
    drawBoat(p, {330, 290}, 300, palette.boat);
    drawNote(p, {470, 130}, 16, palette.note);
    // Ripples behind the boat.
    SavedState state(p);
    p.setPen(roundPen(palette.ripples, 3));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        p.drawArc(QRectF(110 - i * 40, 280 + i * 6, 80, 20), 200 * 16, 140 * 16);
    }
}

// Type 20: 木かげの羊 (the sheep in the shade of a tree)
void sheepInTheShade(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x8a, 0xd8, 0xff};
        QColor skyBottom{0xe0, 0xf8, 0xff};
        QColor sun{0xff, 0xe0, 0x4a};
        QColor hills{0x9a, 0xe0, 0x6a};
        QColor flowers{0xff, 0xe0, 0x6a};
        QColor grassTufts{0x5a, 0xa8, 0x3a};
        QColor treeShade{0x2a, 0x6a, 0x2a, 70};
        QColor treeTrunk{0x8a, 0x5a, 0x32};
        QColor treeLeaves{0x4a, 0xa0, 0x4a};
        QColor sheepBody{0xfe, 0xfc, 0xf4};
        QColor sheepLight{0x5a, 0x4a, 0x4a};
        QColor zs{0x4a, 0x7a, 0xc0};
        QColor butterfly{0xff, 0xb0, 0xd0};
    } palette{};
    Dice dice(20);
    paintSky(p, palette.skyTop, palette.skyBottom, 200);
    paintSun(p, {80, 60}, 34, palette.sun, 12);
    paintHills(p, 230, 12, 500, 0.1, palette.hills);
    paintFlowers(p, dice, QRectF(0, 250, kWidth, 100), 30, {Qt::white, palette.flowers});
    paintGrassTufts(p, dice, QRectF(0, 250, kWidth, 100), 30, palette.grassTufts);
    // The shade of the tree.
    {
        SavedState state(p);
        p.setPen(Qt::NoPen);
        p.setBrush(palette.treeShade);
        p.drawEllipse(QPointF(420, 300), 200, 34);
    }
    paintTree(p, {520, 300}, 330, palette.treeTrunk, palette.treeLeaves);
    Look sheep = withExpression(sheepLook(), Expression::Sleepy);
    sheep.body = palette.sheepBody;
    sheep.light = palette.sheepLight;
    sheep.horns = true;
    Figure f = figure({400, 318}, 0.85, sheep, true);
    f.pose.stance = Stance::OnAllFours;
    f.pose.headTilt = 12;
    drawSheep(p, f);
    drawZs(p, toPicture(f, {60, -200}), 18, palette.zs);
    drawButterfly(p, {150, 170}, 26, palette.butterfly);
    drawLadybug(p, {250, 316}, 18);
}

// Type 21: つむじ風に乗ってきた宇宙猿 (the space monkey who came on a whirlwind)
void spaceMonkeyOnAWhirlwind(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x0a, 0x0a, 0x2a};
        QColor skyBottom{0x3a, 0x1a, 0x5a};
        QColor stars{0xff, 0xff, 0xf0};
        QColor planet{0x6a, 0xb8, 0xf0};
        QColor planetLand{0x6a, 0xd0, 0x6a};
        QColor smallPlanet{0xf0, 0xa0, 0x5a};
        QColor whirlwind{0x9a, 0xe0, 0xff};
        QColor monkeyBody{0xb0, 0x7a, 0x4a};
        QColor star{0xff, 0xe0, 0x4a};
    } palette{};
    Dice dice(21);
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintStars(p, dice, QRectF(0, 0, kWidth, kHeight), 90, palette.stars);
    ellipseInked(p, {90, 90}, 40, 40, palette.planet);
    {
        SavedState state(p);
        p.setClipPath(circlePath({90, 90}, 40));
        p.setPen(Qt::NoPen);
        p.setBrush(palette.planetLand);
        p.drawEllipse(QPointF(80, 80), 20, 14);
        p.drawEllipse(QPointF(106, 110), 14, 9);
    }
    ellipseInked(p, {580, 270}, 26, 26, palette.smallPlanet);
    drawWhirlwind(p, {330, 346}, 200, palette.whirlwind);
    Look monkey = withExpression(monkeyLook(), Expression::Laugh);
    monkey.body = palette.monkeyBody;
    Figure f = figure({330, 160}, 0.7, monkey);
    f.place.tilt = -8;
    f.pose.stance = Stance::Flying;
    f.pose.frontPaw = {66, -150};
    f.pose.backPaw = {-60, -120};
    f.onHead = [](QPainter& q) {
        drawSpaceHelmet(q);
    };
    drawMonkey(p, f);
    drawStar(p, {500, 70}, 16, palette.star);
    drawStar(p, {190, 260}, 10, palette.star);
}

// Type 22: 幻の鳥 (the phantom bird)
void phantomBird(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x6a, 0x4a, 0xb0};
        QColor skyBottom{0xff, 0xb8, 0xd8};
        QColor cloud{255, 255, 255, 120};
        QColor sparkle{255, 255, 255, 210};
        QColor birdBody{0x9a, 0xf0, 0xff};
        QColor birdLight{0xff, 0xff, 0xff};
        QColor birdAccent{0xe0, 0xa8, 0xff};
        QColor glow{255, 255, 255};
    } palette{};
    Dice dice(22);
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintRainbow(p, {330, 420}, 360, 14, 90);
    paintCloud(p, {100, 300}, 200, palette.cloud);
    paintCloud(p, {560, 290}, 220, palette.cloud);
    for (int i = 0; i < 40; ++i) {
        drawSparkle(p, {dice.between(0, kWidth), dice.between(0, kHeight)}, dice.between(3, 9),
                    palette.sparkle);
    }
    Look bird = withExpression(birdLook(), Expression::Dreamy);
    bird.body = palette.birdBody;
    bird.light = palette.birdLight;
    bird.accent = palette.birdAccent;
    Figure f = figure({340, 300}, 1.05, bird);
    f.pose = spreadWings();
    // Glow around it, then the bird itself half transparent: now you see it...
    steppedGlow(p, toPicture(f, {0, -84}), 150, palette.glow);
    drawTranslucent(p, 0.62, [&](QPainter& q) { drawBird(q, f, BirdKind::Phoenix); });
}

// Type 23: 聖火台の神犬 (the divine dog of the sacred-flame cauldron)
void divineDogOfTheFlameCauldron(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0xf8, 0x8a, 0x5a};
        QColor skyBottom{0xff, 0xe8, 0xb0};
        QColor sun{0xff, 0xf0, 0x9a};
        QColor step{0xd8, 0xd0, 0xc8};
        QColor floor{0xb8, 0xa8, 0x98};
        QColor dogBody{0xfc, 0xfa, 0xf4};
        QColor dogLight{0xff, 0xff, 0xff};
        QColor dogAccent{0xe8, 0xd8, 0xc8};
        QColor flameStandRim{0xff, 0xd8, 0x4a};
        QColor scarf{0xe8, 0x2a, 0x3a};
        QColor rope{0xf0, 0xd8, 0x9a};
        QColor sparkle{0xff, 0xf8, 0xc0};
    } palette{};
    Dice dice(23);
    paintSky(p, palette.skyTop, palette.skyBottom, 260);
    paintSun(p, {110, 200}, 50, palette.sun, 0);
    // Stone platform with steps.
    for (int i = 0; i < 3; ++i) {
        QPainterPath step;
        step.addRect(QRectF(60 + i * 30.0, 242 + i * 28.0, 540 - i * 60.0, 28));
        fillInked(p, step, palette.step.darker(100 + i * 6));
    }
    p.fillRect(QRectF(0, 326, kWidth, 28), palette.floor);
    drawCauldron(p, {440, 242}, 150);
    Look dog = withExpression(dogLook(), Expression::Proud);
    dog.body = palette.dogBody;
    dog.light = palette.dogLight;
    dog.accent = palette.dogAccent;
    dog.pointyEars = true;
    Figure f = figure({250, 242}, 0.78, dog);
    f.pose.frontPaw = {44, -70};
    f.onHead = [](QPainter& q) {
        SavedState state(q);
        q.setBrush(Qt::NoBrush);
        q.setPen(inkPen(q, 7, palette.flameStandRim));
        q.drawEllipse(QPointF(0, -96), 40, 10);
    };
    f.behind = [](QPainter& q) {
        drawScarf(q, palette.scarf, 0.5);
    };
    drawDog(p, f);
    // Sacred rope with paper streamers over the scene.
    {
        SavedState state(p);
        QPainterPath rope(QPointF(0, 4));
        rope.quadTo(QPointF(330, 40), QPointF(kWidth, 4));
        tubeInked(p, rope, palette.rope, 10);
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
                    palette.sparkle);
    }
}

// Type 24: 夜明けのいのしし (the boar at dawn)
void boarAtDawn(QPainter& p) {
    static constexpr struct Palette {
        QColor dawnTop{0x2a, 0x3a, 0x7a};
        QColor dawnMiddle{0xd8, 0x7a, 0xa8};
        QColor dawnHorizon{0xff, 0xc0, 0x7a};
        QColor stars{0xff, 0xff, 0xf0};
        QColor sun{0xff, 0xd8, 0x5a};
        QColor hills{0x5a, 0x4a, 0x7a};
        QColor hills2{0x3a, 0x4a, 0x5a};
        QColor impactMarks{0xff, 0xf0, 0xb0};
        QColor cloud{0xff, 0xd8, 0xe0, 200};
        QColor sparrowBody{0xc8, 0x8a, 0x5a};
        QColor note{0x5a, 0x3a, 0x5a};
    } palette{};
    Dice dice(24);
    QLinearGradient dawn(0, 0, 0, kHeight);
    dawn.setColorAt(0, palette.dawnTop);
    dawn.setColorAt(0.45, palette.dawnMiddle);
    dawn.setColorAt(0.8, palette.dawnHorizon);
    p.fillRect(QRectF(0, 0, kWidth, kHeight), dawn);
    paintStars(p, dice, QRectF(0, 0, kWidth, 90), 24, palette.stars);
    paintSun(p, {420, 270}, 70, palette.sun, 16);
    paintHills(p, 270, 18, 600, 0.05, palette.hills);
    paintHills(p, 305, 10, 400, 0.5, palette.hills2);
    Look boar = withExpression(boarLook(), Expression::Laugh);
    Figure f = figure({230, 320}, 1.0, boar);
    f.pose.frontPaw = {50, -210};
    f.pose.backPaw = {-40, -214};
    f.pose.headTilt = -6;
    drawBoar(p, f);
    drawImpactMarks(p, toPicture(f, {0, -150}), 95, 6, palette.impactMarks, 200, 140);
    paintCloud(p, {580, 120}, 110, palette.cloud);
    // A rooster-less dawn: a little bird greets the boar.
    Look sparrow = withExpression(birdLook(), Expression::Laugh);
    sparrow.body = palette.sparrowBody;
    Figure bird = figure({560, 330}, 0.32, sparrow, true);
    bird.pose = foldedWings();
    drawBird(p, bird, BirdKind::Songbird);
    drawNote(p, {520, 230}, 14, palette.note);
}

// Type 25: 物見高い観察ねずみ (the curious watcher rat)
void curiousWatcherRat(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0xc8, 0xf0, 0xd0};
        QColor skyBottom{0xf4, 0xff, 0xe8};
        QColor grassBlades{0x8a, 0xd0, 0x7a, 160};
        QColor grass{0xa8, 0xd8, 0x7a};
        QColor rock{0xb8, 0xb0, 0xa8};
        QColor ratBody{0x8a, 0x8a, 0x9a};
        QColor binoculars{0x3a, 0x3a, 0x4a};
        QColor snailShell{0xf0, 0xa0, 0x5a};
        QColor butterfly{0x9a, 0xc8, 0xff};
        QColor impactMarks{0xff, 0x8a, 0x3a};
    } palette{};
    Dice dice(25);
    paintSky(p, palette.skyTop, palette.skyBottom);
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
            p.setBrush(palette.grassBlades);
            p.drawPath(blade);
        }
    }
    p.fillRect(QRectF(0, 300, kWidth, 54), palette.grass);
    paintRock(p, {230, 320}, 160, 70, palette.rock);
    Figure rat =
        figure({210, 300}, 0.9, withExpression(ratLook(), Expression::Surprised, {1, 0.3}));
    rat.look.body = palette.ratBody;
    rat.pose.frontPaw = {40, -142};
    rat.pose.backPaw = {-22, -142};
    rat.pose.backPawInFront = true;
    rat.onHead = [](QPainter& q) {
        drawBinoculars(q, {8, -6}, 56, palette.binoculars);
    };
    drawRat(p, rat);
    // What it is watching so eagerly.
    drawSnail(p, {480, 318}, 70, palette.snailShell);
    drawLadybug(p, {560, 200}, 24);
    drawButterfly(p, {420, 110}, 30, palette.butterfly);
    drawMagnifier(p, {320, 330}, 50, 60);
    drawImpactMarks(p, toPicture(rat, {30, -158}), 70, 3, palette.impactMarks, -30, 60);
}

// Type 26: 機織り牛 (the weaving ox)
void weavingOx(QPainter& p) {
    static constexpr struct Palette {
        QColor roomWall{0xd8, 0xe8, 0xff};
        QColor roomFloor{0xc8, 0x9a, 0x6a};
        QColor window{0x3a, 0x4a, 0x8a};
        QColor moon{0xff, 0xf4, 0xc0};
        QColor cloth{0xff, 0x7a, 0x8a};
        QColor cloth2{0xff, 0xd0, 0x5a};
        QColor cloth3{0x6a, 0xc0, 0xe0};
        QColor cloth4{0xa8, 0xe0, 0x7a};
        QColor oxBody{0x5a, 0x5a, 0x62};
        QColor oxLight{0xf4, 0xd8, 0xd0};
        QColor seat{0xb0, 0x70, 0x40};
        QColor headScarf{0xff, 0x9a, 0xb0};
        QColor note{0x6a, 0x4a, 0x8a};
        QColor yarnBalls[3]{QColor(0xff, 0x7a, 0x8a), QColor(0x6a, 0xc0, 0xe0),
                            QColor(0xff, 0xd0, 0x5a)};
    } palette{};
    paintRoom(p, palette.roomWall, palette.roomFloor, 270);
    // Window with a view of the moon.
    QPainterPath window;
    window.addRoundedRect(QRectF(60, 40, 120, 100), 8, 8);
    fillInked(p, window, palette.window);
    paintMoon(p, {120, 84}, 20, palette.moon, true);
    {
        SavedState state(p);
        p.setPen(inkPen(p, 4));
        p.drawLine(QPointF(120, 40), QPointF(120, 140));
        p.drawLine(QPointF(60, 90), QPointF(180, 90));
    }
    drawLoom(p, QRectF(370, 90, 200, 220),
             {palette.cloth, palette.cloth2, palette.cloth3, palette.cloth4});
    // Yarn balls.
    for (int i = 0; i < 3; ++i) {
        const auto& c = palette.yarnBalls;
        ellipseInked(p, {110 + i * 40.0, 320}, 18, 18, c[i]);
        SavedState state(p);
        p.setPen(inkPen(p, 1.5, c[i].darker(130)));
        p.drawArc(QRectF(96 + i * 40.0, 306, 28, 28), 30 * 16, 120 * 16);
        p.drawArc(QRectF(100 + i * 40.0, 312, 20, 20), 200 * 16, 120 * 16);
    }
    Look ox = withExpression(oxLook(), Expression::Smile, {1, 0.3});
    ox.body = palette.oxBody;
    ox.light = palette.oxLight;
    ox.spots = false;
    Figure f = figure({290, 332}, 0.95, ox);
    f.pose.frontPaw = {100, -120};
    f.pose.backPaw = {96, -170};
    f.behind = [](QPainter& q) {
        // Stool.
        QPainterPath seat;
        seat.addRoundedRect(QRectF(-50, -44, 100, 16), 6, 6);
        fillInked(q, seat, palette.seat);
    };
    f.onHead = [](QPainter& q) {
        // A scarf tied on the head: the weaver's look.
        QPainterPath cloth(QPointF(-50, -28));
        cloth.cubicTo(QPointF(-30, -64), QPointF(30, -64), QPointF(52, -28));
        cloth.quadTo(QPointF(0, -44), QPointF(-50, -28));
        fillInked(q, cloth, palette.headScarf);
    };
    drawOx(p, f);
    drawNote(p, {210, 110}, 16, palette.note);
}

// Type 27: 金色の虎 (the golden tiger)
void goldenTiger(QPainter& p) {
    static constexpr struct Palette {
        QColor sunburst{0xff, 0xe4, 0x8a};
        QColor sunburst2{0xff, 0xf2, 0xc0};
        QColor checkeredCushion{0xc8, 0x2a, 0x4a};
        QColor checkeredCushion2{0xa8, 0x1a, 0x3a};
        QColor coin{0xff, 0xc8, 0x2a};
        QColor goldBody{0xff, 0xc8, 0x2a};
        QColor goldLight{0xff, 0xf6, 0xc8};
        QColor goldAccent{0xc0, 0x7a, 0x10};
        QColor coin2{0xff, 0xd8, 0x3a};
        QColor crown{0xff, 0xd8, 0x3a};
        QColor sparkle{0xff, 0xff, 0xff};
    } palette{};
    Dice dice(27);
    paintSunburst(p, {330, 170}, 26, palette.sunburst, palette.sunburst2);
    drawCheckeredCushion(p, {330, 312}, 300, palette.checkeredCushion, palette.checkeredCushion2);
    for (int i = 0; i < 9; ++i) {
        drawCoin(p, {100 + i * 58.0 + dice.between(-10, 10), 330 + (i % 2) * 8.0}, 15,
                 palette.coin);
    }
    Look gold = withExpression(tigerLook(), Expression::Wink);
    gold.body = palette.goldBody;
    gold.light = palette.goldLight;
    gold.accent = palette.goldAccent;
    Figure f = figure({330, 300}, 1.0, gold);
    f.pose.frontPaw = {60, -140};
    f.pose.backPaw = {-50, -70};
    f.held = [](QPainter& q) {
        drawCoin(q, {64, -150}, 20, palette.coin2);
    };
    f.onHead = [](QPainter& q) {
        drawCrown(q, {0, -66}, 46, palette.crown);
    };
    drawTiger(p, f);
    for (int i = 0; i < 16; ++i) {
        drawSparkle(p, {dice.between(20, 640), dice.between(20, 280)}, dice.between(6, 14),
                    palette.sparkle);
    }
}

// Type 28: 月から来た哀愁のうさぎ (the wistful rabbit from the moon)
void wistfulRabbitFromTheMoon(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x0e, 0x12, 0x3a};
        QColor skyBottom{0x2a, 0x2a, 0x6a};
        QColor stars{0xff, 0xff, 0xf0};
        QColor moon{0xff, 0xf0, 0xb8};
        QColor hills{0x3a, 0x5a, 0x6a};
        QColor flowers{0xe0, 0xe8, 0xff};
        QColor rabbitBody{0xf0, 0xf0, 0xff};
        QColor tear{0xa8, 0xdc, 0xff};
        QColor sparkle{0xff, 0xf0, 0xb8};
    } palette{};
    Dice dice(28);
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintStars(p, dice, QRectF(0, 0, kWidth, 260), 70, palette.stars);
    // Far away: the big full moon the rabbit came from.
    paintMoon(p, {540, 90}, 60, palette.moon, false);
    // Under its feet: a little hill of the night-time earth.
    paintHills(p, 300, 16, 700, 0.3, palette.hills);
    paintFlowers(p, dice, QRectF(0, 305, kWidth, 40), 14, {palette.flowers}, 5);
    Look rabbit = withExpression(rabbitLook(), Expression::Wistful, {1, -1});
    rabbit.body = palette.rabbitBody;
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
        fillInked(q, tear, palette.tear, 1.5);
    };
    drawRabbit(p, f);
    drawMortarWithMochi(p, {400, 330}, 90);
    // A dotted trail from the moon: how it came down.
    for (int i = 0; i < 8; ++i) {
        drawSparkle(p, QPointF(520, 150) + QPointF(-30, 22) * i, 6 - i * 0.4, palette.sparkle);
    }
}

// Type 29: 大貝に住む観察龍 (the watcher dragon living in a giant shell)
void watcherDragonInAGiantShell(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x2a, 0x8a, 0xc8};
        QColor skyBottom{0x1a, 0x4a, 0x8a};
        QColor lightRays{255, 255, 255, 30};
        QColor groundTop{0xf0, 0xd8, 0xa0};
        QColor groundBottom{0xd8, 0xb8, 0x7a};
        QColor seaweed{0x4a, 0xb0, 0x6a};
        QColor bubbles{0xd0, 0xf0, 0xff};
        QColor openShell{0xff, 0xa8, 0xb8};
        QColor dragonBody{0x4a, 0xc8, 0xc0};
        QColor dragonAccent{0xff, 0x7a, 0xa0};
        QColor pearl{0xff, 0xf0, 0xf8};
        QColor fish{0xff, 0xd0, 0x4a};
        QColor fish2{0xff, 0x8a, 0x5a};
    } palette{};
    Dice dice(29);
    paintSky(p, palette.skyTop, palette.skyBottom);
    {
        // Light rays from the surface.
        SavedState state(p);
        p.setPen(Qt::NoPen);
        p.setBrush(palette.lightRays);
        for (double x : {80.0, 260.0, 420.0}) {
            QPolygonF ray;
            ray << QPointF(x, 0) << QPointF(x + 60, 0) << QPointF(x + 160, kHeight)
                << QPointF(x + 60, kHeight);
            p.drawPolygon(ray);
        }
    }
    paintGround(p, 300, palette.groundTop, palette.groundBottom);
    for (double x : {40.0, 90.0, 600.0, 630.0}) {
        paintSeaweed(p, {x, 320}, 120 + std::fmod(x, 40), palette.seaweed);
    }
    paintBubbles(p, dice, QRectF(0, 20, kWidth, 260), 24, palette.bubbles);
    const QPointF hinge(300, 300);
    drawOpenShell(p, hinge, 190, palette.openShell, false);
    Look dragon = withExpression(dragonLook(), Expression::Smile, {1, -0.2});
    dragon.body = palette.dragonBody;
    dragon.accent = palette.dragonAccent;
    Figure f = figure({0, 0}, 0.8, dragon);
    f.pose.spine = {{200, 310}, {250, 280}, {320, 300}, {360, 260}, {350, 200}};
    f.pose.headTilt = -6;
    f.onHead = [](QPainter& q) {
        drawTelescope(q, {40, -10}, 120, -20);
    };
    drawDragon(p, f);
    drawOpenShell(p, hinge, 190, palette.openShell, true);
    drawPearl(p, {180, 296}, 14, palette.pearl);
    fish(p, {560, 120}, 40, palette.fish, true);
    fish(p, {600, 170}, 28, palette.fish2, true);
}

// Type 30: 春の小川で遊ぶ蛇 (the snake playing in a spring brook)
void snakePlayingInASpringBrook(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0xb8, 0xe8, 0xff};
        QColor skyBottom{0xf8, 0xfc, 0xff};
        QColor hills{0xb8, 0xe8, 0x8a};
        QColor treeTrunk{0x8a, 0x5a, 0x42};
        QColor treeLeaves{0xff, 0xc0, 0xd8};
        QColor waterTop{0x8a, 0xd8, 0xf8};
        QColor waterBottom{0x4a, 0xa8, 0xe0};
        QColor ripples{255, 255, 255, 180};
        QColor fallingPetals{0xff, 0xb8, 0xd0};
        QColor snakeBody{0xff, 0xa8, 0x4a};
        QColor snakeLight{0xff, 0xf0, 0xc0};
        QColor snakeAccent{0xe0, 0x6a, 0x2a};
        QColor swimRing{0xff, 0x5a, 0x6a};
        QColor butterfly{0xff, 0xf0, 0x6a};
    } palette{};
    Dice dice(30);
    paintSky(p, palette.skyTop, palette.skyBottom, 150);
    paintHills(p, 150, 10, 400, 0.3, palette.hills);
    for (double x : {90.0, 560.0}) {
        paintTree(p, {x, 170}, 170, palette.treeTrunk, palette.treeLeaves);
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
        water.setColorAt(0, palette.waterTop);
        water.setColorAt(1, palette.waterBottom);
        fillInked(p, brook, water, 0);
        p.setPen(roundPen(palette.ripples, 3));
        for (int i = 0; i < 12; ++i) {
            const QPointF at =
                brook.pointAtPercent(0.05 + i * 0.035) + QPointF(0, 30 + (i % 3) * 18);
            p.drawLine(at, at + QPointF(24, -2));
        }
    }
    paintFalling(p, dice, QRectF(0, 0, kWidth, kHeight), 40, palette.fallingPetals, Flake::Petal);
    Look snake = withExpression(snakeLook(), Expression::Laugh);
    snake.body = palette.snakeBody;
    snake.light = palette.snakeLight;
    snake.accent = palette.snakeAccent;
    Figure f = figure({0, 0}, 1.0, snake);
    f.pose.spine = {{130, 290}, {200, 260}, {270, 290}, {340, 262},
                    {400, 280}, {440, 240}, {450, 200}};
    f.behind = [](QPainter& q) {
        // Swim ring around the neck.
        ellipseInked(q, {444, 236}, 44, 16, palette.swimRing);
    };
    drawSnake(p, f);
    {
        SavedState state(p);
        QPainterPath front(QPointF(400, 236));
        front.arcTo(QRectF(400, 220, 88, 32), 180, 180);
        p.setBrush(Qt::NoBrush);
        p.setPen(inkPen(p, 18));
        p.drawPath(front);
        p.setPen(inkPen(p, 12, palette.swimRing));
        p.drawPath(front);
        p.setPen(inkPen(p, 12, Qt::white));
        p.drawArc(QRectF(400, 220, 88, 32), 240 * 16, 30 * 16);
        p.drawArc(QRectF(400, 220, 88, 32), 290 * 16, 25 * 16);
    }
    drawButterfly(p, {560, 90}, 26, palette.butterfly);
    drawSparkle(p, {320, 240}, 8, Qt::white);
}

// Type 31: 飾りのないジャジャ馬 (the unadorned unruly horse)
void unadornedUnrulyHorse(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0xff, 0xc8, 0x8a};
        QColor skyBottom{0xff, 0xf0, 0xd8};
        QColor mountains{0xd8, 0x8a, 0x5a};
        QColor groundTop{0xe8, 0xc0, 0x80};
        QColor groundBottom{0xd0, 0x9a, 0x5a};
        QColor cactus{0x5a, 0xa8, 0x5a};
        QColor horseBody{0xf4, 0xf0, 0xe8};
        QColor horseLight{0xff, 0xe8, 0xe0};
        QColor horseAccent{0xe8, 0x8a, 0x3a};
        QColor dustPuff{0xf4, 0xe0, 0xc0};
        QColor impactMarks{0x8a, 0x5a, 0x3a};
    } palette{};
    Dice dice(31);
    paintSky(p, palette.skyTop, palette.skyBottom, 240);
    paintMountains(p, {{120, 170}, {540, 150}}, 240, palette.mountains);
    paintGround(p, 240, palette.groundTop, palette.groundBottom);
    for (double x : {70.0, 600.0}) {
        // Cactus.
        QPainterPath cactus;
        cactus.addRoundedRect(QRectF(x - 12, 180, 24, 90), 12, 12);
        cactus.addRoundedRect(QRectF(x - 36, 200, 16, 40), 8, 8);
        cactus.addRoundedRect(QRectF(x - 36, 228, 30, 14), 7, 7);
        fillInked(p, cactus.simplified(), palette.cactus);
    }
    Look horse = withExpression(horseLook(), Expression::Laugh);
    horse.body = palette.horseBody;
    horse.light = palette.horseLight;
    horse.accent = palette.horseAccent;
    Figure f = figure({330, 292}, 1.05, horse);
    f.pose.stance = Stance::OnAllFours;
    f.pose.stride = 1; // bucking: nose down, hind legs kicked up and back
    f.place.tilt = 20;
    f.pose.headTilt = -22;
    drawHorse(p, f);
    for (int i = 0; i < 4; ++i) {
        drawDustPuff(p, {190.0 + i * 40, 318.0 - (i % 2) * 8}, 14 + i * 3, palette.dustPuff);
    }
    drawImpactMarks(p, toPicture(f, {-92, -16}), 22, 5, palette.impactMarks, 100, 160);
    sweatDrop(p, toPicture(f, {140, -200}), 8);
}

// Type 32: 花のベールの羊 (the sheep in a veil of flowers)
void sheepInAFlowerVeil(QPainter& p) {
    static const struct Palette {
        QColor skyTop{0xf8, 0xe0, 0xff};
        QColor skyBottom{0xff, 0xf4, 0xf8};
        QColor stems{0x7a, 0xc0, 0x6a};
        QColor groundTop{0xc8, 0xf0, 0xb0};
        QColor groundBottom{0xa8, 0xe0, 0x90};
        QColor fallingPetals{0xff, 0xb0, 0xd0};
        QColor sheepBody{0xff, 0xf4, 0xf8};
        QColor sheepLight{0xff, 0xe0, 0xd8};
        QColor veil{0xff, 0xf8, 0xff};
        QColor veilFlowers{0xff, 0x9a, 0xc0};
        QColor veilFlowers2{0xff, 0xe0, 0x7a};
        QColor flowerPetals{0xff, 0x7a, 0xa8};
        QColor flowerPetals2{0xc8, 0xa8, 0xff};
        QColor archFlowers[4]{QColor(0xff, 0x9a, 0xc0), Qt::white, QColor(0xc8, 0xa8, 0xff),
                              QColor(0xff, 0xd8, 0x7a)};
    } palette{};
    Dice dice(32);
    paintSky(p, palette.skyTop, palette.skyBottom);
    // Flower arch.
    {
        QPainterPath arch(QPointF(150, kHeight));
        arch.cubicTo(QPointF(150, 20), QPointF(510, 20), QPointF(510, kHeight));
        SavedState state(p);
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(palette.stems, 16));
        p.drawPath(arch);
        const auto& colours = palette.archFlowers;
        for (int i = 0; i <= 16; ++i) {
            drawFlower(p, arch.pointAtPercent(i / 16.0), 16, colours[i % 4], 5);
        }
    }
    paintGround(p, 310, palette.groundTop, palette.groundBottom);
    paintFalling(p, dice, QRectF(0, 0, kWidth, kHeight), 30, palette.fallingPetals, Flake::Petal);
    Look sheep = withExpression(sheepLook(), Expression::Dreamy);
    sheep.body = palette.sheepBody;
    sheep.light = palette.sheepLight;
    Figure f = figure({330, 322}, 0.95, sheep);
    f.pose.frontPaw = {20, -84};
    f.pose.backPaw = {-10, -80};
    f.pose.backPawInFront = true;
    f.onHead = [](QPainter& q) {
        drawFlowerVeil(q, palette.veil, {palette.veilFlowers, palette.veilFlowers2, Qt::white});
    };
    f.held = [](QPainter& q) {
        drawFlower(q, {-2, -96}, 15, palette.flowerPetals, 6);
        drawFlower(q, {22, -102}, 12, palette.flowerPetals2, 5);
    };
    shadow(p, {330, 324}, 120);
    drawSheep(p, f);
}

// Type 33: 稲妻にうたれた飛猿 (the flying monkey struck by lightning)
void flyingMonkeyStruckByLightning(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x3a, 0x3a, 0x5a};
        QColor skyBottom{0x8a, 0x7a, 0xa8};
        QColor cloud{0x5a, 0x5a, 0x72};
        QColor rain{0xb0, 0xc8, 0xff, 140};
        QColor mountains{0x4a, 0x4a, 0x6a};
        QColor monkeyBody{0xa8, 0x8a, 0x6a};
        QColor spike{0xa8, 0x8a, 0x6a};
        QColor impactMarks{0xff, 0xf0, 0x5a};
        QColor star{0xff, 0xf0, 0x5a};
        QColor speedLines{255, 255, 255, 200};
    } palette{};
    Dice dice(33);
    paintSky(p, palette.skyTop, palette.skyBottom);
    for (double x : {90.0, 280.0, 480.0, 640.0}) {
        paintCloud(p, {x, 30}, 220, palette.cloud, false);
    }
    rain(p, dice, 60, palette.rain);
    paintMountains(p, {{100, 280}, {560, 270}}, kHeight, palette.mountains);
    drawLightning(p, {300, 20}, {340, 150}, 14);
    Look monkey = withExpression(monkeyLook(), Expression::Dizzy);
    monkey.body = palette.monkeyBody;
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
            tubeInked(q, spike, palette.spike, 8);
        }
    };
    drawMonkey(p, f);
    drawImpactMarks(p, toPicture(f, {0, -150}), 90, 10, palette.impactMarks);
    drawStar(p, toPicture(f, {-80, -230}), 10, palette.star);
    drawStar(p, toPicture(f, {90, -230}), 8, palette.star);
    drawSpeedLines(p, toPicture(f, {-40, 20}), {1, -0.6}, 4, 50, 80, palette.speedLines);
}

// Type 34: ちょうちんを灯した鳩 (the dove with a lit lantern)
void doveWithALitLantern(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x12, 0x1e, 0x4a};
        QColor skyBottom{0x3a, 0x4a, 0x8a};
        QColor stars{0xff, 0xff, 0xe0};
        QColor moon{0xff, 0xf4, 0xc0};
        QColor roofs{0x1a, 0x1a, 0x3a};
        QColor windowLight{0xff, 0xd8, 0x7a, 200};
        QColor doveBody{0xf4, 0xf4, 0xfa};
        QColor doveLight{0xff, 0xff, 0xff};
        QColor doveAccent{0xb0, 0xb8, 0xd0};
        QColor lanternStick{0x8a, 0x5a, 0x32};
        QColor paperLantern{0xe8, 0x3a, 0x2a};
    } palette{};
    Dice dice(34);
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintStars(p, dice, QRectF(0, 0, kWidth, 200), 40, palette.stars);
    paintMoon(p, {90, 70}, 32, palette.moon, true);
    // Rooftops of an old town.
    {
        SavedState state(p);
        p.setPen(Qt::NoPen);
        p.fillRect(QRectF(0, 280, kWidth, kHeight - 280), palette.roofs);
        p.setBrush(palette.roofs);
        for (int i = 0; i < 6; ++i) {
            const double x = i * 120 - 20;
            QPainterPath roof(QPointF(x, 280));
            roof.quadTo(QPointF(x + 50, 262), QPointF(x + 60, 236));
            roof.quadTo(QPointF(x + 70, 262), QPointF(x + 120, 280));
            roof.lineTo(x + 110, kHeight);
            roof.lineTo(x + 10, kHeight);
            p.drawPath(roof);
            p.setBrush(palette.windowLight);
            p.drawRect(QRectF(x + 40, 296, 16, 16));
            p.drawRect(QRectF(x + 64, 296, 16, 16));
            p.setBrush(palette.roofs);
        }
    }
    Look dove = withExpression(birdLook(), Expression::Smile, {0.5, 0.5});
    dove.body = palette.doveBody;
    dove.light = palette.doveLight;
    dove.accent = palette.doveAccent;
    Figure f = figure({280, 280}, 1.0, dove);
    f.pose = spreadWings();
    // The lantern hangs from a stick carried in the beak.
    const QPointF beak = toPicture(f, {36, -100});
    const QPointF stickEnd = beak + QPointF(110, -12);
    lineInked(p, beak, stickEnd, palette.lanternStick, 5, 2);
    {
        SavedState state(p);
        p.setPen(inkPen(p, 2));
        p.drawLine(stickEnd + QPointF(-4, 0), stickEnd + QPointF(-4, 22));
    }
    drawPaperLantern(p, stickEnd + QPointF(-4, 20), 90, palette.paperLantern);
    drawBird(p, f, BirdKind::Dove);
    lineInked(p, beak + QPointF(-14, 2), beak + QPointF(16, -2), palette.lanternStick, 5, 2);
}

// Type 35: 家畜化しない山犬 (the mountain dog never tamed)
void untamedMountainDog(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x5a, 0x7a, 0xb0};
        QColor skyBottom{0xf8, 0xc8, 0x9a};
        QColor moon{0xff, 0xf8, 0xd8};
        QColor mountains{0x5a, 0x6a, 0x8a};
        QColor pineTree{0x2a, 0x5a, 0x4a};
        QColor groundTop{0x6a, 0x8a, 0x5a};
        QColor groundBottom{0x4a, 0x6a, 0x3a};
        QColor rock{0x9a, 0x90, 0x88};
        QColor wolfBody{0x8a, 0x8a, 0x96};
        QColor wolfLight{0xe8, 0xe8, 0xf0};
        QColor wolfAccent{0x6a, 0x6a, 0x76};
        QColor brokenChain{0xb0, 0xb8, 0xc0};
        QColor bowl{0xe8, 0x5a, 0x5a};
        QColor impactMarks{0xff, 0xff, 0xff};
    } palette{};
    Dice dice(35);
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintMoon(p, {110, 80}, 38, palette.moon, false);
    paintMountains(p, {{300, 160}, {520, 140}, {640, 180}}, 290, palette.mountains);
    for (double x : {30.0, 70.0, 610.0, 645.0}) {
        paintPineTree(p, {x, 300}, 150, palette.pineTree);
    }
    paintGround(p, 290, palette.groundTop, palette.groundBottom);
    paintRock(p, {330, 300}, 240, 90, palette.rock);
    Look wolf = withExpression(dogLook(), Expression::Determined, {-0.3, -1});
    wolf.body = palette.wolfBody;
    wolf.light = palette.wolfLight;
    wolf.accent = palette.wolfAccent;
    wolf.pointyEars = true;
    wolf.fangs = true;
    Figure f = figure({320, 240}, 0.85, wolf);
    f.pose.stance = Stance::OnAllFours;
    f.pose.headTilt = -14;
    drawDog(p, f);
    // The collar and bowl it walked away from.
    drawBrokenChain(p, {440, 310}, {560, 318}, palette.brokenChain);
    ellipseInked(p, {580, 318}, 16, 12, Qt::NoBrush);
    {
        QPainterPath bowl(QPointF(470, 320));
        bowl.lineTo(530, 320);
        bowl.lineTo(520, 340);
        bowl.lineTo(480, 340);
        bowl.closeSubpath();
        fillInked(p, bowl, palette.bowl);
    }
    drawImpactMarks(p, toPicture(f, {80, -140}), 80, 4, palette.impactMarks, 250, 60);
}

// Type 36: もつれた紐（ひも）をほどくイノシシ (the boar untangling a tangled cord)
void boarUntanglingACord(QPainter& p) {
    static constexpr struct Palette {
        QColor stripesGround{0xd8, 0xf0, 0xe0};
        QColor stripesStripe{0xc8, 0xe8, 0xd4};
        QColor floor{0xc8, 0xa8, 0x88};
        QColor rug{0xe8, 0x8a, 0x6a};
        QColor boarBody{0xb0, 0x7a, 0x50};
        QColor tangle{0xff, 0x6a, 0x9a};
        QColor yarn{0xff, 0x6a, 0x9a};
        QColor sparkle{0xff, 0xff, 0xff};
    } palette{};
    paintStripes(p, palette.stripesGround, palette.stripesStripe, 26);
    p.fillRect(QRectF(0, 300, kWidth, 54), palette.floor);
    // A rug.
    ellipseInked(p, {330, 320}, 250, 26, palette.rug);
    Look boar = withExpression(boarLook(), Expression::Determined, {0, 1});
    boar.body = palette.boarBody;
    Figure f = figure({330, 318}, 0.95, boar);
    f.pose.frontPaw = {66, -96};
    f.pose.backPaw = {-60, -100};
    f.pose.backPawInFront = true;
    f.held = [](QPainter& q) {
        drawTangle(q, {0, -60}, 56, palette.tangle, {66, -96}, {-60, -100}, 36);
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
        p.setPen(inkPen(p, 3.5, palette.yarn));
        p.drawPath(loose);
    }
    ellipseInked(p, {536, 306}, 20, 20, palette.yarn);
    sweatDrop(p, toPicture(f, {70, -200}), 9);
    sweatDrop(p, toPicture(f, {-74, -190}), 7);
    drawSparkle(p, {120, 100}, 12, palette.sparkle);
    drawSparkle(p, {560, 90}, 9, palette.sparkle);
}

// Type 37: 銀色のねずみ (the silver rat)
void silverRat(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x2a, 0x3a, 0x5a};
        QColor skyBottom{0x6a, 0x7a, 0x9a};
        QColor sparkle{0xe8, 0xf0, 0xff};
        QColor spoonMetal{0xc8, 0xd0, 0xdc};
        QColor ratBody{0xd0, 0xd8, 0xe4};
        QColor ratLight{0xf8, 0xfa, 0xff};
        QColor ratAccent{0xb0, 0xc0, 0xd8};
        QColor bell{0xe0, 0xe6, 0xf0};
        QColor bellClapper{0x8a, 0x96, 0xaa};
        QColor moon{0xe8, 0xee, 0xf8};
        QColor coin{0xc8, 0xd0, 0xdc};
    } palette{};
    Dice dice(37);
    paintSky(p, palette.skyTop, palette.skyBottom);
    for (int i = 0; i < 30; ++i) {
        drawSparkle(p, {dice.between(0, kWidth), dice.between(0, kHeight)}, dice.between(4, 12),
                    palette.sparkle);
    }
    // A big silver spoon, the rat sitting in its bowl.
    drawSpoon(p, {260, 300}, 200, -12, palette.spoonMetal);
    Look rat = withExpression(ratLook(), Expression::Wink);
    rat.body = palette.ratBody;
    rat.light = palette.ratLight;
    rat.accent = palette.ratAccent;
    Figure f = figure({260, 300}, 0.95, rat);
    f.pose.frontPaw = {64, -104};
    f.pose.backPaw = {-50, -70};
    f.held = [](QPainter& q) {
        // Silver bell.
        ellipseInked(q, {72, -124}, 20, 22, palette.bell);
        ellipseInked(q, {72, -108}, 6, 6, palette.bellClapper, 2);
        drawSparkle(q, {64, -132}, 8, Qt::white);
    };
    drawRat(p, f);
    paintMoon(p, {540, 100}, 44, palette.moon, false);
    drawCoin(p, {500, 300}, 22, palette.coin);
    drawCoin(p, {560, 318}, 18, palette.coin);
}

// Type 38: 辛抱する牛 (the patient ox)
void patientOx(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x8a, 0x9a, 0xb8};
        QColor skyBottom{0xc8, 0xd4, 0xe4};
        QColor cloud{0x9a, 0xa8, 0xc0};
        QColor groundTop{0x7a, 0xa0, 0x6a};
        QColor groundBottom{0x5a, 0x80, 0x4a};
        QColor rain{0xe0, 0xf0, 0xff, 180};
        QColor puddles{0xa8, 0xc8, 0xe8};
        QColor signPole{0xb0, 0xb8, 0xc0};
        QColor sign{0xff, 0xd0, 0x4a};
        QColor clockRim{0xff, 0xd0, 0x4a};
        QColor oxBody{0x6a, 0x4a, 0x3a};
        QColor oxLight{0xf0, 0xd8, 0xc0};
        QColor umbrellaCanopy{0x4a, 0x9a, 0xe8};
        QColor umbrellaTrim{0xff, 0xff, 0xff};
        QColor snailShell{0xe8, 0x9a, 0x5a};
        QColor frog{0x6a, 0xc8, 0x5a};
    } palette{};
    Dice dice(38);
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintCloud(p, {120, 40}, 240, palette.cloud);
    paintCloud(p, {480, 30}, 280, palette.cloud);
    paintGround(p, 280, palette.groundTop, palette.groundBottom);
    rain(p, dice, 90, palette.rain);
    // Puddles.
    for (double x : {140.0, 520.0}) {
        ellipseInked(p, {x, 318}, 60, 10, palette.puddles, 0);
    }
    // Bus-stop style sign pole: waiting, patiently.
    lineInked(p, {120, 320}, {120, 170}, palette.signPole, 8);
    ellipseInked(p, {120, 170}, 24, 24, palette.sign);
    drawClock(p, {120, 170}, 16, palette.clockRim, 100, 220, false);
    Look ox = withExpression(oxLook(), Expression::Proud);
    ox.body = palette.oxBody;
    ox.light = palette.oxLight;
    Figure f = figure({330, 324}, 1.0, ox);
    f.pose.frontPaw = {40, -96};
    f.pose.backPaw = {-50, -70};
    f.held = [](QPainter& q) {
        drawUmbrella(q, {40, -96}, 190, -6, palette.umbrellaCanopy, palette.umbrellaTrim);
    };
    drawOx(p, f);
    drawSnail(p, {500, 320}, 60, palette.snailShell);
    // A frog friend enjoys the rain too.
    ellipseInked(p, {590, 318}, 22, 16, palette.frog);
    for (double x : {580.0, 600.0}) {
        ellipseInked(p, {x, 302}, 7, 7, palette.frog, 2);
        ellipseInked(p, {x, 302}, 3, 3, kEyeDark, 0);
    }
}

// Type 39: キバのない虎 (the tiger without fangs)
void tigerWithoutFangs(QPainter& p) {
    static constexpr struct Palette {
        QColor stripesGround{0xc8, 0xf4, 0xe8};
        QColor stripesStripe{0xb0, 0xea, 0xd8};
        QColor groundTop{0xff, 0xe8, 0xc8};
        QColor groundBottom{0xff, 0xd8, 0xb0};
        QColor pudding{0xff, 0xe0, 0x8a};
        QColor caramel{0x9a, 0x5a, 0x2a};
        QColor cherry{0xe8, 0x2a, 0x3a};
        QColor heart{0xff, 0x8a, 0xa8};
    } palette{};
    paintStripes(p, palette.stripesGround, palette.stripesStripe, 30);
    paintGround(p, 310, palette.groundTop, palette.groundBottom);
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
    fillInked(p, pudding, palette.pudding);
    ellipseInked(p, {500, 276}, 18, 6, palette.caramel, 2);
    ellipseInked(p, {500, 322}, 44, 8, Qt::white);
    ellipseInked(p, {500, 262}, 7, 7, palette.cherry, 2);
    drawHeart(p, {180, 120}, 14, palette.heart);
    drawSparkle(p, {150, 80}, 10, Qt::white);
}

// Type 40: 湖畔のうさぎ (the rabbit by the lake)
void rabbitByTheLake(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0xa0, 0xd8, 0xf8};
        QColor skyBottom{0xf0, 0xf8, 0xff};
        QColor mountains{0x8a, 0xa8, 0xd0};
        QColor mountainsSnow{0xff, 0xff, 0xff};
        QColor waterTop{0x7a, 0xc0, 0xe8};
        QColor waterBottom{0x4a, 0x9a, 0xd0};
        QColor mountains2{0xe0, 0xf0, 0xff};
        QColor shore{0x8a, 0xd0, 0x6a};
        QColor reeds{0x4a, 0x8a, 0x3a};
        QColor rabbitBody{0xe8, 0xc8, 0xa8};
        QColor rabbitLight{0xff, 0xf4, 0xe8};
        QColor fish{0xff, 0xa0, 0x4a};
        QColor butterfly{0xff, 0xf0, 0x6a};
    } palette{};
    Dice dice(40);
    paintSky(p, palette.skyTop, palette.skyBottom, 180);
    paintMountains(p, {{200, 90}, {420, 110}}, 180, palette.mountains, palette.mountainsSnow);
    paintWater(p, 180, palette.waterTop, palette.waterBottom, dice, 20);
    // Mirror image of the mountains in the lake.
    {
        SavedState state(p);
        p.setOpacity(0.25);
        p.translate(0, 360);
        p.scale(1, -1);
        paintMountains(p, {{200, 90}, {420, 110}}, 180, palette.mountains2);
    }
    // Grassy shore in the front.
    QPainterPath shore(QPointF(-10, kHeight + 5));
    shore.lineTo(-10, 260);
    shore.quadTo(QPointF(200, 250), QPointF(330, 280));
    shore.quadTo(QPointF(380, 300), QPointF(380, kHeight + 5));
    shore.closeSubpath();
    fillInked(p, shore, palette.shore, 0);
    paintReeds(p, {40, 270}, 80, palette.reeds);
    paintReeds(p, {560, 300}, 70, palette.reeds);
    Look rabbit = withExpression(rabbitLook(), Expression::Smile, {1, 0.5});
    rabbit.body = palette.rabbitBody;
    rabbit.light = palette.rabbitLight;
    Figure f = figure({210, 318}, 0.9, rabbit);
    f.pose.frontPaw = {50, -92};
    f.pose.backPaw = {30, -84};
    f.pose.backPawInFront = true;
    f.held = [](QPainter& q) {
        drawFishingRod(q, {40, -88}, {220, -250}, {330, -40});
    };
    drawRabbit(p, f);
    paintBubbles(p, dice, QRectF(480, 250, 60, 40), 3, Qt::white);
    fish(p, {500, 300}, 34, palette.fish, true);
    drawButterfly(p, {110, 130}, 24, palette.butterfly);
}

// Type 41: キバのない竜 (the dragon without fangs)
void dragonWithoutFangs(QPainter& p) {
    static constexpr struct Palette {
        QColor polkaDotsGround{0xe0, 0xf4, 0xff};
        QColor polkaDotsDots{0xc8, 0xe8, 0xff};
        QColor ground{0xb8, 0xdc, 0xf0};
        QColor bubbles{0x9a, 0xd0, 0xf0};
        QColor dragonBody{0xf0, 0x8a, 0x5a};
        QColor dragonLight{0xff, 0xe8, 0xc0};
        QColor dragonAccent{0x6a, 0x8a, 0xe0};
        QColor cup{0xd8, 0xf4, 0xff, 200};
    } palette{};
    Dice dice(41);
    paintPolkaDots(p, palette.polkaDotsGround, palette.polkaDotsDots, 44, 14);
    p.fillRect(QRectF(0, 300, kWidth, 54), palette.ground);
    paintBubbles(p, dice, QRectF(0, 20, kWidth, 260), 26, palette.bubbles);
    Look dragon = withExpression(dragonLook(), Expression::Gummy);
    dragon.fangs = false;
    dragon.body = palette.dragonBody;
    dragon.light = palette.dragonLight;
    dragon.accent = palette.dragonAccent;
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
    fillInked(p, cup, palette.cup);
    drawSparkle(p, {450, 140}, 14, Qt::white);
    drawSparkle(p, {250, 120}, 10, Qt::white);
}

// Type 42: 花影にひそむ蛇 (the snake hiding in the shade of flowers)
void snakeHidingUnderFlowers(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x9a, 0xd8, 0x8a};
        QColor skyBottom{0xd8, 0xf0, 0xb0};
        QColor flowers{0xb8, 0xe8, 0x9a};
        QColor snakeBody{0x4a, 0xa8, 0x8a};
        QColor snakeLight{0xe0, 0xf4, 0xc8};
        QColor snakeAccent{0x2a, 0x6a, 0x5a};
        QColor stalk{0x4a, 0x9a, 0x3a};
        QColor leaves{0x5a, 0xb0, 0x4a};
        QColor butterfly{0xff, 0xa8, 0x3a};
        QColor petals[5]{QColor(0xff, 0x8a, 0xb0), QColor(0xff, 0xd0, 0x4a),
                         QColor(0xb0, 0x8a, 0xf0), QColor(0xff, 0x6a, 0x6a),
                         QColor(0xff, 0xff, 0xff)};
    } palette{};
    Dice dice(42);
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintFlowers(p, dice, QRectF(0, 0, kWidth, kHeight), 40, {palette.flowers}, 12);
    Look snake = withExpression(snakeLook(), Expression::Wink, {-1, 0});
    snake.body = palette.snakeBody;
    snake.light = palette.snakeLight;
    snake.accent = palette.snakeAccent;
    Figure f = figure({0, 0}, 1.0, snake);
    f.pose.spine = {{620, 360}, {560, 320}, {460, 330}, {380, 290}, {330, 250}, {300, 200}};
    f.pose.headTilt = 10;
    drawSnake(p, f);
    // Big flowers in front: the snake peeks out between them.
    const auto& petals = palette.petals;
    const QPointF spots[] = {{120, 230}, {220, 300}, {410, 330}, {520, 240},
                             {600, 310}, {60, 330},  {330, 340}};
    for (int i = 0; i < 7; ++i) {
        const QPointF c = spots[i];
        lineInked(p, c, c + QPointF(0, 100), palette.stalk, 8);
        fillInked(p, smoothClosed({c + QPointF(4, 40), c + QPointF(40, 20), c + QPointF(30, 50)}),
                  palette.leaves, 2.5);
        drawFlower(p, c, 44 - (i % 3) * 6, petals[i % 5], 6 + i % 2);
    }
    drawButterfly(p, {420, 100}, 30, palette.butterfly);
}

// Type 43: 気ままに燃える太陽の馬 (the horse of the freely blazing sun)
void horseOfTheFreelyBlazingSun(QPainter& p) {
    static constexpr struct Palette {
        QColor sunburst{0xff, 0x8a, 0x3a};
        QColor sunburst2{0xff, 0xa8, 0x4a};
        QColor sun{0xff, 0xd8, 0x3a};
        QColor hills{0xe0, 0x5a, 0x2a};
        QColor horseBody{0xff, 0xe8, 0xa0};
        QColor horseLight{0xff, 0xf8, 0xe0};
        QColor horseAccent{0xff, 0x5a, 0x2a};
        QColor speedLines{0xff, 0xf0, 0xa0};
    } palette{};
    paintSunburst(p, {440, 170}, 30, palette.sunburst, palette.sunburst2);
    paintSun(p, {440, 170}, 110, palette.sun, 0);
    paintHills(p, 300, 14, 400, 0.6, palette.hills);
    Look horse = withExpression(horseLook(), Expression::Laugh);
    horse.body = palette.horseBody;
    horse.light = palette.horseLight;
    horse.accent = palette.horseAccent;
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
    drawSpeedLines(p, {130, 180}, {1, 0}, 5, 70, 120, palette.speedLines);
}

// Type 44: ボス羊 (the boss sheep)
void bossSheep(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x9a, 0xd0, 0xf0};
        QColor skyBottom{0xe8, 0xf6, 0xff};
        QColor hills{0x9a, 0xd8, 0x6a};
        QColor grassTufts{0x5a, 0xa8, 0x3a};
        QColor followerLightDark{0x4a, 0x3a, 0x3a};
        QColor followerLightPale{0xf7, 0xd9, 0xc4};
        QColor bossBody{0xf4, 0xf0, 0xe4};
        QColor bossLight{0xf2, 0xd0, 0xb8};
        QColor bossAccent{0xb0, 0x8a, 0x5a};
        QColor sunglassesFrame{0x3a, 0x3a, 0x3a};
        QColor bossHat{0x3a, 0x3a, 0x4a};
        QColor bossHatBand{0xe8, 0x3a, 0x3a};
        QColor flag{0xff, 0xd0, 0x3a};
    } palette{};
    Dice dice(44);
    paintSky(p, palette.skyTop, palette.skyBottom, 200);
    paintHills(p, 220, 16, 600, 0.4, palette.hills);
    paintGrassTufts(p, dice, QRectF(0, 240, kWidth, 110), 30, palette.grassTufts);
    // Followers in a row behind the boss.
    for (int i = 0; i < 4; ++i) {
        Look follower = withExpression(sheepLook(), i % 2 ? Expression::Laugh : Expression::Smile);
        follower.light = i % 2 ? palette.followerLightDark : palette.followerLightPale;
        Figure small = figure({60 + i * 70.0, 300 - (i % 2) * 8.0}, 0.42, follower);
        small.pose.stance = Stance::OnAllFours;
        drawSheep(p, small);
    }
    Look boss = withExpression(sheepLook(), Expression::Proud);
    boss.body = palette.bossBody;
    boss.light = palette.bossLight;
    boss.horns = true;
    boss.accent = palette.bossAccent;
    Figure f = figure({470, 330}, 1.1, boss);
    f.pose.frontPaw = {60, -150};
    f.pose.backPaw = {-50, -70};
    f.onHead = [](QPainter& q) {
        drawSunglasses(q, 2, palette.sunglassesFrame);
        drawBossHat(q, palette.bossHat, palette.bossHatBand);
    };
    f.held = [](QPainter& q) {
        drawFlag(q, {60, -110}, 130, palette.flag);
    };
    shadow(p, {470, 332}, 150);
    drawSheep(p, f);
}

// Type 45: 哀愁のベールを着た風流猿 (the elegant monkey in a wistful veil)
void elegantMonkeyInAWistfulVeil(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x4a, 0x3a, 0x6a};
        QColor skyBottom{0xe8, 0x9a, 0x7a};
        QColor moon{0xff, 0xf0, 0xd0};
        QColor mountains{0x6a, 0x4a, 0x6a};
        QColor groundTop{0x8a, 0x5a, 0x4a};
        QColor groundBottom{0x6a, 0x3a, 0x3a};
        QColor treeTrunk{0x5a, 0x3a, 0x2a};
        QColor treeLeaves{0xe8, 0x5a, 0x3a};
        QColor fallingLeaves{0xf8, 0x7a, 0x3a};
        QColor monkeyBody{0x8a, 0x6a, 0x5a};
        QColor gauzeVeil{0xc8, 0xd8, 0xff};
        QColor foldingFanPaper{0xff, 0xf4, 0xe0};
        QColor note{0xff, 0xe8, 0xd0};
    } palette{};
    Dice dice(45);
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintMoon(p, {540, 80}, 44, palette.moon, false);
    paintMountains(p, {{120, 220}, {420, 240}}, 290, palette.mountains);
    paintGround(p, 290, palette.groundTop, palette.groundBottom);
    paintTree(p, {90, 300}, 250, palette.treeTrunk, palette.treeLeaves);
    paintFalling(p, dice, QRectF(0, 0, kWidth, kHeight), 22, palette.fallingLeaves, Flake::Leaf);
    Look monkey = withExpression(monkeyLook(), Expression::Wistful, {1, -0.6});
    monkey.body = palette.monkeyBody;
    Figure f = figure({340, 318}, 1.0, monkey);
    f.pose.frontPaw = {56, -120};
    f.pose.backPaw = {-48, -80};
    f.onHead = [](QPainter& q) {
        drawGauzeVeil(q, palette.gauzeVeil);
    };
    f.held = [](QPainter& q) {
        drawFoldingFan(q, {56, -122}, 70, 20, palette.foldingFanPaper);
    };
    drawMonkey(p, f);
    drawNote(p, {470, 190}, 14, palette.note);
}

// Type 46: まっすぐに飛ぶ鳥 (the bird that flies straight)
void birdFlyingStraight(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x3a, 0xa0, 0xf0};
        QColor skyBottom{0xc8, 0xf0, 0xff};
        QColor cloud{255, 255, 255, 200};
        QColor flightPath{255, 255, 255, 230};
        QColor birdBody{0xff, 0xd0, 0x3a};
        QColor birdLight{0xff, 0xf6, 0xd8};
        QColor birdAccent{0xf0, 0x8a, 0x2a};
        QColor gogglesStrap{0x8a, 0x5a, 0x32};
        QColor speedLines{255, 255, 255, 240};
        QColor star{0xff, 0xe0, 0x4a};
    } palette{};
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintCloud(p, {110, 80}, 120, Qt::white);
    paintCloud(p, {560, 280}, 140, Qt::white);
    paintCloud(p, {470, 60}, 80, palette.cloud);
    // The straight line of its flight.
    {
        SavedState state(p);
        p.setPen(QPen(palette.flightPath, 5, Qt::DashLine, Qt::RoundCap));
        p.drawLine(QPointF(0, 190), QPointF(kWidth, 190));
    }
    Look bird = withExpression(birdLook(), Expression::Determined, {1, 0});
    bird.body = palette.birdBody;
    bird.light = palette.birdLight;
    bird.accent = palette.birdAccent;
    Figure f = figure({360, 276}, 0.9, bird);
    f.place.tilt = 8;
    f.pose = spreadWings();
    f.pose.frontPaw = {-20, -190};
    f.pose.backPaw = {-80, -170};
    f.onHead = [](QPainter& q) {
        drawGoggles(q, palette.gogglesStrap);
    };
    drawSpeedLines(p, {230, 190}, {1, 0}, 6, 120, 90, palette.speedLines);
    drawBird(p, f, BirdKind::Songbird);
    drawStar(p, {600, 190}, 16, palette.star);
}

// Type 47: 国境を守る猛犬 (the fierce dog guarding the border)
void fierceDogGuardingTheBorder(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x8a, 0xc8, 0xf0};
        QColor skyBottom{0xe0, 0xf4, 0xff};
        QColor ownLand{0xa8, 0xd8, 0x6a};
        QColor otherLand{0xe8, 0xd0, 0x7a};
        QColor border{0xe8, 0x3a, 0x3a};
        QColor flag{0x3a, 0x8a, 0xe8};
        QColor flag2{0xe8, 0x8a, 0x2a};
        QColor dogBody{0xa8, 0x6a, 0x3a};
        QColor dogLight{0xf4, 0xe0, 0xc8};
        QColor dogAccent{0x3a, 0x2a, 0x22};
        QColor guardHelmet{0x4a, 0x7a, 0x4a};
        QColor staff{0xd8, 0xb0, 0x70};
    } palette{};
    paintSky(p, palette.skyTop, palette.skyBottom, 220);
    // Two countries side by side, the border line between them.
    p.fillRect(QRectF(0, 220, 330, kHeight - 220), palette.ownLand);
    p.fillRect(QRectF(330, 220, 330, kHeight - 220), palette.otherLand);
    {
        SavedState state(p);
        p.setPen(QPen(palette.border, 5, Qt::DashLine, Qt::FlatCap));
        p.drawLine(QPointF(330, 220), QPointF(330, kHeight));
    }
    drawFlag(p, {60, 250}, 110, palette.flag);
    drawFlag(p, {600, 250}, 110, palette.flag2);
    drawBorderGate(p, {260, 320}, 300, 120);
    Look dog = withExpression(dogLook(), Expression::Determined);
    dog.body = palette.dogBody;
    dog.light = palette.dogLight;
    dog.accent = palette.dogAccent;
    dog.pointyEars = true;
    Figure f = figure({200, 330}, 1.05, dog);
    f.pose.frontPaw = {70, -110};
    f.pose.backPaw = {-50, -70};
    f.onHead = [](QPainter& q) {
        drawGuardHelmet(q, palette.guardHelmet);
    };
    f.held = [](QPainter& q) {
        drawStaff(q, {72, 0}, {72, -236}, palette.staff, true, 8);
    };
    shadow(p, {200, 332}, 140);
    drawDog(p, f);
}

// Type 48: 磁気を帯びたイノシシ (the magnetic boar)
void magneticBoar(QPainter& p) {
    static constexpr struct Palette {
        QColor polkaDotsGround{0xf0, 0xe8, 0xff};
        QColor polkaDotsDots{0xe0, 0xd4, 0xfa};
        QColor ground{0xc8, 0xb8, 0xe0};
        QColor fieldLines{0x8a, 0x6a, 0xd0, 150};
        QColor boarBody{0x8a, 0x6a, 0x5a};
        QColor paperclip{0x4a, 0x9a, 0xe8};
        QColor paperclip2{0xe8, 0x4a, 0x6a};
        QColor paperclip3{0xff, 0xc0, 0x3a};
        QColor spoonMetal{0xc8, 0xd0, 0xdc};
        QColor speedLines{0x8a, 0x6a, 0xd0};
    } palette{};
    paintPolkaDots(p, palette.polkaDotsGround, palette.polkaDotsDots, 40, 8);
    p.fillRect(QRectF(0, 304, kWidth, 50), palette.ground);
    {
        // Magnetic field lines.
        SavedState state(p);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(palette.fieldLines, 3, Qt::DashLine, Qt::RoundCap));
        for (int i = 1; i <= 4; ++i) {
            p.drawEllipse(QPointF(440, 220), 40.0 + i * 34, 24.0 + i * 20);
        }
    }
    Look boar = withExpression(boarLook(), Expression::Surprised);
    boar.body = palette.boarBody;
    Figure f = figure({300, 318}, 1.0, boar);
    f.pose.frontPaw = {86, -92};
    f.pose.backPaw = {-50, -70};
    f.held = [](QPainter& q) {
        drawHorseshoeMagnet(q, {104, -96}, 54, 90);
    };
    f.onHead = [](QPainter& q) {
        // Things stuck to the bristles.
        drawPaperclip(q, {-30, -70}, 30, -20, palette.paperclip);
        drawPaperclip(q, {10, -76}, 28, 10, palette.paperclip2);
        drawNail(q, {34, -56}, 30, 30);
    };
    drawBoar(p, f);
    // Flying towards the magnet.
    const QPointF pull = toPicture(f, {150, -96});
    drawPaperclip(p, pull + QPointF(40, -30), 30, 60, palette.paperclip3);
    drawNail(p, pull + QPointF(70, 20), 36, -70);
    drawSpoon(p, pull + QPointF(120, -10), 24, 180, palette.spoonMetal);
    drawSpeedLines(p, pull + QPointF(150, -30), {-1, 0}, 3, 40, 60, palette.speedLines);
    drawLightning(p, toPicture(f, {-70, -230}), toPicture(f, {-50, -190}), 5);
}

// Type 49: ねずみ算をする大ねずみ (the big rat multiplying like rats)
void bigRatMultiplyingLikeRats(QPainter& p) {
    static constexpr struct Palette {
        QColor roomWall{0xf4, 0xe8, 0xd0};
        QColor roomFloor{0xc8, 0x9a, 0x6a};
        QColor board{0x2a, 0x5a, 0x4a};
        QColor counters{0xf8, 0xf8, 0xf0};
        QColor groupMarks{0xff, 0xd0, 0x6a};
        QColor bigBody{0x9a, 0x8a, 0xa8};
        QColor abacusFrame{0x8a, 0x5a, 0x32};
        QColor coats[4]{QColor(0xb8, 0xb0, 0xc8), QColor(0xd0, 0xb8, 0xa0),
                        QColor(0xa8, 0xa8, 0xa8), QColor(0xe8, 0xd8, 0xd0)};
    } palette{};
    paintRoom(p, palette.roomWall, palette.roomFloor, 270);
    // Blackboard with doubling dot groups: 1, 2, 4, 8.
    QPainterPath board;
    board.addRoundedRect(QRectF(40, 26, 300, 140), 8, 8);
    fillInked(p, board, palette.board);
    {
        SavedState state(p);
        p.setPen(Qt::NoPen);
        p.setBrush(palette.counters);
        int group = 1;
        for (int g = 0; g < 4; ++g) {
            const double x0 = 60 + g * 70;
            for (int i = 0; i < group; ++i) {
                p.drawEllipse(QPointF(x0 + (i % 2) * 16, 50 + (i / 2) * 16), 5, 5);
            }
            if (g < 3) {
                p.setPen(roundPen(palette.counters, 3));
                p.drawLine(QPointF(x0 + 34, 80), QPointF(x0 + 54, 80));
                p.drawLine(QPointF(x0 + 54, 80), QPointF(x0 + 48, 75));
                p.drawLine(QPointF(x0 + 54, 80), QPointF(x0 + 48, 85));
                p.setPen(Qt::NoPen);
            }
            group *= 2;
        }
        p.setPen(roundPen(palette.groupMarks, 3));
        p.drawLine(QPointF(60, 140), QPointF(310, 140));
    }
    // Big teacher rat with an abacus.
    Look big = withExpression(ratLook(), Expression::Laugh);
    big.body = palette.bigBody;
    Figure teacher = figure({470, 300}, 1.05, big);
    teacher.pose.frontPaw = {46, -64};
    teacher.pose.backPaw = {-46, -64};
    teacher.pose.backPawInFront = true;
    teacher.held = [](QPainter& q) {
        drawAbacus(q, QRectF(-66, -98, 132, 62), palette.abacusFrame);
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
    const auto& coats = palette.coats;
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
    static constexpr struct Palette {
        QColor skyTop{0x7a, 0xd0, 0xff};
        QColor skyBottom{0xf0, 0xfa, 0xff};
        QColor sun{0xff, 0xe0, 0x4a};
        QColor hills{0x8a, 0xd8, 0x5a};
        QColor flowers{0xff, 0xf0, 0x5a};
        QColor flowers2{0xff, 0x9a, 0xc0};
        QColor fence{0xc8, 0x90, 0x5a};
        QColor fenceGateWood{0xd8, 0xa0, 0x6a};
        QColor oxBody{0xfc, 0xfa, 0xf4};
        QColor oxLight{0xff, 0xd8, 0xd0};
        QColor oxAccent{0x3a, 0x30, 0x2a};
        QColor ropeLight{0xe8, 0xd0, 0x9a};
        QColor butterfly{0xff, 0xd0, 0x3a};
        QColor butterfly2{0xff, 0x9a, 0xc0};
        QColor note{0x3a, 0x7a, 0x3a};
    } palette{};
    Dice dice(50);
    paintSky(p, palette.skyTop, palette.skyBottom, 190);
    paintSun(p, {590, 60}, 30, palette.sun, 12);
    paintHills(p, 200, 18, 500, 0.25, palette.hills);
    paintFlowers(p, dice, QRectF(0, 220, kWidth, 130), 36,
                 {palette.flowers, Qt::white, palette.flowers2});
    // Fence with the gate swung open.
    for (double x = 0; x < 150; x += 40) {
        lineInked(p, {x, 290}, {x, 200}, palette.fence, 10);
    }
    lineInked(p, {0, 220}, {150, 220}, palette.fence, 9);
    lineInked(p, {0, 260}, {150, 260}, palette.fence, 9);
    drawFenceGate(p, {160, 296}, 120, 100, 0.8, palette.fenceGateWood);
    Look ox = withExpression(oxLook(), Expression::Laugh);
    ox.body = palette.oxBody;
    ox.light = palette.oxLight;
    ox.accent = palette.oxAccent;
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
        p.setPen(inkPen(p, 4, palette.ropeLight));
        p.drawPath(rope);
    }
    drawButterfly(p, {560, 140}, 26, palette.butterfly);
    drawButterfly(p, {610, 180}, 20, palette.butterfly2);
    drawNote(p, toPicture(f, {150, -220}), 18, palette.note);
}

// Type 51: 理論のヨロイを着た猛虎 (the fierce tiger in armour of theory)
void fierceTigerInArmourOfTheory(QPainter& p) {
    static constexpr struct Palette {
        QColor paper{0xf4, 0xfa, 0xff};
        QColor paperLines{0xc0, 0xd8, 0xf0};
        QColor diagram{0x6a, 0x9a, 0xd8};
        QColor tigerBody{0xf0, 0x8a, 0x2a};
        QColor logicArmourPlate{0xb0, 0xc0, 0xd8};
        QColor logicArmourTrim{0x4a, 0x6a, 0xa8};
        QColor bookCover{0x3a, 0x5a, 0xa8};
        QColor staff{0xc8, 0xd0, 0xdc};
    } palette{};
    // Graph paper with geometry figures: the world of theory.
    p.fillRect(QRectF(0, 0, kWidth, kHeight), palette.paper);
    {
        SavedState state(p);
        p.setPen(QPen(palette.paperLines, 1.5));
        for (double x = 0; x < kWidth; x += 22) {
            p.drawLine(QPointF(x, 0), QPointF(x, kHeight));
        }
        for (double y = 0; y < kHeight; y += 22) {
            p.drawLine(QPointF(0, y), QPointF(kWidth, y));
        }
        p.setPen(roundPen(palette.diagram, 3));
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
    tiger.body = palette.tigerBody;
    Figure f = figure({320, 330}, 1.08, tiger);
    f.pose.frontPaw = {54, -110};
    f.pose.backPaw = {-56, -150};
    f.held = [](QPainter& q) {
        drawLogicArmour(q, palette.logicArmourPlate, palette.logicArmourTrim);
        drawBook(q, {62, -118}, 60, palette.bookCover, false);
        drawStaff(q, {-56, -40}, {-56, -250}, palette.staff, true, 7);
    };
    shadow(p, {320, 332}, 130);
    drawTiger(p, f);
    drawSparkle(p, toPicture(f, {0, -60}), 12, Qt::white);
}

// Type 52: 山を登るうさぎ (the rabbit climbing a mountain)
void rabbitClimbingAMountain(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x6a, 0xb8, 0xf0};
        QColor skyBottom{0xd8, 0xf0, 0xff};
        QColor mountains{0xa8, 0xb8, 0xd8};
        QColor mountainsSnow{0xff, 0xff, 0xff};
        QColor slope{0x8a, 0xb8, 0x6a};
        QColor flag{0xff, 0x5a, 0x5a};
        QColor rock{0xa8, 0xa0, 0x98};
        QColor rabbitBody{0xc8, 0xb0, 0xa0};
        QColor rabbitLight{0xf8, 0xf0, 0xe8};
        QColor backpack{0xe8, 0x6a, 0x3a};
        QColor footprints{0x4a, 0x7a, 0x3a, 170};
    } palette{};
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintCloud(p, {120, 60}, 110, Qt::white);
    paintMountains(p, {{180, 180}}, kHeight, palette.mountains, palette.mountainsSnow);
    // The steep slope it climbs, going up to the right.
    QPainterPath slope(QPointF(-10, kHeight + 5));
    slope.lineTo(-10, 330);
    slope.cubicTo(QPointF(250, 300), QPointF(450, 150), QPointF(600, 60));
    slope.lineTo(kWidth + 10, 50);
    slope.lineTo(kWidth + 10, kHeight + 5);
    slope.closeSubpath();
    fillInked(p, slope, palette.slope);
    drawFlag(p, {600, 64}, 70, palette.flag);
    paintRock(p, {160, 322}, 50, 26, palette.rock);
    Look rabbit = withExpression(rabbitLook(), Expression::Determined, {1, -1});
    rabbit.body = palette.rabbitBody;
    rabbit.light = palette.rabbitLight;
    Figure f = figure({360, 228}, 0.8, rabbit);
    f.place.tilt = 20;
    f.pose.stride = 0.8;
    f.pose.frontPaw = {70, -110};
    f.pose.backPaw = {-30, -80};
    f.behind = [](QPainter& q) {
        drawBackpack(q, {-40, -80}, 70, palette.backpack);
    };
    f.held = [](QPainter& q) {
        drawWalkingStick(q, {70, -110}, {110, 10});
    };
    drawRabbit(p, f);
    sweatDrop(p, toPicture(f, {-60, -180}), 9);
    drawFootprints(p, {40, 318}, {300, 254}, 7, palette.footprints);
}

// Type 53: 気まぐれ龍神 (the fickle dragon god)
void fickleDragonGod(QPainter& p) {
    static constexpr struct Palette {
        QColor sunnySide{0xff, 0xe8, 0x9a};
        QColor rainySide{0x8a, 0x9a, 0xc0};
        QColor sun{0xff, 0xc8, 0x3a};
        QColor cloud{0x6a, 0x7a, 0x9a};
        QColor rain{0xe0, 0xf0, 0xff, 200};
        QColor dragonBody{0xe8, 0x4a, 0x4a};
        QColor dragonLight{0xff, 0xe8, 0xb0};
        QColor dragonAccent{0xff, 0xc8, 0x3a};
        QColor pearl{0xa8, 0xe8, 0xff};
        QColor impactMarks{0xff, 0xff, 0xff};
        QColor note{0x8a, 0x4a, 0x2a};
    } palette{};
    Dice dice(53);
    // Fickle weather: sunny on one side, rainy on the other.
    p.fillRect(QRectF(0, 0, 330, kHeight), palette.sunnySide);
    p.fillRect(QRectF(330, 0, 330, kHeight), palette.rainySide);
    paintSun(p, {90, 80}, 40, palette.sun, 12);
    paintCloud(p, {520, 60}, 200, palette.cloud);
    {
        SavedState state(p);
        p.setClipRect(QRectF(330, 0, 330, kHeight));
        rain(p, dice, 50, palette.rain);
    }
    paintRainbow(p, {330, 380}, 230, 12, 150);
    Look dragon = withExpression(dragonLook(), Expression::Wink);
    dragon.body = palette.dragonBody;
    dragon.light = palette.dragonLight;
    dragon.accent = palette.dragonAccent;
    Figure f = figure({0, 0}, 1.0, dragon);
    f.pose.spine = {{560, 300}, {480, 330}, {400, 270}, {460, 210},
                    {380, 170}, {300, 200}, {270, 150}};
    f.pose.headTilt = -10;
    drawDragon(p, f);
    drawPearl(p, {180, 190}, 24, palette.pearl);
    drawImpactMarks(p, {180, 190}, 34, 8, palette.impactMarks);
    drawNote(p, {220, 80}, 16, palette.note);
}

// Type 54: 大夢をむさぼる大蛇 (the great snake feasting on big dreams)
void greatSnakeFeastingOnBigDreams(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x2a, 0x1e, 0x5a};
        QColor skyBottom{0x8a, 0x5a, 0xa8};
        QColor stars{0xff, 0xf0, 0xe0};
        QColor ground{0x4a, 0x3a, 0x6a};
        QColor snakeBody{0x5a, 0xa8, 0xe8};
        QColor snakeLight{0xe8, 0xf4, 0xff};
        QColor snakeAccent{0x3a, 0x6a, 0xb8};
        QColor cap{0xff, 0x8a, 0xa8};
        QColor zs{0xff, 0xf0, 0xb0};
        QColor dreamSkyTop{0xff, 0xe8, 0xf8};
        QColor dreamSkyBottom{0xe0, 0xf0, 0xff};
        QColor cake{0xff, 0xf4, 0xe0};
        QColor cakeIcing{0xff, 0x9a, 0xb8};
        QColor cherries{0xe8, 0x2a, 0x4a};
        QColor moon{0xff, 0xe8, 0x8a};
        QColor star{0xff, 0xd8, 0x3a};
        QColor coin{0xff, 0xc8, 0x3a};
    } palette{};
    Dice dice(54);
    paintSky(p, palette.skyTop, palette.skyBottom);
    paintStars(p, dice, QRectF(0, 0, kWidth, kHeight), 50, palette.stars);
    p.fillRect(QRectF(0, 310, kWidth, 44), palette.ground);
    Look snake = withExpression(snakeLook(), Expression::Sleepy);
    snake.body = palette.snakeBody;
    snake.light = palette.snakeLight;
    snake.accent = palette.snakeAccent;
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
        fillInked(q, cap, palette.cap);
        ellipseInked(q, {70, -40}, 9, 9, Qt::white);
    };
    drawSnake(p, f);
    drawZs(p, toPicture(f, {60, -140}), 14, palette.zs);
    // The huge dream it is gobbling up.
    drawDreamBubble(p, QRectF(326, 40, 300, 220), toPicture(f, {50, -120}), [&](QPainter& q) {
        paintSky(q, palette.dreamSkyTop, palette.dreamSkyBottom);
        // A giant cake...
        QPainterPath cake;
        cake.addRoundedRect(QRectF(380, 150, 120, 70), 8, 8);
        fillInked(q, cake, palette.cake);
        q.fillRect(QRectF(382, 172, 116, 12), palette.cakeIcing);
        for (int i = 0; i < 4; ++i) {
            ellipseInked(q, {396 + i * 30.0, 146}, 9, 9, palette.cherries, 2);
        }
        // ...a treasure of stars and the moon itself.
        paintMoon(q, {560, 110}, 36, palette.moon, true);
        drawStar(q, {450, 80}, 18, palette.star);
        drawStar(q, {540, 200}, 14, palette.star);
        drawCoin(q, {590, 180}, 14, palette.coin);
        drawCoin(q, {350, 110}, 12, palette.coin);
    });
}

// Type 55: 大平原の原生馬 (the wild horse of the great plains)
void wildHorseOfTheGreatPlains(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x5a, 0xa8, 0xe8};
        QColor skyBottom{0xff, 0xe8, 0xc0};
        QColor sun{0xff, 0xd0, 0x6a};
        QColor mountains{0xa8, 0x9a, 0xb8};
        QColor groundTop{0xe8, 0xc8, 0x6a};
        QColor groundBottom{0xc8, 0xa0, 0x4a};
        QColor grassTufts{0xa8, 0x80, 0x3a};
        QColor wildBody{0xd8, 0xb0, 0x78};
        QColor wildLight{0xf8, 0xf0, 0xe0};
        QColor wildAccent{0x3a, 0x2a, 0x22};
        QColor legStripes{0x3a, 0x2a, 0x22};
        QColor dustPuff{0xf0, 0xe0, 0xb8};
    } palette{};
    Dice dice(55);
    paintSky(p, palette.skyTop, palette.skyBottom, 230);
    paintSun(p, {110, 170}, 40, palette.sun, 0);
    paintMountains(p, {{80, 200}, {300, 180}, {520, 195}}, 232, palette.mountains);
    paintGround(p, 230, palette.groundTop, palette.groundBottom);
    paintGrassTufts(p, dice, QRectF(0, 240, kWidth, 110), 70, palette.grassTufts);
    Look wild = withExpression(horseLook(), Expression::Laugh);
    wild.body = palette.wildBody;
    wild.light = palette.wildLight;
    wild.accent = palette.wildAccent;
    Figure f = figure({380, 300}, 1.0, wild);
    f.pose.stance = Stance::OnAllFours;
    f.pose.stride = 1;
    f.held = [](QPainter& q) {
        // Primitive zebra-like stripes on the legs, the mark of the ancient horse.
        SavedState state(q);
        q.setPen(roundPen(palette.legStripes, 4));
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
        drawDustPuff(p, {230.0 - i * 36, 318.0 - (i % 2) * 10}, 16 - i * 3, palette.dustPuff);
    }
}

// Type 56: 我が道を行く頑固な羊 (the stubborn sheep going its own way)
void stubbornSheepGoingItsOwnWay(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0xb8, 0xe8, 0xd8};
        QColor skyBottom{0xf0, 0xff, 0xf6};
        QColor hills{0xb8, 0xd8, 0x7a};
        QColor flowers{0xff, 0xd8, 0x6a};
        QColor signpostBoard{0x3a, 0x8a, 0xc8};
        QColor stubbornBody{0xf8, 0xec, 0xd8};
        QColor stubbornLight{0x6a, 0x4a, 0x3a};
        QColor stubbornAccent{0xe0, 0x9a, 0x4a};
        QColor dustPuff{255, 255, 255};
    } palette{};
    Dice dice(56);
    paintSky(p, palette.skyTop, palette.skyBottom, 210);
    paintHills(p, 230, 10, 300, 0.7, palette.hills);
    paintFlowers(p, dice, QRectF(0, 250, kWidth, 100), 26, {palette.flowers, Qt::white});
    drawSignpost(p, {460, 300}, 120, true, palette.signpostBoard);
    // Everybody goes left...
    for (int i = 0; i < 3; ++i) {
        Look crowdSheep = withExpression(sheepLook(), Expression::Smile);
        Figure small = figure({110 + i * 80.0, 250 + (i % 2) * 6.0}, 0.36, crowdSheep, true);
        small.pose.stance = Stance::OnAllFours;
        drawSheep(p, small);
    }
    // ...except this one.
    Look stubborn = withExpression(sheepLook(), Expression::Proud);
    stubborn.body = palette.stubbornBody;
    stubborn.light = palette.stubbornLight;
    stubborn.horns = true;
    stubborn.accent = palette.stubbornAccent;
    Figure f = figure({330, 336}, 0.95, stubborn);
    f.pose.stride = 0.7;
    f.pose.frontPaw = {56, -80};
    f.pose.backPaw = {-50, -84};
    f.pose.headTilt = -6;
    shadow(p, {330, 338}, 130);
    drawSheep(p, f);
    // A puff of breath through the nose: "humph".
    drawDustPuff(p, toPicture(f, {70, -124}), 10, palette.dustPuff);
}

// Type 57: 孫悟空 (Son Goku, the monkey king)
void monkeyKingSonGoku(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x5a, 0xb8, 0xf0};
        QColor skyBottom{0xff, 0xf0, 0xd0};
        QColor pillar{0x9a, 0xb0, 0xa0};
        QColor pineTree{0x4a, 0x8a, 0x5a};
        QColor cloud{255, 255, 255, 200};
        QColor scarf{0xff, 0xd8, 0x3a};
        QColor staff{0xd8, 0x2a, 0x2a};
        QColor rideCloud{0xff, 0xe8, 0x7a};
        QColor speedLines{255, 255, 255, 230};
    } palette{};
    Dice dice(57);
    paintSky(p, palette.skyTop, palette.skyBottom);
    // Tall stone pillars of a faraway land.
    for (QPointF peak :
         {QPointF(60, 150), QPointF(130, 210), QPointF(560, 170), QPointF(630, 120)}) {
        QPainterPath pillar(QPointF(peak.x() - 36, kHeight));
        pillar.lineTo(peak.x() - 26, peak.y() + 20);
        pillar.quadTo(peak, QPointF(peak.x() + 26, peak.y() + 20));
        pillar.lineTo(peak.x() + 36, kHeight);
        pillar.closeSubpath();
        fillInked(p, pillar, palette.pillar, 0);
        paintPineTree(p, QPointF(peak.x() + 6, peak.y() + 14), 30, palette.pineTree);
    }
    paintCloud(p, {330, 340}, 500, palette.cloud);
    Look goku = withExpression(monkeyLook(), Expression::Laugh);
    Figure f = figure({330, 250}, 0.85, goku);
    f.place.tilt = -4;
    f.pose.frontPaw = {74, -130};
    f.pose.backPaw = {-56, -70};
    f.onHead = [](QPainter& q) {
        drawGoldenCirclet(q);
    };
    f.behind = [](QPainter& q) {
        drawScarf(q, palette.scarf, 0.6);
    };
    f.held = [](QPainter& q) {
        drawStaff(q, {24, 20}, {144, -290}, palette.staff, true, 11);
    };
    drawMonkey(p, f);
    drawRideCloud(p, {330, 276}, 250, palette.rideCloud, true);
    drawSpeedLines(p, {130, 250}, {1, -0.2}, 4, 60, 60, palette.speedLines);
    drawSparkle(p, {560, 70}, 12, Qt::white);
}

// Type 58: 時を刻む不死鳥 (the phoenix keeping time)
void phoenixKeepingTime(QPainter& p) {
    static constexpr struct Palette {
        QColor sunburst{0xa8, 0x1a, 0x3a};
        QColor sunburst2{0xc8, 0x2a, 0x3a};
        QColor glow{0xff, 0xb0, 0x4a};
        QColor sparkle{0xff, 0xf0, 0xb0};
        QColor clockRim{0xf8, 0xc8, 0x3c};
        QColor phoenixBody{0xf2, 0x5a, 0x2a};
        QColor phoenixLight{0xff, 0xe0, 0x5a};
        QColor phoenixAccent{0xff, 0x9a, 0x2a};
        QColor smallClockRim{0x6a, 0xc8, 0xf0};
    } palette{};
    Dice dice(58);
    paintSunburst(p, {330, 190}, 24, palette.sunburst, palette.sunburst2);
    steppedGlow(p, {330, 190}, 260, palette.glow);
    for (int i = 0; i < 20; ++i) {
        drawSparkle(p, {dice.between(0, kWidth), dice.between(0, kHeight)}, dice.between(4, 10),
                    palette.sparkle);
    }
    // A big clock behind the phoenix: time it keeps with every wing beat.
    drawClock(p, {470, 200}, 100, palette.clockRim, 300, 60, true);
    Look phoenix = withExpression(birdLook(), Expression::Smile, {1, 0});
    phoenix.body = palette.phoenixBody;
    phoenix.light = palette.phoenixLight;
    phoenix.accent = palette.phoenixAccent;
    Figure f = figure({300, 290}, 1.05, phoenix);
    f.place.tilt = -6;
    f.pose = spreadWings();
    f.pose.frontPaw = {110, -150};
    f.held = [](QPainter& q) {
        drawClock(q, {122, -140}, 30, palette.smallClockRim, 60, 180, false);
    };
    drawBird(p, f, BirdKind::Phoenix);
    drawFlame(p, toPicture(f, {0, -10}), 60, 60, 0.3);
}

// Type 59: ロマンチックなボス犬 (the romantic boss dog)
void romanticBossDog(QPainter& p) {
    static constexpr struct Palette {
        QColor polkaDotsGround{0xf8, 0xd8, 0xf0};
        QColor polkaDotsDots{0xf0, 0xc0, 0xe4};
        QColor floor{0xb0, 0x6a, 0x9a};
        QColor box{0x7a, 0xc8, 0xf0};
        QColor rose{0xff, 0x4a, 0x7a};
        QColor bowTie{0xff, 0x4a, 0x7a};
        QColor dogBody{0x8a, 0x6a, 0x5a};
        QColor dogLight{0xf4, 0xe4, 0xd8};
        QColor dogAccent{0x4a, 0x36, 0x2e};
        QColor bossHat{0x2a, 0x2a, 0x3a};
        QColor bossHatBand{0xe8, 0x2a, 0x5a};
        QColor bowTie2{0xe8, 0x2a, 0x5a};
        QColor heart{0xff, 0x4a, 0x7a};
        QColor heart2{0xff, 0x6a, 0x9a};
        QColor heart3{0xff, 0x8a, 0xaa};
        QColor balloons[3]{QColor(0xff, 0x4a, 0x7a), QColor(0xff, 0x8a, 0xaa),
                           QColor(0xe8, 0x2a, 0x5a)};
    } palette{};
    paintPolkaDots(p, palette.polkaDotsGround, palette.polkaDotsDots, 56, 16);
    p.fillRect(QRectF(0, 300, kWidth, 54), palette.floor);
    for (int i = 0; i < 3; ++i) {
        const auto& c = palette.balloons;
        drawBalloon(p, {480 + i * 50.0, 80 + (i % 2) * 40.0}, 24, c[i], {556, 276}, true);
    }
    // The balloons are tied to a present.
    QPainterPath box;
    box.addRoundedRect(QRectF(530, 276, 52, 40), 4, 4);
    fillInked(p, box, palette.box);
    p.fillRect(QRectF(551, 277, 10, 38), palette.rose);
    drawBowTie(p, {556, 276}, 12, palette.bowTie);
    Look dog = withExpression(dogLook(), Expression::Wink);
    dog.body = palette.dogBody;
    dog.light = palette.dogLight;
    dog.accent = palette.dogAccent;
    dog.fangs = false;
    Figure f = figure({300, 322}, 1.1, dog);
    f.pose.frontPaw = {70, -110};
    f.pose.backPaw = {-56, -70};
    f.onHead = [](QPainter& q) {
        drawBossHat(q, palette.bossHat, palette.bossHatBand);
        drawRose(q, {40, 28}, {-6, 30}, 24);
    };
    f.held = [](QPainter& q) {
        drawBowTie(q, {0, -100}, 22, palette.bowTie2);
        drawHeart(q, {76, -124}, 16, palette.heart);
    };
    shadow(p, {300, 324}, 140);
    drawDog(p, f);
    drawHeart(p, {130, 90}, 16, palette.heart2);
    drawHeart(p, {90, 150}, 10, palette.heart3);
    drawSparkle(p, toPicture(f, {80, -200}), 12, Qt::white);
}

// Type 60: 弓を引くイノシシ (the boar drawing a bow)
void boarDrawingABow(QPainter& p) {
    static constexpr struct Palette {
        QColor skyTop{0x8a, 0xd8, 0xc8};
        QColor skyBottom{0xe8, 0xfa, 0xf0};
        QColor hills{0x7a, 0xc0, 0x5a};
        QColor grassTufts{0x4a, 0x9a, 0x3a};
        QColor boarBody{0x7a, 0x5a, 0x4a};
        QColor headband{0xff, 0xff, 0xff};
        QColor arrowFletching{0xe8, 0x3a, 0x3a};
        QColor arrowFletching2{0x3a, 0x8a, 0xe8};
    } palette{};
    Dice dice(60);
    paintSky(p, palette.skyTop, palette.skyBottom, 210);
    paintHills(p, 220, 10, 400, 0.5, palette.hills);
    paintGrassTufts(p, dice, QRectF(0, 240, kWidth, 110), 40, palette.grassTufts);
    drawTarget(p, {560, 196}, 60);
    Look boar = withExpression(boarLook(), Expression::Determined, {1, 0});
    boar.body = palette.boarBody;
    Figure f = figure({200, 322}, 1.05, boar);
    f.pose.frontPaw = {100, -108};
    f.pose.backPaw = {-6, -108};
    f.pose.backPawInFront = true;
    f.onHead = [](QPainter& q) {
        drawHeadband(q, palette.headband);
    };
    f.held = [](QPainter& q) {
        drawBow(q, {100, -108}, 150, {-6, -108});
        drawArrow(q, {-10, -108}, {156, -108}, palette.arrowFletching);
    };
    shadow(p, {200, 324}, 130);
    drawBoar(p, f);
    // An earlier arrow already sits near the bull's-eye.
    drawArrow(p, {470, 176}, {548, 192}, palette.arrowFletching2);
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
