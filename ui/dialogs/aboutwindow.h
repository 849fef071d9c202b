#pragma once

#include <QSize>

class QDialog;
class QWidget;

// Form9: the about window, "Об авторе и о программе.": the program's name and
// version, what it is for, the terms of use and a disclaimer, with a helmet
// and a signature picture. Fixed content; nothing in it is stored or used.

// Builds the window, not yet shown. The caller owns it.
QDialog *createAboutWindow(QWidget *parent);

// Builds the window afresh, shows it modally in the middle of the screen and
// discards it when the user closes it.
void showAboutWindow(QWidget *parent);

// Places a top-level window so that its outer frame stands in the middle of
// its screen. Before the window is first shown its frame is not known yet;
// the frame of `reference`'s window (if any) stands in for it.
void centreOnScreen(QWidget *window, const QWidget *reference);

// How much the window's frame adds to its client size: its own frame once it
// is shown, before that the frame of `reference`'s window, else nothing.
QSize frameExtent(const QWidget *window, const QWidget *reference);
