#pragma once

#include <QString>

// How the file system looks to a user of the editor, the same on every
// platform that has the notion.

// Whether `fileName` names something that does not count as an existing
// physics file: nothing at all, a folder, a hidden file, or (on Windows) a
// file with the system attribute. The load refuses such names as missing.
bool countsAsAbsent(const QString &fileName);

// `fileName` written with the platform's separators, as the system's own
// dialogs give names (backslashes on Windows); messages name files this way.
QString nativeFileName(const QString &fileName);
