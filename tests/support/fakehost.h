#pragma once

#include "host.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

// A scripted desktop for tests: records every message, dialog, beep and
// window request, and answers from prepared queues.
class FakeHost : public Host {
public:
    struct Message {
        QString text;
        QString caption;
        MessageIcon icon;
        MessageButtons buttons;
    };

    // Prepared answers, taken in order. With none left a message answers
    // Ok / No (for Yes/No boxes) / Cancel (for Yes/No/Cancel boxes) and a
    // file dialog answers an empty name (cancelled).
    QList<MessageAnswer> answers;
    QStringList openNames;
    QStringList saveNames;
    // Called when a window is shown modally, to act as the user in it.
    std::function<void(WindowId)> onModal;

    QList<Message> messages;
    int beeps = 0;
    int openDialogs = 0;
    int saveDialogs = 0;
    QSet<WindowId> visible;
    QList<WindowId> modalShown;

    MessageAnswer message(const QString &text, const QString &caption, MessageIcon icon,
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
    QString askOpenFileName() override
    {
        ++openDialogs;
        return openNames.isEmpty() ? QString() : openNames.takeFirst();
    }
    QString askSaveFileName() override
    {
        ++saveDialogs;
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }
    void beep() override { ++beeps; }
    void showWindow(WindowId window) override { visible.insert(window); }
    void showWindowModal(WindowId window) override
    {
        modalShown.append(window);
        visible.insert(window);
        if (onModal)
            onModal(window);
        visible.remove(window);
    }
    void hideWindow(WindowId window) override { visible.remove(window); }

    bool isVisible(WindowId window) const { return visible.contains(window); }
    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }
};
