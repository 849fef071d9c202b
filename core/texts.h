#pragma once

#include <QString>

// The fixed texts that more than one part of the editor shows.
namespace tuneks::Texts {

// The main window's caption while `name` is being edited; an empty name is
// the unnamed car.
QString editingCaption(const QString &name);
// The main window's caption before any document.
QString programCaption();
// Text3 before any document.
QString notLoadedText();
// The caption of every message about a file that could not be loaded.
QString loadErrorCaption();
// The caption of every question and message of a save.
QString saveCaption();
// The file dialogs' filter: shown name, a vertical bar, the pattern.
QString fileDialogFilter();
// The title of the first page.
QString firstPageTitle();

} // namespace tuneks::Texts
