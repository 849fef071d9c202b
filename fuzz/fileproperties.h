#pragma once

#include "files/fileaccess.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

#include <string>

// The properties every physics file must keep on its way through the editor,
// checked against a small reference model that is written apart from the
// core (its own line splitting, head test and slot-line walk; only the slot
// table's data is shared).
//
// One input goes through the core three times, each time in a fresh core
// with a scripted host, over a real file in `workDir` or over files kept in
// memory:
//  1. as the first document of a run: open it; a refused file must leave
//     the empty editor with one message and no lines; an accepted one is
//     saved without edits through Save As, and the file written must be the
//     input with only the documented rewrites (name line as "' " and the
//     name, sound lists with a blank after "=" when they have a selection,
//     check-box lines as key=digit, CR LF after every line). Opening that
//     saved file again and saving it once more must give the same bytes.
//  2. after another document (the first built-in car, with an unsaved
//     edit): a refused file must leave that document, its flags and every
//     field exactly as they were, with one message; an accepted one is
//     saved as in 1: a value longer than the field's 100 characters stays
//     whole in its line, in a later document as in the first.
//  3. with one edit: the input's last line typed into a text field; the save
//     replaces that value only, and opening the saved file shows it again; a
//     text that brings in a line break or another control character is
//     refused with a beep and changes nothing.
// The buffer never holds more than 1000 lines.
// Files kept in memory: what the core reads and writes through them never
// touches a disk, so the properties can be checked many times faster. Every
// name is an ordinary, visible file or missing.
class MemoryFiles final : public tuneks::FileAccess {
public:
    using NameKind = tuneks::NameKind;
    using FileIdentity = tuneks::FileIdentity;
    using ReadResult = tuneks::ReadResult;

    NameKind kindOf(const QString &name, bool *hidden = nullptr) override;
    FileIdentity identify(const QString &name) override;
    ReadResult read(const QString &name, QByteArray &data, QString *errorText) override;
    bool write(const QString &name, const QByteArray &contents, QString *errorText) override;
    void remove(const QString &name) { m_files.remove(name); }

private:
    QHash<QString, QByteArray> m_files;
};

class FileProperties {
public:
    // Without `memory` the files are real: `workDir` must exist and stay for
    // the life of the object, and the input and the saved files are written
    // there. With `memory` they are names in it (which must outlive this).
    explicit FileProperties(const QString &workDir, MemoryFiles *memory = nullptr);

    // Empty when every property holds, otherwise what failed, with the line.
    std::string check(const QByteArray &bytes);

private:
    MemoryFiles *m_memory;
    QString m_input;
    QString m_output;
    QString m_resaved;
};

// The reference model, exposed for the regression tests.
namespace ReferenceModel {

// A line ends at CR or CR LF; a lone LF stays in the line; a final line end
// adds no empty line.
QVector<QByteArray> splitLines(const QByteArray &bytes);

// 0 when the head is refused, otherwise the 1-based number of the name line.
int nameLine(const QVector<QByteArray> &lines);

} // namespace ReferenceModel
