#include "codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const char kCodec[] = "windows-1251";

} // namespace

namespace Codepage {

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder(kCodec);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray encode(const QString &text, bool *ok)
{
    QStringEncoder encoder(kCodec);
    if (!encoder.isValid()) {
        if (ok)
            *ok = false;
        return text.toLatin1();
    }
    QByteArray bytes = encoder.encode(text);
    if (ok)
        *ok = !encoder.hasError();
    return bytes;
}

bool canEncode(const QString &text)
{
    bool ok = true;
    encode(text, &ok);
    return ok;
}

} // namespace Codepage
