#pragma once

#include "host.h"

#include <QPointer>

#include <map>

class QWidget;

namespace tuneks {

class EditorCore;

// The desktop behind the document core: message boxes, the physics-file
// dialogs, the beep, and the secondary windows Form2, Form2_2, Form3 and
// Form5, each created hidden on first use and kept. The windows it knows are
// the rows of one table in qthost.cpp: a window the core drives is its own
// files plus a row there.
//
// The message box, the file dialogs and the beep are Host's virtual
// functions, so a test can subclass QtHost, answer them from a script and
// still drive the real windows.
//
// Call attach() once the core exists; until then no window can be shown.
class QtHost : public Host {
public:
    // Sets the standard dialogs to Russian (see russiandialogs.h).
    QtHost();
    ~QtHost() override;

    // The core the windows talk to, and the main window, which owns the
    // message boxes and file dialogs that no other window asked for.
    void attach(EditorCore &core, QWidget *mainWindow);

    MessageAnswer message(const QString &text, const QString &caption, MessageIcon icon,
                          MessageButtons buttons) override;
    QString askOpenFileName() override;
    QString askSaveFileName() override;
    void beep() override;
    void showWindow(WindowId window) override;
    void showWindowModal(WindowId window) override;
    void hideWindow(WindowId window) override;

    // The window of `window` if it exists now, else nullptr. Never creates one.
    QWidget *existingWindow(WindowId window) const;
    // Hides and discards every secondary window without running any of their
    // close handlers: the program is ending.
    void discardWindows();

    // The file dialogs open in the folder of this file from now on (for the
    // rest of this run; nothing is kept between runs).
    void rememberFolderOf(const QString &fileName);
    // The folder the next file dialog opens in: the remembered one while it
    // exists, else the user's documents folder, else the home folder.
    QString startFolder() const;

    // The filter's shown name and its pattern, split at the vertical bar of
    // Texts::fileDialogFilter().
    static QString filterShownName();
    static QString filterPattern();

protected:
    // The window a message box or file dialog belongs to: the window of the
    // program the user is working in, whose command asked, else the main
    // window. Focus returns there when the box closes.
    QWidget *dialogOwner() const;

private:
    // Creates the window on first use (hidden).
    QWidget *window(WindowId window);
    QString runFileDialog(bool forSaving);
    static void returnFocusTo(QWidget *owner);

    EditorCore *m_core = nullptr;
    QPointer<QWidget> m_mainWindow;
    QString m_lastFolder;
    std::map<WindowId, QPointer<QWidget>> m_windows;
};

} // namespace tuneks
