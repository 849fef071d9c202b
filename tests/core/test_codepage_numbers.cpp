#include "codepage.h"
#include "numbertext.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Codepage, EveryByteRoundTripsAndCyrillicIsItsLetters)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Codepage::decode(all);
    ASSERT_EQ(text.size(), 256);
    bool ok = false;
    EXPECT_EQ(Codepage::encode(text, &ok), all);
    EXPECT_TRUE(ok);
    // 0x98 has no character of its own and survives as U+0098.
    EXPECT_EQ(text.at(0x98).unicode(), 0x98);
    // A round trip alone would pass with Latin-1 too.
    EXPECT_EQ(Codepage::decode(QByteArray("\xcc\xe0\xf1\xf1\xe0")), QStringLiteral("Масса"));
    EXPECT_EQ(Codepage::encode(QStringLiteral("Ёё")), QByteArray("\xa8\xb8"));
}

TEST(Codepage, CharactersOutsideTheCodePageAreReported)
{
    for (const QString &text : {QStringLiteral("日本"), QStringLiteral("€uro ✓"), QStringLiteral("ĳ")}) {
        bool ok = true;
        Codepage::encode(text, &ok);
        // The euro sign exists in the code page; the check mark does not.
        EXPECT_FALSE(ok) << text.toStdString();
        EXPECT_FALSE(Codepage::canEncode(text));
    }
    EXPECT_TRUE(Codepage::canEncode(QStringLiteral("Порше 911 €")));
}

TEST(Codepage, AMissingConverterIsToldApartSoTheEditorCanRefuseToWork)
{
    // Without the converter the editor stops rather than read the file as
    // Latin-1, so a name the system lacks must not count as usable.
    EXPECT_TRUE(Codepage::converterUsable("windows-1251"));
    EXPECT_FALSE(Codepage::converterUsable("no-such-code-page"));
    EXPECT_TRUE(Codepage::available());
}

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith)
{
    struct Case {
        const char *text;
        double value;
    } cases[] = {
        {"0", 0},          {"1200", 1200},    {"350.75", 350.75}, {"350,75", 350},
        {"0.9", 0.9},      {".5", 0.5},       {"-40", -40},       {"+7", 7},
        {"12abc", 12},     {"abc", 0},        {"", 0},            {"1e3", 1000},
        {"1D2", 100},      {"2.5e-1", 0.25},  {"1e", 1},          {"&H10", 16},
        {"&hff", 255},     {"&O17", 15},      {"&X1", 0},         {" 1 2 3", 123},
        {"\t-\n4 .5", -4.5}, {"5-3", 5},      {"--1", 0},         {"1..2", 1},
        {"0x10", 0},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(LeadingNumber, HugeValuesBecomeInfinityNotGarbage)
{
    EXPECT_TRUE(std::isinf(leadingNumber(QStringLiteral("1e400"))));
    EXPECT_LT(leadingNumber(QStringLiteral("-1e400")), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral("1e-400")), 0.0);
    EXPECT_TRUE(std::isinf(leadingNumber(QString(400, QLatin1Char('9')))));
}
