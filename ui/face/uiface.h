#pragma once

#include <QFont>

namespace tuneks {

// The one face every window draws its text in. It is embedded in the program,
// so captions, labels and buttons measure the same on every machine, whatever
// fonts the system has, and every text fits the box it was laid out for.
namespace UiFace {

// The embedded face at `pointSize`, regular weight. The first call registers
// the face with the application's font database (a QGuiApplication must
// exist); should that ever fail, the result falls back to the system's
// sans-serif face so that the windows still show their texts.
QFont font(qreal pointSize);

// The embedded face at the windows' default size, 8.25 points.
QFont defaultFont();

// The embedded fixed-pitch face, for the listing of source text.
QFont fixedFont(qreal pointSize);

// Chooses, before the application object is made, a font engine that draws
// the face smoothed at every size. On Windows that is Qt's FreeType engine:
// the system's GDI engine of this build follows the face's table of sizes
// at which it may be smoothed, which forbids it at the sizes the windows
// use, and drew their texts in black-and-white pixels. An engine chosen in
// the environment (QT_QPA_PLATFORM) is left as it is. Elsewhere it does nothing.
void chooseFontEngine();

// Makes the face at the windows' default size the application's font, so
// that menus, message boxes and file dialogs use it too. Needs a QApplication.
void applyToApplication();

} // namespace UiFace

} // namespace tuneks
