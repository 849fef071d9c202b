#include "commands/mainwindowcommands.h"

#include "texts.h"

namespace tuneks {

namespace {

struct PageTitle {
    Page page;
    const char16_t *title;
};

// The rear wheels' page has no title of its own: it is the second half of
// the wheels' page and keeps the title shown before.
const PageTitle kPageTitles[] = {
    {Page::General, u" --==[ Общее ]==--"},
    {Page::Gearbox, u" --==[ Коробка Переключения Передач ]==--"},
    {Page::FrontWheels, u" --==[ Колёса ]==--"},
    {Page::Suspension, u" --==[ Подвеска ]==--"},
    {Page::Aerodynamics, u" --==[ Аэродинамика ]==--"},
    {Page::DriveTrain, u" --==[ Трансмиссия ]==--"},
    {Page::Engine, u" --==[ Двигатель ]==--"},
    {Page::Brakes, u" --==[ Тормозная система ]==--"},
};

} // namespace

void MainWindowCommands::windowLoaded()
{
    m_core.form().setCaption(Texts::programCaption());
    m_core.form().setPageTitle(Texts::notLoadedText());
}

void MainWindowCommands::showPage(Page page)
{
    for (const PageTitle &entry : kPageTitles)
        if (entry.page == page)
            m_core.form().setPageTitle(QString::fromUtf16(entry.title));
    for (int frame = 1; frame <= 9; ++frame)
        m_core.form().setFrameVisible(frame, frame == int(page));
}

SaveKind MainWindowCommands::plainSave() const
{
    return m_core.hasSaveTarget() ? SaveKind::Save : SaveKind::SaveAs;
}

MessageAnswer MainWindowCommands::askLeaveQuestion(MessageButtons buttons)
{
    return m_core.host().message(QStringLiteral("Файл был изменён.\r\n\r\nСохранить изменения?"),
                                 QStringLiteral("Тюнекс Редактор - Авто сохранение."),
                                 MessageIcon::Exclamation, buttons);
}

bool MainWindowCommands::leaveQuestionAllowsReplacing()
{
    if (!m_core.hasUnsavedChanges())
        return true;
    switch (askLeaveQuestion(MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes: return m_core.checkFieldsThenSave(plainSave()) == SaveOutcome::Written;
    case MessageAnswer::No: return true;
    default: return false;
    }
}

void MainWindowCommands::openCommand()
{
    // Unsaved edits are not dropped without a question.
    if (!leaveQuestionAllowsReplacing())
        return;
    openChosenFile(m_core.host().askOpenFileName());
}

void MainWindowCommands::openDroppedFile(const QString &fileName)
{
    if (!leaveQuestionAllowsReplacing())
        return;
    openChosenFile(fileName);
}

void MainWindowCommands::openChosenFile(const QString &fileName)
{
    m_core.openFile(fileName);
    m_core.enableDocumentMenus();
}

SaveOutcome MainWindowCommands::saveCommand() { return m_core.checkFieldsThenSave(plainSave()); }

SaveOutcome MainWindowCommands::saveAsCommand() { return m_core.checkFieldsThenSave(SaveKind::SaveAs); }

SaveOutcome MainWindowCommands::checkCommand() { return m_core.checkFieldsThenSave(SaveKind::CheckOnly); }

bool MainWindowCommands::exitCommand()
{
    if (!m_core.hasUnsavedChanges())
        return true;
    switch (askLeaveQuestion(MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        // The window stays open; a second Exit leaves once the save went
        // through.
        m_core.checkFieldsThenSave(plainSave());
        return false;
    case MessageAnswer::No: return true;
    default: return false;
    }
}

bool MainWindowCommands::closeRequested()
{
    if (!m_core.hasUnsavedChanges())
        return true;
    // The box has no escape: only No lets the edits go. A box closed without
    // an answer refuses the close, so the edits are never lost by accident.
    switch (askLeaveQuestion(MessageButtons::YesNoMustAnswer)) {
    case MessageAnswer::No: return true;
    case MessageAnswer::Yes:
        // Close only when the edits reached the file; otherwise (errors
        // listed, Save As cancelled, write failed) the window stays with them.
        return m_core.checkFieldsThenSave(plainSave()) == SaveOutcome::Written;
    default: return false;
    }
}

void MainWindowCommands::newCommand()
{
    if (!leaveQuestionAllowsReplacing())
        return;
    m_core.host().showWindowModal(WindowId::TemplateChooser);
}

} // namespace tuneks
