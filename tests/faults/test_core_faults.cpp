// Faults of the document core found by the fault-injection work, kept as
// regression tests once fixed.
#include "faultfixture.h"

#include <gtest/gtest.h>

// A text box keeps CR and LF when text is pasted into it. The field check
// stops examining at a CR, so "1.5" and a line break passed as a number, and
// the write-back put the text into the key's line as it was: the file got
// more lines than the document, and whatever followed the break (here a
// section header and a key) became lines of their own the next time the file
// was opened. The core now refuses such text with a beep.
TEST_F(EditedDocument, APastedLineBreakNeverSplitsALineOfTheFile)
{
    const QString pasted[] = {QStringLiteral("1.5\r\n[engineblock]\r\nMinRPM=9"), QStringLiteral("1.5\r7"),
                              QStringLiteral("1.5\n7")};
    for (const QString &text : pasted) {
        SCOPED_TRACE(text.toStdString());
        core.typeText(5, text);
        host.messages.clear();
        host.saveNames.append(target);
        host.answers.append(MessageAnswer::Yes); // replace the target
        core.saveAsCommand();
        ASSERT_EQ(host.messages.size(), 1) << host.lastText().toStdString();

        // Whatever the core did with the text, the file holds exactly the
        // document's lines, and opening it again gives the same document.
        const QByteArray saved = readFile(target);
        EXPECT_EQ(saved.count("\r\n"), lines.size());
        EXPECT_EQ(saved.count('\r'), lines.size());
        EXPECT_EQ(saved.count('\n'), lines.size());
        open(target);
        EXPECT_EQ(core.doc().e, lines.size());
        EXPECT_NE(form.text(5), QStringLiteral("1.5"));
    }
}
