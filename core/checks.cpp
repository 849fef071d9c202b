// The field check before every save, and the torque check when the torque
// window closes. Both look at characters only; they know no numbers.
#include "editorcore.h"

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

QString errorText(FieldVerdict verdict, int slot)
{
    const QString prefix = verdict == FieldVerdict::Empty
                               ? QStringLiteral("Не заполнено окно ")
                               : QStringLiteral("Не допустимый символ в окне ");
    return prefix + Slots::errorLabel(slot);
}

} // namespace

bool EditorCore::checkOnlyRun() const
{
    return !m_form.errorsButtonsEnabled();
}

void EditorCore::ProverkaZnakov2(int sa)
{
    const FieldVerdict verdict = examine(m_form.text(sa));
    if (verdict == FieldVerdict::Ok)
        return;
    m_doc.Oshibki2.append(errorText(verdict, sa));
    m_doc.OshibkiEst = true;
}

void EditorCore::ProverkaZnakov()
{
    m_lastSaveWrote = false;
    if (m_doc.Otkr) {
        m_host.message(QStringLiteral("Окно Ошибок уже загружено, операция не будет выполнена. "
                                      "Для продолжения работы закройте окно Ошибок."),
                       QStringLiteral("Ошибка..."), MessageIcon::Critical, MessageButtons::Ok);
        return;
    }
    m_doc.Oshibki2.clear();
    for (int sa : Slots::checkedSlots())
        ProverkaZnakov2(sa);
    m_form.appendErrors(m_doc.Oshibki2);

    if (m_doc.OshibkiEst) {
        m_host.showWindow(WindowId::Form2);
        m_doc.Otkr = true;
        m_doc.OshibkiEst = false;
    } else {
        const bool checkOnly = checkOnlyRun();
        if (checkOnly)
            m_host.message(QStringLiteral("Ошибки в файле не найдены"), QStringLiteral("Отчёт"),
                           MessageIcon::Exclamation, MessageButtons::Ok);
        saveSequence();
        if (checkOnly)
            m_form.setErrorsButtonsEnabled(true);
    }
    m_doc.Oshibki2.clear();
}

void EditorCore::ProverkaOborotov2(int Ind)
{
    const FieldVerdict verdict = examine(m_form.text(Ind));
    if (verdict != FieldVerdict::Ok)
        m_doc.Oshibki2_2.append(errorText(verdict, Ind));
}

void EditorCore::ProverkaOborotov1()
{
    m_doc.Oshibki2_2.clear();
    for (int Ind = Slots::kFirstTorqueSlot; Ind <= Slots::kLastTorqueSlot; ++Ind)
        ProverkaOborotov2(Ind);
    m_form.appendTorqueErrors(m_doc.Oshibki2_2);
    if (!m_doc.Oshibki2_2.isEmpty()) {
        m_host.showWindowModal(WindowId::Form2_2);
        // Every way of closing that window empties its list.
        m_form.clearTorqueErrors();
    }
    m_host.hideWindow(WindowId::Form3);
    m_doc.Oshibki2_2.clear();
}
