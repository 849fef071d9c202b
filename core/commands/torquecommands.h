#pragma once

#include "editorcore.h"

namespace tuneks {

// The commands of the torque window Form3 and of Form2_2, the window that
// lists what the torque check found when Form3 closes.
class TorqueCommands {
public:
    explicit TorqueCommands(EditorCore &core) : m_core(core) {}

    // "Закрыть" of Form3, also its close box: the torque check.
    void closeWindow() { m_core.checkTorque(); }
    // "Закрыть", Esc or the close box of Form2_2.
    void closeErrors()
    {
        m_core.form().clearTorqueErrors();
        m_core.host().hideWindow(WindowId::TorqueErrors);
    }

private:
    EditorCore &m_core;
};

} // namespace tuneks
