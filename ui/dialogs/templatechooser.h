#pragma once

#include <QDialog>

class EditorCore;
class QRadioButton;

// Form5: the template chooser, shown modally by the New command. The option
// buttons mirror the form state's chooser option, which outlives the window's
// showings; "&Создать" (Enter), "&Отмена" (Esc, also the close box) and "&!"
// are passed to the core, which hides the window when it is done.
class TemplateChooser : public QDialog {
    Q_OBJECT
public:
    explicit TemplateChooser(EditorCore &core, QWidget *parent = nullptr);

    // Centres the window's outer frame on the screen of `reference` (or the
    // primary screen); before the first showing the reference's frame stands
    // in for the chooser's own.
    void centreOnScreen(QWidget *reference);

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void syncOptions();

    EditorCore &m_core;
    QRadioButton *m_porsche;     // Option1
    QRadioButton *m_lamborghini; // Option2
};
