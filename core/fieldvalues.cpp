#include "fieldvalues.h"

#include "codepage.h"
#include "formstate.h"
#include "numbertext.h"

#include <cmath>

namespace tuneks {

using Fields::Conversion;

int checkValueOf(Conversion conversion, const QByteArray &value)
{
    if (conversion == Conversion::WholeNumberFlag) {
        const double number = std::nearbyint(leadingNumber(Codepage::decode(value)));
        return (number == 1 || number == 2) ? int(number) : 0;
    }
    return value == "1" ? 1 : 0;
}

int listPositionOf(const Fields::FieldInfo &list, const QByteArray &value)
{
    const double number = leadingNumber(Codepage::decode(value)) - list.listOffset;
    const double position = std::nearbyint(number);
    if (!std::isfinite(position) || position < 0 || position >= list.items.size())
        return -1;
    return int(position);
}

namespace {

// The key line with everything after its first "=" replaced. A field's key
// line always holds one: that is how its key was found.
QByteArray withValue(const QByteArray &line, const QByteArray &value)
{
    return line.left(line.indexOf('=') + 1) + value;
}

} // namespace

QByteArray writtenBackLine(const Fields::FieldInfo &info, const QByteArray &line, const FormState &form,
                           bool edited)
{
    switch (info.conversion) {
    case Conversion::NameLine:
        // The name line always gets its "' ". An unedited name keeps the rest
        // of its line as read, which may be longer than the field.
        return "' " + (edited ? Codepage::encode(form.text(info.slot)) : line.mid(2));
    case Conversion::Text:
        return edited ? withValue(line, Codepage::encode(form.text(info.slot))) : line;
    case Conversion::Flag:
    case Conversion::WholeNumberFlag:
        return QByteArray(info.key) + '=' + QByteArray::number(form.check(info.slot));
    case Conversion::ListNumber:
    case Conversion::SpacedListNumber: {
        const int position = form.combo(info.slot);
        if (position == -1)
            return line;
        const QByteArray number = QByteArray::number(position + info.listOffset);
        if (info.conversion == Conversion::SpacedListNumber)
            return withValue(line, ' ' + number);
        return edited ? withValue(line, number) : line;
    }
    }
    return line;
}

} // namespace tuneks
