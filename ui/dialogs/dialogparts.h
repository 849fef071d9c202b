#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

// Pieces the windows share: the twips layout of every window, and the
// default face and button maker of the small dialogs.

// Positions are laid out in twips, 15 to a pixel at the normal 96 dots per
// inch; Qt scales the pixels for high-DPI screens.
inline QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// The dialogs' default face: a Cyrillic-capable sans face at 8.25 points.
QFont dialogFont();

// A push button named `name` at `where`. Enter always goes to the dialog's
// default button, whichever button has the focus.
QPushButton *makeDialogButton(QWidget *parent, const char *name, const QString &caption, QRect where);
