// Faults of the document core found by fault injection, kept once fixed.
#include "faultfixture.h"

#include <gtest/gtest.h>

using namespace tuneks;

// Text pasted into a field keeps its CR and LF. The field check used to stop
// at a CR and the write-back put the text into the key's line as it was, so
// what followed the break (here a section header and a key) became lines of
// their own when the file was opened again. Such text is now refused.
TEST_F(EditedDocument, APastedLineBreakNeverSplitsALineOfTheFile)
{
    for (const QString &text : {QStringLiteral("1.5\r\n[engineblock]\r\nMinRPM=9"), QStringLiteral("1.5\r7"),
                                QStringLiteral("1.5\n7")}) {
        SCOPED_TRACE(text.toStdString());
        core.typeText(5, text);
        host.messages.clear();
        host.saveNames.append(target);
        host.answers.append(MessageAnswer::Yes); // replace the target
        mainWindow.saveAsCommand();
        ASSERT_EQ(host.messages.size(), 1) << host.lastText().toStdString();

        // The file holds exactly the document's lines, and opening it again
        // gives the same document.
        const QByteArray saved = readFile(target);
        EXPECT_EQ(saved.count("\r\n"), lines.size());
        EXPECT_EQ(saved.count('\r'), lines.size());
        EXPECT_EQ(saved.count('\n'), lines.size());
        open(target);
        EXPECT_EQ(core.doc().lines.size(), lines.size());
        EXPECT_NE(form.text(5), QStringLiteral("1.5"));
    }
}
