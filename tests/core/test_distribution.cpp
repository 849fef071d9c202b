#include "testfiles.h"

using Distribution = CoreTest;

TEST_F(Distribution, TheHeadDecidesAndTheNameLineLosesItsFirstTwoCharacters)
{
    const struct {
        QVector<QByteArray> head;
        int nameLine; // 0: refused
        QString name;
    } rows[] = {
        {{"# a comment", "' Comment Car", "[basic]", "Mass=10"}, 2, QStringLiteral("Comment Car")},
        {{"# a comment", "[basic]", "Mass=20"}, 0, {}}, // after a comment, [basic] is line three
        {{"' \xcf\xee\xf0\xf8\xe5", "[basic]", "Mass=30"}, 1, QStringLiteral("Порше")},
        {{"' Name", "[BASIC]", "Mass=40"}, 0, {}},
        {{"' Name", "", "[basic]"}, 0, {}},
        {{"' Name", "[basic]", ""}, 0, {}}, // none of the first three lines may be empty
        {{"", "[basic]", "Mass=50"}, 0, {}},
        {{"'", "[basic]", "Mass=60"}, 1, QString()},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.head.first().toStdString());
        const FieldSnapshot before = snapshot();
        host.messages.clear();
        const QVector<QByteArray> lines = openLines(row.head);
        if (row.nameLine == 0) {
            EXPECT_EQ(host.lastText(), QStringLiteral("Этот файл не является файлом физики от игры Need For Speed 6"));
            EXPECT_TRUE(intact(before));
            continue;
        }
        ASSERT_TRUE(host.messages.isEmpty());
        EXPECT_EQ(core.documentLines(), lines);
        EXPECT_EQ(form.text(1), row.name);
        EXPECT_EQ(core.doc().keyLine[1], row.nameLine - 1);
        EXPECT_EQ(form.text(2), QString::fromLatin1(row.head.last().mid(5)));
        // The field change that follows the head recomputes the caption.
        EXPECT_EQ(form.caption(), row.name.isEmpty()
                                      ? QStringLiteral("Редактируем - Безымянный автомобиль (Тюнекс)")
                                      : QStringLiteral("Редактируем - ") + row.name + QStringLiteral(" (Тюнекс)"));
        EXPECT_FALSE(core.doc().unsavedChanges);
    }
}

TEST_F(Distribution, KeysMatchExactlyInsideTheirOwnSectionAndLoadsMarkNothingAsEdited)
{
    openLines({
        "' Car", "[basic]",
        "Mass=1", "Mass=2",             // the later line wins
        "mass=3",                       // other case: another key
        "FrontTrackWidth =4",           // the blank belongs to the key
        "RearTrackWidth= 5",            // the blank belongs to the value
        "VehicleHeight=6=7",            // split at the first "="
        "TurningCircleRadius=\xea\xe3", // decoded from the code page
        "[Skins]", "HeightOfGravity=8", // no handler here
        "[Display_Data]", "RearSlideFactor=9",
        "[tire_rear]", "SectionWidth=rear",
        "[BASIC]", "PeakFriction=rearpeak", // not a header: the section goes on
        "[tire_front]", "SectionWidth=front",
        "[render]", "BodyLiftCoefficient=11",
    });
    ASSERT_TRUE(host.messages.isEmpty());
    const std::pair<int, const char *> texts[] = {
        {2, "2"}, {5, ""}, {6, " 5"}, {7, "6=7"}, {17, "кг"}, {8, ""}, {9, ""},
        {96, "rear"}, {100, "rearpeak"}, {108, "front"}, {14, ""},
    };
    for (const auto &[slot, text] : texts)
        EXPECT_EQ(form.text(slot), QString::fromUtf8(text)) << slot;
    EXPECT_EQ(core.doc().keyLine[2], 3);
    EXPECT_EQ(core.doc().keyLine[5], DocumentState::kNoLine);
    EXPECT_FALSE(core.doc().edited[2]); // nothing is marked before the first document

    openLines({"' Car", "[basic]", "Mass=5", "RearTrackWidth= 5"});
    EXPECT_FALSE(core.doc().edited[2]) << "a later load changed the text, but the user did not";
    EXPECT_FALSE(core.doc().edited[6]);
}

TEST_F(Distribution, ValuesOverAHundredCharactersShowCutButStayWholeInTheFileUntilEdited)
{
    const QByteArray longName(150, 'N'), longMass(150, '7');
    QVector<QByteArray> lines;
    for (int document = 1; document <= 2; ++document) {
        SCOPED_TRACE(document);
        lines = openLines({"' " + longName, "[basic]", "Mass=" + longMass});
        EXPECT_EQ(form.text(1), QString(100, QLatin1Char('N')));
        EXPECT_EQ(form.text(2), QString(100, QLatin1Char('7')));
        EXPECT_EQ(form.caption(), QStringLiteral("Редактируем - ") + QString(100, QLatin1Char('N'))
                                      + QStringLiteral(" (Тюнекс)"));
        EXPECT_FALSE(core.doc().unsavedChanges);
        EXPECT_TRUE(sameBytes(readFile(saveAs(QStringLiteral("long%1.ini").arg(document), {}, true)), joinCrLf(lines)));
    }
    // What the user edits is written as the field shows it.
    core.typeText(1, QStringLiteral("Short"));
    core.typeText(2, QStringLiteral("5.5"));
    lines[0] = "' Short";
    lines[2] = "Mass=5.5";
    EXPECT_TRUE(sameBytes(readFile(saveAs(QStringLiteral("edited.ini"), {}, true)), joinCrLf(lines)));
}

TEST_F(Distribution, CheckBoxesFollowTheirKeysAndValues)
{
    openLines({
        "' Car", "[basic]",
        "driveWheels_0=1", "driveWheels_1=1", "driveWheels_2=1 ", "driveWheels_3=01",
        "[transmission]", "Automatic=2",
        "[brake_rear]", "ABS=2",
        "[brake_front]", "ABS=1",
    });
    EXPECT_EQ(form.check(24), 1);
    EXPECT_EQ(form.check(25), 1); // driveWheels_1 is the top right box
    EXPECT_EQ(form.check(26), 0); // "1 " is not "1"
    EXPECT_EQ(form.check(27), 0);
    EXPECT_EQ(form.check(73), 2);   // greyed
    EXPECT_EQ(form.check(121), 0);   // rear ABS: only "1" ticks
    EXPECT_EQ(form.check(125), 1);   // front ABS
    EXPECT_EQ(core.doc().keyLine[25], 3);
    EXPECT_EQ(core.doc().keyLine[121], 9);
    EXPECT_EQ(core.doc().keyLine[125], 11);

    // The other way round: each wheel's key ticks its own box alone.
    openLines({"' Car", "[basic]", "driveWheels_0=0", "driveWheels_1=0", "driveWheels_2=1", "driveWheels_3=1"});
    EXPECT_EQ(form.check(24), 0);
    EXPECT_EQ(form.check(25), 0);
    EXPECT_EQ(form.check(26), 1); // bottom right
    EXPECT_EQ(form.check(27), 1); // bottom left

    for (const char *automatic : {"Automatic=7", "Automatic=abc", "Automatic=-1"}) {
        openLines({"' Car", "[basic]", "[transmission]", automatic});
        EXPECT_EQ(form.check(73), 0) << automatic;
    }
}

TEST_F(Distribution, ListPositionsComeFromTheNumberInTheValue)
{
    const struct { const char *gears, *engine, *horn; int gearsPos, enginePos, hornPos; } cases[] = {
        {"3", "0", "1", 0, 0, 0},         {"8", "19", "14", 5, 19, 13},
        {"2", "20", "0", -1, -1, -1},     // outside the lists: nothing selected
        {" 5", "4.5", "2.5", 2, 4, 2},    // ties go to the even position
        {"9", "1e400", "-5", -1, -1, -1}, // one past the gears: the earlier pick goes too
        {"x", "5.5", "1e1", -1, 6, 9},
    };
    for (const auto &c : cases) {
        openLines({"' Car", "[basic]", "[transmission]", QByteArray("NumberOfGears=") + c.gears,
                   "[audio]", QByteArray("enginetype=") + c.engine, QByteArray("horntype=") + c.horn});
        EXPECT_EQ(form.combo(71), c.gearsPos) << c.gears;
        EXPECT_EQ(form.combo(126), c.enginePos) << c.engine;
        EXPECT_EQ(form.combo(127), c.hornPos) << c.horn;
        EXPECT_TRUE(form.comboEnabled(126));
        EXPECT_TRUE(form.comboEnabled(127));
    }
}

TEST_F(Distribution, FieldsWhoseKeyTheDocumentLacksAreDisabled)
{
    openLines(physicsLines());
    for (const Fields::FieldInfo &info : Fields::all())
        EXPECT_TRUE(!Fields::isTextSlot(info.slot) || form.textEnabled(info.slot)) << info.slot;
    EXPECT_TRUE(form.checkEnabled(121));
    EXPECT_TRUE(form.comboEnabled(71));

    // No [audio]: the sound lists are disabled and empty too, and no key keeps
    // the old file's line number.
    openLines({"' Car", "[basic]", "Mass=1", "[engineblock]", "torqueCurve_3=7"});
    for (const int slot : {1, 2, 44})
        EXPECT_TRUE(form.textEnabled(slot)) << slot;
    for (const int slot : {5, 41})
        EXPECT_FALSE(form.textEnabled(slot)) << slot;
    EXPECT_FALSE(form.checkEnabled(121));
    EXPECT_FALSE(form.comboEnabled(71));
    for (const int list : {126, 127}) {
        EXPECT_FALSE(form.comboEnabled(list));
        EXPECT_EQ(form.combo(list), -1);
    }
    EXPECT_EQ(core.doc().keyLine[121], DocumentState::kNoLine);
    EXPECT_EQ(core.doc().keyLine[5], DocumentState::kNoLine);
}

TEST_F(Distribution, ALongerDocumentAfterAShorterOneKeepsEveryLine)
{
    for (const int count : {120, 121, 119, 300}) {
        QVector<QByteArray> lines = physicsLines(count, "Car " + QByteArray::number(count));
        lines.last() = "' last line of " + QByteArray::number(count);
        open(writeFile(QStringLiteral("car%1.ini").arg(count), joinCrLf(lines)));
        EXPECT_EQ(core.documentLines(), lines) << count;
    }
}

