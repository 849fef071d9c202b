// The pictures and the icon on screens scaled beyond 100 %: drawn from
// pictures made for those pixels, never enlarged from the small ones.
#include "uitestsupport.h"

#include "aboutwindow.h"
#include "pictures.h"
#include "templates.h"

#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QtMath>

#include <algorithm>

#include <gtest/gtest.h>

#include <memory>

using namespace tuneks;

namespace {

// How many pixels of `shown` differ from the opaque pixels of `picture`
// (all of them if the sizes differ); what shines through a transparent
// picture's paper is not the picture's.
int differingPixels(const QImage &shown, const QImage &picture)
{
    if (shown.size() != picture.size())
        return shown.width() * shown.height() + 1;
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            differing += qAlpha(picture.pixel(x, y)) == 255
                && (shown.pixel(x, y) & 0xffffff) != (picture.pixel(x, y) & 0xffffff);
    return differing;
}

// A picture file as it is, whatever its name says about its ratio.
QImage picture(const QString &resource)
{
    QImage image(resource);
    image.setDevicePixelRatio(1); // an @2x file is read with a ratio of 2
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

// At 200 % every picture shows its @2x variant pixel for pixel; at 150 %
// it is not the small picture enlarged either; at 100 % it is the small one.
TEST(SharpPictures, EveryPictureIsDrawnForTheScreensPixels)
{
    Editor editor;
    editor.openFile(editor.writeFile(QStringLiteral("car.ini"), Templates::porsche()));
    std::unique_ptr<QDialog> about(createAboutWindow(editor.window.get()));
    about->show();
    const struct {
        const char *page;   // the page button that shows it, or none for the about window
        const char *name;
        const char *resource;
    } pictures[] = {
        {"Command1", "Image1", "image1"},       {"Command10", "Image2", "image2"},
        {"Command4", "Image3(0)", "image3_0"},  {"Command4", "Image4(0)", "image4_0"},
        {"Command3", "Image4(1)", "image4_1"},  {"Command13", "Image3(1)", "image3_1"},
        {"Command5", "Image5", "image5"},       {nullptr, "Image1", "helmet"},
        {nullptr, "Image2", "signature"},
    };
    editor.click(QStringLiteral("Command2")); // the gearbox page leads to the drive train
    for (const auto &p : pictures) {
        SCOPED_TRACE(p.resource);
        QWidget *window = p.page ? static_cast<QWidget *>(editor.window.get()) : about.get();
        if (p.page)
            editor.click(QString::fromLatin1(p.page));
        auto *label = window->findChild<QLabel *>(QString::fromLatin1(p.name));
        ASSERT_TRUE(label && label->isVisible());
        // How many device pixels of the label, shown at `ratio` over white,
        // differ from `expected`; only what lies inside the window counts
        // (the signature runs past the window's edges).
        auto differing = [&](qreal ratio, const QImage &expected) {
            QImage shot(qCeil(window->width() * ratio), qCeil(window->height() * ratio),
                        QImage::Format_ARGB32_Premultiplied);
            shot.setDevicePixelRatio(ratio);
            shot.fill(Qt::white);
            window->render(&shot);
            shot.setDevicePixelRatio(1);
            const QPoint at = label->mapTo(window, QPoint(0, 0)) * ratio;
            const QRect shown = QRect(at, expected.size()).intersected(shot.rect());
            return differingPixels(shot.copy(shown).convertToFormat(QImage::Format_RGB32),
                                   expected.copy(QRect(QPoint(), shown.size())));
        };
        const QString small = QStringLiteral(":/images/%1.png").arg(QString::fromLatin1(p.resource));
        const QImage fine = picture(QStringLiteral(":/images/%1@2x.png").arg(QString::fromLatin1(p.resource)));
        ASSERT_EQ(fine.size(), QImage(small).size() * 2);
        EXPECT_EQ(differing(2.0, fine), 0);
        EXPECT_EQ(differing(1.0, picture(small)), 0);
        const QSize at150 = QImage(small).size() * 3 / 2;
        EXPECT_GT(differing(1.5, picture(small).scaled(at150).copy(QRect(QPoint(), at150 - QSize(1, 1)))), 0);
    }
}

// The window icon holds every size of the desktop icon set (the files
// themselves are checked with the desktop's icons), so no size is scaled
// from another.
TEST(SharpPictures, TheWindowIconComesInEverySizeOfTheIconSet)
{
    const QIcon icon = editorIcon();
    QList<QSize> available = icon.availableSizes();
    std::sort(available.begin(), available.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    QList<QSize> expected;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        expected << QSize(size, size);
    EXPECT_EQ(available, expected);
    const QImage drawn(QStringLiteral(":/icons/22.png"));
    EXPECT_EQ(icon.pixmap(QSize(22, 22), 1.0).toImage().convertToFormat(drawn.format()), drawn);
    // At 200 % the 48-pixel icon is made from a larger drawing, 96 pixels wide.
    EXPECT_EQ(icon.pixmap(QSize(48, 48), 2.0).size(), QSize(96, 96));

    // A shown window gets it once it has been exposed.
    QApplication::setWindowIcon(QIcon());
    QWidget window;
    window.show();
    giveWindowIconAfterFirstFrame(window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.windowIcon().isNull(); }));
    EXPECT_EQ(window.windowIcon().availableSizes(), icon.availableSizes());
}
