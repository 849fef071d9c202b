#pragma once

#include "qthost.h"
#include "scripteduser.h"

#include <QPointer>

// The Qt host with the user scripted: message boxes, file dialogs and the
// beep are recorded and answered from prepared queues, while the windows
// (main window, chooser, errors windows) are the real ones.
//
// With realMessageBoxes or realFileDialogs set, those are the real ones
// instead (the test answers them itself); message boxes are still recorded.
class ScriptedHost : public QtHost, public ScriptedUser {
public:
    bool realMessageBoxes = false;
    bool realFileDialogs = false;
    // The window each message box belonged to, in the order of `messages`.
    QList<QPointer<QWidget>> messageOwners;

protected:
    MessageAnswer runMessageBox(const QString &text, const QString &caption, MessageIcon icon,
                                MessageButtons buttons) override
    {
        messageOwners.append(dialogOwner());
        if (realMessageBoxes) {
            messages.append({text, caption, icon, buttons});
            return QtHost::runMessageBox(text, caption, icon, buttons);
        }
        return answer(text, caption, icon, buttons);
    }
    QString runOpenDialog() override
    {
        return realFileDialogs ? QtHost::runOpenDialog() : nextOpenName();
    }
    QString runSaveDialog() override
    {
        return realFileDialogs ? QtHost::runSaveDialog() : nextSaveName();
    }
    void ringBell() override { ++beeps; }
};
