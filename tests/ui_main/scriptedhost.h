#pragma once

#include "qthost.h"
#include "scripteduser.h"

// The Qt host with the user scripted: message boxes, file dialogs and the
// beep are recorded and answered from prepared queues, while the windows
// (main window, chooser, errors windows) are the real ones.
class ScriptedHost : public QtHost, public ScriptedUser {
protected:
    MessageAnswer runMessageBox(const QString &text, const QString &caption, MessageIcon icon,
                                MessageButtons buttons) override
    {
        return answer(text, caption, icon, buttons);
    }
    QString runOpenDialog() override { return nextOpenName(); }
    QString runSaveDialog() override { return nextSaveName(); }
    void ringBell() override { ++beeps; }
};
