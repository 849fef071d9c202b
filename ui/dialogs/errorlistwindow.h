#pragma once

#include <QDialog>

#include <functional>

class QListWidget;

namespace tuneks {

// What the two errors windows share: the caption "Найдены ошибки...", a list
// of error texts above a sunken panel that holds the buttons, and a fixed
// spot on the screen. Esc and the close box run the window's close command;
// the close box also discards the window, so the next check shows a fresh
// one.
class ErrorListWindow : public QDialog {
    Q_OBJECT
public:
    // `widthTwips` is the client width; the list and the panel fill it but
    // for a margin of 120 twips on either side.
    ErrorListWindow(const char *name, int widthTwips, Qt::WindowFlags flags, std::function<void()> closeCommand,
                    QWidget *parent);

protected:
    void showErrors(const QStringList &errors);
    // The list comes after the window's buttons, the last of which is
    // `lastButton`, in the focus chain.
    void followInTabOrder(QWidget *lastButton);
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    std::function<void()> m_closeCommand;
    QListWidget *m_list;
    QWidget *m_panel;
};

} // namespace tuneks
