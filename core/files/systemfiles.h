#pragma once

#include "files/fileaccess.h"

#include <QString>

namespace tuneks {

// How the file system looks to a user of the editor, the same on every
// platform that has the notion.

// Whether `fileName` is a file with the Windows system attribute; such files
// count as absent, like hidden ones. Always false elsewhere.
bool hasSystemAttribute(const QString &fileName);

// Whether a save may replace `fileName` as the system sees it. On Windows a
// file marked read-only, or one that another program holds open without
// letting others write (the game does so while it runs), must be left
// alone: *reason (when given) then says why in words for the user. Always
// true elsewhere and for a name that does not exist yet.
bool mayReplace(const QString &fileName, QString *reason = nullptr);

// What `name` leads to on the disk (see NameKind), links followed.
NameKind kindOnDisk(const QString &name);

// The device and inode numbers of the file `name` leads to, into `id`;
// left at 0 where the system has no such numbers.
void readDeviceAndInode(const QString &name, FileIdentity &id);

// `fileName` written with the platform's separators, as the system's own
// dialogs give names (backslashes on Windows); messages name files this way.
QString nativeFileName(const QString &fileName);

} // namespace tuneks
