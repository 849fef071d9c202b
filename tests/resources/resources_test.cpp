#include "picturelist.h"

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

namespace {

// Every picture a window loads, each also at twice its size (the icon excepted), and nothing else; the
// pages' are 24-bit with white corners to blend in, and show something dark (a blank one would not).
TEST(EmbeddedPictures, EveryPictureIsThereWithItsTwinForScaledScreensAndNothingElse)
{
    QStringList expected{QStringLiteral("icon.png")};
    for (const char *name : {"helmet", "image1", "image2", "image3_0", "image3_1", "image4_0", "image4_1", "image5",
                             "signature"})
        expected << QString::fromLatin1(name) + QStringLiteral(".png") << QString::fromLatin1(name) + QStringLiteral("@2x.png");
    expected.sort();
    ASSERT_EQ(embeddedImageFiles(), expected);
    for (const QString &name : expected) {
        SCOPED_TRACE(name.toStdString());
        const QImage image(QStringLiteral(":/images/") + name);
        ASSERT_FALSE(image.isNull());
        if (!name.startsWith(QStringLiteral("image")))
            continue;
        EXPECT_FALSE(image.hasAlphaChannel());
        const int right = image.width() - 1, bottom = image.height() - 1;
        for (const QPoint &corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            EXPECT_EQ(image.pixelColor(corner), QColor(Qt::white)) << corner.x() << "," << corner.y();
        int dark = 0;
        for (int y = 0; y <= bottom; ++y)
            for (int x = 0; x <= right; ++x)
                dark += qGray(image.pixel(x, y)) < 96;
        EXPECT_GT(dark, image.width() * image.height() / 10);
    }
}

#ifdef TUNEKS_SOURCE_DIR
// The desktop's icons: every hicolor size, the 48 one the window's own, and the
// Windows icon file's usual sizes, all square on a transparent background.
TEST(DesktopIcons, EveryIconFileHoldsItsSizesOnATransparentBackground)
{
    const QString icons = QStringLiteral(TUNEKS_SOURCE_DIR "/resources/icons/");
    QList<QImage> images;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        images << QImage(icons + QStringLiteral("hicolor/%1x%1/apps/org.tuneks.Editor.png").arg(size));
        EXPECT_EQ(images.last().size(), QSize(size, size));
    }
    EXPECT_EQ(images[4].convertToFormat(QImage::Format_ARGB32),
              QImage(QStringLiteral(":/images/icon.png")).convertToFormat(QImage::Format_ARGB32))
        << "the launcher and the window show different icons";
    QImageReader reader(icons + QStringLiteral("org.tuneks.Editor.ico"), "ico");
    ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
    QList<int> sizes;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
        images << reader.read();
        sizes << images.last().width();
    }
    EXPECT_EQ(sizes, QList<int>({16, 24, 32, 48, 256}));
    for (const QImage &icon : images) {
        const int last = icon.width() - 1;
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.height(), icon.width());
        for (const QPoint &corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            EXPECT_TRUE(icon.hasAlphaChannel() && qAlpha(icon.pixel(corner)) == 0) << icon.width();
    }
}
#endif

}  // namespace

int main(int argc, char *argv[])
{
    // Test discovery runs this at build time without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
