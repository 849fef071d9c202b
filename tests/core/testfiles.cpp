#include "testfiles.h"

#include <QFile>

QString CoreFixture::writeFile(const QString &name, const QByteArray &bytes) const
{
    const QString full = path(name);
    QFile file(full);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return full;
}

QByteArray CoreFixture::readFile(const QString &name) const
{
    QFile file(name.startsWith(QLatin1Char('/')) ? name : path(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void CoreFixture::open(const QString &fullName)
{
    host.openNames.append(fullName);
    core.openCommand();
}

QString CoreFixture::saveAs(const QString &name)
{
    host.saveNames.append(path(name));
    core.saveAsCommand();
    return path(name);
}

QByteArray joinCrLf(const QVector<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + "\r\n";
    return out;
}

QVector<QByteArray> physicsLines(int count, const QByteArray &name)
{
    QVector<QByteArray> lines = {
        "' " + name,
        "[basic]",
        "Mass=1200.5",
        "FrontTrackWidth=1.5",
        "driveWheels_0=1",
        "driveWheels_1=0",
        "driveWheels_2=1",
        "driveWheels_3=0",
        "[engineblock]",
        "MinRPM=900",
        "RedLine=7000",
        "torqueCurve_0=100.0",
        "torqueCurve_23=5.0",
        "[transmission]",
        "NumberOfGears=6",
        "Automatic=0",
        "GearShiftDelay=0.2",
        "[brake_rear]",
        "ABS=1",
        "[brake_front]",
        "ABS=0",
        "[audio]",
        "enginetype=5",
        "horntype=2",
        "[render]",
    };
    while (lines.size() < count)
        lines.append("' filler " + QByteArray::number(lines.size() + 1));
    return lines;
}
