// The windows and standard dialogs as the desktop shows them: where the
// template chooser stands, how wide a message box is for its caption, and
// the language of the file dialogs on a machine whose language is not set.
#include "uitestsupport.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

// The chooser's outer frame, title bar included, stands in the middle of the
// screen, as the about window's does; each time it is shown.
TEST(StandardDialogs, TheTemplateChooserIsCentredWithItsFrame)
{
    Editor editor;
    for (int showing = 0; showing < 2; ++showing) {
        QRect outer, client;
        whenModalShown([&] {
            QWidget *chooser = Editor::topLevel(QStringLiteral("Form5"));
            ASSERT_TRUE(chooser);
            outer = chooser->frameGeometry();
            client = chooser->geometry();
            QTest::keyClick(chooser, Qt::Key_Escape);
        });
        editor.trigger(QStringLiteral("New"));
        ASSERT_GT(outer.height(), client.height()) << "this platform draws no frame to centre";
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_NEAR(outer.center().x(), screen.center().x(), 1) << "showing " << showing;
        EXPECT_NEAR(outer.center().y(), screen.center().y(), 1) << "showing " << showing;
    }
}
