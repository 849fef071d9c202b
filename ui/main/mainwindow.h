#pragma once

#include "formstate.h"
#include "formwidgets.h"
#include "commands/mainwindowcommands.h"

#include <QMainWindow>

class QAction;
class QPlainTextEdit;

namespace tuneks {

class QtHost;

// Form1: the main window. A thin view over the core's form state: every
// control mirrors its item of the model (through FormState::changed) and
// every user action is handed to the core, which applies the rules.
//
// The window has a fixed size (it may be minimised, not maximised). Closing
// it asks the core; a refused close leaves it open. When the program ends
// every secondary window is discarded.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Attaches the host to the core and this window, then runs the window
    // load (the not-loaded text).
    MainWindow(EditorCore &core, QtHost &host, QWidget *parent = nullptr);

    // True once the program has ended through Exit or the close box.
    bool hasEnded() const { return m_ended; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildWindowControls(QWidget *client);
    void buildMenus();
    void connectControls();
    void onModelChanged(FormState::Item item, int index);
    void syncAll();
    void exitRequested();
    void endProgram();

    EditorCore &m_core;
    MainWindowCommands m_commands;
    QtHost &m_host;
    FormWidgets m_widgets;
    QPlainTextEdit *m_pageTitle = nullptr; // Text3
    QAction *m_save = nullptr;
    QAction *m_saveAs = nullptr;
    QAction *m_check = nullptr;
    QSize m_fixedSize;
    bool m_ended = false;
};

} // namespace tuneks
