#include "mainwindowcommands.h"

#include "texts.h"

namespace tuneks {

namespace {

struct PageCommand {
    int command;
    int frame;
    const char16_t *title; // nullptr: the title stays as it was
};

const PageCommand kPageCommands[] = {
    {1, 1, u" --==[ Общее ]==--"},
    {2, 2, u" --==[ Коробка Переключения Передач ]==--"},
    {3, 3, u" --==[ Колёса ]==--"},
    {4, 4, u" --==[ Подвеска ]==--"},
    {5, 5, u" --==[ Аэродинамика ]==--"},
    {6, 8, u" --==[ Тормозная система ]==--"},
    {8, 7, u" --==[ Двигатель ]==--"},
    {10, 6, u" --==[ Трансмиссия ]==--"},
    {11, 2, u" --==[ Коробка Переключения Передач ]==--"},
    {13, 9, nullptr},
    {14, 3, nullptr},
};

} // namespace

void MainWindowCommands::windowLoaded()
{
    m_core.form().setCaption(Texts::programCaption());
    m_core.form().setPageTitle(Texts::notLoadedText());
}

void MainWindowCommands::pageCommand(int commandNumber)
{
    for (const PageCommand &page : kPageCommands) {
        if (page.command != commandNumber)
            continue;
        if (page.title)
            m_core.form().setPageTitle(QString::fromUtf16(page.title));
        for (int frame = 1; frame <= 9; ++frame)
            m_core.form().setFrameVisible(frame, frame == page.frame);
        return;
    }
}

SaveKind MainWindowCommands::plainSave() const
{
    return m_core.doc().NePervoeSoxranenie ? SaveKind::Save : SaveKind::SaveAs;
}

MessageAnswer MainWindowCommands::askLeaveQuestion(MessageButtons buttons)
{
    return m_core.host().message(QStringLiteral("Файл был изменён.\r\n\r\nСохранить изменения?"),
                                 QStringLiteral("Тюнекс Редактор - Авто сохранение."),
                                 MessageIcon::Exclamation, buttons);
}

bool MainWindowCommands::leaveQuestionAllowsReplacing()
{
    if (!m_core.doc().AvtoSoxranenie)
        return true;
    switch (askLeaveQuestion(MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes: return m_core.ProverkaZnakov(plainSave()) == SaveOutcome::Written;
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
    m_core.zagr(fileName);
    m_core.enableDocumentMenus();
}

SaveOutcome MainWindowCommands::saveCommand() { return m_core.ProverkaZnakov(plainSave()); }

SaveOutcome MainWindowCommands::saveAsCommand() { return m_core.ProverkaZnakov(SaveKind::SaveAs); }

SaveOutcome MainWindowCommands::checkCommand() { return m_core.ProverkaZnakov(SaveKind::CheckOnly); }

bool MainWindowCommands::exitCommand()
{
    if (!m_core.doc().AvtoSoxranenie)
        return true;
    switch (askLeaveQuestion(MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        // The window stays open; a second Exit leaves once the save went
        // through.
        m_core.ProverkaZnakov(plainSave());
        return false;
    case MessageAnswer::No: return true;
    default: return false;
    }
}

bool MainWindowCommands::closeRequested()
{
    if (!m_core.doc().AvtoSoxranenie)
        return true;
    // The box has no escape: only No lets the edits go. A box closed without
    // an answer refuses the close, so the edits are never lost by accident.
    switch (askLeaveQuestion(MessageButtons::YesNoMustAnswer)) {
    case MessageAnswer::No: return true;
    case MessageAnswer::Yes:
        // Close only when the edits reached the file; otherwise (errors
        // listed, Save As cancelled, write failed) the window stays with them.
        return m_core.ProverkaZnakov(plainSave()) == SaveOutcome::Written;
    default: return false;
    }
}

void MainWindowCommands::newCommand()
{
    if (!leaveQuestionAllowsReplacing())
        return;
    m_core.host().showWindowModal(WindowId::Form5);
}

} // namespace tuneks
