#include "formstate.h"

namespace tuneks {

FormState::FormState(QObject *parent) : QObject(parent)
{
    // Before any document every field is enabled and the torque fields show "0".
    for (const Fields::FieldInfo &info : Fields::all()) {
        if (!Fields::isTextSlot(info.slot))
            continue;
        m_textEnabled[size_t(info.slot)] = true;
        if (info.control == Fields::Control::TorqueText)
            m_texts[size_t(info.slot)] = QStringLiteral("0");
    }
    for (bool &enabled : m_checkEnabled)
        enabled = true;
}

QString FormState::text(int slot) const
{
    return Fields::isTextSlot(slot) ? m_texts[size_t(slot)] : QString();
}

void FormState::setText(int slot, const QString &text)
{
    if (!Fields::isTextSlot(slot) || m_texts[size_t(slot)] == text)
        return;
    m_texts[size_t(slot)] = text;
    emit changed(Item::Text, slot);
}

bool FormState::textEnabled(int slot) const
{
    return Fields::isTextSlot(slot) && m_textEnabled[size_t(slot)];
}

void FormState::setTextEnabled(int slot, bool enabled)
{
    if (!Fields::isTextSlot(slot) || m_textEnabled[size_t(slot)] == enabled)
        return;
    m_textEnabled[size_t(slot)] = enabled;
    emit changed(Item::TextEnabled, slot);
}

int FormState::check(Fields::CheckBoxId box) const { return m_checks[box]; }

void FormState::setCheck(Fields::CheckBoxId box, int value)
{
    if (value < 0 || value > 2 || m_checks[box] == value)
        return;
    m_checks[box] = value;
    emit changed(Item::Check, box);
}

bool FormState::checkEnabled(Fields::CheckBoxId box) const { return m_checkEnabled[box]; }

void FormState::setCheckEnabled(Fields::CheckBoxId box, bool enabled)
{
    if (m_checkEnabled[box] == enabled)
        return;
    m_checkEnabled[box] = enabled;
    emit changed(Item::CheckEnabled, box);
}

int FormState::combo(Fields::ComboId list) const { return m_combos[list]; }

void FormState::setCombo(Fields::ComboId list, int position)
{
    if (position < -1 || position >= Fields::comboItems(list).size() || m_combos[list] == position)
        return;
    m_combos[list] = position;
    emit changed(Item::Combo, list);
}

bool FormState::comboEnabled(Fields::ComboId list) const { return m_comboEnabled[list]; }

void FormState::setComboEnabled(Fields::ComboId list, bool enabled)
{
    if (m_comboEnabled[list] == enabled)
        return;
    m_comboEnabled[list] = enabled;
    emit changed(Item::ComboEnabled, list);
}

void FormState::setCaption(const QString &caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    emit changed(Item::Caption, 0);
}

void FormState::setPageTitle(const QString &title)
{
    if (m_pageTitle == title)
        return;
    m_pageTitle = title;
    emit changed(Item::PageTitle, 0);
}

bool FormState::frameVisible(int frame) const
{
    return frame >= 1 && frame <= 9 && m_frames[frame];
}

void FormState::setFrameVisible(int frame, bool visible)
{
    if (frame < 1 || frame > 9 || m_frames[frame] == visible)
        return;
    m_frames[frame] = visible;
    emit changed(Item::FrameVisible, frame);
}

namespace {

template <typename T>
bool assign(T &member, const T &value)
{
    if (member == value)
        return false;
    member = value;
    return true;
}

} // namespace

void FormState::setPageButtonsEnabled(bool enabled)
{
    if (assign(m_pageButtons, enabled))
        emit changed(Item::PageButtons, 0);
}

void FormState::setMenuSaveEnabled(bool enabled)
{
    if (assign(m_menuSave, enabled))
        emit changed(Item::MenuSave, 0);
}

void FormState::setMenuSaveAsEnabled(bool enabled)
{
    if (assign(m_menuSaveAs, enabled))
        emit changed(Item::MenuSaveAs, 0);
}

void FormState::setMenuCheckEnabled(bool enabled)
{
    if (assign(m_menuCheck, enabled))
        emit changed(Item::MenuCheck, 0);
}

void FormState::appendErrors(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    m_errors += lines;
    emit changed(Item::ErrorsList, 0);
}

void FormState::clearErrors()
{
    if (m_errors.isEmpty())
        return;
    m_errors.clear();
    emit changed(Item::ErrorsList, 0);
}

void FormState::setErrorsButtonsEnabled(bool enabled)
{
    if (assign(m_errorsButtons, enabled))
        emit changed(Item::ErrorsButtons, 0);
}

void FormState::appendTorqueErrors(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    m_torqueErrors += lines;
    emit changed(Item::TorqueErrorsList, 0);
}

void FormState::clearTorqueErrors()
{
    if (m_torqueErrors.isEmpty())
        return;
    m_torqueErrors.clear();
    emit changed(Item::TorqueErrorsList, 0);
}

void FormState::setChooserOption(ChooserChoice choice)
{
    if (assign(m_chooser, choice))
        emit changed(Item::ChooserOption, 0);
}

} // namespace tuneks
