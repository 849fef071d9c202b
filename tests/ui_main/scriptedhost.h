#pragma once

#include "qthost.h"

#include <QList>
#include <QStringList>

// The Qt host with the user scripted: message boxes, file dialogs and the
// beep are recorded and answered from prepared queues, while the windows
// (main window, chooser, errors windows) are the real ones.
class ScriptedHost : public QtHost {
public:
    struct Message {
        QString text;
        QString caption;
        MessageIcon icon;
        MessageButtons buttons;
    };

    // Taken in order. With none left a box answers Ok / No / Cancel and a
    // file dialog is cancelled.
    QList<MessageAnswer> answers;
    QStringList openNames;
    QStringList saveNames;

    QList<Message> messages;
    int beeps = 0;
    int openDialogs = 0;
    int saveDialogs = 0;

protected:
    MessageAnswer runMessageBox(const QString &text, const QString &caption, MessageIcon icon,
                                MessageButtons buttons) override
    {
        messages.append({text, caption, icon, buttons});
        if (!answers.isEmpty())
            return answers.takeFirst();
        switch (buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::YesNo: return MessageAnswer::No;
        case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
        }
        return MessageAnswer::Ok;
    }
    QString runOpenDialog() override
    {
        ++openDialogs;
        return openNames.isEmpty() ? QString() : openNames.takeFirst();
    }
    QString runSaveDialog() override
    {
        ++saveDialogs;
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }
    void ringBell() override { ++beeps; }
};
