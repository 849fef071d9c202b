// The rules that run whenever a value of the form changes, whoever changed
// it: the user typing, or the core filling and clearing the fields.
#include "codepage.h"
#include "editorcore.h"

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

EditorCore::EditorCore(FormState &form, Host &host, QObject *parent)
    : EditorCore(form, host, diskFiles(), parent)
{
}

EditorCore::EditorCore(FormState &form, Host &host, FileAccess &files, QObject *parent)
    : QObject(parent), m_form(form), m_host(host), m_files(files)
{
    // Connected before any view, so the rules have run when a view reads
    // the value back.
    connect(&m_form, &FormState::changed, this, &EditorCore::onFormChanged, Qt::DirectConnection);
}

void EditorCore::onFormChanged(FormState::Item item, int index)
{
    switch (item) {
    case FormState::Item::Text:
        onTextChanged(index);
        break;
    case FormState::Item::Check:
        // Every check box counts as an edit, the automatic gearbox included:
        // its value is written on the next save like the others.
        m_doc.AvtoSoxranenie = true;
        break;
    default:
        break;
    }
}

void EditorCore::onTextChanged(int slot)
{
    if (Slots::isTorqueSlot(slot)) {
        m_doc.AvtoSoxranenie = true;
        m_doc.NomerOkna = slot;
        Izm_();
        return;
    }

    // The caption follows the name. A load changes some seventy fields in a
    // row, so it is built again only when the name or the caption changed.
    const QString name = m_form.text(Slots::kNameSlot);
    if (name != m_captionName || m_form.caption() != m_captionBuilt) {
        m_captionName = name;
        m_captionBuilt = name.isEmpty() ? QStringLiteral("Редактируем - Безымянный автомобиль (Тюнекс)")
                                        : QStringLiteral("Редактируем - ") + name + QStringLiteral(" (Тюнекс)");
        m_form.setCaption(m_captionBuilt);
    }
    m_doc.AvtoSoxranenie = true;
    m_doc.NomerOkna = slot;
    Izm_();

    const QString text = m_form.text(slot);
    if (text.size() > kMaxFieldLength) {
        // The cut is itself a change and runs these rules once more.
        m_form.setText(slot, text.left(kMaxFieldLength));
        m_host.beep();
    }
}

bool EditorCore::typeText(int slot, const QString &text)
{
    if (!Slots::isTextSlot(slot))
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
    m_form.setText(slot, text);
    return true;
}

void EditorCore::chooseComboItem(Slots::ComboId list, int position)
{
    m_form.setCombo(list, position);
    m_doc.AvtoSoxranenie = true;
    // The number of gears is written back only when the user picked it.
    if (list == Slots::Combo1 && m_doc.b)
        m_doc.Izm[Slots::kNumberOfGearsSlot] = true;
}

void EditorCore::labelClicked()
{
    m_doc.AvtoSoxranenie = true;
}
