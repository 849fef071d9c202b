#include "formstate.h"

namespace tuneks {

FormState::FormState(QObject *parent) : QObject(parent)
{
    // Before any document every control is enabled and holds its row's
    // initial text or value.
    for (const Fields::FieldInfo &info : Fields::all()) {
        m_enabled[size_t(info.slot)] = true;
        m_texts[size_t(info.slot)] = info.initialText;
        m_values[size_t(info.slot)] = info.initialValue;
    }
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
    return Fields::isTextSlot(slot) && m_enabled[size_t(slot)];
}

void FormState::setTextEnabled(int slot, bool enabled)
{
    if (!Fields::isTextSlot(slot) || m_enabled[size_t(slot)] == enabled)
        return;
    m_enabled[size_t(slot)] = enabled;
    emit changed(Item::TextEnabled, slot);
}

int FormState::check(int slot) const { return Fields::isCheckBoxSlot(slot) ? m_values[size_t(slot)] : 0; }

void FormState::setCheck(int slot, int value)
{
    if (!Fields::isCheckBoxSlot(slot) || value < 0 || value > 2 || m_values[size_t(slot)] == value)
        return;
    m_values[size_t(slot)] = value;
    emit changed(Item::Check, slot);
}

bool FormState::checkEnabled(int slot) const { return Fields::isCheckBoxSlot(slot) && m_enabled[size_t(slot)]; }

void FormState::setCheckEnabled(int slot, bool enabled)
{
    if (!Fields::isCheckBoxSlot(slot) || m_enabled[size_t(slot)] == enabled)
        return;
    m_enabled[size_t(slot)] = enabled;
    emit changed(Item::CheckEnabled, slot);
}

int FormState::combo(int slot) const { return Fields::isListSlot(slot) ? m_values[size_t(slot)] : -1; }

void FormState::setCombo(int slot, int position)
{
    if (!Fields::isListSlot(slot) || position < -1 || position >= Fields::bySlot(slot)->items.size()
        || m_values[size_t(slot)] == position)
        return;
    m_values[size_t(slot)] = position;
    emit changed(Item::Combo, slot);
}

bool FormState::comboEnabled(int slot) const { return Fields::isListSlot(slot) && m_enabled[size_t(slot)]; }

void FormState::setComboEnabled(int slot, bool enabled)
{
    if (!Fields::isListSlot(slot) || m_enabled[size_t(slot)] == enabled)
        return;
    m_enabled[size_t(slot)] = enabled;
    emit changed(Item::ComboEnabled, slot);
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
