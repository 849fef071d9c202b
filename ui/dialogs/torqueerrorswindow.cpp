#include "torqueerrorswindow.h"

#include "crispframe.h"
#include "dialogparts.h"
#include "editorcore.h"
#include "formstate.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

TorqueErrorsWindow::TorqueErrorsWindow(EditorCore &core, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      m_core(core)
{
    setObjectName(QStringLiteral("Form2_2"));
    setWindowTitle(QStringLiteral("Найдены ошибки..."));
    setModal(true);
    setFont(dialogFont());
    resize(twips(0, 0, 6615, 3975).size());

    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("Command3"));
    close->setGeometry(twips(240, 3360, 6135, 375));
    close->setDefault(true);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setGeometry(twips(120, 120, 6375, 2985));
    // Its lower edge falls between device pixels on screens scaled by a fraction.
    keepBorderOnDevicePixels(m_list);

    auto *panel = new QLineEdit(this);
    panel->setObjectName(QStringLiteral("Text1"));
    panel->setGeometry(twips(120, 3240, 6375, 615));
    panel->lower();

    connect(close, &QPushButton::clicked, this, [this] { m_core.torqueErrorsClose(); });
    connect(&m_core.form(), &FormState::changed, this, [this](FormState::Item item, int) {
        if (item == FormState::Item::TorqueErrorsList)
            syncList();
    });
    syncList();
}

void TorqueErrorsWindow::placeOnScreen()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    setGeometry(twips(5055, 3690, 6615, 3975).translated(origin));
}

void TorqueErrorsWindow::reject()
{
    // Esc is the cancel role of "Закрыть".
    m_core.torqueErrorsClose();
}

void TorqueErrorsWindow::closeEvent(QCloseEvent *event)
{
    m_core.torqueErrorsClose();
    event->accept();
    // Leaves the modal loop of showWindowModal and discards the window.
    hide();
    deleteLater();
}

void TorqueErrorsWindow::syncList()
{
    m_list->clear();
    m_list->addItems(m_core.form().torqueErrorsList());
}
