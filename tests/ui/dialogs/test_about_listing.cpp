// The about and listing windows: their fixed content (shown modally, built
// afresh and discarded, they are seen with every window on scaled screens).
#include "aboutwindow.h"
#include "listingwindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>

#include <memory>

using namespace tuneks;

namespace {

TEST(ListingWindow, ShowsEveryCoreFileThenTheNotesInAReadOnlyBoxFillingTheWindow)
{
    std::unique_ptr<QDialog> window(createListingWindow(nullptr));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Листинг"));
    auto *box = window->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(QFontInfo(box->font()).fixedPitch());
    window->show();
    window->resize(400, 250);
    EXPECT_EQ(box->geometry(), window->rect());

    // Every header and source of the core, exactly as on disk, headers
    // first; then the author's notes.
    const QString text = box->toPlainText();
    ASSERT_EQ(text, listingText());
    EXPECT_FALSE(text.contains(QLatin1Char('\r')));
    const QDir core(QStringLiteral(TUNEKS_SOURCE_DIR "/core"));
    const QStringList files = core.entryList({QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files);
    ASSERT_GE(files.size(), 10);
    const int notes = text.indexOf(QString(70, QLatin1Char('=')) + QStringLiteral("\nПримечания автора.\n"));
    ASSERT_GT(notes, 0);
    for (const QString &name : files) {
        QFile file(core.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const int at = text.indexOf(QStringLiteral("// ---- core/%1 ----\n\n").arg(name) + QString::fromUtf8(file.readAll()));
        EXPECT_TRUE(at >= 0 && at < notes) << qPrintable(name);
    }
    EXPECT_LT(text.indexOf(QStringLiteral("core/fieldtable.h")), text.indexOf(QStringLiteral("core/codepage.cpp")));
}

TEST(AboutWindow, PicturesAndFocus)
{
    std::unique_ptr<QDialog> window(createAboutWindow(nullptr));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Об авторе и о программе."));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    // The helmet stands inside the picture frame, past its border; the
    // signature lets the window show through around its strokes.
    auto *frame = window->findChild<QFrame *>(QStringLiteral("Picture1"));
    auto *helmet = frame->findChild<QLabel *>(QStringLiteral("Image1"));
    ASSERT_NE(helmet, nullptr);
    EXPECT_TRUE(frame->contentsRect().contains(helmet->geometry()));
    auto *signature = window->findChild<QLabel *>(QStringLiteral("Image2"));
    EXPECT_EQ(signature->pixmap().toImage().pixelColor(0, 0).alpha(), 0);
    // It stands inside the description's border, and so inside the window.
    auto *description = window->findChild<QLabel *>(QStringLiteral("Label1"));
    EXPECT_TRUE(description->contentsRect().translated(description->pos()).contains(signature->geometry()));

    // The text of each box keeps clear of the box's border: no dark pixel
    // within four pixels of it (the box drawn without the focus and its caret).
    for (const char *name : {"Text1", "Text2"}) {
        auto *box = window->findChild<QPlainTextEdit *>(QString::fromLatin1(name));
        const QImage drawn = box->grab().toImage();
        const QRect inner = box->contentsRect();
        int leftmost = drawn.width();
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = inner.left(); x < inner.right(); ++x)
                if (drawn.pixelColor(x, y).lightness() < 128)
                    leftmost = std::min(leftmost, x);
        EXPECT_GE(leftmost - inner.left(), 4) << name;
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

} // namespace
