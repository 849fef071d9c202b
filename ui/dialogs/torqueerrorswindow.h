#pragma once

#include "errorlistwindow.h"
#include "commands/torquecommands.h"

namespace tuneks {

// Form2_2: the modal errors window of the torque check. It mirrors the form
// state's torque error list; "Закрыть", Esc and the close box all hand over to
// the core, which empties the list and hides the window.
class TorqueErrorsWindow : public ErrorListWindow {
    Q_OBJECT
public:
    explicit TorqueErrorsWindow(EditorCore &core, QWidget *parent = nullptr);

private:
    EditorCore &m_core;
    TorqueCommands m_commands;
};

} // namespace tuneks
