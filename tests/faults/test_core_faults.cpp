// Faults of the document core found by the fault-injection work. Each test
// states the behaviour the core should have; while the core lacks it the test
// stays disabled (run it with --gtest_also_run_disabled_tests).
#include "faultfixture.h"

#include <gtest/gtest.h>

// A text box keeps CR and LF when text is pasted into it, and the core takes
// such text: the field check stops examining at a CR, so "1.5" followed by a
// line break passes as a number, and the write-back puts the text into the
// key's line as it is. The file then gets a line break inside that line: it
// has more lines than the document, and whatever followed the break (here a
// section header) becomes a line of its own the next time the file is opened.
// The fix belongs to EditorCore::typeText: refuse text with CR, with a beep,
// as it refuses characters outside the code page (or drop the line breaks).
TEST_F(EditedDocument, DISABLED_APastedLineBreakNeverSplitsALineOfTheFile)
{
    const QString pasted = QStringLiteral("1.5\r\n[engineblock]\r\nMinRPM=9");
    core.typeText(5, pasted);
    host.messages.clear();
    core.saveCommand();
    ASSERT_TRUE(host.messages.isEmpty()) << host.lastText().toStdString();

    // Whatever the core did with the text, the file holds exactly the
    // document's lines, and opening it again gives the same document.
    const QByteArray saved = readFile(target);
    EXPECT_EQ(saved.count("\r\n"), lines.size());
    EXPECT_EQ(saved.count('\r'), lines.size());
    open(target);
    EXPECT_EQ(core.doc().e, lines.size());
    EXPECT_NE(form.text(5), QStringLiteral("1.5"));
}
