#include "picturelist.h"

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(EmbeddedPictures, EveryPictureIsThereAtItsPlaceSizeAndNothingElse)
{
    QStringList expected;
    for (const EmbeddedPicture &picture : expectedPictures()) {
        SCOPED_TRACE(picture.path.toStdString());
        const QImage image(picture.path);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), picture.size);
        // The page pictures are plain 24-bit pictures.
        if (picture.opaque) {
            EXPECT_FALSE(image.hasAlphaChannel());
        }
        expected << picture.path.section(QLatin1Char('/'), -1);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(embeddedImageFiles(), expected);
}

// The page pictures sit on white pages, so every corner must be white for
// them to blend in; and a blank picture would pass the size checks, so each
// must show something dark (a silhouette, tyres or links).
TEST(EmbeddedPictures, PagePicturesShowSomethingOnWhite)
{
    for (const EmbeddedPicture &picture : expectedPictures()) {
        if (!picture.onWhitePage)
            continue;
        SCOPED_TRACE(picture.path.toStdString());
        const QImage image(picture.path);
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        for (const QPoint &corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            EXPECT_EQ(image.pixelColor(corner), QColor(Qt::white)) << corner.x() << "," << corner.y();
        int dark = 0;
        for (int y = 0; y <= bottom; ++y)
            for (int x = 0; x <= right; ++x)
                dark += qGray(image.pixel(x, y)) < 96;
        EXPECT_GT(dark, image.width() * image.height() / 10);
    }
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
