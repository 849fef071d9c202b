#pragma once

#include "qthost.h"
#include "scripteduser.h"

#include <QPointer>

// The Qt host with real windows and a scripted user: message boxes, file dialogs
// and the beep are recorded and answered from prepared queues; with
// realMessageBoxes or realFileDialogs set those are real (boxes still recorded).
class ScriptedHost : public Scripted<QtHost> {
public:
    bool realMessageBoxes = false;
    bool realFileDialogs = false;
    // The window each message box belonged to, in the order of `messages`.
    QList<QPointer<QWidget>> messageOwners;

    MessageAnswer message(const QString &text, const QString &caption, MessageIcon icon,
                          MessageButtons buttons) override
    {
        messageOwners.append(dialogOwner());
        if (!realMessageBoxes)
            return Scripted::message(text, caption, icon, buttons);
        messages.append({text, caption, icon, buttons});
        return QtHost::message(text, caption, icon, buttons);
    }
    QString askOpenFileName() override
    {
        return realFileDialogs ? QtHost::askOpenFileName() : Scripted::askOpenFileName();
    }
    QString askSaveFileName() override
    {
        return realFileDialogs ? QtHost::askSaveFileName() : Scripted::askSaveFileName();
    }
};
