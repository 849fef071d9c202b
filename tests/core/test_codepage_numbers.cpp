#include "codepage.h"
#include "numbertext.h"

#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringEncoder>

#include <limits>

using namespace tuneks;

TEST(Codepage, EveryByteRoundTripsCyrillicIsItsLettersAndOtherCharactersAreReported)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Codepage::decode(all);
    ASSERT_EQ(text.size(), 256);
    bool ok = false;
    EXPECT_EQ(Codepage::encode(text, &ok), all);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(Codepage::canEncode(text)); // byte 0 included
    EXPECT_EQ(text.at(0x98).unicode(), 0x98); // unassigned in the code page
    // A round trip alone would pass with Latin-1 too.
    EXPECT_EQ(Codepage::decode(QByteArray("\xcc\xe0\xf1\xf1\xe0")), QStringLiteral("Масса"));
    EXPECT_EQ(Codepage::encode(QStringLiteral("Ёё")), QByteArray("\xa8\xb8"));
    EXPECT_TRUE(Codepage::canEncode(QStringLiteral("Порше 911 €")));
    for (const QString &text : {QStringLiteral("日本"), QStringLiteral("€uro ✓"), QStringLiteral("ĳ")}) {
        ok = true;
        Codepage::encode(text, &ok);
        EXPECT_FALSE(ok) << text.toStdString();
        EXPECT_FALSE(Codepage::canEncode(text));
    }
}

TEST(Codepage, TableAgreesWithTheSystemsConverter)
{
    QStringDecoder system("windows-1251");
    if (!system.isValid())
        GTEST_SKIP() << "this Qt has no Windows-1251 converter to compare with";
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString expected = system.decode(all);
    const QString ours = Codepage::decode(all);
    ASSERT_EQ(expected.size(), 256);
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98) // the converter has no character for it; we keep U+0098
            continue;
        EXPECT_EQ(ours.at(b).unicode(), expected.at(b).unicode()) << "byte " << b;
    }
    QStringEncoder systemEncoder("windows-1251");
    EXPECT_EQ(Codepage::encode(ours.left(0x98) + ours.mid(0x99)),
              QByteArray(systemEncoder.encode(expected.left(0x98) + expected.mid(0x99))));
}

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct { const char *text; double value; } cases[] = {
        {"0", 0},          {"1200", 1200},    {"350.75", 350.75}, {"350,75", 350},
        {"0.9", 0.9},      {".5", 0.5},       {"-40", -40},       {"+7", 7},
        {"12abc", 12},     {"abc", 0},        {"", 0},            {"1e3", 1000},
        {"1D2", 100},      {"2.5e-1", 0.25},  {"1e", 1},          {"&H10", 16},
        {"&hff", 255},     {"&O17", 15},      {"&X1", 0},         {" 1 2 3", 123},
        {"&H19", 25},      {"&O78", 7},       {"&O8", 0},         {"&Ha", 10},
        {"1e+2", 100},     {"-.", 0},         {"+", 0},
        {"\t-\n4 .5", -4.5}, {"5-3", 5},      {"--1", 0},         {"1..2", 1},
        {"0x10", 0},       {"1e400", inf},    {"-1e400", -inf},   {"1e-400", 0},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromLatin1(c.text)), c.value) << c.text;
    EXPECT_EQ(leadingNumber(QString(400, QLatin1Char('9'))), inf);
}
