#pragma once

#include "testfiles.h"

#include <QDir>
#include <QStringList>

#include <gtest/gtest.h>

// A document saved once to target.ini, then edited (Mass = 2222.5): it has
// unsaved changes and a save target, which a failed save must both keep.
class EditedDocument : public ::testing::Test, public CoreFixture {
protected:
    void SetUp() override
    {
        lines = physicsLines(150, "Fault Car");
        open(writeFile(QStringLiteral("car.ini"), joinCrLf(lines)));
        target = saveAs(QStringLiteral("target.ini"));
        ASSERT_TRUE(host.messages.isEmpty());
        onDisk = readFile(target);
        ASSERT_TRUE(core.typeText(2, QStringLiteral("2222.5")));
        ASSERT_TRUE(core.doc().unsavedChanges);
    }

    // The bytes a successful save of the edited document writes.
    QByteArray editedBytes() const
    {
        QVector<QByteArray> out = savedUnchanged(lines);
        out[lineIndex(out, "Mass=")] = "Mass=2222.5";
        return joinCrLf(out);
    }

    // After `questions` questions exactly one message more: the critical one
    // of a failed save naming `name`.
    ::testing::AssertionResult toldSaveFailed(const QString &name, int questions = 0) const
    {
        if (host.messages.size() != questions + 1)
            return ::testing::AssertionFailure() << host.messages.size() << " messages";
        if (!host.lastText().startsWith(QStringLiteral("Не удалось сохранить файл ") + name))
            return ::testing::AssertionFailure() << "message " << host.lastText().toStdString();
        return isMessage(host.messages.last(), QStringLiteral("Сохранение (Тюнекс)"), MessageIcon::Critical);
    }

    // What is in the folder, hidden files too, so a left-over temporary file shows.
    QStringList folderEntries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    QVector<QByteArray> lines;
    QString target;
    QByteArray onDisk;
};
