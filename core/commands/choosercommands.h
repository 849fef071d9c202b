#pragma once

#include "editorcore.h"

namespace tuneks {

// The commands of the template chooser Form5, which makes a new document
// from one of the two built-in cars.
class ChooserCommands {
public:
    explicit ChooserCommands(EditorCore &core) : m_core(core) {}

    void create(); // "&Создать"
    void cancel(); // "&Отмена", Esc and the close box
    void notes();  // "&!"

private:
    EditorCore &m_core;
};

} // namespace tuneks
