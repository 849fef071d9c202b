// The rules that run when a field's value changes, whoever changed it: the
// user typing, or the core filling and clearing the fields.
#include "codepage.h"
#include "editorcore.h"
#include "texts.h"

namespace tuneks {

namespace {

constexpr int kMaxFieldLength = 100;

bool isControl(QChar c) { return c.category() == QChar::Other_Control; }

// True when `text` holds a control character more often than `before` does.
bool addsControlCharacter(const QString &before, const QString &text)
{
    for (const QChar c : text)
        if (isControl(c) && text.count(c) > before.count(c))
            return true;
    return false;
}

} // namespace

void EditorCore::markEdited(int slot)
{
    if (m_doc.hasDocument)
        m_doc.edited[size_t(slot)] = true;
}

void EditorCore::putText(int slot, const QString &text)
{
    if (m_form.text(slot) == text)
        return;
    if (Fields::isTorqueSlot(slot)) {
        m_form.setText(slot, text);
    } else {
        // The fields of the main window hold at most 100 characters, and the
        // caption follows the name.
        if (text.size() > kMaxFieldLength)
            m_host.beep();
        m_form.setText(slot, text.left(kMaxFieldLength));
        m_form.setCaption(Texts::editingCaption(m_form.text(Fields::kNameSlot)));
    }
    m_doc.unsavedChanges = true;
    markEdited(slot);
}

bool EditorCore::typeText(int slot, const QString &text)
{
    if (!Fields::isTextSlot(slot))
        return false;
    // A character the file's code page cannot hold could only be written as
    // a substitute, and a line break would split the key's line in two (the
    // game reads a lone LF as a line end too), so neither enters a field.
    // Nor does any other control character (NUL, ESC, DEL, tab...): none
    // belongs in a value or a name. One that the file itself holds in the
    // value does not lock the field, but no further one may come in.
    const bool breaksLine = text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
    if (breaksLine || addsControlCharacter(m_form.text(slot), text) || !Codepage::canEncode(text)) {
        m_host.beep();
        return false;
    }
    putText(slot, text);
    return true;
}

void EditorCore::chooseComboItem(int slot, int position)
{
    const Fields::FieldInfo *info = Fields::bySlot(slot);
    if (!info || info->control != Fields::Control::ComboBox)
        return;
    m_form.setCombo(slot, position);
    m_doc.unsavedChanges = true;
    // A list that is written back only when the user picked an item (the
    // number of gears) counts as edited; the others are written every time.
    if (info->conversion == Fields::Conversion::ListNumber)
        markEdited(slot);
}

void EditorCore::clickCheckBox(int slot)
{
    if (!Fields::isCheckBoxSlot(slot))
        return;
    // Every check box counts as an edit, the automatic gearbox included: its
    // value is written on the next save like the others.
    m_form.setCheck(slot, m_form.check(slot) == 1 ? 0 : 1);
    m_doc.unsavedChanges = true;
}

void EditorCore::labelClicked()
{
    m_doc.unsavedChanges = true;
}

} // namespace tuneks
