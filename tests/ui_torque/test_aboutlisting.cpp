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

#include <functional>
#include <memory>

namespace {

// Where a window's outer frame stands when it is centred: half the screen
// less half the window, in each direction.
QPoint centredPosition(const QWidget *window)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = window->frameGeometry().size();
    return QPoint(screen.x() + screen.width() / 2 - outer.width() / 2,
                  screen.y() + screen.height() / 2 - outer.height() / 2);
}

// Runs `inspect` on the modal window once it is up, then closes it as the
// user would.
void whileModal(const std::function<void(QWidget *)> &inspect, bool *seen)
{
    QTimer::singleShot(0, [inspect, seen] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        *seen = true;
        inspect(modal);
        modal->close();
    });
}

// ---- Listing -----------------------------------------------------------

TEST(ListingText, HoldsEveryCoreFileThenTheNotes)
{
    const QString text = listingText();
    ASSERT_TRUE(text.endsWith(QLatin1Char('\n')));
    EXPECT_FALSE(text.contains(QLatin1Char('\r')));

    const QStringList lines = text.left(text.size() - 1).split(QLatin1Char('\n'));
    const QString rule(70, QLatin1Char('='));
    const int firstRule = lines.indexOf(rule);
    ASSERT_GT(firstRule, 100) << "the core's source comes first";
    EXPECT_EQ(lines.count(rule), 2);
    ASSERT_EQ(lines.size(), firstRule + 7);
    EXPECT_EQ(lines.at(firstRule + 1), QStringLiteral("Примечания автора."));
    EXPECT_EQ(lines.at(firstRule + 2), rule);
    for (int i = firstRule + 3; i < lines.size(); ++i)
        EXPECT_FALSE(lines.at(i).trimmed().isEmpty()) << "note line " << i - firstRule - 2;

    // Every header and source of the core is in it, exactly as on disk.
    const QDir core(QStringLiteral(TUNEKS_SOURCE_DIR "/core"));
    const QStringList files = core.entryList({QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files);
    ASSERT_GE(files.size(), 10);
    const QString sources = lines.mid(0, firstRule).join(QLatin1Char('\n'));
    for (const QString &name : files) {
        QFile file(core.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString content = QString::fromUtf8(file.readAll());
        const QString heading = QStringLiteral("// ---- core/") + name + QStringLiteral(" ----\n\n");
        EXPECT_TRUE(sources.contains(heading + content)) << qPrintable(name);
    }
    // Headers first, then sources.
    EXPECT_LT(sources.indexOf(QStringLiteral("core/slots.h")),
              sources.indexOf(QStringLiteral("core/codepage.cpp")));
}

TEST(ListingWindow, TextBoxFillsTheFixedSizeWindowAndFollowsResizing)
{
    std::unique_ptr<QDialog> window(createListingWindow(nullptr));
    EXPECT_EQ(window->objectName(), QStringLiteral("Form4"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Листинг"));
    // Offscreen windows have no frame: the outer size is the client size.
    EXPECT_EQ(window->size(), QSize(853, 507));

    auto *text = window->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(window->findChildren<QPlainTextEdit *>().size(), 1);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->toPlainText(), listingText());
    EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(QFontInfo(text->font()).fixedPitch());
    EXPECT_DOUBLE_EQ(text->font().pointSizeF(), 9.75);

    window->show();
    EXPECT_EQ(text->geometry(), window->rect());
    for (const QSize size : {QSize(400, 250), QSize(1000, 700), QSize(120, 80)}) {
        window->resize(size);
        EXPECT_EQ(text->geometry(), QRect(QPoint(0, 0), size));
    }
}

// ---- About ----------------------------------------------------------------

TEST(AboutWindow, LayoutAndPictures)
{
    std::unique_ptr<QDialog> window(createAboutWindow(nullptr));
    EXPECT_EQ(window->objectName(), QStringLiteral("Form9"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Об авторе и о программе."));
    EXPECT_EQ(window->size(), QSize(313, 342));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());

    const struct { const char *name; QRect geometry; } controls[] = {
        {"Text1", {104, 8, 193, 85}}, {"Picture1", {16, 8, 75, 85}}, {"Text2", {16, 104, 281, 65}},
        {"Label1", {16, 176, 281, 153}}, {"Image2", {224, 288, 96, 63}}};
    for (const auto &c : controls) {
        auto *w = window->findChild<QWidget *>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.geometry) << c.name;
    }
    auto *frame = window->findChild<QWidget *>(QStringLiteral("Picture1"));
    auto *helmet = frame->findChild<QLabel *>(QStringLiteral("Image1"));
    ASSERT_NE(helmet, nullptr);
    EXPECT_EQ(helmet->size(), QSize(56, 66));
    // Image1 stands 8 pixels into the frame's interior (inside its border).
    EXPECT_EQ(helmet->pos(), QPoint(10, 10));

    // Both pictures are really there, of the stated sizes.
    const QImage helmetImage = helmet->pixmap().toImage();
    ASSERT_EQ(helmetImage.size(), QSize(56, 66));
    const QColor shell = helmetImage.pixelColor(12, 45);
    EXPECT_GT(shell.red(), 100);
    EXPECT_LT(shell.green(), 60);
    auto *signature = window->findChild<QLabel *>(QStringLiteral("Image2"));
    const QImage signatureImage = signature->pixmap().toImage();
    ASSERT_EQ(signatureImage.size(), QSize(96, 63));
    EXPECT_TRUE(signatureImage.hasAlphaChannel());
    EXPECT_EQ(signatureImage.pixelColor(0, 0).alpha(), 0);
}

TEST(AboutWindow, EveryTextFitsItsBox)
{
    std::unique_ptr<QDialog> window(createAboutWindow(nullptr));
    auto *label = window->findChild<QLabel *>(QStringLiteral("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->text().startsWith(QStringLiteral("   О программе:\n")));
    // The lines are broken by hand, so nothing wraps or scrolls: each must
    // fit as drawn.
    const auto expectFits = [](const QString &text, const QFont &font, QSize room, const char *name) {
        const QFontMetrics metrics(font);
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (const QString &line : lines)
            EXPECT_LE(metrics.horizontalAdvance(line), room.width()) << name << ": " << qPrintable(line);
        EXPECT_LE(metrics.lineSpacing() * lines.size(), room.height()) << name;
    };
    expectFits(label->text(), label->font(), label->contentsRect().size(), "Label1");
    for (const char *name : {"Text1", "Text2"}) {
        auto *box = window->findChild<QPlainTextEdit *>(QString::fromLatin1(name));
        ASSERT_NE(box, nullptr) << name;
        const int margin = 2 * int(box->document()->documentMargin());
        expectFits(box->toPlainText(), box->font(),
                   box->contentsRect().size() - QSize(margin, margin), name);
    }
}

TEST(AboutWindow, FocusStartsInText1AndMovesToThePictureThenText2)
{
    std::unique_ptr<QDialog> window(createAboutWindow(nullptr));
    window->show();
    QApplication::setActiveWindow(window.get());
    EXPECT_EQ(window->focusWidget()->objectName(), QStringLiteral("Text1"));
    QStringList chain;
    QWidget *w = window->focusWidget();
    for (int i = 0; i < 3; ++i) {
        chain << w->objectName();
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
    }
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
        whileModal([&w](QWidget *modal) {
            EXPECT_EQ(modal->objectName(), QString::fromLatin1(w.name));
            EXPECT_TRUE(modal->isModal());
            EXPECT_EQ(modal->frameGeometry().topLeft(), centredPosition(modal));
        }, &seen);
        w.show(&owner);
        EXPECT_TRUE(seen) << w.name;
        EXPECT_EQ(owner.findChild<QDialog *>(QString::fromLatin1(w.name)), nullptr) << w.name;
    }
}

} // namespace
