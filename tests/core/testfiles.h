#pragma once

#include "commands/choosercommands.h"
#include "editorcore.h"
#include "commands/errorscommands.h"
#include "fakehost.h"
#include "fieldsnapshot.h"
#include "commands/mainwindowcommands.h"
#include "texts.h"
#include "commands/torquecommands.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tuneks;

// How long an open or save may take before a test calls it stuck: far above
// what a loaded machine needs for 50 MB in the sanitizer build, far below a hang.
constexpr qint64 kNoHangMs = 5000;

// A core with a scripted host and a temporary folder for real files.
struct CoreFixture {
    FormState form;
    FakeHost host;
    EditorCore core{form, host};
    // The commands of each window, on the same core.
    MainWindowCommands mainWindow{core};
    ErrorsCommands errors{core};
    ChooserCommands chooser{core};
    TorqueCommands torque{core};
    QTemporaryDir dir;

    // The full name of `name` in the folder (or `name` when absolute), with the platform's separators
    // as the system's file dialogs give names.
    QString path(const QString &name) const
    {
        return QDir::toNativeSeparators(QDir::isAbsolutePath(name) ? name : dir.filePath(name));
    }
    // Writes `bytes` to `name` in the folder and returns its path.
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    QByteArray readFile(const QString &name) const;
    // Open and New (with `choice` in the chooser) as the user gives them.
    void open(const QString &fullName);
    void newDocument(FormState::ChooserChoice choice);
    // Save As to `name` (in the folder unless absolute), answering the
    // questions that come with `answers`; with `pastErrors` the field
    // check's list is saved anyway. Returns the full name.
    QString saveAs(const QString &name, const QList<MessageAnswer> &answers = {}, bool pastErrors = false);
    // Opens `lines`, padded with comments to 120 lines, from a file of its
    // own, dropping any unsaved edits; returns the lines as written.
    QVector<QByteArray> openLines(QVector<QByteArray> lines);
    FieldSnapshot snapshot() const { return FieldSnapshot(core, form); }
    // Nothing of the document or the form differs from `before`.
    ::testing::AssertionResult intact(const FieldSnapshot &before) const;

private:
    int m_filesOpened = 0;
};

struct CoreTest : ::testing::Test, CoreFixture {
    // Every modal window the core showed was closed again by its commands.
    void TearDown() override { EXPECT_TRUE(host.modalsLeftOpen.isEmpty()); }
};

// Joins lines with CR LF after each, as the editor writes them.
QByteArray joinCrLf(const QVector<QByteArray> &lines);
// A physics file of `count` lines (at least 100) with the name line first and
// every key the editor shows, each with a value the field check accepts (slot
// number and ".5"; check boxes 1 for odd slots; gears 6, engine 5, horn 2).
QVector<QByteArray> physicsLines(int count = 120, const QByteArray &name = "Test Car");
// physicsLines() as an unchanged save writes them: the two sound lists gain a
// blank after the "=".
QVector<QByteArray> savedUnchanged(QVector<QByteArray> lines);
// Compares file contents and, when they differ, names the first line that does.
::testing::AssertionResult sameBytes(const QByteArray &actual, const QByteArray &expected);
// Index of the first line that begins with `start`, or -1.
int lineIndex(const QVector<QByteArray> &lines, const QByteArray &start);
// The message has this caption and icon and, unless `text` is null, this text.
::testing::AssertionResult isMessage(const ScriptedUser::Message &message, const QString &caption,
                                     MessageIcon icon, const QString &text = QString());
