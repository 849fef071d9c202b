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
    // Every key the editor shows, each in its own section, with a value the
    // field check accepts; the slot number makes each value unique.
    static const char *const headers[] = {"[basic]",      "[Display_Data]", "[engineblock]",
                                          "[transmission]", "[rearend]",    "[tire_rear]",
                                          "[tire_front]", "[brake_rear]",   "[brake_front]",
                                          "[Skins]",      "[audio]",        "[render]"};
    QVector<QByteArray> lines = {"' " + name};
    for (int section = 1; section <= 12; ++section) {
        lines.append(headers[section - 1]);
        for (const Slots::SlotInfo &info : Slots::all()) {
            if (info.section != section || !info.key)
                continue;
            QByteArray value;
            if (info.control == Slots::Control::CheckBox)
                value = info.slot % 2 ? "1" : "0";
            else if (info.slot == Slots::kNumberOfGearsSlot)
                value = "6";
            else if (info.slot == Slots::kEngineTypeSlot)
                value = "5";
            else if (info.slot == Slots::kHornTypeSlot)
                value = "2";
            else
                value = QByteArray::number(info.slot) + ".5";
            lines.append(QByteArray(info.key) + '=' + value);
        }
    }
    while (lines.size() < count)
        lines.append("' filler " + QByteArray::number(lines.size() + 1));
    return lines;
}

int lineIndex(const QVector<QByteArray> &lines, const QByteArray &start)
{
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(start))
            return i;
    return -1;
}

::testing::AssertionResult sameBytes(const QByteArray &actual, const QByteArray &expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (int i = 0; i < qMax(a.size(), e.size()); ++i) {
        const QByteArray x = i < a.size() ? a[i] : QByteArray("<none>");
        const QByteArray y = i < e.size() ? e[i] : QByteArray("<none>");
        if (x != y)
            return ::testing::AssertionFailure()
                   << "line " << i + 1 << " is \"" << x.toStdString() << "\", expected \""
                   << y.toStdString() << "\" (" << a.size() << " vs " << e.size() << " lines)";
    }
    return ::testing::AssertionFailure() << "bytes differ";
}
