// The commands of the windows: page switching, the file commands, the leave
// questions, the template chooser and the errors windows.
#include "editorcore.h"

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

QString EditorCore::fileDialogFilter()
{
    return QStringLiteral("Ини файлы, с физикой игры NFS6 (*.ini)|*ini");
}

QString EditorCore::notLoadedText()
{
    return QStringLiteral("\r\n     Файл не загружен!\r\n\r\n"
                          "          Для начала работы загрузите или создайте новый файл.");
}

void EditorCore::windowLoaded()
{
    m_form.setCaption(QStringLiteral("Тюнекс Редактор"));
    m_form.setPageTitle(notLoadedText());
}

void EditorCore::pageCommand(int commandNumber)
{
    for (const PageCommand &page : kPageCommands) {
        if (page.command != commandNumber)
            continue;
        if (page.title)
            m_form.setPageTitle(QString::fromUtf16(page.title));
        for (int frame = 1; frame <= 9; ++frame)
            m_form.setFrameVisible(frame, frame == page.frame);
        return;
    }
}

MessageAnswer EditorCore::askLeaveQuestion(MessageButtons buttons)
{
    return m_host.message(QStringLiteral("Файл был изменён.\r\n\r\nСохранить изменения?"),
                          QStringLiteral("Тюнекс Редактор - Авто сохранение."),
                          MessageIcon::Exclamation, buttons);
}

bool EditorCore::saveForLeaving()
{
    m_doc.SaveAsFlag = !m_doc.NePervoeSoxranenie;
    ProverkaZnakov();
    return m_lastSaveWrote;
}

bool EditorCore::leaveQuestionAllowsReplacing()
{
    if (!m_doc.AvtoSoxranenie)
        return true;
    switch (askLeaveQuestion(MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes: return saveForLeaving();
    case MessageAnswer::No: return true;
    default: return false;
    }
}

void EditorCore::openCommand()
{
    // Unsaved edits are not dropped without a question.
    if (!leaveQuestionAllowsReplacing())
        return;
    openChosenFile(m_host.askOpenFileName());
}

void EditorCore::openDroppedFile(const QString &fileName)
{
    if (!leaveQuestionAllowsReplacing())
        return;
    openChosenFile(fileName);
}

void EditorCore::openChosenFile(const QString &fileName)
{
    zagr(fileName);
    m_form.setMenuSaveEnabled(true);
    m_form.setMenuSaveAsEnabled(true);
    m_form.setMenuProverkaEnabled(true);
}

void EditorCore::saveCommand()
{
    m_doc.SaveAsFlag = !m_doc.NePervoeSoxranenie;
    ProverkaZnakov();
}

void EditorCore::saveAsCommand()
{
    m_doc.SaveAsFlag = true;
    ProverkaZnakov();
}

void EditorCore::checkCommand()
{
    // Disabled buttons of the errors window mark a check-only run.
    m_form.setErrorsButtonsEnabled(false);
    ProverkaZnakov();
}

bool EditorCore::exitCommand()
{
    if (!m_doc.AvtoSoxranenie)
        return true;
    switch (askLeaveQuestion(MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        // The window stays open; a second Exit leaves once the save went
        // through.
        saveForLeaving();
        return false;
    case MessageAnswer::No: return true;
    default: return false;
    }
}

bool EditorCore::closeRequested()
{
    if (!m_doc.AvtoSoxranenie)
        return true;
    if (askLeaveQuestion(MessageButtons::YesNo) != MessageAnswer::Yes)
        return true;
    // Close only when the edits reached the file; otherwise (errors listed,
    // Save As cancelled, write failed) the window stays with the edits.
    return saveForLeaving();
}

void EditorCore::newCommand()
{
    if (!leaveQuestionAllowsReplacing())
        return;
    m_host.showWindowModal(WindowId::Form5);
}

void EditorCore::chooserCreate()
{
    if (m_form.chooserOption() == FormState::PorscheChoice)
        ShablonPorsche();
    else
        ShablonLamborghini();
    m_form.setPageButtonsEnabled(true);
    m_form.setFrameVisible(1, true);
    m_form.setPageTitle(QStringLiteral(" --==[ Общее ]==--"));
    m_form.setFrameVisible(8, false);
    m_form.setFrameVisible(9, false);
    m_form.setMenuSaveEnabled(true);
    m_form.setMenuSaveAsEnabled(true);
    m_form.setMenuProverkaEnabled(true);
    m_doc.Izm.fill(true);
    m_host.hideWindow(WindowId::Form5);
    Otchistka();
    m_doc.NePervoeSoxranenie = false;
}

void EditorCore::chooserCancel()
{
    m_host.hideWindow(WindowId::Form5);
}

void EditorCore::chooserNotes()
{
    const QString quote = QStringLiteral("\"");
    m_host.message(
        QStringLiteral("Структура этих файлов довольно сильно отличается. Взять к примеру кол-во строк "
                       "в этих файлах: в файле от 911 Порша их 165, а в файле Ламборджини - 253! Дело в "
                       "том, что в Ламборджини больше ")
            + quote + QStringLiteral("специфических") + quote + QStringLiteral(" настроек таких как: ")
            + quote + QStringLiteral("Масса КПП") + quote
            + QStringLiteral("! Программа НЕ поддерживает данные параметры, но всё же если Вы делаете "
                             "машину похожую на Ламборджини, то за базу, наверное, лучше брать Ламбо."),
        QStringLiteral("Примечания"), MessageIcon::Information, MessageButtons::Ok);
}

void EditorCore::errorsRecheck()
{
    // Does what the notes promise: checks everything again, with the same
    // kind of save as the run that opened the window.
    m_form.clearErrors();
    m_host.hideWindow(WindowId::Form2);
    m_doc.Otkr = false;
    ProverkaZnakov();
}

void EditorCore::errorsSaveAnyway()
{
    saveSequence();
    m_form.clearErrors();
    m_host.hideWindow(WindowId::Form2);
    m_doc.Otkr = false;
}

void EditorCore::errorsClose()
{
    m_form.setErrorsButtonsEnabled(true);
    m_form.clearErrors();
    m_host.hideWindow(WindowId::Form2);
    m_doc.Otkr = false;
}

void EditorCore::errorsNotes()
{
    m_host.message(
        QStringLiteral("При нажатии кнопки «Проверить ещё раз» будет перепроверена вся информация\r\n"
                       "При нажатии кнопки «Всё равно сохранить» всё будет сохранено с ошибками\r\n"
                       "При нажатии кнопки «Закрыть» окно будет закрыто, и файл сохранён не будет\r\n"
                       "\r\n"
                       "ПРИМЕЧАНИЯ: для того чтобы не запоминать ошибки в заполнении, окно можно "
                       "свернуть, и при необходимости пользоваться списком ошибок."),
        QStringLiteral("Примечания"), MessageIcon::Information, MessageButtons::Ok);
}

void EditorCore::errorsClosedByFrame()
{
    // The window is discarded with its list; the next check starts afresh.
    m_doc.Otkr = false;
    m_form.setErrorsButtonsEnabled(true);
    m_form.clearErrors();
    m_host.hideWindow(WindowId::Form2);
}

void EditorCore::torqueWindowClose()
{
    ProverkaOborotov1();
}

void EditorCore::torqueErrorsClose()
{
    m_form.clearTorqueErrors();
    m_host.hideWindow(WindowId::Form2_2);
}
