// The about and listing windows: fixed content, built afresh, modal and in
// the middle of the screen.
#include "aboutwindow.h"
#include "listingwindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

#include <memory>

using namespace tuneks;

namespace {

TEST(ListingWindow, ShowsEveryCoreFileThenTheNotesInAReadOnlyBoxFillingTheWindow)
{
    std::unique_ptr<QDialog> window(createListingWindow(nullptr));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Листинг"));
    // Offscreen windows have no frame: the outer size is the client size.
    EXPECT_EQ(window->size(), QSize(853, 507));
    auto *box = window->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(QFontInfo(box->font()).fixedPitch());
    window->show();
    window->resize(400, 250);
    EXPECT_EQ(box->geometry(), QRect(0, 0, 400, 250));

    const QString text = box->toPlainText();
    ASSERT_EQ(text, listingText());
    ASSERT_TRUE(text.endsWith(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')));
    const QStringList lines = text.chopped(1).split(QLatin1Char('\n'));
    const QString rule(70, QLatin1Char('='));
    const int firstRule = lines.indexOf(rule);
    ASSERT_GT(firstRule, 100) << "the core's source comes first";
    EXPECT_EQ(lines.size(), firstRule + 7) << "a four-line note";
    EXPECT_EQ(lines.mid(firstRule, 3), (QStringList{rule, QStringLiteral("Примечания автора."), rule}));

    // Every header and source of the core, exactly as on disk, headers first.
    const QDir core(QStringLiteral(TUNEKS_SOURCE_DIR "/core"));
    const QStringList files = core.entryList({QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files);
    ASSERT_GE(files.size(), 10);
    const QString sources = lines.mid(0, firstRule).join(QLatin1Char('\n'));
    for (const QString &name : files) {
        QFile file(core.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(sources.contains(QStringLiteral("// ---- core/%1 ----\n\n").arg(name)
                                     + QString::fromUtf8(file.readAll())))
            << qPrintable(name);
    }
    EXPECT_LT(sources.indexOf(QStringLiteral("core/slots.h")), sources.indexOf(QStringLiteral("core/codepage.cpp")));
}

TEST(AboutWindow, LayoutPicturesTextsThatFitAndFocus)
{
    std::unique_ptr<QDialog> window(createAboutWindow(nullptr));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Об авторе и о программе."));
    EXPECT_EQ(window->size(), QSize(313, 342));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const struct { const char *name; QRect geometry; } controls[] = {
        {"Text1", {104, 8, 193, 85}}, {"Label1", {16, 176, 281, 153}}, {"Image2", {224, 288, 96, 63}}};
    for (const auto &c : controls) {
        auto *w = window->findChild<QWidget *>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.geometry) << c.name;
    }
    // The helmet stands inside the picture frame, past its border.
    auto *helmet = window->findChild<QWidget *>(QStringLiteral("Picture1"))->findChild<QLabel *>(QStringLiteral("Image1"));
    ASSERT_NE(helmet, nullptr);
    EXPECT_EQ(helmet->geometry(), QRect(10, 10, 56, 66));
    const QImage helmetImage = helmet->pixmap().toImage();
    ASSERT_EQ(helmetImage.size(), QSize(56, 66));
    EXPECT_GT(helmetImage.pixelColor(12, 45).red(), 100);
    EXPECT_LT(helmetImage.pixelColor(12, 45).green(), 60);
    const QImage signature = window->findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().toImage();
    ASSERT_EQ(signature.size(), QSize(96, 63));
    EXPECT_EQ(signature.pixelColor(0, 0).alpha(), 0);

    // The lines are broken by hand, so nothing wraps or scrolls: each must
    // fit as drawn.
    const auto expectFits = [](const QString &text, const QFont &font, QSize room, const char *name) {
        const QFontMetrics metrics(font);
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (const QString &line : lines)
            EXPECT_LE(metrics.horizontalAdvance(line), room.width()) << name << ": " << qPrintable(line);
        EXPECT_LE(metrics.lineSpacing() * lines.size(), room.height()) << name;
    };
    auto *label = window->findChild<QLabel *>(QStringLiteral("Label1"));
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("   О программе:\n")));
    expectFits(label->text(), label->font(), label->contentsRect().size(), "Label1");
    for (const char *name : {"Text1", "Text2"}) {
        auto *box = window->findChild<QPlainTextEdit *>(QString::fromLatin1(name));
        ASSERT_NE(box, nullptr) << name;
        const int margin = 2 * int(box->document()->documentMargin());
        expectFits(box->toPlainText(), box->font(), box->contentsRect().size() - QSize(margin, margin), name);
    }

    // Focus starts in Text1 and moves to the picture, then to Text2.
    window->show();
    QApplication::setActiveWindow(window.get());
    QStringList chain;
    for (QWidget *w = window->focusWidget(); chain.size() < 3; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w->objectName();
    EXPECT_EQ(chain, (QStringList{QStringLiteral("Text1"), QStringLiteral("Picture1"), QStringLiteral("Text2")}));
}

TEST(AboutAndListing, ShownModallyCentredAndDiscardedEachTime)
{
    QWidget owner;
    owner.setGeometry(10, 10, 300, 200);
    owner.show();
    const struct { const char *name; void (*show)(QWidget *); } windows[] = {
        {"Form9", showAboutWindow}, {"Form9", showAboutWindow}, {"Form4", showListingWindow}};
    for (const auto &w : windows) {
        bool seen = false;
        // Looks at the modal window once it is up, then closes it as the user would.
        QTimer::singleShot(0, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            seen = true;
            EXPECT_EQ(modal->objectName(), QString::fromLatin1(w.name));
            EXPECT_TRUE(modal->isModal());
            // Centred: the outer frame at half the screen less half its size.
            const QRect screen = QGuiApplication::primaryScreen()->geometry(), outer = modal->frameGeometry();
            EXPECT_EQ(outer.x(), screen.x() + screen.width() / 2 - outer.width() / 2);
            EXPECT_EQ(outer.y(), screen.y() + screen.height() / 2 - outer.height() / 2);
            modal->close();
        });
        w.show(&owner);
        EXPECT_TRUE(seen) << w.name;
        EXPECT_EQ(owner.findChild<QDialog *>(QString::fromLatin1(w.name)), nullptr) << w.name;
    }
}

} // namespace
