// Building blocks shared by several pictures: the side view of the car, the
// question mark, arrows, tyres seen head-on and the light-grey axle parts.
// Every function draws with the painter's current transform, in pixels.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace shapes {

// Colours used throughout, chosen so the pictures read well on a white page.
inline const QColor kInk(0, 0, 0);             // silhouettes and suspension links
inline const QColor kTyre(0x2e, 0x2e, 0x2e);   // tyre rubber
inline const QColor kTread(0x6a, 0x6a, 0x6a);  // grooves in the tread
inline const QColor kMetal(0xc8, 0xc8, 0xc8);  // light-grey axle parts
inline const QColor kMetalEdge(0x86, 0x86, 0x86);

// Side view of an open two-seater facing left, in a 130 x 40 box whose bottom
// edge is the ground. Wheel centres are at kFrontWheel and kRearWheel.
inline constexpr QPointF kFrontWheel(25, 32);
inline constexpr QPointF kRearWheel(103, 32);
inline constexpr qreal kTyreRadius = 8;

// Body, windscreen and driver's helmet, with the wheel arches cut out.
QPainterPath carSideBody();
// Black silhouette with wheels; the arches leave a thin white gap round each tyre.
void drawCarSide(QPainter &p);

// A bold question mark whose glyph box is centred on `centre` and is `height`
// pixels tall.
void drawQuestionMark(QPainter &p, QPointF centre, qreal height, const QColor &colour);

// A vertical arrow from `from` to `to` (the head at `to`).
void drawArrow(QPainter &p, QPointF from, QPointF to, qreal shaftWidth, qreal headWidth,
               qreal headLength);

// A tyre seen from the front or from behind: a rounded block with chevron
// grooves across its tread.
void drawTyreHeadOn(QPainter &p, const QRectF &rect);

// A light-grey part with a darker outline, so it stays visible on white.
void drawMetal(QPainter &p, const QPainterPath &shape);

}  // namespace shapes
