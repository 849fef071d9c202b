#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

namespace tuneks {

// Pieces the windows share: the twips layout of every window, the button
// maker of the small dialogs and where a window goes on the screen.

// Positions are laid out in twips, 15 to a pixel at the normal 96 dots per
// inch; Qt scales the pixels for high-DPI screens.
inline QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// A push button named `name` at `where`. Enter always goes to the dialog's
// default button, whichever button has the focus.
QPushButton *makeDialogButton(QWidget *parent, const char *name, const QString &caption, QRect where);

// A read-only, empty text box named `name` at `where`, used as a sunken
// panel behind buttons. It takes neither typing nor the focus.
QLineEdit *makePanel(QWidget *parent, const char *name, QRect where);

// How much the window's frame adds to its client size: its own frame once it
// is shown, before that the frame of `reference`'s window, else nothing.
QSize frameExtent(const QWidget *window, const QWidget *reference);

// Where a window's outer `frame` goes so that it stands inside `area` (a
// screen's available area), moved as little as needed. A frame wider or
// taller than the area starts at its left or top edge, so that the caption
// and the left side stay in sight.
QPoint keptInside(QRect frame, QRect area);

// Places a top-level window so that its outer frame stands in the middle of
// its screen, inside the screen's available area. Before the window is first
// shown its frame is not known yet; the frame of `reference`'s window (if
// any) stands in for it.
void centreOnScreen(QWidget *window, const QWidget *reference);

// Places a top-level window with its client area at `where` (in twips) from
// the top-left corner of the primary screen, moved inside the screen's
// available area where it would reach past it. `reference` as above.
void placeOnPrimaryScreen(QWidget *window, QRect where, const QWidget *reference);

} // namespace tuneks
