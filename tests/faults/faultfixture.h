#pragma once

// Helpers shared by the fault-injection tests: a record of everything a
// failed load or save must leave as it was, and a fixture with an edited
// document that already has a save target.

#include "testfiles.h"

#include <QDir>
#include <QStringList>

#include <gtest/gtest.h>

// The document, its flags and save target, and every field of the form.
struct DocumentSnapshot {
    QVector<QByteArray> lines;
    DocumentState doc;
    QStringList texts;
    QList<int> values;
    QString caption;

    static DocumentSnapshot of(const EditorCore &core, const FormState &form)
    {
        DocumentSnapshot s;
        s.lines = core.documentLines();
        s.doc = core.doc();
        for (const Slots::SlotInfo &info : Slots::all())
            if (Slots::isTextSlot(info.slot))
                s.texts << form.text(info.slot);
        for (int box = 0; box < Slots::kCheckBoxCount; ++box)
            s.values << form.check(Slots::CheckBoxId(box));
        for (int list = 0; list < Slots::kComboCount; ++list)
            s.values << form.combo(Slots::ComboId(list));
        s.caption = form.caption();
        return s;
    }
};

// Names what differs between the snapshot and the document now.
inline ::testing::AssertionResult documentIntact(const DocumentSnapshot &before, const EditorCore &core,
                                                 const FormState &form)
{
    const DocumentSnapshot now = DocumentSnapshot::of(core, form);
    const char *what = nullptr;
    if (now.lines != before.lines)
        what = "the lines of the document";
    else if (now.doc.NStr != before.doc.NStr)
        what = "the line numbers of the fields";
    else if (now.doc.Izm != before.doc.Izm)
        what = "the edited flags";
    else if (now.doc.AvtoSoxranenie != before.doc.AvtoSoxranenie)
        what = "the unsaved-changes flag";
    else if (now.doc.NePervoeSoxranenie != before.doc.NePervoeSoxranenie
             || now.doc.FNameSaveOld != before.doc.FNameSaveOld)
        what = "the save target";
    else if (now.texts != before.texts || now.values != before.values)
        what = "the fields";
    else if (now.caption != before.caption)
        what = "the caption";
    if (!what)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "changed: " << what;
}

// An open document saved once to target.ini, then edited (Mass = 2222.5), so
// it has unsaved changes and a save target.
class EditedDocument : public ::testing::Test, public CoreFixture {
protected:
    void SetUp() override
    {
        lines = physicsLines(150, "Fault Car");
        open(writeFile(QStringLiteral("car.ini"), joinCrLf(lines)));
        ASSERT_TRUE(host.messages.isEmpty());
        target = saveAs(QStringLiteral("target.ini"));
        ASSERT_TRUE(host.messages.isEmpty());
        onDisk = readFile(target);
        ASSERT_TRUE(core.typeText(2, QStringLiteral("2222.5")));
        ASSERT_TRUE(core.doc().AvtoSoxranenie);
    }

    // The bytes a successful save of the edited document writes.
    QByteArray editedBytes() const
    {
        QVector<QByteArray> out = lines;
        out[lineIndex(out, "Mass=")] = "Mass=2222.5";
        out[lineIndex(out, "enginetype")] = "enginetype= 5";
        out[lineIndex(out, "horntype")] = "horntype= 2";
        return joinCrLf(out);
    }

    // Exactly one message, the critical one of a failed save naming `name`.
    ::testing::AssertionResult toldSaveFailed(const QString &name) const
    {
        if (host.messages.size() != 1)
            return ::testing::AssertionFailure() << host.messages.size() << " messages";
        const FakeHost::Message &m = host.messages[0];
        if (m.icon != MessageIcon::Critical || m.caption != QStringLiteral("Сохранение (Тюнекс)")
            || !m.text.startsWith(QStringLiteral("Не удалось сохранить файл ") + name))
            return ::testing::AssertionFailure() << "message " << m.text.toStdString();
        return ::testing::AssertionSuccess();
    }

    // Files in the folder, so that a left-over temporary file shows.
    QStringList folderEntries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    QVector<QByteArray> lines;
    QString target;
    QByteArray onDisk;
};
