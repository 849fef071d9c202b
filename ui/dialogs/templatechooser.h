#pragma once

#include "commands/choosercommands.h"

#include <QDialog>

class QRadioButton;

namespace tuneks {

// Form5: the template chooser, shown modally by the New command. The option
// buttons mirror the form state's chooser option, which outlives the window's
// showings; "&Создать" (Enter), "&Отмена" (Esc, also the close box) and "&!"
// are passed to the core, which hides the window when it is done. Each
// showing centres the window's outer frame on the screen of its parent.
class TemplateChooser : public QDialog {
    Q_OBJECT
public:
    explicit TemplateChooser(EditorCore &core, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void syncOptions();

    EditorCore &m_core;
    ChooserCommands m_commands;
    QRadioButton *m_porsche;     // Option1
    QRadioButton *m_lamborghini; // Option2
};

} // namespace tuneks
