#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <string>

// The properties every physics file must keep on its way through the editor,
// checked against a small reference model that is written apart from the
// core (its own line splitting, head test and slot-line walk; only the slot
// table's data is shared).
//
// One input goes through the core twice, each time in a fresh core with a
// scripted host, over a real file in `workDir`:
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
//     saved as in 1, where a main-window field value longer than 100
//     characters is also written back cut to 100 (the second load marks what
//     it changes; the torque fields have no such limit).
//  3. with one edit: the input's last line typed into a text field; the save
//     replaces that value only, and opening the saved file shows it again; a
//     text with a line break is refused with a beep and changes nothing.
// The buffer never holds more than 1000 lines.
class FileProperties {
public:
    // `workDir` must exist and stay for the life of the object; the input
    // and the saved files are written there.
    explicit FileProperties(const QString &workDir);

    // Empty when every property holds, otherwise what failed, with the line.
    std::string check(const QByteArray &bytes);

private:
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
