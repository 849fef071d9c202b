// Writes the seed corpus of the fuzzer into the folder given as argument:
// both built-in cars, odd line ends, high bytes, long values and heads that
// are just refused. Run once when the seeds should change; the files are
// kept in the repository.
#include "templates.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QVector>

#include <cstdio>

using namespace tuneks;

namespace {

QByteArray join(const QVector<QByteArray> &lines, const QByteArray &end, bool finalEnd = true)
{
    QByteArray out;
    for (int i = 0; i < lines.size(); ++i)
        if (finalEnd || i + 1 < lines.size())
            out += lines[i] + end;
        else
            out += lines[i];
    return out;
}

int indexOf(const QVector<QByteArray> &lines, const QByteArray &start)
{
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(start))
            return i;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QVector<QByteArray> porsche = Templates::porsche();
    const QVector<QByteArray> lambo = Templates::lamborghini();
    QVector<std::pair<const char *, QByteArray>> seeds;

    seeds.append({"porsche-crlf.ini", join(porsche, "\r\n")});
    seeds.append({"lamborghini-crlf.ini", join(lambo, "\r\n")});
    seeds.append({"porsche-cr-only.ini", join(porsche, "\r")});
    seeds.append({"lamborghini-lf-only.ini", join(lambo, "\n")});

    // CR and CR LF by turns, a lone LF inside a line, no end after the last.
    QByteArray mixed;
    for (int i = 0; i < lambo.size(); ++i)
        mixed += lambo[i] + (i + 1 == lambo.size() ? "" : i % 2 ? "\r" : "\r\n");
    mixed.replace("' suspension", "' suspen\nsion");
    seeds.append({"lamborghini-mixed-ends.ini", mixed});

    // Every byte but CR in a comment, Cyrillic in the name, NUL in a value.
    QVector<QByteArray> high = porsche;
    high[0] = "' \xcf\xee\xf0\xf8\xe5 911 \x98\xff";
    QByteArray everyByte("' ");
    for (int b = 0; b < 256; ++b)
        if (b != '\r')
            everyByte += char(b);
    high[3] = everyByte;
    high[indexOf(high, "Mass=")] = QByteArray("Mass=14\x00" "39\xe0", 10);
    seeds.append({"porsche-high-bytes.ini", join(high, "\r\n")});

    // Comment-first head, over-long values, duplicate keys, odd list and
    // check-box values, a header in capitals.
    QVector<QByteArray> odd = porsche;
    odd.prepend("# made by hand");
    odd[1] = "--" + QByteArray(120, 'N');
    odd[indexOf(odd, "FrontTrackWidth=")] = "FrontTrackWidth=" + QByteArray(130, '7');
    odd[indexOf(odd, "driveWheels_0")] = "driveWheels_0=01";
    odd[indexOf(odd, "driveWheels_2")] = "driveWheels_2=1 ";
    odd[indexOf(odd, "enginetype")] = "enginetype=4.5";
    odd[indexOf(odd, "horntype")] = "horntype=&H3";
    odd.insert(indexOf(odd, "BodyShape"), "Mass=1.0=2.0");
    odd.insert(indexOf(odd, "[engineblock]"), "[BASIC]");
    odd[indexOf(odd, "Automatic=")] = "Automatic=1.6";
    seeds.append({"lamborghini-comment-first-odd-values.ini", join(odd, "\r\n")});

    // Just refused: 99 lines; "#" head with [basic] on line 2; 1001 lines.
    seeds.append({"porsche-99-lines.ini", join(porsche.mid(0, 99), "\r\n", false)});
    QVector<QByteArray> hashHead = porsche;
    hashHead[0] = "# Porsche";
    seeds.append({"porsche-hash-head.ini", join(hashHead, "\r\n")});
    QVector<QByteArray> longFile = lambo;
    while (longFile.size() < 1001)
        longFile.append(QByteArray());
    seeds.append({"lamborghini-1001-lines.ini", join(longFile, "\r")});

    for (const auto &[name, bytes] : seeds) {
        QFile file(out.filePath(QString::fromLatin1(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", name);
            return 1;
        }
    }
    return 0;
}
