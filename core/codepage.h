#pragma once

#include <QByteArray>
#include <QString>

// Windows-1251 at the edges of the core: file lines are bytes, field texts
// are QString. Every byte 0..255 decodes to one character and encodes back
// to the same byte (0x98, unassigned, becomes U+0098 and back).
//
// The mapping comes from the system's converter. A Qt built without one for
// Windows-1251 cannot read or write a physics file faithfully, and nothing
// else will do in its place: available() is then false, decode() returns an
// empty text, encode() reports failure and canEncode() refuses everything.
// The application checks available() before it shows a window.
namespace Codepage {

bool available();
// Whether the system has a converter of this name that maps each of the 256
// byte values to one character.
bool converterUsable(const char *name);

QString decode(const QByteArray &bytes);
// Encodes `text`; a character that Windows-1251 cannot hold sets *ok to false
// (when given) and is written as "?". Callers refuse such text beforehand.
QByteArray encode(const QString &text, bool *ok = nullptr);
bool canEncode(const QString &text);

} // namespace Codepage
