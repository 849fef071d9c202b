#pragma once

#include "editorcore.h"

namespace tuneks {

// The commands of the main window Form1: its page buttons, its menu, its
// exit button and close box, and a file dropped on it.
class MainWindowCommands {
public:
    explicit MainWindowCommands(EditorCore &core) : m_core(core) {}

    // Window load: the program's caption and the not-loaded message in Text3.
    void windowLoaded();
    // A page button or a page's arrow: shows `page` alone under its title.
    void showPage(Page page);
    // Menu "open": leave question, open dialog, load, enable the save items.
    void openCommand();
    // A file dropped on the main window: as Open, with the dropped name in
    // place of the dialog's.
    void openDroppedFile(const QString &fileName);
    // Menu "save", "saveas" and "Proverka" (a check-only run).
    SaveOutcome saveCommand();
    SaveOutcome saveAsCommand();
    SaveOutcome checkCommand();
    // Command7 / menu Exit2. True when the program should end now.
    bool exitCommand();
    // The main window's close box. True when the window may close and the
    // program end; false refuses the close.
    bool closeRequested();
    // Menu "New": leave question, then the template chooser (modal).
    void newCommand();

private:
    // Save, or Save As while the document has never been written.
    SaveKind plainSave() const;
    void openChosenFile(const QString &fileName);
    MessageAnswer askLeaveQuestion(MessageButtons buttons);
    // False when the user cancelled, or chose to save and the save did not
    // go through.
    bool leaveQuestionAllowsReplacing();

    EditorCore &m_core;
};

} // namespace tuneks
