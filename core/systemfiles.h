#pragma once

#include <QString>

// How the file system looks to a user of the editor, the same on every
// platform that has the notion.

// Whether `fileName` is a file with the Windows system attribute; such files
// count as absent, like hidden ones. Always false elsewhere.
bool hasSystemAttribute(const QString &fileName);

// `fileName` written with the platform's separators, as the system's own
// dialogs give names (backslashes on Windows); messages name files this way.
QString nativeFileName(const QString &fileName);
