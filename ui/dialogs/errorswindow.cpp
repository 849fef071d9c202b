#include "errorswindow.h"

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

ErrorsWindow::ErrorsWindow(EditorCore &core, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_core(core)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Найдены ошибки..."));
    setModal(false);
    setFont(dialogFont());
    resize(twips(0, 0, 6735, 3975).size());

    // Created in tab order; the panel is then sent behind the buttons.
    m_recheck = makeDialogButton(this, "Command1", QStringLiteral("&Проверить ещё раз"),
                           twips(720, 3360, 1935, 375));
    m_saveAnyway = makeDialogButton(this, "Command2", QStringLiteral("&Всё равно сохранить"),
                              twips(2760, 3360, 1935, 375));
    m_saveAnyway->setDefault(true);
    auto *close = makeDialogButton(this, "Command3", QStringLiteral("Закрыть"),
                             twips(4920, 3360, 1575, 375));
    auto *notes = makeDialogButton(this, "Command4", QStringLiteral("&!"), twips(240, 3360, 375, 375));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setGeometry(twips(120, 120, 6495, 2985));
    // Its lower edge falls between device pixels on screens scaled by a fraction.
    keepBorderOnDevicePixels(m_list);

    auto *panel = new QLineEdit(this);
    panel->setObjectName(QStringLiteral("Text1"));
    panel->setGeometry(twips(120, 3240, 6495, 615));
    panel->lower();

    connect(m_recheck, &QPushButton::clicked, this, [this] { m_core.errorsRecheck(); });
    connect(m_saveAnyway, &QPushButton::clicked, this, [this] { m_core.errorsSaveAnyway(); });
    connect(close, &QPushButton::clicked, this, [this] { m_core.errorsClose(); });
    connect(notes, &QPushButton::clicked, this, [this] { m_core.errorsNotes(); });

    connect(&m_core.form(), &FormState::changed, this, [this](FormState::Item item, int) {
        if (item == FormState::Item::ErrorsList)
            syncList();
        else if (item == FormState::Item::ErrorsButtons)
            syncButtons();
    });
    syncList();
    syncButtons();
}

void ErrorsWindow::placeOnScreen()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    setGeometry(twips(5055, 3690, 6735, 3975).translated(origin));
}

void ErrorsWindow::reject()
{
    // Esc acts as the cancel button "Закрыть".
    m_core.errorsClose();
}

void ErrorsWindow::closeEvent(QCloseEvent *event)
{
    // The close box ends the window's life: the next check builds a new one.
    m_core.errorsClosedByFrame();
    event->accept();
    hide();
    deleteLater();
}

void ErrorsWindow::syncList()
{
    m_list->clear();
    m_list->addItems(m_core.form().errorsList());
}

void ErrorsWindow::syncButtons()
{
    const bool enabled = m_core.form().errorsButtonsEnabled();
    m_recheck->setEnabled(enabled);
    m_saveAnyway->setEnabled(enabled);
}
