#include "shapes.h"

#include <QFont>
#include <QPainter>
#include <QPen>

namespace shapes {

QPainterPath carSideBody()
{
    QPainterPath body;
    body.moveTo(4, 33);
    body.cubicTo(1, 32, 0.5, 25, 3, 21.5);        // nose
    body.cubicTo(14, 18.5, 32, 16.5, 46, 15.5);   // bonnet
    body.lineTo(72, 15.5);                        // cockpit rim
    body.cubicTo(76, 10.5, 84, 9.5, 90, 11.5);    // fairing behind the seat
    body.cubicTo(96, 13.5, 104, 14.5, 112, 14.5); // rear deck
    body.lineTo(124, 14.5);
    body.lineTo(128, 12.5);                       // spoiler lip
    body.lineTo(129, 15);
    body.cubicTo(129.5, 20, 129, 27, 127, 33);    // tail
    body.closeSubpath();

    // Raked windscreen standing on the bonnet.
    QPainterPath screen;
    screen.moveTo(43.5, 16);
    screen.lineTo(53, 6.5);
    screen.lineTo(56, 6.5);
    screen.lineTo(48.5, 16);
    screen.closeSubpath();

    // Driver's helmet showing above the open cockpit.
    QPainterPath helmet;
    helmet.setFillRule(Qt::WindingFill);
    helmet.addEllipse(QPointF(64, 10.5), 4.6, 4.6);
    helmet.addRect(QRectF(61.5, 12, 5, 4));

    QPainterPath shape = body.united(screen).united(helmet);
    const qreal archRadius = kTyreRadius + 2;
    QPainterPath arches;
    arches.addEllipse(kFrontWheel, archRadius, archRadius);
    arches.addEllipse(kRearWheel, archRadius, archRadius);
    return shape.subtracted(arches);
}

void drawCarSide(QPainter &p)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPath(carSideBody());
    for (const QPointF &centre : {kFrontWheel, kRearWheel}) {
        p.setBrush(kInk);
        p.drawEllipse(centre, kTyreRadius, kTyreRadius);
        // A white ring marks the rim so the wheel does not read as a blob.
        p.setBrush(Qt::white);
        p.drawEllipse(centre, 3.6, 3.6);
        p.setBrush(kInk);
        p.drawEllipse(centre, 1.8, 1.8);
    }
    p.restore();
}

void drawQuestionMark(QPainter &p, QPointF centre, qreal height, const QColor &colour)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath glyph;
    glyph.addText(0, 0, font, QStringLiteral("?"));
    const QRectF box = glyph.boundingRect();
    const qreal scale = height / box.height();

    p.save();
    p.translate(centre);
    p.scale(scale, scale);
    p.translate(-box.center());
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(glyph);
    p.restore();
}

void drawArrow(QPainter &p, QPointF from, QPointF to, qreal shaftWidth, qreal headWidth,
               qreal headLength)
{
    const qreal direction = to.y() > from.y() ? 1 : -1;
    const QPointF headBase(to.x(), to.y() - direction * headLength);

    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRect(QRectF(QPointF(from.x() - shaftWidth / 2, qMin(from.y(), headBase.y())),
                      QPointF(from.x() + shaftWidth / 2, qMax(from.y(), headBase.y()))));
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(headBase.x() - headWidth / 2, headBase.y());
    head.lineTo(headBase.x() + headWidth / 2, headBase.y());
    head.closeSubpath();
    p.drawPath(head);
    p.restore();
}

void drawTyreHeadOn(QPainter &p, const QRectF &rect)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kTyre);
    p.drawRoundedRect(rect, 4, 4);

    // Chevron grooves: from both shoulders down towards the centre line.
    p.setPen(QPen(kTread, 1.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const qreal left = rect.left() + 3;
    const qreal right = rect.right() - 3;
    const qreal middle = rect.center().x();
    const qreal drop = 2.5;
    for (qreal y = rect.top() + 4; y + drop < rect.bottom() - 3; y += 4) {
        QPainterPath groove;
        groove.moveTo(left, y);
        groove.lineTo(middle, y + drop);
        groove.lineTo(right, y);
        p.drawPath(groove);
    }
    p.restore();
}

void drawMetal(QPainter &p, const QPainterPath &shape)
{
    p.save();
    p.setPen(QPen(kMetalEdge, 1));
    p.setBrush(kMetal);
    p.drawPath(shape);
    p.restore();
}

}  // namespace shapes
