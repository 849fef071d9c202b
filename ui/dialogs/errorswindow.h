#pragma once

#include "errorlistwindow.h"
#include "commands/errorscommands.h"

class QPushButton;

namespace tuneks {

// Form2: the modeless errors window of the field check. It mirrors the
// form state's error list and the enabled state of "&Проверить ещё раз" and
// "&Всё равно сохранить" (both disabled during a check-only run) and passes
// every button to the core. Enter presses "&Всё равно сохранить", Esc
// "Закрыть".
class ErrorsWindow : public ErrorListWindow {
    Q_OBJECT
public:
    explicit ErrorsWindow(EditorCore &core, QWidget *parent = nullptr);

private:
    void syncButtons();

    EditorCore &m_core;
    ErrorsCommands m_commands;
    QPushButton *m_recheck;
    QPushButton *m_saveAnyway;
};

} // namespace tuneks
