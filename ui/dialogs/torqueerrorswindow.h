#pragma once

#include <QDialog>

class EditorCore;
class QListWidget;

// Form2_2: the modal errors window of the torque check. It mirrors the form
// state's torque error list; "Закрыть", Esc and the close box all hand over to
// the core, which empties the list and hides the window. The close box also
// destroys the window, so the next torque check shows a fresh one.
class TorqueErrorsWindow : public QDialog {
    Q_OBJECT
public:
    explicit TorqueErrorsWindow(EditorCore &core, QWidget *parent = nullptr);

    void placeOnScreen();

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void syncList();

    EditorCore &m_core;
    QListWidget *m_list;
};
