#pragma once

class QFileDialog;
class QMessageBox;

namespace tuneks {

// The standard dialogs (message boxes and file dialogs) in Russian to the
// last word, whatever language the machine is set to.
//
// Qt's own Russian translation (qtbase_ru, loaded at start-up) covers most
// of their texts; what it leaves in English is supplied here, and numbers,
// sizes and dates are written the Russian way.

// Makes Russian the default locale and installs the texts that Qt's
// translation lacks, above every translator installed so far. Call it once
// the application object exists and Qt's translation is installed.
void useRussianInStandardDialogs();

// Shows the file list's sizes and dates in the Russian way: the file list
// takes them from the machine's locale, which may be any language.
void writeSizesAndDatesInRussian(QFileDialog &dialog);

// Qt's own file dialog sizes its columns and its side bar for English
// texts; this makes the size, type and date columns and the side bar as
// wide as their Russian texts, the name column taking the rest. Does nothing
// to a dialog that the platform shows (Windows).
void showColumnsAndPlacesWhole(QFileDialog &dialog);

// Widens the box, if need be, so that the title bar can show its whole
// caption beside the frame's icon and buttons: Russian captions are long.
void widenForCaption(QMessageBox &box);

} // namespace tuneks
