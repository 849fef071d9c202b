// The icons a desktop shows for the editor: one picture in every hicolor
// size, the same as the window's own icon, and the Windows icon file, all
// on a transparent background.

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <gtest/gtest.h>

namespace {

const QString kIcons = QStringLiteral(TUNEKS_SOURCE_DIR "/resources/icons/");

QImage argb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The icon stands on whatever is behind it: its corners are see-through.
bool hasTransparentCorners(const QImage &icon)
{
    const int last = icon.width() - 1;
    for (const QPoint &corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
        if (!icon.hasAlphaChannel() || qAlpha(icon.pixel(corner)) != 0)
            return false;
    return true;
}

} // namespace

TEST(DesktopIcons, EveryHicolorSizeIsThatSizeAndTheWindowIconIsOneOfThem)
{
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path =
            kIcons + QStringLiteral("hicolor/%1x%1/apps/org.tuneks.Editor.png").arg(size);
        const QImage icon(path);
        ASSERT_FALSE(icon.isNull()) << path.toStdString();
        EXPECT_EQ(icon.size(), QSize(size, size)) << path.toStdString();
        EXPECT_TRUE(hasTransparentCorners(icon)) << path.toStdString();
    }
    const QImage window(QStringLiteral(":/images/icon.png"));
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(argb(QImage(kIcons + QStringLiteral("hicolor/48x48/apps/org.tuneks.Editor.png"))),
              argb(window))
        << "the launcher and the window show different icons";
}

TEST(DesktopIcons, TheWindowsIconFileHoldsTheUsualSizes)
{
    QImageReader reader(kIcons + QStringLiteral("org.tuneks.Editor.ico"), "ico");
    ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
    QList<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << i;
        EXPECT_EQ(image.width(), image.height());
        EXPECT_TRUE(hasTransparentCorners(image)) << image.width();
        sizes.append(image.width());
    }
    EXPECT_EQ(sizes, QList<int>({16, 24, 32, 48, 256}));
}
