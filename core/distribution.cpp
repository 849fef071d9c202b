// Recognising a physics file from its head and distributing its values into
// the fields.
#include "codepage.h"
#include "editorcore.h"
#include "numbertext.h"
#include "templates.h"

#include <cmath>

namespace {

constexpr int kMinLines = 100;

// List position for the number a value begins with: minus the list's
// offset, rounded to the nearest whole number, ties to even. A position
// outside the list leaves it without a selection.
int listPosition(const QByteArray &value, Slots::ComboId list)
{
    const double number = leadingNumber(Codepage::decode(value)) - Slots::comboOffset(list);
    const double position = std::nearbyint(number);
    if (!std::isfinite(position) || position < -1 || position >= Slots::comboItems(list).size())
        return -1;
    return int(position);
}

// The automatic-gearbox box takes the value as a whole number; anything but
// 0, 1 or 2 leaves it clear.
int checkBoxWholeNumber(const QByteArray &value)
{
    const double number = std::nearbyint(leadingNumber(Codepage::decode(value)));
    return (number == 1 || number == 2) ? int(number) : 0;
}

} // namespace

bool EditorCore::Proverka(const QVector<QByteArray> &lines)
{
    // The head decides: at least 100 lines, the first three not empty, and
    // "[basic]" right after the name line, which may follow a "#" comment.
    int nameLine = 0;
    if (lines.size() >= kMinLines && !lines[0].isEmpty() && !lines[1].isEmpty()
        && !lines[2].isEmpty()) {
        if (lines[0].startsWith('#'))
            nameLine = lines[2] == "[basic]" ? 2 : 0;
        else
            nameLine = lines[1] == "[basic]" ? 1 : 0;
    }
    if (nameLine == 0) {
        m_host.message(QStringLiteral("Этот файл не является файлом физики от игры Need For Speed 6"),
                       QStringLiteral("Ошибка при загрузке файла."), MessageIcon::Critical,
                       MessageButtons::Ok);
        return false;
    }

    // Take the file over. Every line number is cleared first, so a slot whose
    // key this file lacks can never point at a line of an earlier file.
    if (m_doc.a.size() <= lines.size())
        m_doc.a.resize(lines.size() + 1);
    for (int n = 1; n <= lines.size(); ++n)
        m_doc.a[n] = lines[n - 1];
    m_doc.e = lines.size();
    m_doc.NStr.fill(0);
    m_doc.Izm.fill(false);
    m_doc.NePervoeSoxranenie = false;
    for (Slots::ComboId list : {Slots::Combo2, Slots::Combo3}) {
        m_form.setCombo(list, -1);
        m_form.setComboEnabled(list, false);
    }

    m_doc.NStr[Slots::kNameSlot] = int16_t(nameLine);
    m_form.setText(Slots::kNameSlot, Codepage::decode(m_doc.a[nameLine].mid(2)));
    m_form.setCaption(QStringLiteral("Редактируем - ") + m_form.text(Slots::kNameSlot)
                      + QStringLiteral(" (Тюнекс)"));
    Raspredelenie1();
    // Filling the fields raised their change rules, which mark the slots of a
    // second or later document as edited. Nothing was edited: a value cut to
    // the field's 100 characters must not be written back shorter than read.
    m_doc.Izm.fill(false);
    enableFieldsOfDocument();
    return true;
}

void EditorCore::Raspredelenie1()
{
    int x = 0;
    const int lastLine = m_doc.e;
    for (int f = 1; f <= lastLine; ++f) {
        const int header = Slots::sectionOfHeader(m_doc.a[f]);
        if (header != 0)
            x = header;
        else if (Slots::sectionHasHandler(x))
            Rasborka(x, f);
    }
    m_doc.AvtoSoxranenie = false;
}

void EditorCore::Rasborka(int section, int f)
{
    const QByteArray &line = m_doc.a[f];
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return;
    // Key and value are looked at in place: most lines have no slot, and
    // copying each key would cost an allocation per line.
    const Slots::SlotInfo *info = Slots::find(section, QByteArray::fromRawData(line.constData(), equals));
    if (!info)
        return;
    const QByteArray value = QByteArray::fromRawData(line.constData() + equals + 1, line.size() - equals - 1);
    switch (info->control) {
    case Slots::Control::MainText:
    case Slots::Control::TorqueText:
        m_form.setText(info->slot, Codepage::decode(value));
        break;
    case Slots::Control::CheckBox: {
        const auto box = Slots::CheckBoxId(info->controlIndex);
        m_form.setCheck(box, box == Slots::Check2 ? checkBoxWholeNumber(value) : (value == "1" ? 1 : 0));
        break;
    }
    case Slots::Control::ComboBox: {
        const auto list = Slots::ComboId(info->controlIndex);
        if (list != Slots::Combo1)
            m_form.setComboEnabled(list, true);
        m_form.setCombo(list, listPosition(value, list));
        break;
    }
    }
    m_doc.NStr[info->slot] = int16_t(f);
}

// A field whose key the document lacks could never be saved, so it is
// disabled; every other field is enabled. The engine and horn lists follow
// their own rule in the distribution.
void EditorCore::enableFieldsOfDocument()
{
    for (const Slots::SlotInfo &info : Slots::all()) {
        const bool present = m_doc.NStr[info.slot] != 0;
        switch (info.control) {
        case Slots::Control::MainText:
        case Slots::Control::TorqueText:
            m_form.setTextEnabled(info.slot, present);
            break;
        case Slots::Control::CheckBox:
            m_form.setCheckEnabled(Slots::CheckBoxId(info.controlIndex), present);
            break;
        case Slots::Control::ComboBox:
            if (info.controlIndex == Slots::Combo1)
                m_form.setComboEnabled(Slots::Combo1, present);
            break;
        }
    }
}

void EditorCore::Razblokirovka()
{
    m_form.setPageButtonsEnabled(true);
    m_form.setFrameVisible(1, true);
    m_form.setPageTitle(QStringLiteral(" --==[ Общее ]==--"));
    m_form.setFrameVisible(8, false);
    m_form.setMenuSaveAsEnabled(true);
}

void EditorCore::loadTemplate(const QVector<QByteArray> &lines)
{
    // A new document has no file yet.
    if (Proverka(lines))
        forgetFileOnDisk();
    Razblokirovka();
    m_doc.b = true;
}

void EditorCore::ShablonPorsche() { loadTemplate(Templates::porsche()); }

void EditorCore::ShablonLamborghini() { loadTemplate(Templates::lamborghini()); }
