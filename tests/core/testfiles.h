#pragma once

#include "editorcore.h"
#include "slots.h"
#include "fakehost.h"
#include "formstate.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QVector>

#include <gtest/gtest.h>

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
};

// Joins lines with CR LF after each, as the editor writes them.
QByteArray joinCrLf(const QVector<QByteArray> &lines);
// A recognisable physics file of `count` lines (at least 100), name-first
// head, holding every key the editor shows with a value the field check
// accepts (slot number and ".5"; check boxes 1 for odd slots).
QVector<QByteArray> physicsLines(int count = 120, const QByteArray &name = "Test Car");
// Compares file contents and, when they differ, names the first line that does.
::testing::AssertionResult sameBytes(const QByteArray &actual, const QByteArray &expected);
// Index of the first line that begins with `start`, or -1.
int lineIndex(const QVector<QByteArray> &lines, const QByteArray &start);
