#pragma once

class QDialog;
class QWidget;

namespace tuneks {

// Form9: the about window, "Об авторе и о программе.": the program's name and
// version, what it is for, the terms of use and a disclaimer, with a helmet
// and a signature picture. Fixed content; nothing in it is stored or used.

// Builds the window, not yet shown. The caller owns it.
QDialog *createAboutWindow(QWidget *parent);

// Builds the window afresh, shows it modally in the middle of the screen and
// discards it when the user closes it.
void showAboutWindow(QWidget *parent);

} // namespace tuneks
