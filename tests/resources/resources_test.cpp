#include "picturelist.h"

#include <QColor>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(EmbeddedPictures, EveryPictureLoadsAtItsPlaceSize)
{
    for (const EmbeddedPicture &picture : expectedPictures()) {
        SCOPED_TRACE(picture.path.toStdString());
        const QPixmap pixmap(picture.path);
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), picture.size);
    }
}

TEST(EmbeddedPictures, NothingIsMissingOrLeftOver)
{
    QStringList expected;
    for (const EmbeddedPicture &picture : expectedPictures())
        expected << picture.path.section(QLatin1Char('/'), -1);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(embeddedImageFiles(), expected);
}

// The page pictures and the icon are plain 24-bit pictures; the page pictures
// sit on white pages, so every corner must be white for them to blend in.
TEST(EmbeddedPictures, OpaquePicturesSitOnWhitePages)
{
    for (const EmbeddedPicture &picture : expectedPictures()) {
        if (!picture.opaque)
            continue;
        SCOPED_TRACE(picture.path.toStdString());
        const QImage image(picture.path);
        ASSERT_FALSE(image.isNull());
        EXPECT_FALSE(image.hasAlphaChannel());
        if (!picture.onWhitePage)
            continue;
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        for (const QPoint &corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            EXPECT_EQ(image.pixelColor(corner), QColor(Qt::white)) << corner.x() << "," << corner.y();
    }
}

// A blank picture would pass the size checks; each one must actually show
// something dark (a silhouette, tyres or links) on its background.
TEST(EmbeddedPictures, PagePicturesAreNotBlank)
{
    for (const EmbeddedPicture &picture : expectedPictures()) {
        if (!picture.onWhitePage)
            continue;
        SCOPED_TRACE(picture.path.toStdString());
        const QImage image = QImage(picture.path).convertToFormat(QImage::Format_Grayscale8);
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 96;
        EXPECT_GT(dark, image.width() * image.height() / 10);
    }
}

TEST(EmbeddedPictures, IconServesAsWindowIcon)
{
    const QIcon icon(QStringLiteral(":/images/icon.png"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes().value(0), QSize(48, 48));
}

}  // namespace

int main(int argc, char *argv[])
{
    // Test discovery runs this program at build time, without the test's
    // environment; it needs no display either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
