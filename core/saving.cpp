// Change marking, write-back of the fields into their lines, and writing the
// document to a file.
#include "codepage.h"
#include "editorcore.h"
#include "systemfiles.h"

#include <cstring>

namespace {

const QString &saveCaption()
{
    static const QString caption = QStringLiteral("Сохранение (Тюнекс)");
    return caption;
}

bool endsWithIni(const QString &name) { return name.endsWith(QStringLiteral(".ini")); }

} // namespace

void EditorCore::Izm_()
{
    if (m_doc.b)
        m_doc.Izm[m_doc.NomerOkna] = true;
}

void EditorCore::replaceValue(int slot, const QByteArray &value)
{
    QByteArray &line = m_doc.a[m_doc.NStr[slot]];
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return;
    line = line.left(equals + 1) + value;
}

void EditorCore::Soxranenie3(int Soxr)
{
    const Slots::SlotInfo *info = Slots::bySlot(Soxr);
    // A slot whose key the document does not hold has no line to write.
    if (!info || m_doc.NStr[Soxr] == 0)
        return;
    switch (info->control) {
    case Slots::Control::MainText:
        if (Soxr == Slots::kNameSlot) {
            // The name line always gets its "' ". An unedited name keeps the
            // rest of its line as read, which may be longer than the field.
            QByteArray &line = m_doc.a[m_doc.NStr[Soxr]];
            line = "' " + (m_doc.Izm[Soxr] ? Codepage::encode(m_form.text(Soxr)) : line.mid(2));
        }
        else if (m_doc.Izm[Soxr])
            replaceValue(Soxr, Codepage::encode(m_form.text(Soxr))); // Soxranenie2
        break;
    case Slots::Control::TorqueText:
        if (m_doc.Izm[Soxr])
            replaceValue(Soxr, Codepage::encode(m_form.text(Soxr))); // Soxranenie2_2
        break;
    case Slots::Control::ComboBox: {
        const auto list = Slots::ComboId(info->controlIndex);
        const int position = m_form.combo(list);
        if (position == -1)
            break;
        if (list == Slots::Combo1) {
            if (m_doc.Izm[Soxr])
                replaceValue(Soxr, QByteArray::number(position + Slots::comboOffset(list)));
        } else {
            replaceValue(Soxr, ' ' + QByteArray::number(position + Slots::comboOffset(list)));
        }
        break;
    }
    case Slots::Control::CheckBox:
        // Check-box lines are rewritten whole, after all slots.
        break;
    }
}

void EditorCore::Soxranenie1()
{
    for (int Soxr = 1; Soxr <= 127; ++Soxr)
        Soxranenie3(Soxr);
    for (const Slots::SlotInfo &info : Slots::all()) {
        if (info.control != Slots::Control::CheckBox || m_doc.NStr[info.slot] == 0)
            continue;
        const int value = m_form.check(Slots::CheckBoxId(info.controlIndex));
        m_doc.a[m_doc.NStr[info.slot]] = QByteArray(info.key) + '=' + QByteArray::number(value);
    }
}

QVector<QByteArray> EditorCore::documentLines() const
{
    return m_doc.a.mid(1, m_doc.e);
}

QByteArray EditorCore::documentBytes() const
{
    qsizetype size = 0;
    for (int n = 1; n <= m_doc.e; ++n)
        size += m_doc.a[n].size() + 2;
    QByteArray contents(size, Qt::Uninitialized);
    char *out = contents.data();
    for (int n = 1; n <= m_doc.e; ++n) {
        const QByteArray &line = m_doc.a[n];
        std::memcpy(out, line.constData(), size_t(line.size()));
        out += line.size();
        *out++ = '\r';
        *out++ = '\n';
    }
    return contents;
}

bool EditorCore::Soxranenie4()
{
    if (checkOnlyRun())
        return false;
    if (!changedOnDiskAllowsWrite(m_doc.FNameSaveNew))
        return false;
    const QByteArray contents = documentBytes();
    QString reason;
    if (!m_files.write(m_doc.FNameSaveNew, contents, &reason)) {
        m_host.message(QStringLiteral("Не удалось сохранить файл ") + m_doc.FNameSaveNew
                           + QStringLiteral(".\r\n") + reason,
                       saveCaption(), MessageIcon::Critical, MessageButtons::Ok);
        m_writeFailed = true;
        return false;
    }
    rememberFileOnDisk(m_doc.FNameSaveNew, contents);
    m_doc.NePervoeSoxranenie = true;
    m_doc.AvtoSoxranenie = false;
    m_lastSaveWrote = true;
    return true;
}

bool EditorCore::Soxranenie5()
{
    if (checkOnlyRun())
        return false;
    QString name = m_host.askSaveFileName();
    m_doc.FNameSaveNew = name;
    if (name.isEmpty())
        return false;
    name = nativeFileName(name);
    if (!endsWithIni(name))
        name += QStringLiteral(".ini");
    m_doc.FNameSaveNew = name;
    // Any existing file is worth the question, a hidden one included. What
    // is no ordinary file is refused by the file writer without asking.
    if (m_files.kindOf(name) == NameKind::File) {
        const MessageAnswer answer = m_host.message(
            QStringLiteral("Файл ") + name + QStringLiteral(" уже существует.\r\nЗаменить его?"),
            saveCaption(), MessageIcon::Exclamation, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes)
            return false;
    }
    const QString previousTarget = m_doc.FNameSaveOld;
    m_doc.FNameSaveOld = m_doc.FNameSaveNew;
    if (!Soxranenie4()) {
        m_doc.FNameSaveOld = previousTarget;
        return false;
    }
    return true;
}

bool EditorCore::saveSequence()
{
    // The write-back changes only the line buffer; should the write fail,
    // the buffer goes back to what it was so that nothing but the message
    // tells of the attempt.
    const QVector<QByteArray> bufferBefore = m_doc.a;
    m_writeFailed = false;
    Soxranenie1();
    bool written;
    // Without a save target there is nothing to write to but a new name.
    if (!m_doc.SaveAsFlag && !m_doc.FNameSaveOld.isEmpty()) {
        m_doc.FNameSaveNew = m_doc.FNameSaveOld;
        written = Soxranenie4();
    } else {
        written = Soxranenie5();
    }
    if (m_writeFailed)
        m_doc.a = bufferBefore;
    return written;
}
