#include "commands/errorscommands.h"

namespace tuneks {

SaveOutcome ErrorsCommands::recheck()
{
    // Does what the notes promise: checks everything again, with the same
    // kind of save as the run that opened the window.
    const SaveKind kind = m_core.errorsWindowSaveKind();
    close();
    return m_core.checkFieldsThenSave(kind);
}

SaveOutcome ErrorsCommands::saveAnyway()
{
    const SaveOutcome outcome = m_core.saveWithoutCheck(m_core.errorsWindowSaveKind());
    close();
    return outcome;
}

void ErrorsCommands::close()
{
    m_core.errorsWindowClosed();
    m_core.host().hideWindow(WindowId::FieldErrors);
}

void ErrorsCommands::notes()
{
    m_core.host().message(
        QStringLiteral("При нажатии кнопки «Проверить ещё раз» будет перепроверена вся информация\r\n"
                       "При нажатии кнопки «Всё равно сохранить» всё будет сохранено с ошибками\r\n"
                       "При нажатии кнопки «Закрыть» окно будет закрыто, и файл сохранён не будет\r\n"
                       "\r\n"
                       "ПРИМЕЧАНИЯ: для того чтобы не запоминать ошибки в заполнении, окно можно "
                       "свернуть, и при необходимости пользоваться списком ошибок."),
        QStringLiteral("Примечания"), MessageIcon::Information, MessageButtons::Ok);
}

} // namespace tuneks
