#include "picturelist.h"

#include <QDir>

QStringList embeddedImageFiles()
{
    return QDir(QStringLiteral(":/images")).entryList(QDir::Files, QDir::Name);
}
