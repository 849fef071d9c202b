#include "codepage.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace {

// The code page is a fixed one-byte mapping, so both directions are tables
// built once from the system's converter: creating a converter for every
// value cost more than the rest of loading a file.
struct Tables {
    std::array<QChar, 256> toChar{};
    QHash<char16_t, char> toByte;
    bool valid = false;

    explicit Tables(const char *converterName)
    {
        QByteArray all(256, '\0');
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        QStringDecoder decoder(converterName);
        if (!decoder.isValid())
            return;
        const QString decoded = decoder.decode(all);
        if (decoded.size() != 256)
            return;
        for (int b = 0; b < 256; ++b) {
            // An unassigned byte keeps a character of its own so that it
            // survives a round trip.
            const QChar c = decoded.at(b);
            toChar[b] = c == QChar::ReplacementCharacter ? QChar(b) : c;
            toByte.insert(toChar[b].unicode(), char(b));
        }
        valid = toByte.size() == 256;
    }
};

const Tables &tables()
{
    static const Tables t("windows-1251");
    return t;
}

} // namespace

namespace Codepage {

bool available()
{
    return tables().valid;
}

bool converterUsable(const char *name)
{
    return Tables(name).valid;
}

QString decode(const QByteArray &bytes)
{
    const Tables &t = tables();
    if (!t.valid)
        return QString();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char b : bytes)
        *out++ = t.toChar[uchar(b)];
    return text;
}

QByteArray encode(const QString &text, bool *ok)
{
    const Tables &t = tables();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bool all = t.valid;
    char *out = bytes.data();
    for (const QChar c : text) {
        const auto it = t.toByte.constFind(c.unicode());
        if (it == t.toByte.constEnd()) {
            all = false;
            *out++ = '?';
        } else {
            *out++ = *it;
        }
    }
    if (ok)
        *ok = all;
    return bytes;
}

bool canEncode(const QString &text)
{
    const Tables &t = tables();
    if (!t.valid)
        return false;
    for (const QChar c : text)
        if (!t.toByte.contains(c.unicode()))
            return false;
    return true;
}

} // namespace Codepage
