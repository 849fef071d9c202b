// Draws the two pictures of the about window and writes them as PNG files,
// each also at twice its size (name@2x.png) for screens scaled beyond 100 %:
//   helmet.png     56 x 66, a red racing helmet seen from the side
//   signature.png  96 x 63, a handwritten flourish in blue ink, transparent
//
// Build and run (from the repository root):
//   g++ -std=c++17 -fPIC tools/draw_about_pictures.cpp -o /tmp/draw_about_pictures
//       $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/draw_about_pictures resources/images
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

namespace {

QImage drawHelmet(int scale)
{
    QImage image(56 * scale, 66 * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);

    // Soft shadow on the ground.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 210, 210));
    p.drawEllipse(QRectF(8, 58, 42, 6));

    // The shell: round at the back and the crown, a chin bar at the front.
    QPainterPath shell;
    shell.moveTo(9, 54);
    shell.cubicTo(1, 44, 1, 22, 12, 12);
    shell.cubicTo(22, 3, 40, 4, 48, 16);
    shell.cubicTo(53, 23, 54, 32, 53, 40);
    shell.cubicTo(52, 50, 48, 57, 40, 58);
    shell.lineTo(16, 58);
    shell.cubicTo(12, 58, 10, 57, 9, 54);
    shell.closeSubpath();
    QLinearGradient red(QPointF(10, 8), QPointF(44, 58));
    red.setColorAt(0.0, QColor(255, 90, 80));
    red.setColorAt(0.45, QColor(220, 20, 20));
    red.setColorAt(1.0, QColor(130, 0, 0));
    p.setBrush(red);
    p.setPen(QPen(QColor(90, 0, 0), 1.2));
    p.drawPath(shell);

    p.save();
    p.setClipPath(shell);
    // A white racing stripe over the crown.
    QPainterPath stripe;
    stripe.moveTo(2, 34);
    stripe.cubicTo(8, 14, 26, 6, 50, 14);
    stripe.lineTo(52, 19);
    stripe.cubicTo(30, 11, 12, 19, 6, 38);
    stripe.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 250));
    p.drawPath(stripe);
    // The visor: dark tinted glass across the face opening.
    QPainterPath visor;
    visor.moveTo(26, 25);
    visor.cubicTo(34, 21, 46, 21, 56, 24);
    visor.lineTo(56, 38);
    visor.cubicTo(46, 40, 34, 40, 27, 37);
    visor.cubicTo(24, 34, 24, 28, 26, 25);
    visor.closeSubpath();
    QLinearGradient glass(QPointF(30, 22), QPointF(40, 40));
    glass.setColorAt(0.0, QColor(90, 110, 140));
    glass.setColorAt(0.5, QColor(30, 35, 55));
    glass.setColorAt(1.0, QColor(10, 10, 20));
    p.setBrush(glass);
    p.setPen(QPen(QColor(20, 20, 20), 1.0));
    p.drawPath(visor);
    // A reflection on the glass and a gloss on the shell.
    p.setPen(QPen(QColor(200, 215, 235), 1.2));
    p.drawLine(QPointF(32, 26), QPointF(44, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QRectF(12, 20, 7, 12));
    // Vents on the chin bar.
    p.setBrush(QColor(60, 0, 0));
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(38 + 4 * i, 45, 2, 7), 1, 1);
    p.restore();

    // The visor's pivot screw.
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(190, 190, 190));
    p.drawEllipse(QRectF(22, 29, 5, 5));
    return image;
}

QImage drawSignature(int scale)
{
    QImage image(96 * scale, 63 * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(20, 40, 140);

    // A looping flourish of no particular letters, then a long underline.
    // The window shows only the upper left 89 x 54 pixels of the picture, and
    // the description's text runs beside its left part, so the ink keeps to
    // the lower right of that area.
    p.translate(26, 15);
    p.scale(0.73, 0.74);
    QPainterPath line;
    line.moveTo(6, 36);
    line.cubicTo(10, 18, 18, 8, 22, 12);
    line.cubicTo(26, 16, 16, 36, 14, 42);
    line.cubicTo(20, 30, 28, 24, 30, 30);
    line.cubicTo(31, 34, 28, 38, 32, 38);
    line.cubicTo(36, 38, 38, 26, 42, 26);
    line.cubicTo(46, 26, 40, 38, 46, 38);
    line.cubicTo(52, 38, 52, 24, 58, 24);
    line.cubicTo(64, 24, 56, 36, 62, 36);
    line.cubicTo(68, 36, 70, 20, 74, 14);
    line.cubicTo(78, 8, 80, 16, 76, 26);
    line.cubicTo(73, 34, 72, 38, 78, 36);
    line.cubicTo(82, 34, 84, 30, 86, 28);
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(line);

    QPainterPath underline;
    underline.moveTo(4, 47);
    underline.cubicTo(30, 41, 60, 41, 86, 44);
    underline.cubicTo(70, 46, 52, 50, 40, 51);
    p.setPen(QPen(ink, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(underline);
    // The dot over the flourish.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QRectF(48, 15, 2.6, 2.6));
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTextStream err(stderr);
    if (!QDir().mkpath(folder)) {
        err << "cannot create " << folder << '\n';
        return 1;
    }
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        if (!drawHelmet(scale).save(folder + QStringLiteral("/helmet") + suffix)
            || !drawSignature(scale).save(folder + QStringLiteral("/signature") + suffix)) {
            err << "cannot write the pictures into " << folder << '\n';
            return 1;
        }
    }
    return 0;
}
