#pragma once

#include <QByteArray>
#include <QString>

namespace tuneks {

// Windows-1251 at the edges of the core: file lines are bytes, field texts
// are QString. The code page is a fixed one-byte mapping kept here as a
// table, so it works the same on every system, whether or not the system
// has a converter of its own. Every byte 0..255 decodes to one character and
// encodes back to the same byte (0x98, unassigned, becomes U+0098 and back).
namespace Codepage {

QString decode(const QByteArray &bytes);
// Encodes `text`; a character that Windows-1251 cannot hold sets *ok to false
// (when given) and is written as "?". Callers refuse such text beforehand.
QByteArray encode(const QString &text, bool *ok = nullptr);
bool canEncode(const QString &text);

} // namespace Codepage

} // namespace tuneks
