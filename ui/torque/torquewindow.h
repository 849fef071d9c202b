#pragma once

#include "commands/torquecommands.h"
#include "torqueplot.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tuneks {

// Form3: the torque curve window. A thin view over the core's torque slots
// 41..64, which its fields Text21(41)..Text21(64) are bound to. The window is
// modeless and lives for the whole run; hiding it keeps its fields, its plot
// table and what is drawn on its canvas.
//
// Closing the window through its frame does what "Закрыть" does: the core
// runs the torque check and hides the window through the host. A close that
// does not come from the user (the program ending) is accepted as it is.
class TorqueWindow : public QWidget {
    Q_OBJECT
public:
    explicit TorqueWindow(EditorCore &core, QWidget *parent = nullptr);

    // Shows the window, or brings it to the front when it is shown already.
    void present();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // "Построить график".
    void buildGraph();
    // "Очистить".
    void wipeGraph();
    // "Закрыть".
    void closeClicked();

    EditorCore &m_core;
    TorqueCommands m_commands;
    TorquePlot m_plot;
    QWidget *m_canvas = nullptr;
    QLabel *m_heading = nullptr;
    QVector<QLabel *> m_rpmLabels;
    QVector<QLineEdit *> m_fields; // index slot - 41
    QPushButton *m_build = nullptr;
    QPushButton *m_wipe = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace tuneks
