// Draws the pictures of the main window's pages and the window icon, each at
// the pixel size its place on the page needs, and saves them as PNG files.
// Given a second folder, it also draws the icon for the desktop: the hicolor
// theme sizes as PNG files and one Windows icon file holding several sizes.
//
//   drawpictures <pictures folder> [<desktop icons folder>]
//
// Run it with QT_QPA_PLATFORM=offscreen; the question marks use the bold
// DejaVu Sans face, so the output is the same on every machine that has it.

#include "shapes.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cstdio>
#include <functional>

using namespace shapes;

namespace {

// Paints `draw` onto a white 24-bit canvas of the given size, with `scale`
// pixels to each pixel of that size (2 for the @2x pictures of screens at
// 200 %): the drawing is the same, only finer.
QImage paint(int width, int height, const std::function<void(QPainter &)> &draw, int scale = 1)
{
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    draw(p);
    p.end();
    return image;
}

// Draws `half` for the left side, then again mirrored for the right side.
void mirrored(QPainter &p, int width, const std::function<void()> &half)
{
    half();
    p.save();
    p.translate(width, 0);
    p.scale(-1, 1);
    half();
    p.restore();
}

// The open sports car from the side with a question mark on its door.
void drawCarWithQuestion(QPainter &p)
{
    p.translate(3, 2);
    drawCarSide(p);
    drawQuestionMark(p, QPointF(82, 24.5), 12.5, Qt::white);
}

// The car from above, front at the top; the wheels are white so the drive
// check boxes beside each corner have something to point at.
void drawCarFromAbove(QPainter &p)
{
    const qreal mid = 42.5;
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    body.moveTo(mid, 2);
    body.cubicTo(mid + 10, 2, mid + 22, 3, mid + 26, 10);   // nose
    body.cubicTo(mid + 29, 16, mid + 29, 30, mid + 28, 44); // front wing
    body.cubicTo(mid + 27, 54, mid + 24, 60, mid + 24, 70); // waist by the cockpit
    body.cubicTo(mid + 24, 90, mid + 25, 100, mid + 29, 112); // rear wing
    body.cubicTo(mid + 31, 122, mid + 31, 145, mid + 29, 155);
    body.cubicTo(mid + 27, 164, mid + 20, 168, mid, 168);   // tail
    // Left half: the same curve reflected.
    body.cubicTo(mid - 20, 168, mid - 27, 164, mid - 29, 155);
    body.cubicTo(mid - 31, 145, mid - 31, 122, mid - 29, 112);
    body.cubicTo(mid - 25, 100, mid - 24, 90, mid - 24, 70);
    body.cubicTo(mid - 24, 60, mid - 27, 54, mid - 28, 44);
    body.cubicTo(mid - 29, 30, mid - 29, 16, mid - 26, 10);
    body.cubicTo(mid - 22, 3, mid - 10, 2, mid, 2);
    body.closeSubpath();
    // Wing mirrors.
    body.addEllipse(QPointF(mid - 26.5, 58), 4, 2.2);
    body.addEllipse(QPointF(mid + 26.5, 58), 4, 2.2);

    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPath(body.simplified());

    // Details in white: headlights, windscreen, the two seats, tail lights.
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(mid - 17, 8.5), 5, 2.2);
    p.drawEllipse(QPointF(mid + 17, 8.5), 5, 2.2);
    QPainterPath screen;
    screen.moveTo(mid - 19, 56);
    screen.quadTo(mid, 50, mid + 19, 56);
    screen.lineTo(mid + 21, 63);
    screen.quadTo(mid, 58, mid - 21, 63);
    screen.closeSubpath();
    p.drawPath(screen);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(mid - 16.5, 70.5, 12, 21), 4, 4);
    p.drawRoundedRect(QRectF(mid + 4.5, 70.5, 12, 21), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(mid - 20.5, 98, 41, 2));           // back of the cockpit
    for (int y = 124; y <= 144; y += 5)                  // engine cover vents
        p.drawRect(QRectF(mid - 9.5, y, 19, 2));
    p.drawRoundedRect(QRectF(mid - 23, 158, 9, 3), 1, 1); // tail lights
    p.drawRoundedRect(QRectF(mid + 14, 158, 9, 3), 1, 1);

    // Wheels: white with a black rim line so they stand out against the page.
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::white);
    for (qreal centreY : {26.0, 128.0}) {
        p.drawRoundedRect(QRectF(4.75, centreY - 14, 11, 28), 3, 3);
        p.drawRoundedRect(QRectF(85 - 4.75 - 11, centreY - 14, 11, 28), 3, 3);
    }
}

// Front axle seen from the front: tyres, hubs, uprights, drive shafts and the
// crossmember in the middle; with `links`, the double wishbones and dampers.
void drawFrontAxle(QPainter &p, bool links)
{
    const int width = 131;
    const qreal axleY = 19.5;
    mirrored(p, width, [&] {
        drawTyreHeadOn(p, QRectF(2, 1, 20, 37));
        QPainterPath parts;
        parts.addRoundedRect(QRectF(22, 13.5, 5, 12), 1, 1); // hub
        parts.addRoundedRect(QRectF(27, 7.5, 4, 24), 1, 1);  // upright
        drawMetal(p, parts);
        QPainterPath shaft;
        shaft.addRect(QRectF(31, axleY - 1.5, 23, 3));
        drawMetal(p, shaft);
        QPainterPath joints;
        joints.addEllipse(QPointF(34, axleY), 2.6, 2.6);
        joints.addEllipse(QPointF(50, axleY), 2.6, 2.6);
        drawMetal(p, joints);
    });
    QPainterPath crossmember;
    crossmember.addRoundedRect(QRectF(53.5, 12.5, 24, 14), 3, 3);
    drawMetal(p, crossmember);

    if (!links)
        return;
    mirrored(p, width, [&] {
        p.save();
        p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
        // Both wishbones run from the upright to pivots on the crossmember.
        const QPointF upperOuter(30, 9), upperInner(56, 13.5);
        const QPointF lowerOuter(30, 30), lowerInner(56, 25.5);
        p.drawLine(upperOuter, upperInner);
        p.drawLine(lowerOuter, lowerInner);
        // The damper rises from the lower wishbone to the body above the picture.
        p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(39, 28.5), QPointF(45, -1));
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        for (const QPointF &pivot : {upperOuter, lowerOuter, upperInner, lowerInner})
            p.drawEllipse(pivot, 2.2, 2.2);
        p.setBrush(Qt::white);
        p.drawEllipse(upperInner, 0.9, 0.9);
        p.drawEllipse(lowerInner, 0.9, 0.9);
        p.restore();
    });
}

// A coil spring standing between `bottom` and `top` as a zig-zag of turns.
void drawSpring(QPainter &p, qreal centreX, qreal top, qreal bottom)
{
    const int turns = 4;
    const qreal halfWidth = 5;
    const qreal pitch = (bottom - top) / turns;
    QPainterPath coil;
    coil.moveTo(centreX - halfWidth, bottom);
    for (int i = 0; i < turns; ++i) {
        const qreal y = bottom - i * pitch;
        coil.lineTo(centreX + halfWidth, y - pitch * 0.5);
        coil.lineTo(centreX - halfWidth, y - pitch);
    }
    p.save();
    p.setPen(QPen(kInk, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(coil);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRect(QRectF(centreX - 6.5, bottom, 13, 1.6)); // spring seat on the axle tube
    p.drawRect(QRectF(centreX - 6.5, top - 1.6, 13, 1.6));
    p.restore();
}

// Rear axle seen from behind: tyres, hubs, axle tubes and the differential in
// the middle; with `springsAndDiff`, the springs and the differential in black.
void drawRearAxle(QPainter &p, bool springsAndDiff)
{
    const int width = 131;
    const QPointF diffCentre(65.5, 21.5);
    mirrored(p, width, [&] {
        drawTyreHeadOn(p, QRectF(2, 2.5, 20, 38));
        QPainterPath parts;
        parts.addRoundedRect(QRectF(22, 15, 5, 13), 1, 1); // hub
        QPainterPath tube;                                 // axle tube, thicker towards the middle
        tube.moveTo(27, 19);
        tube.lineTo(56, 18);
        tube.lineTo(56, 25);
        tube.lineTo(27, 24);
        tube.closeSubpath();
        drawMetal(p, parts.united(tube));
        if (springsAndDiff)
            drawSpring(p, 38, 2.5, 17.6);
    });

    QPainterPath housing;
    housing.addEllipse(diffCentre, 11.5, 11);
    if (springsAndDiff) {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawPath(housing);
        p.setPen(QPen(QColor(0x9a, 0x9a, 0x9a), 1));
    } else {
        drawMetal(p, housing);
        p.setPen(QPen(kMetalEdge, 1));
    }
    // The cover plate and its ring of bolts.
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(diffCentre, 7, 7);
    p.setBrush(p.pen().color());
    for (int i = 0; i < 8; ++i) {
        const QPointF bolt = QTransform().rotate(i * 45).map(QPointF(8.8, 0)) + diffCentre;
        p.drawEllipse(bolt, 0.7, 0.7);
    }
}

// The car from the side with the forces that the aerodynamics page edits:
// drag as a column of question marks before the nose, lift and downforce as
// an upward and a downward arrow over each axle.
void drawAerodynamics(QPainter &p)
{
    const qreal scale = 1.15;
    const QPointF carOrigin(33, 66 - 40 * scale - 0.5);
    p.save();
    p.translate(carOrigin);
    p.scale(scale, scale);
    drawCarSide(p);
    p.restore();

    for (qreal y : {33.0, 45.5, 58.0})
        drawQuestionMark(p, QPointF(17, y), 10, kInk);

    for (const QPointF &wheel : {kFrontWheel, kRearWheel}) {
        const qreal x = carOrigin.x() + wheel.x() * scale;
        drawArrow(p, QPointF(x - 5, 23), QPointF(x - 5, 2), 2.2, 7.5, 6);
        drawArrow(p, QPointF(x + 5, 2), QPointF(x + 5, 23), 2.2, 7.5, 6);
        drawQuestionMark(p, QPointF(x - 14, 12.5), 10, kInk);
        drawQuestionMark(p, QPointF(x + 14, 12.5), 10, kInk);
    }
}

// The window icon: a wheel with a spanner laid across it, on nothing, so
// that the desktop, the task bar or the title bar shows through around it.
void drawIcon(QPainter &p)
{
    const QPointF hub(22, 25);
    // Tyre: a dark ring with short grooves across its tread.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x26, 0x26, 0x26));
    p.drawEllipse(hub, 19, 19);
    p.setPen(QPen(QColor(0x5c, 0x5c, 0x5c), 1.3, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 24; ++i) {
        QTransform t;
        t.translate(hub.x(), hub.y());
        t.rotate(i * 15);
        p.drawLine(t.map(QLineF(14, 0, 17.5, 0)));
    }
    p.setPen(Qt::NoPen);

    // Rim with five spokes.
    QRadialGradient chrome(hub - QPointF(4, 4), 16);
    chrome.setColorAt(0, QColor(0xf4, 0xf4, 0xf4));
    chrome.setColorAt(1, QColor(0x9c, 0xa2, 0xaa));
    p.setBrush(chrome);
    p.drawEllipse(hub, 12, 12);
    p.setBrush(QColor(0x3a, 0x3e, 0x44));
    for (int i = 0; i < 5; ++i) {
        QTransform t;
        t.translate(hub.x(), hub.y());
        t.rotate(i * 72 + 36);
        QPainterPath hole;
        hole.moveTo(4.5, -2.2);
        hole.lineTo(10, -4.2);
        hole.quadTo(11.2, 0, 10, 4.2);
        hole.lineTo(4.5, 2.2);
        hole.closeSubpath();
        p.drawPath(t.map(hole));
    }
    p.setBrush(QColor(0x6a, 0x70, 0x78));
    p.drawEllipse(hub, 3, 3);

    // Open-ended spanner from the lower left to the upper right.
    QPainterPath spanner;
    spanner.addRoundedRect(QRectF(-22, -3.2, 34, 6.4), 3.2, 3.2);
    QPainterPath head;
    head.addEllipse(QPointF(14, 0), 8.5, 8.5);
    QPainterPath jaw;
    jaw.addRect(QRectF(14, -3.6, 10, 7.2));
    spanner = spanner.united(head).subtracted(jaw);
    QTransform place;
    place.translate(25, 24);
    place.rotate(-45);
    spanner = place.map(spanner);
    QLinearGradient steel(10, 10, 38, 38);
    steel.setColorAt(0, QColor(0xfa, 0xd8, 0x5a));
    steel.setColorAt(1, QColor(0xd8, 0x8a, 0x12));
    p.setPen(QPen(QColor(0x6a, 0x40, 0x08), 1.2));
    p.setBrush(steel);
    p.drawPath(spanner);
}

bool save(const QImage &image, const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

// The icon at `size` pixels on a transparent canvas; its drawing is made
// for 48 x 48 pixels, and other sizes scale it.
QImage iconAt(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);
    drawIcon(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Appends `value` to `out` as a little-endian number of `bytes` bytes.
void putLittleEndian(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

// A Windows icon file with one PNG-compressed image per size, the form every
// Windows since Vista reads. Qt's own writer stores a single image only.
QByteArray iconFile(const QList<int> &sizes)
{
    QList<QByteArray> images;
    for (int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        iconAt(size).save(&buffer, "PNG");
        images.append(png);
    }
    QByteArray out;
    putLittleEndian(out, 0, 2); // reserved
    putLittleEndian(out, 1, 2); // type: icon
    putLittleEndian(out, quint32(sizes.size()), 2);
    quint32 offset = 6 + 16 * quint32(sizes.size());
    for (int i = 0; i < sizes.size(); ++i) {
        const int size = sizes[i];
        putLittleEndian(out, size >= 256 ? 0 : size, 1); // width, 0 meaning 256
        putLittleEndian(out, size >= 256 ? 0 : size, 1); // height
        putLittleEndian(out, 0, 1);                       // no palette
        putLittleEndian(out, 0, 1);                       // reserved
        putLittleEndian(out, 1, 2);                       // colour planes
        putLittleEndian(out, 32, 2);                      // bits per pixel
        putLittleEndian(out, quint32(images[i].size()), 4);
        putLittleEndian(out, offset, 4);
        offset += quint32(images[i].size());
    }
    for (const QByteArray &png : images)
        out += png;
    return out;
}

// The desktop icons of the application id `appId`: hicolor/<n>x<n>/apps/<appId>.png
// and <appId>.ico.
bool saveDesktopIcons(const QDir &folder, const QString &appId)
{
    bool ok = true;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString sub = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        ok &= folder.mkpath(sub);
        ok &= save(iconAt(size), QDir(folder.filePath(sub)), appId + QStringLiteral(".png"));
    }
    QFile ico(folder.filePath(appId + QStringLiteral(".ico")));
    const QByteArray bytes = iconFile({16, 24, 32, 48, 256});
    if (!ico.open(QIODevice::WriteOnly) || ico.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(ico.fileName()));
        return false;
    }
    std::printf("%s\n", qPrintable(ico.fileName()));
    return ok;
}


}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: drawpictures <pictures folder> [<desktop icons folder>]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists()) {
        std::fprintf(stderr, "no such folder: %s\n", argv[1]);
        return 2;
    }

    bool ok = true;
    // Each picture at its size and twice that (name@2x.png), which the
    // windows take on screens scaled beyond 100 %.
    for (int scale : {1, 2}) {
        auto name = [scale](const char *base) {
            return QString::fromLatin1(base) + (scale == 1 ? QString() : QStringLiteral("@2x"))
                + QStringLiteral(".png");
        };
        ok &= save(paint(135, 44, drawCarWithQuestion, scale), folder, name("image1"));
        ok &= save(paint(85, 170, drawCarFromAbove, scale), folder, name("image2"));
        ok &= save(paint(131, 39, [](QPainter &p) { drawFrontAxle(p, false); }, scale), folder,
                   name("image4_1"));
        ok &= save(paint(131, 39, [](QPainter &p) { drawFrontAxle(p, true); }, scale), folder,
                   name("image4_0"));
        ok &= save(paint(131, 42, [](QPainter &p) { drawRearAxle(p, false); }, scale), folder,
                   name("image3_1"));
        ok &= save(paint(131, 42, [](QPainter &p) { drawRearAxle(p, true); }, scale), folder,
                   name("image3_0"));
        ok &= save(paint(187, 66, drawAerodynamics, scale), folder, name("image5"));
    }
    ok &= save(iconAt(48), folder, QStringLiteral("icon.png"));
    if (argc == 3) {
        const QDir icons(QString::fromLocal8Bit(argv[2]));
        if (!icons.exists()) {
            std::fprintf(stderr, "no such folder: %s\n", argv[2]);
            return 2;
        }
        ok &= saveDesktopIcons(icons, QStringLiteral("org.tuneks.Editor"));
    }
    return ok ? 0 : 1;
}
