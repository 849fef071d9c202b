// Regression tests for faults of the document core that the fault-injection
// and fuzzing work found.
#include "faultfixture.h"

#include <gtest/gtest.h>

// A text box keeps CR and LF when text is pasted into it. Were such text
// taken, the field check would stop examining at the CR, so "1.5" followed by
// a line break would pass as a number and be written into its key's line as
// it is: the file would get more lines than the document, and whatever
// followed the break (here a section header) would become a line of its own.
// The core refuses text with a line break, with a beep.
TEST_F(EditedDocument, APastedLineBreakNeverSplitsALineOfTheFile)
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
