#pragma once

#include <QDialog>

class EditorCore;
class QListWidget;
class QPushButton;

// Form2: the modeless errors window of the field check. It mirrors the
// form state's error list and the enabled state of "&Проверить ещё раз" and
// "&Всё равно сохранить" (both disabled during a check-only run) and passes
// every button to the core. Enter presses "&Всё равно сохранить", Esc
// "Закрыть". The close box tells the core and destroys the window; the host
// creates a fresh one for the next check.
class ErrorsWindow : public QDialog {
    Q_OBJECT
public:
    explicit ErrorsWindow(EditorCore &core, QWidget *parent = nullptr);

    // Places the window at its fixed spot on the screen with its client size.
    void placeOnScreen();

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void syncList();
    void syncButtons();

    EditorCore &m_core;
    QListWidget *m_list;
    QPushButton *m_recheck;
    QPushButton *m_saveAnyway;
};
