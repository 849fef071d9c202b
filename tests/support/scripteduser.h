#pragma once

#include "host.h"

#include <QList>
#include <QString>
#include <QStringList>

// Tests speak the editor's names unqualified.
using namespace tuneks;

// The user's side of a scripted desktop: prepared answers for message boxes
// and file dialogs, and a record of everything the program asked.
struct ScriptedUser {
    struct Message { QString text; QString caption; MessageIcon icon; MessageButtons buttons; };

    // Taken in order. With none left a box answers Ok / No (Yes/No boxes) /
    // Cancel (Yes/No/Cancel boxes) and a file dialog is cancelled.
    QList<MessageAnswer> answers;
    QStringList openNames;
    QStringList saveNames;

    QList<Message> messages;
    int beeps = 0;
    int openDialogs = 0;
    int saveDialogs = 0;

    MessageAnswer answer(const QString &text, const QString &caption, MessageIcon icon,
                         MessageButtons buttons)
    {
        messages.append({text, caption, icon, buttons});
        if (!answers.isEmpty())
            return answers.takeFirst();
        switch (buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoMustAnswer: return MessageAnswer::No;
        case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
        }
        return MessageAnswer::Ok;
    }
    QString nextOpenName()
    {
        ++openDialogs;
        return openNames.isEmpty() ? QString() : openNames.takeFirst();
    }
    QString nextSaveName()
    {
        ++saveDialogs;
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }
    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }
};

// A host of type HostBase whose user is scripted: message boxes, file dialogs
// and the beep are recorded and answered from the script. What HostBase does
// besides (windows, for one) stays its own.
template <typename HostBase>
class Scripted : public HostBase, public ScriptedUser {
public:
    MessageAnswer message(const QString &text, const QString &caption, MessageIcon icon,
                          MessageButtons buttons) override
    {
        return answer(text, caption, icon, buttons);
    }
    QString askOpenFileName() override { return nextOpenName(); }
    QString askSaveFileName() override { return nextSaveName(); }
    void beep() override { ++beeps; }
};

