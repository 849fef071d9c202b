#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace tuneks {

// Form4: the listing window, "Листинг". It shows the source of the document
// core, built into the program, followed by the author's notes; nothing in
// it is stored or used.

// The full text of the window: the core's files as they were when the
// program was built, a line of 70 "=", "Примечания автора.", another line of
// 70 "=" and a four-line note; it ends with a line break.
QString listingText();

// Builds the window, not yet shown: 12800 x 7600 twips outside, in the middle
// of the screen, its read-only text box Text1 filling the client area. The
// caller owns it.
QDialog *createListingWindow(QWidget *parent);

// Builds the window afresh, shows it modally and discards it when the user
// closes it.
void showListingWindow(QWidget *parent);

} // namespace tuneks
