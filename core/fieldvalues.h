#pragma once

#include "fieldtable.h"

#include <QByteArray>

namespace tuneks {

class FormState;

// The load and save conversions of the slot table's rows: how a value read
// from a key line becomes the state of its control, and how the control's
// state becomes the line written back. Nothing here changes the document.

// Check-box state 0, 1 or 2 for a Flag or WholeNumberFlag value.
int checkValueOf(Fields::Conversion conversion, const QByteArray &value);
// List position for the number a value begins with, minus the list's offset,
// rounded to the nearest whole number (ties to even); -1 when that is no
// position of the list.
int listPositionOf(const Fields::FieldInfo &list, const QByteArray &value);

// The key line of `info` as the write-back leaves it, given the field's
// state in `form` and whether the field was edited.
QByteArray writtenBackLine(const Fields::FieldInfo &info, const QByteArray &line, const FormState &form,
                           bool edited);

} // namespace tuneks
