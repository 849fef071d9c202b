#pragma once

#include "editorcore.h"

namespace tuneks {

// The commands of the errors window Form2, which lists what the field check
// found. Its buttons go on with the save that the check was asked for.
class ErrorsCommands {
public:
    explicit ErrorsCommands(EditorCore &core) : m_core(core) {}

    SaveOutcome recheck();     // "&Проверить ещё раз"
    SaveOutcome saveAnyway();  // "&Всё равно сохранить"
    void close();              // "Закрыть", Esc, and the close box
    void notes();              // "&!"

private:
    EditorCore &m_core;
};

} // namespace tuneks
