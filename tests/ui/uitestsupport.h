#pragma once

#include "editorcore.h"
#include "commands/torquecommands.h"
#include "formstate.h"
#include "mainwindow.h"
#include "qthost.h"
#include "scripteduser.h"

#include <QPointer>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class QMessageBox;

using namespace tuneks;

// The Qt host with real windows and a scripted user who answers message boxes and file dialogs
// and hears the beep; with realMessageBoxes or realFileDialogs set those are real (boxes still recorded).
class ScriptedHost : public Scripted<QtHost> {
public:
    bool realMessageBoxes = false;
    bool realFileDialogs = false;
    // The window each message box belonged to, in the order of `messages`.
    QList<QPointer<QWidget>> messageOwners;

    MessageAnswer message(const QString &text, const QString &caption, MessageIcon icon, MessageButtons buttons) override
    {
        messageOwners.append(dialogOwner());
        if (!realMessageBoxes)
            return Scripted::message(text, caption, icon, buttons);
        messages.append({text, caption, icon, buttons});
        return QtHost::message(text, caption, icon, buttons);
    }
    QString askOpenFileName() override { return realFileDialogs ? QtHost::askOpenFileName() : nextOpenName(); }
    QString askSaveFileName() override { return realFileDialogs ? QtHost::askSaveFileName() : nextSaveName(); }
};

// One running editor with a scripted host, its shown main window and a folder for files.
struct Editor {
    Editor();

    template <typename T = QWidget>
    T *find(const QString &name) const { return window->findChild<T *>(name); }
    // A top-level window of the application by its objectName (Form2, Form5 ...).
    static QWidget *topLevel(const QString &name);

    // Writes `lines` (each ended by CR LF) into the temporary folder.
    QString writeFile(const QString &fileName, const QVector<QByteArray> &lines) const;
    // Opens a file through the menu with the open dialog answered by `path`.
    void openFile(const QString &path);
    void trigger(const QString &actionName);
    void click(const QString &buttonName);
    // Types into Text(slot) as the user does, key by key.
    void type(int slot, const QString &keys);

    ScriptedHost host;
    FormState form;
    EditorCore core;
    TorqueCommands torque{core};
    std::unique_ptr<MainWindow> window;
    QTemporaryDir dir;
};

// The read-only text boxes of `window` that Tab reaches (no control takes typing there).
QStringList focusStopsThatAreNoControls(QWidget *window);

// Types `keys` into `widget`, each key carrying its character (QTest's know only ASCII).
void typeKeys(QWidget *widget, const QString &keys);
// Runs `action` as soon as the event loop of a modal window is running.
void whenModalShown(std::function<void()> action);
// Runs `action` on the top-level window `name` once the next modal window is up
// (failing, and closing what is up, when there is no such window).
void inNextModal(const QString &name, std::function<void(QWidget *)> action);
// Lets the next message box of `host` be a real one and runs `action` on it.
void inNextMessageBox(ScriptedHost &host, std::function<void(QMessageBox *)> action);
// Clicks a button of a top-level window: "Form5" / "Command1".
void clickIn(const QString &windowName, const QString &buttonName);
