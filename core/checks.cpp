// The field check before every save, and the torque check when the torque
// window closes. Both look at characters only; they know no numbers.
#include "editorcore.h"

namespace tuneks {

namespace {

enum class FieldVerdict { Ok, Empty, BadCharacter };

// Digits, "." and "-" are allowed in any number and order; character 13 or
// 15 ends the examination; anything else is an error. Characters are judged
// by their code in the file's code page, where everything beyond ASCII has a
// code of 128 or more and is never allowed.
FieldVerdict examine(const QString &text)
{
    if (text.isEmpty())
        return FieldVerdict::Empty;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if ((code >= u'0' && code <= u'9') || code == u'.' || code == u'-')
            continue;
        if (code == 13 || code == 15)
            break;
        return FieldVerdict::BadCharacter;
    }
    return FieldVerdict::Ok;
}

} // namespace

std::optional<QString> EditorCore::fieldError(const QString &text, int slot)
{
    switch (examine(text)) {
    case FieldVerdict::Ok: return std::nullopt;
    case FieldVerdict::Empty: return QStringLiteral("Не заполнено окно ") + Fields::errorLabel(slot);
    case FieldVerdict::BadCharacter: break;
    }
    return QStringLiteral("Не допустимый символ в окне ") + Fields::errorLabel(slot);
}

QStringList EditorCore::errorsOf(Fields::Check check) const
{
    QStringList errors;
    for (int slot : Fields::checkedSlots(check))
        if (const std::optional<QString> error = fieldError(m_form.text(slot), slot))
            errors.append(*error);
    return errors;
}

void EditorCore::setErrorsRun(SaveKind kind)
{
    m_doc.errorsRun = kind;
    // A check-only run offers neither another check nor a save.
    m_form.setErrorsButtonsEnabled(kind != SaveKind::CheckOnly);
}

SaveOutcome EditorCore::checkFieldsThenSave(SaveKind kind)
{
    if (m_doc.errorsWindowOpen) {
        // The open window's buttons go on with the latest request; one that
        // only checks never turns into a save.
        if (m_doc.errorsRun != SaveKind::CheckOnly)
            setErrorsRun(kind);
        m_host.message(QStringLiteral("Окно Ошибок уже загружено, операция не будет выполнена. "
                                      "Для продолжения работы закройте окно Ошибок."),
                       QStringLiteral("Ошибка..."), MessageIcon::Critical, MessageButtons::Ok);
        return SaveOutcome::ErrorsWindowOpen;
    }
    setErrorsRun(kind);
    const QStringList fieldErrors = errorsOf(Fields::Check::Field);
    if (!fieldErrors.isEmpty()) {
        m_form.appendErrors(fieldErrors);
        m_host.showWindow(WindowId::FieldErrors);
        m_doc.errorsWindowOpen = true;
        return SaveOutcome::ErrorsListed;
    }
    if (kind == SaveKind::CheckOnly) {
        m_host.message(QStringLiteral("Ошибки в файле не найдены"), QStringLiteral("Отчёт"),
                       MessageIcon::Exclamation, MessageButtons::Ok);
        setErrorsRun(SaveKind::Save);
    }
    return saveWithoutCheck(kind);
}

void EditorCore::errorsWindowClosed()
{
    m_doc.errorsWindowOpen = false;
    setErrorsRun(SaveKind::Save);
    m_form.clearErrors();
}

void EditorCore::checkTorque()
{
    const QStringList torqueErrors = errorsOf(Fields::Check::Torque);
    if (!torqueErrors.isEmpty()) {
        m_form.appendTorqueErrors(torqueErrors);
        // Returns once the window is closed, which empties its list.
        m_host.showWindowModal(WindowId::TorqueErrors);
    }
    m_host.hideWindow(WindowId::Torque);
}

} // namespace tuneks
