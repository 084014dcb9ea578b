// The twelve animals of the cycle, drawn in a big-headed cartoon style.
//
// Every animal is drawn in its own frame of "figure units": the ground point between the
// feet is the origin, y grows downwards and the figure looks towards +x. An upright figure
// is about 220 units tall (head centre at y = -150, head about 112 units wide), so a
// Placement scale of 1.0 fills two thirds of a 354 pixel high picture. Placement mirrors
// the frame to make the figure face left.
#pragma once

#include "cartoon.h"

#include <QColor>
#include <QPointF>
#include <QTransform>

#include <functional>
#include <vector>

namespace soranika::pictures {

/// Colours and face of one figure.
struct Look {
    QColor body;   ///< main fur, skin or feathers
    QColor light;  ///< muzzle, belly, inner ears
    QColor accent; ///< mane, stripes, horns, comb, spots
    Expression expression = Expression::Smile;
    QPointF gaze{}; ///< where the eyes look, each coordinate -1 .. 1
    bool blush = true;
    bool fangs = true;       ///< tiger and dragon fangs, boar tusks, dog teeth
    bool spots = false;      ///< ox and dog patches
    bool stripes = false;    ///< young boar (uribo) stripes
    bool horns = false;      ///< curled sheep horns
    bool pointyEars = false; ///< dogs: wolf-like ears instead of floppy ones
};

/// Where a figure stands in the picture.
struct Placement {
    QPointF at;         ///< picture pixel of the figure's ground point
    double scale = 1.0; ///< pixels per figure unit
    bool faceLeft = false;
    double tilt = 0; ///< degrees, clockwise
};

enum class Stance {
    Upright,    ///< standing on two legs, arms free (mammals, birds standing)
    OnAllFours, ///< side view on four legs (hoofed and four-legged animals)
    Flying,     ///< birds with wings spread, legs tucked; mammals: feet dangling
};

/// Limbs and body line. Paw positions are in figure units; for birds they are wing tips.
struct Pose {
    Stance stance = Stance::Upright;
    QPointF frontPaw{50, -66};   ///< the arm nearer to the viewer (drawn over the body)
    QPointF backPaw{-50, -66};   ///< the other arm (drawn behind the body...)
    bool backPawInFront = false; ///< ...unless both hands hold something in front
    double stride = 0;           ///< 0 standing, 1 running (legs apart)
    double headTilt = 0;         ///< degrees
    /// Snakes and dragons: centre line of the body from the tail tip to the neck.
    std::vector<QPointF> spine;
};

/// Bird poses: wings folded at the sides, or spread up for flight.
Pose foldedWings();
Pose spreadWings();

/// Something drawn together with a figure, in the figure's own frame.
using Decoration = std::function<void(QPainter&)>;

struct Figure {
    Placement place;
    Look look;
    Pose pose;
    Decoration behind; ///< body frame, before the figure (capes, backpacks, masts)
    Decoration held;   ///< body frame, after body and arms but under the paws (held props)
    Decoration onHead; ///< head frame: origin at the head centre, head about 56 units round
};

/// Maps figure units of `figure` to picture pixels.
QTransform figureTransform(const Placement& place);
/// The head centre of an upright or four-legged figure in figure units.
QPointF headCentre(const Figure& figure);
/// A figure-unit point in picture pixels.
QPointF toPicture(const Figure& figure, QPointF local);

void drawRat(QPainter& painter, const Figure& figure);
void drawOx(QPainter& painter, const Figure& figure);
void drawTiger(QPainter& painter, const Figure& figure);
void drawRabbit(QPainter& painter, const Figure& figure);
/// Dragons need `pose.spine`; the head sits at its last point.
void drawDragon(QPainter& painter, const Figure& figure);
/// Snakes need `pose.spine`; the head sits at its last point.
void drawSnake(QPainter& painter, const Figure& figure);
void drawHorse(QPainter& painter, const Figure& figure);
void drawSheep(QPainter& painter, const Figure& figure);
void drawMonkey(QPainter& painter, const Figure& figure);

enum class BirdKind {
    Songbird, ///< round little bird
    Rooster,  ///< comb, wattle and a proud arched tail
    Dove,     ///< soft round pigeon
    Phoenix,  ///< crest and long flowing tail plumes
};
void drawBird(QPainter& painter, const Figure& figure, BirdKind kind);
void drawDog(QPainter& painter, const Figure& figure);
void drawBoar(QPainter& painter, const Figure& figure);

/// Usual colours of each animal, as a starting point that the pictures vary.
Look ratLook();
Look oxLook();
Look tigerLook();
Look rabbitLook();
Look dragonLook();
Look snakeLook();
Look horseLook();
Look sheepLook();
Look monkeyLook();
Look birdLook();
Look dogLook();
Look boarLook();

} // namespace soranika::pictures
