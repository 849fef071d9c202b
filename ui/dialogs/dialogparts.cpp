#include "dialogparts.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace tuneks {

QPushButton *makeDialogButton(QWidget *parent, const char *name, const QString &caption, QRect where)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(where);
    button->setAutoDefault(false);
    return button;
}

QLineEdit *makePanel(QWidget *parent, const char *name, QRect where)
{
    auto *panel = new QLineEdit(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(where);
    panel->setReadOnly(true);
    panel->setFocusPolicy(Qt::NoFocus);
    return panel;
}

QSize frameExtent(const QWidget *window, const QWidget *reference)
{
    if (window->isVisible())
        return window->frameGeometry().size() - window->geometry().size();
    if (reference && reference->window()->isVisible()) {
        const QWidget *shown = reference->window();
        return shown->frameGeometry().size() - shown->geometry().size();
    }
    return QSize(0, 0);
}

QPoint keptInside(QRect frame, QRect area)
{
    return QPoint(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())),
                  std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
}

void centreOnScreen(QWidget *window, const QWidget *reference)
{
    QScreen *screen = reference ? reference->screen() : window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize outer = window->size() + frameExtent(window, reference);
    const QRect area = screen->geometry();
    const QPoint centred(area.x() + area.width() / 2 - outer.width() / 2,
                         area.y() + area.height() / 2 - outer.height() / 2);
    // move() places the frame's top-left corner.
    window->move(keptInside(QRect(centred, outer), screen->availableGeometry()));
}

void placeOnPrimaryScreen(QWidget *window, QRect where, const QWidget *reference)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) {
        window->setGeometry(where);
        return;
    }
    // setGeometry() places the client area; the frame adds a border on
    // either side and below, and the caption above.
    const QSize extent = frameExtent(window, reference);
    const QPoint border(extent.width() / 2, extent.height() - extent.width() / 2);
    const QRect client = where.translated(screen->geometry().topLeft());
    const QRect outer(client.topLeft() - border, client.size() + extent);
    window->setGeometry(QRect(keptInside(outer, screen->availableGeometry()) + border, client.size()));
}

} // namespace tuneks
