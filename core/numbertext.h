#pragma once

#include <QString>

namespace tuneks {

// Reads the number that a text begins with, the way the physics files' old
// tools did: blanks, tabs and line feeds are skipped wherever they stand; an
// optional sign, digits with "." as the decimal point and an optional
// exponent (E or D, optional sign, digits) are read; "&H" and "&O" begin a
// hexadecimal or octal whole number. Reading stops at the first other
// character. A text that begins with no number gives 0. A number too large
// for a double gives an infinity of the right sign.
double leadingNumber(const QString &text);

} // namespace tuneks
