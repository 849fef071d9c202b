#include "testfiles.h"

#include <QFile>

QString CoreFixture::writeFile(const QString &name, const QByteArray &bytes) const
{
    const QString full = path(name);
    QFile file(full);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return full;
}

QByteArray CoreFixture::readFile(const QString &name) const
{
    QFile file(name.startsWith(QLatin1Char('/')) ? name : path(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void CoreFixture::open(const QString &fullName)
{
    host.openNames.append(fullName);
    core.openCommand();
}

QString CoreFixture::saveAs(const QString &name)
{
    host.saveNames.append(path(name));
    core.saveAsCommand();
    return path(name);
}

void CoreFixture::newDocument(FormState::ChooserChoice choice)
{
    host.onModal = [this, choice](WindowId window) {
        if (window == WindowId::Form5) {
            form.setChooserOption(choice);
            core.chooserCreate();
        }
    };
    core.newCommand();
    host.onModal = nullptr;
}

DocumentSnapshot DocumentSnapshot::of(const EditorCore &core, const FormState &form)
{
    DocumentSnapshot s;
    s.lines = core.documentLines();
    s.doc = core.doc();
    for (const Slots::SlotInfo &info : Slots::all())
        if (Slots::isTextSlot(info.slot)) {
            s.texts << form.text(info.slot);
            s.enabled << form.textEnabled(info.slot);
        }
    for (int box = 0; box < Slots::kCheckBoxCount; ++box) {
        s.values << form.check(Slots::CheckBoxId(box));
        s.enabled << form.checkEnabled(Slots::CheckBoxId(box));
    }
    for (int list = 0; list < Slots::kComboCount; ++list) {
        s.values << form.combo(Slots::ComboId(list));
        s.enabled << form.comboEnabled(Slots::ComboId(list));
    }
    s.caption = form.caption();
    return s;
}

::testing::AssertionResult documentIntact(const DocumentSnapshot &before, const EditorCore &core,
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
    else if (now.enabled != before.enabled)
        what = "which fields are enabled";
    else if (now.caption != before.caption)
        what = "the caption";
    if (!what)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "changed: " << what;
}

QByteArray joinCrLf(const QVector<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + "\r\n";
    return out;
}

QVector<QByteArray> physicsLines(int count, const QByteArray &name)
{
    // Every key the editor shows, each in its own section, with a value the
    // field check accepts; the slot number makes each value unique.
    static const char *const headers[] = {"[basic]",      "[Display_Data]", "[engineblock]",
                                          "[transmission]", "[rearend]",    "[tire_rear]",
                                          "[tire_front]", "[brake_rear]",   "[brake_front]",
                                          "[Skins]",      "[audio]",        "[render]"};
    QVector<QByteArray> lines = {"' " + name};
    for (int section = 1; section <= 12; ++section) {
        lines.append(headers[section - 1]);
        for (const Slots::SlotInfo &info : Slots::all()) {
            if (info.section != section || !info.key)
                continue;
            QByteArray value;
            if (info.control == Slots::Control::CheckBox)
                value = info.slot % 2 ? "1" : "0";
            else if (info.slot == Slots::kNumberOfGearsSlot)
                value = "6";
            else if (info.slot == Slots::kEngineTypeSlot)
                value = "5";
            else if (info.slot == Slots::kHornTypeSlot)
                value = "2";
            else
                value = QByteArray::number(info.slot) + ".5";
            lines.append(QByteArray(info.key) + '=' + value);
        }
    }
    while (lines.size() < count)
        lines.append("' filler " + QByteArray::number(lines.size() + 1));
    return lines;
}

QVector<QByteArray> savedUnchanged(QVector<QByteArray> lines)
{
    lines[lineIndex(lines, "enginetype")] = "enginetype= 5";
    lines[lineIndex(lines, "horntype")] = "horntype= 2";
    return lines;
}

int lineIndex(const QVector<QByteArray> &lines, const QByteArray &start)
{
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(start))
            return i;
    return -1;
}

::testing::AssertionResult sameBytes(const QByteArray &actual, const QByteArray &expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (int i = 0; i < qMax(a.size(), e.size()); ++i) {
        const QByteArray x = i < a.size() ? a[i] : QByteArray("<none>");
        const QByteArray y = i < e.size() ? e[i] : QByteArray("<none>");
        if (x != y)
            return ::testing::AssertionFailure()
                   << "line " << i + 1 << " is \"" << x.toStdString() << "\", expected \""
                   << y.toStdString() << "\" (" << a.size() << " vs " << e.size() << " lines)";
    }
    return ::testing::AssertionFailure() << "bytes differ";
}

::testing::AssertionResult isMessage(const ScriptedUser::Message &message, const QString &caption,
                                     MessageIcon icon, const QString &text)
{
    if (message.caption == caption && message.icon == icon && (text.isNull() || message.text == text))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "message \"" << message.caption.toStdString() << "\": "
                                         << message.text.toStdString();
}
