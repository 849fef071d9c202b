#pragma once

#include <QByteArray>
#include <QString>

namespace tuneks {

// Writes `contents` to `fileName` so that the file on disk is either the old
// one or the complete new one, never a half-written one, and puts the reason
// of a failure into *errorText in words for the user.
//
// On Unix systems:
// - Only an ordinary file, or a link to one (which is followed), is
//   replaced; a device, pipe, socket, folder or a link to nothing is refused.
// - The new bytes go to a new file beside the target, which then takes the
//   target's place. Where the system allows, it has no name until its bytes
//   are on disk, so a save killed before then leaves nothing. Its temporary
//   name is short, so a target whose name is as long as the system allows
//   saves too, and it names the target, so the next save of the same target
//   removes what a killed save left, and only that: a temporary file is
//   removed only when no running save holds its lock.
// - The folder is not flushed after the new file takes the target's name
//   (nor does Qt's QSaveFile, the writer on Windows, flush it): a power cut
//   before the system writes it back brings back the old file, whole.
// - The file keeps its permission bits (setuid, setgid and sticky included),
//   its owner and its group as far as the process may set them.
// - A file with several names (hard links), or one whose owner the process
//   could not keep, is written in place so that every name sees the new
//   bytes and the owner stays. Its old bytes are first put on disk in a
//   backup beside it (its name + "~tuneks-backup"), removed once the new
//   bytes are on disk; should the write fail, the old bytes are put back. A
//   backup that a killed save left is removed by the next save when it holds
//   what the file holds; when it holds other bytes, it may be the only whole
//   copy of the file, and the save stops and says so.
// - The file-size signal is ignored during the write, so a file-size limit
//   makes the save fail instead of ending the program.
bool writeFileAtomically(const QString &fileName, const QByteArray &contents, QString *errorText);

} // namespace tuneks
