#include "dialogparts.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace tuneks {

QPushButton *makeDialogButton(QWidget *parent, const char *name, const QString &caption, QRect where)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(where);
    button->setAutoDefault(false);
    return button;
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

void centreOnScreen(QWidget *window, const QWidget *reference)
{
    QScreen *screen = reference ? reference->screen() : window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize outer = window->size() + frameExtent(window, reference);
    const QRect area = screen->geometry();
    // move() places the frame's top-left corner.
    window->move(area.x() + area.width() / 2 - outer.width() / 2,
                 area.y() + area.height() / 2 - outer.height() / 2);
}

void placeOnPrimaryScreen(QWidget *window, QRect where)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    window->setGeometry(where.translated(origin));
}

void showKeptText(QLineEdit *edit, const QString &typed, int cursor, bool taken, const QString &kept)
{
    if (edit->text() == kept)
        return;
    edit->setText(kept);
    const int caret = taken ? cursor : cursor - int(typed.size() - kept.size());
    edit->setCursorPosition(qBound(0, caret, int(kept.size())));
}

} // namespace tuneks
