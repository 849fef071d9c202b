#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The field table: every value of a physics file that the editor shows
// has a number (its slot). The slot is at once the index of the text box that
// shows it (Text(i) in the main window, Text21(i) in the torque window), its
// index in keyLine (line of its key) and in edited (edited flag).
//
// A row of the table is the whole description of a field: where its key
// stands, which control shows it and under which name, what that control
// holds before any document (a list's items too), how its value is read and
// written back, whether the field check examines it and under which label,
// and whether New empties it. Every list the editor works through is derived
// from the rows, and check boxes and lists are known by their slot like text
// boxes, so a new field of any kind is one row plus its place on a page.

namespace tuneks::Fields {

constexpr int kNameSlot = 1;
constexpr int kFirstTorqueSlot = 41;
constexpr int kLastTorqueSlot = 64;
// One past the highest slot number.
constexpr int kSlotLimit = 128;

// The sections of a physics file, in the order of their header lines.
enum class Section {
    None, // before the first known header; the name line
    Basic,
    DisplayData,
    EngineBlock,
    Transmission,
    RearEnd,
    TireRear,
    TireFront,
    BrakeRear,
    BrakeFront,
    Skins,
    Audio,
    Render,
};

enum class Control {
    MainText,   // Text(slot) of the main window
    TorqueText, // Text21(slot) of the torque window
    CheckBox,   // a check box of the main window
    ComboBox,   // a drop-down list of the main window
};

// How a value travels between its line and its control.
enum class Conversion {
    // The name line: the text after its first two characters; written back
    // as "' " and the name, or the rest of the line as read when unedited.
    NameLine,
    // The value as text; written back only when edited.
    Text,
    // "1" ticks the box, anything else clears it; the whole line is written
    // as key=0, 1 or 2 on every save.
    Flag,
    // As Flag, but the value is read as a whole number: 1 and 2 tick or grey
    // the box, anything else clears it.
    WholeNumberFlag,
    // The list position is the number minus the list's offset; written back
    // only when the user picked an item.
    ListNumber,
    // As ListNumber, but a value enables its list, and the position is
    // written on every save with a blank after the "=".
    SpacedListNumber,
};

// Which check examines a field before it may be saved.
enum class Check {
    None,
    Field,  // the field check of every save
    Torque, // the torque check when the torque window closes
};

struct FieldInfo {
    int slot;
    Section section;
    const char *key; // key text before the first "="; nullptr for the name line
    Control control;
    Conversion conversion;
    Check check;
    // The quoted label with its suffix as the error lists show it, e.g.
    // "\"Задержка\" (трансмисия)"; empty when no check examines the field.
    QString errorLabel;
    bool clearedByNew;
    // The objectName of a check box or list ("Check1(0)", "Combo2"); empty
    // for a text box, which is named after its slot.
    QString controlName = QString();
    // What the control holds before any document: a text box's text, a
    // check box's value (0) or a list's position (-1, nothing chosen).
    QString initialText = QString();
    int initialValue = 0;
    // A list's items in list order, and the offset between a position in
    // the list and the number in the file.
    QStringList items = QStringList();
    int listOffset = 0;
};

// Every slot in ascending order.
const QVector<FieldInfo> &all();
const FieldInfo *bySlot(int slot);
// The slot whose key is `key` inside section `section`, or nullptr.
const FieldInfo *find(Section section, const QByteArray &key);

// The section a header line opens (exact, case-sensitive), or None for a
// line that is no known header.
Section sectionOfHeader(const QByteArray &line);

// Lists derived from the table, each ascending.
const QVector<int> &mainTextSlots();           // the main window's Text array
const QVector<int> &checkedSlots(Check check); // what a check examines; none for Check::None
const QVector<int> &slotsClearedByNew();

bool isTorqueSlot(int slot);
bool isTextSlot(int slot); // main or torque text box
// Engine speed in revolutions per minute of a torque slot's point.
int rpmOfTorqueSlot(int slot);
// The error label of a slot (see FieldInfo), empty for an unchecked one.
QString errorLabel(int slot);

// The check boxes and the lists, by slot.
const QVector<int> &checkBoxSlots();
const QVector<int> &listSlots();
bool isCheckBoxSlot(int slot);
bool isListSlot(int slot);

} // namespace tuneks::Fields
