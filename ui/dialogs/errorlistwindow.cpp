#include "errorlistwindow.h"

#include "crispframe.h"
#include "dialogparts.h"
#include "uiface.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>

namespace tuneks {

namespace {

constexpr int kHeightTwips = 3975;
constexpr int kMarginTwips = 120;

} // namespace

ErrorListWindow::ErrorListWindow(const char *name, int widthTwips, Qt::WindowFlags flags,
                                 std::function<void()> closeCommand, QWidget *parent)
    : QDialog(parent, flags), m_closeCommand(std::move(closeCommand))
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QStringLiteral("Найдены ошибки..."));
    setFont(UiFace::defaultFont());
    placeOnPrimaryScreen(this, twips(5055, 3690, widthTwips, kHeightTwips), parent);

    const int innerWidth = widthTwips - 2 * kMarginTwips;
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setGeometry(twips(kMarginTwips, kMarginTwips, innerWidth, 2985));
    // Its lower edge falls between device pixels on screens scaled by a fraction.
    keepBorderOnDevicePixels(m_list);

    // Behind the buttons that the window puts on it.
    m_panel = makePanel(this, "Text1", twips(kMarginTwips, 3240, innerWidth, 615));
    m_panel->lower();
}

void ErrorListWindow::followInTabOrder(QWidget *lastButton)
{
    setTabOrder(lastButton, m_list);
}

void ErrorListWindow::showErrors(const QStringList &errors)
{
    m_list->clear();
    m_list->addItems(errors);
}

void ErrorListWindow::reject()
{
    // Esc is the cancel role of "Закрыть".
    m_closeCommand();
}

void ErrorListWindow::closeEvent(QCloseEvent *event)
{
    m_closeCommand();
    event->accept();
    // Leaves a modal loop, if the window runs one, and discards the window.
    hide();
    deleteLater();
}

} // namespace tuneks
