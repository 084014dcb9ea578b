// Props and motifs taken from the type titles: torches, hammers, clocks, lanterns, bows...
//
// Every prop draws in the current painter coordinates, so the same function serves in picture
// pixels or inside a figure's frame (where it scales and mirrors with the figure). Sizes are
// given in those coordinates.
#pragma once

#include "cartoon.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

#include <functional>

namespace soranika::pictures {

// --- Fire, light and weather ------------------------------------------------------------------
/// A cartoon flame standing on `base`; `flicker` bends the tip sideways.
void drawFlame(QPainter& painter, QPointF base, double width, double height, double flicker = 0);
/// Sports torch held at `grip`; the flame points along `angle` (degrees, 0 = straight up).
void drawTorch(QPainter& painter, QPointF grip, double angle, double size);
/// Big torch bowl on a pedestal with a fire in it (聖火台).
void drawCauldron(QPainter& painter, QPointF base, double size);
/// Paper lantern (ちょうちん) hanging from `top`, lit from inside.
void drawPaperLantern(QPainter& painter, QPointF top, double size, const QColor& colour);
void drawLightning(QPainter& painter, QPointF from, QPointF to, double width,
                   const QColor& colour = QColor(0xff, 0xe0, 0x3a));
/// Swirling wind funnel standing on its narrow foot at `base`.
void drawWhirlwind(QPainter& painter, QPointF base, double height, const QColor& colour);
/// A puffy inked cloud one can ride (its flat top at y = centre.y()).
void drawRideCloud(QPainter& painter, QPointF centre, double width, const QColor& colour,
                   bool swirlTail);
/// Concentric arcs showing a signal going out in `direction` degrees (0 = right).
void drawSignalWaves(QPainter& painter, QPointF origin, double direction, int count, double spacing,
                     const QColor& colour);
/// Round puff of dust kicked up by running feet.
void drawDustPuff(QPainter& painter, QPointF centre, double size, const QColor& colour);

// --- Tools and things held ---------------------------------------------------------------------
void drawHammer(QPainter& painter, QPointF grip, double angle, double size);
void drawNail(QPainter& painter, QPointF tip, double length, double angle = 0);
void drawPlank(QPainter& painter, QRectF rect, const QColor& colour);
/// Alarm clock or pocket watch. Angles in degrees clockwise from 12 o'clock.
void drawClock(QPainter& painter, QPointF centre, double radius, const QColor& rim,
               double hourAngle, double minuteAngle, bool bells);
/// Antenna rod from `base` to `tip` with a ball on top.
void drawAntenna(QPainter& painter, QPointF base, QPointF tip, const QColor& ball);
/// Radar dish on a short mast, opening towards `angle` degrees (0 = right).
void drawRadarDish(QPainter& painter, QPointF base, double size, double angle);
/// Straight staff between two points; `ringed` gives gold bands at the ends (如意棒).
void drawStaff(QPainter& painter, QPointF from, QPointF to, const QColor& colour, bool ringed,
               double width = 9);
/// Gnarled hermit's staff with a curl on top.
void drawHermitStaff(QPainter& painter, QPointF bottom, double height);
void drawBow(QPainter& painter, QPointF grip, double height, QPointF stringPull);
void drawArrow(QPainter& painter, QPointF tail, QPointF tip, const QColor& fletching);
void drawTarget(QPainter& painter, QPointF centre, double radius);
void drawHorseshoeMagnet(QPainter& painter, QPointF centre, double size, double angle);
void drawPaperclip(QPainter& painter, QPointF centre, double size, double angle,
                   const QColor& colour);
void drawAbacus(QPainter& painter, QRectF rect, const QColor& frame);
/// Weaving loom seen from the front, with striped cloth growing on it.
void drawLoom(QPainter& painter, QRectF rect, const std::vector<QColor>& cloth);
/// Loose tangle of string in the area of a circle, ends leading to `endA` and `endB`.
void drawTangle(QPainter& painter, QPointF centre, double radius, const QColor& colour,
                QPointF endA, QPointF endB, std::uint32_t seed);
void drawUmbrella(QPainter& painter, QPointF grip, double size, double angle, const QColor& canopy,
                  const QColor& trim);
void drawFishingRod(QPainter& painter, QPointF grip, QPointF tip, QPointF bobber);
void drawBinoculars(QPainter& painter, QPointF centre, double size, const QColor& colour);
void drawMagnifier(QPainter& painter, QPointF grip, double size, double angle);
void drawTelescope(QPainter& painter, QPointF eyepiece, double length, double angle);
void drawIceCream(QPainter& painter, QPointF grip, double size);
void drawToothbrush(QPainter& painter, QPointF grip, double size, double angle);
void drawBook(QPainter& painter, QPointF centre, double size, const QColor& cover, bool open);
/// Folding fan (扇子) opening upwards from `pivot`.
void drawFoldingFan(QPainter& painter, QPointF pivot, double radius, double angle,
                    const QColor& paper);
void drawFlute(QPainter& painter, QPointF from, QPointF to);
void drawMallet(QPainter& painter, QPointF grip, double size, double angle);
void drawMortarWithMochi(QPainter& painter, QPointF base, double size);
void drawFlag(QPainter& painter, QPointF base, double height, const QColor& colour);
void drawSignpost(QPainter& painter, QPointF base, double height, bool pointLeft,
                  const QColor& board);
void drawBoxingGlove(QPainter& painter, QPointF centre, double size, const QColor& colour);
void drawSpoon(QPainter& painter, QPointF bowlCentre, double size, double angle,
               const QColor& metal);
void drawCoin(QPainter& painter, QPointF centre, double radius, const QColor& colour);
void drawPearl(QPainter& painter, QPointF centre, double radius, const QColor& colour);
void drawRose(QPainter& painter, QPointF bloom, QPointF stemEnd, double size);
void drawFlower(QPainter& painter, QPointF centre, double size, const QColor& petals, int count,
                const QColor& heart = QColor(0xff, 0xd8, 0x4a));
void drawBalloon(QPainter& painter, QPointF centre, double size, const QColor& colour,
                 QPointF stringEnd, bool heart);
void drawBrokenPot(QPainter& painter, QPointF base, double size, const QColor& colour);
void drawBorderGate(QPainter& painter, QPointF post, double length, double height);
void drawFenceGate(QPainter& painter, QPointF hinge, double width, double height, double openness,
                   const QColor& wood);
void drawCheckeredCushion(QPainter& painter, QPointF centre, double width, const QColor& a,
                          const QColor& b);
void drawTreeStump(QPainter& painter, QPointF centre, double width, double height);
void drawBoat(QPainter& painter, QPointF centre, double width, const QColor& colour);
/// Big open scallop shell hinged at `hinge`: the back half stands up like a fan, the front
/// half is a shallow bowl. Draw the back half, then what sits inside, then the front half.
void drawOpenShell(QPainter& painter, QPointF hinge, double radius, const QColor& colour,
                   bool frontHalf);
void drawBrokenChain(QPainter& painter, QPointF from, QPointF to, const QColor& colour);
void drawBackpack(QPainter& painter, QPointF centre, double size, const QColor& colour);
void drawWalkingStick(QPainter& painter, QPointF grip, QPointF foot);

// --- Things worn (draw them in the head or body frame of a figure) -----------------------------
/// Head frame decorations assume the head centre at the origin and a head about 56 units round.
void drawFlowerCrown(QPainter& painter, const std::vector<QColor>& colours);
void drawFlowerVeil(QPainter& painter, const QColor& veil, const std::vector<QColor>& flowers);
/// Thin translucent veil draped over the head (風流 and 哀愁).
void drawGauzeVeil(QPainter& painter, const QColor& colour);
void drawSunglasses(QPainter& painter, double y, const QColor& frame);
void drawGoldenCirclet(QPainter& painter);
void drawSpaceHelmet(QPainter& painter);
void drawHeroMask(QPainter& painter, const QColor& colour);
void drawCrown(QPainter& painter, QPointF centre, double size, const QColor& colour);
void drawBossHat(QPainter& painter, const QColor& colour, const QColor& band);
void drawGuardHelmet(QPainter& painter, const QColor& colour);
void drawHeadband(QPainter& painter, const QColor& colour);
void drawHermitBeard(QPainter& painter);
void drawBowTie(QPainter& painter, QPointF centre, double size, const QColor& colour);
void drawGoggles(QPainter& painter, const QColor& strap);
/// Body frame: cape hanging from the shoulders of an upright figure.
void drawCape(QPainter& painter, const QColor& colour, double flutter);
/// Body frame: armour plates over an upright figure's body, with geometric "logic" marks.
void drawLogicArmour(QPainter& painter, const QColor& plate, const QColor& trim);
/// Body frame: scarf around the neck of an upright figure.
void drawScarf(QPainter& painter, const QColor& colour, double flutter);

// --- Little creatures and marks -----------------------------------------------------------------
void drawSnail(QPainter& painter, QPointF base, double size, const QColor& shell);
void drawLadybug(QPainter& painter, QPointF centre, double size);
void drawButterfly(QPainter& painter, QPointF centre, double size, const QColor& colour);
void drawFootprints(QPainter& painter, QPointF from, QPointF to, int count, const QColor& colour);
/// Thought/dream bubble: a big cloud-shaped balloon with small puffs trailing to `from`.
void drawDreamBubble(QPainter& painter, QRectF rect, QPointF from,
                     const std::function<void(QPainter&)>& contents);
/// Smell wisps rising from `from`.
void drawScentWisps(QPainter& painter, QPointF from, double size, const QColor& colour);

} // namespace soranika::pictures
