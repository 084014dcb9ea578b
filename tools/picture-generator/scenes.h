// Backgrounds: skies, landscapes, water, rooms and pattern backdrops. They fill the whole
// 658 x 354 picture; the pictures combine several of them (sky, then hills, then flowers...).
#pragma once

#include "cartoon.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

#include <vector>

namespace soranika::pictures {

/// Vertical gradient over the whole picture (or down to `bottomY`).
void paintSky(QPainter& painter, const QColor& top, const QColor& bottom, double bottomY = kHeight);
/// Rays from a point, alternating two colours: the "ta-da!" backdrop of comics.
void paintSunburst(QPainter& painter, QPointF centre, int rays, const QColor& a, const QColor& b);
/// Big soft dots on a plain colour.
void paintPolkaDots(QPainter& painter, const QColor& ground, const QColor& dots, double spacing,
                    double radius);
/// Diagonal stripes on a plain colour.
void paintStripes(QPainter& painter, const QColor& ground, const QColor& stripe, double width);

void paintSun(QPainter& painter, QPointF centre, double radius, const QColor& colour, int rays);
void paintMoon(QPainter& painter, QPointF centre, double radius, const QColor& colour,
               bool crescent);
void paintCloud(QPainter& painter, QPointF centre, double width, const QColor& colour,
                bool inked = false);
void paintStars(QPainter& painter, Dice& dice, QRectF area, int count, const QColor& colour);
void paintRainbow(QPainter& painter, QPointF centre, double radius, double bandWidth, int alpha);

/// Rolling hills filling everything below a wavy line.
void paintHills(QPainter& painter, double baseY, double amplitude, double wavelength, double phase,
                const QColor& colour);
/// Triangular-ish mountains with rounded tops; snow caps when `snow` is valid.
void paintMountains(QPainter& painter, const std::vector<QPointF>& peaks, double baseY,
                    const QColor& colour, const QColor& snow = QColor());
/// Flat ground from `y` down, with a gentle gradient.
void paintGround(QPainter& painter, double y, const QColor& top, const QColor& bottom);
void paintGrassTufts(QPainter& painter, Dice& dice, QRectF area, int count, const QColor& colour);
void paintFlowers(QPainter& painter, Dice& dice, QRectF area, int count,
                  const std::vector<QColor>& colours, double size = 7);
/// Water surface from `y` down with a few light ripples.
void paintWater(QPainter& painter, double y, const QColor& top, const QColor& bottom, Dice& dice,
                int ripples);
void paintBubbles(QPainter& painter, Dice& dice, QRectF area, int count, const QColor& colour);
void paintTree(QPainter& painter, QPointF base, double height, const QColor& trunk,
               const QColor& leaves);
void paintPineTree(QPainter& painter, QPointF base, double height, const QColor& colour);
/// Falling petals, leaves or snowflakes.
enum class Flake { Petal, Leaf, Snow };
void paintFalling(QPainter& painter, Dice& dice, QRectF area, int count, const QColor& colour,
                  Flake kind);
/// Wall and wooden floor of a room.
void paintRoom(QPainter& painter, const QColor& wall, const QColor& floor, double floorY);
void paintReeds(QPainter& painter, QPointF base, double height, const QColor& colour);
void paintSeaweed(QPainter& painter, QPointF base, double height, const QColor& colour);
void paintRock(QPainter& painter, QPointF centre, double width, double height,
               const QColor& colour);

} // namespace soranika::pictures
