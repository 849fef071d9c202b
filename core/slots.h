#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// The field slot table: every value of a physics file that the editor shows
// has a number (its slot). The slot is at once the index of the text box that
// shows it (Text(i) in the main window, Text21(i) in the torque window), its
// index in NStr (line of its key) and in Izm (edited flag).

namespace Slots {

constexpr int kFirstTorqueSlot = 41;
constexpr int kLastTorqueSlot = 64;
constexpr int kNameSlot = 1;
constexpr int kNumberOfGearsSlot = 71;
constexpr int kEngineTypeSlot = 126;
constexpr int kHornTypeSlot = 127;

// The check boxes of the main window, by control name.
enum CheckBoxId { Check1_0, Check1_1, Check1_2, Check1_3, Check2, Check3, Check4, kCheckBoxCount };
// The drop-down lists of the main window.
enum ComboId { Combo1, Combo2, Combo3, kComboCount };

enum class Control {
    MainText,   // Text(slot) of the main window
    TorqueText, // Text21(slot) of the torque window
    CheckBox,   // controlIndex is a CheckBoxId
    ComboBox,   // controlIndex is a ComboId
};

struct SlotInfo {
    int slot;
    int section;     // section number (see sectionOfHeader); 0 for the name line
    const char *key; // key text before the first "="; nullptr for the name line
    Control control;
    int controlIndex; // CheckBoxId or ComboId where the control is one
};

// All 71 slots in ascending order.
const QVector<SlotInfo> &all();
const SlotInfo *bySlot(int slot);
// The slot whose key is `key` inside section `section`, or nullptr.
const SlotInfo *find(int section, const QByteArray &key);

// Number 1..12 of a section header line (exact, case-sensitive), 0 otherwise.
int sectionOfHeader(const QByteArray &line);
// Sections 1..9 and 11 distribute values; 0, 10 and 12 are passed over.
bool sectionHasHandler(int section);

// The elements of the main window's Text array, ascending.
const QVector<int> &mainTextSlots();
// The 36 slots that the field check examines and that are written back only
// when edited, ascending.
const QVector<int> &checkedSlots();
bool isTorqueSlot(int slot);
bool isTextSlot(int slot); // main or torque text box

// Quoted label with its suffix as the error lists show it, e.g.
// "\"Задержка\" (трансмисия)". Torque slots give "\"Крутящий момент при 500 о/м\"".
QString errorLabel(int slot);

// Items of the three lists, in list order.
const QStringList &comboItems(ComboId combo);
// Offset between list position and the number in the file (3, 0, 1).
int comboOffset(ComboId combo);

} // namespace Slots
