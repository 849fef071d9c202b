#include "editorcore.h"

namespace tuneks {

EditorCore::EditorCore(FormState &form, Host &host) : EditorCore(form, host, diskFiles()) {}

EditorCore::EditorCore(FormState &form, Host &host, FileAccess &files)
    : m_form(form), m_host(host), m_files(files)
{
}

} // namespace tuneks
