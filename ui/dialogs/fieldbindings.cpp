#include "fieldbindings.h"

#include "editorcore.h"

#include <QLineEdit>

namespace tuneks {

namespace {

// Shows `text` with the caret at `caret`, as far as the text reaches. A text
// the edit already shows is left alone, with its caret and undo history.
void showText(QLineEdit *edit, const QString &text, int caret)
{
    if (edit->text() == text)
        return;
    edit->setText(text);
    edit->setCursorPosition(qBound(0, caret, int(text.size())));
}

} // namespace

FieldBindings::FieldBindings(EditorCore &core, QObject *parent) : QObject(parent), m_core(core)
{
    connect(&m_core.form(), &FormState::changed, this, &FieldBindings::onFormChanged);
}

void FieldBindings::bind(int slot, QLineEdit *edit)
{
    m_edits.insert(slot, edit);
    onFormChanged(FormState::Item::Text, slot);
    onFormChanged(FormState::Item::TextEnabled, slot);
    connect(edit, &QLineEdit::textEdited, this, [this, slot, edit] { onEdited(slot, edit); });
}

void FieldBindings::onFormChanged(FormState::Item item, int slot)
{
    QLineEdit *edit = m_edits.value(slot);
    if (!edit)
        return;
    // This also runs while the core takes the user's typing: a text cut to
    // the field's length keeps the caret where the user left it.
    if (item == FormState::Item::Text)
        showText(edit, m_core.form().text(slot), edit->cursorPosition());
    else if (item == FormState::Item::TextEnabled)
        edit->setEnabled(m_core.form().textEnabled(slot));
}

void FieldBindings::onEdited(int slot, QLineEdit *edit)
{
    const QString typed = edit->text();
    const int caret = edit->cursorPosition();
    const bool taken = m_core.typeText(slot, typed);
    // A text the core cut was shown already, as the model changed; a refused
    // edit brings the model's text back, with the caret where the refused
    // input began.
    const QString kept = m_core.form().text(slot);
    showText(edit, kept, taken ? caret : caret - int(typed.size() - kept.size()));
}

} // namespace tuneks
