#pragma once

#include "editorcore.h"
#include "slots.h"
#include "fakehost.h"
#include "formstate.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <gtest/gtest.h>

// How long an open or save may take before a test calls it stuck. Far
// below a hang, yet far above what a loaded machine needs for 50 MB in the
// sanitizer build, so the limit catches waiting readers and not slow disks.
constexpr qint64 kNoHangMs = 5000;

// A core with a scripted host and a temporary folder for real files.
struct CoreFixture {
    FormState form;
    FakeHost host;
    EditorCore core{form, host};
    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }
    // Writes raw bytes to a file in the temporary folder; returns its path.
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &name) const;
    // Opens the file through the Open command, as the user would.
    void open(const QString &fullName);
    // Saves through Save As to `name` in the temporary folder; returns the path.
    QString saveAs(const QString &name);
    // Makes a new document from a template through New and the chooser.
    void newDocument(FormState::ChooserChoice choice);
    // Opens `lines`, padded with comments to 120 lines, from a file of its
    // own, dropping any unsaved edits; returns the lines as written.
    QVector<QByteArray> openLines(QVector<QByteArray> lines);

private:
    int m_filesOpened = 0;
};

// The fixture as a test class, for TEST_F.
struct CoreTest : ::testing::Test, CoreFixture {};

// The document, its flags and save target, and every field of the form with
// its enabled state: what a refused load or a failed save must leave as it was.
struct DocumentSnapshot {
    QVector<QByteArray> lines;
    DocumentState doc;
    QStringList texts;
    QList<int> values;
    QList<bool> enabled;
    QString caption;

    static DocumentSnapshot of(const EditorCore &core, const FormState &form);
};

// Names what differs between the snapshot and the document now.
::testing::AssertionResult documentIntact(const DocumentSnapshot &before, const EditorCore &core,
                                          const FormState &form);

// Joins lines with CR LF after each, as the editor writes them.
QByteArray joinCrLf(const QVector<QByteArray> &lines);
// A recognisable physics file of `count` lines (at least 100), name-first
// head, holding every key the editor shows with a value the field check
// accepts (slot number and ".5"; check boxes 1 for odd slots).
QVector<QByteArray> physicsLines(int count = 120, const QByteArray &name = "Test Car");
// The lines of physicsLines() as an unchanged save writes them: the two sound
// lists gain a blank after the "=".
QVector<QByteArray> savedUnchanged(QVector<QByteArray> lines);
// Compares file contents and, when they differ, names the first line that does.
::testing::AssertionResult sameBytes(const QByteArray &actual, const QByteArray &expected);
// Index of the first line that begins with `start`, or -1.
int lineIndex(const QVector<QByteArray> &lines, const QByteArray &start);
// The message has this caption and icon and, unless `text` is null, this text.
::testing::AssertionResult isMessage(const ScriptedUser::Message &message, const QString &caption,
                                     MessageIcon icon, const QString &text = QString());
