#pragma once

#include "templates.h"

#include <QByteArray>

// The bytes of a physics file to measure with: the Porsche template, padded
// with comment lines to `lines` lines when that is more, CR LF after each.
inline QByteArray sampleFileBytes(int lines)
{
    QVector<QByteArray> text = Templates::porsche();
    while (text.size() < lines)
        text.append("' tuning note " + QByteArray::number(text.size())
                    + ": raise the rear downforce a little for the long bends");
    QByteArray bytes;
    for (const QByteArray &line : text)
        bytes += line + "\r\n";
    return bytes;
}
