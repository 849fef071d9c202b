#include "testfiles.h"

#include <QFile>

namespace {

struct Saving : CoreTest {
    void SetUp() override
    {
        lines = physicsLines(120, "Round Trip");
        open(writeFile(QStringLiteral("in.ini"), joinCrLf(lines)));
        ASSERT_TRUE(host.messages.isEmpty());
    }
    QVector<QByteArray> lines;
};

} // namespace

TEST_F(Saving, EditedValuesReplaceOnlyTheValueAndNameAndCheckBoxLinesAreWrittenWhole)
{
    lines[0] = "--Round Trip"; // the prefix is replaced by "' "
    lines[lineIndex(lines, "driveWheels_0")] = "driveWheels_0=01";
    lines[lineIndex(lines, "enginetype")] = "enginetype=5";
    lines[110] = "  odd \t line with trailing blanks   ";
    open(writeFile(QStringLiteral("odd.ini"), joinCrLf(lines)));
    ASSERT_TRUE(host.messages.isEmpty());
    core.typeText(2, QStringLiteral("1500.25"));
    core.typeText(41, QStringLiteral("77"));
    core.clickCheckBox(25); // driveWheels_1, ticked in the file
    const QString out = saveAs(QStringLiteral("out.ini"));
    QVector<QByteArray> expected = savedUnchanged(lines);
    expected[0] = "' Round Trip";
    expected[lineIndex(expected, "driveWheels_0")] = "driveWheels_0=0";
    expected[lineIndex(expected, "driveWheels_1")] = "driveWheels_1=0";
    expected[lineIndex(expected, "Mass=")] = "Mass=1500.25";
    expected[lineIndex(expected, "torqueCurve_0=")] = "torqueCurve_0=77";
    EXPECT_TRUE(sameBytes(readFile(out), joinCrLf(expected)));
    EXPECT_TRUE(core.doc().saveTarget.has_value());
    EXPECT_FALSE(core.doc().unsavedChanges);
}

TEST_F(Saving, SoundListsAreWrittenWithABlankAndTheGearsOnlyWhenPicked)
{
    // Read as position 3, but written back as "6" only once picked.
    lines[lineIndex(lines, "NumberOfGears")] = "NumberOfGears=6.0";
    open(writeFile(QStringLiteral("gears.ini"), joinCrLf(lines)));
    form.setCombo(126, 7); // set by the program, not picked
    core.chooseComboItem(127, 0);
    QString out = saveAs(QStringLiteral("lists.ini"));
    QVector<QByteArray> expected = savedUnchanged(lines);
    expected[lineIndex(expected, "enginetype")] = "enginetype= 7";
    expected[lineIndex(expected, "horntype")] = "horntype= 1";
    EXPECT_TRUE(sameBytes(readFile(out), joinCrLf(expected)));

    core.chooseComboItem(71, 2);
    EXPECT_TRUE(core.doc().unsavedChanges);
    mainWindow.saveCommand();
    expected[lineIndex(expected, "NumberOfGears")] = "NumberOfGears=5";
    EXPECT_TRUE(sameBytes(readFile(out), joinCrLf(expected)));
}

TEST_F(Saving, SaveAsAddsTheIniEndingAndAsksBeforeReplacingWhichKeepsThePermissions)
{
    saveAs(QStringLiteral("car"));
    saveAs(QStringLiteral("car.INI"));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("car.ini"))));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("car.INI.ini"))));
    EXPECT_TRUE(host.messages.isEmpty());

    const QString existing = writeFile(QStringLiteral("existing.ini"), "keep me");
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QFile::setPermissions(existing, permissions);
    saveAs(existing, {MessageAnswer::No});
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(isMessage(host.messages[0], QStringLiteral("Сохранение (Тюнекс)"), MessageIcon::Exclamation,
                          QStringLiteral("Файл ") + existing + QStringLiteral(" уже существует.\r\nЗаменить его?")));
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(readFile(existing), QByteArray("keep me"));
    EXPECT_EQ(core.doc().saveTarget, path(QStringLiteral("car.INI.ini")));

    saveAs(existing, {MessageAnswer::Yes});
    EXPECT_TRUE(sameBytes(readFile(existing), joinCrLf(savedUnchanged(lines))));
    EXPECT_EQ(core.doc().saveTarget, existing);
#ifdef Q_OS_UNIX
    // Windows keeps only the read-only attribute of these bits.
    EXPECT_EQ(QFile::permissions(existing) & QFileDevice::Permissions(0x7077), permissions);
#endif
}

TEST_F(Saving, FirstSaveAsksForANameUntilAWriteSucceedsAndTheNextWritesThere)
{
    mainWindow.saveCommand();
    EXPECT_EQ(host.saveDialogs, 1); // cancelled: nothing written
    EXPECT_FALSE(core.doc().saveTarget.has_value());
    host.saveNames.append(path(QStringLiteral("missing/first.ini")));
    mainWindow.saveCommand(); // the write fails: still no target
    EXPECT_EQ(host.messages.size(), 1);
    EXPECT_FALSE(core.doc().saveTarget.has_value());
    host.saveNames.append(path(QStringLiteral("first.ini")));
    mainWindow.saveCommand();
    core.typeText(5, QStringLiteral("3.25"));
    mainWindow.saveCommand();
    EXPECT_EQ(host.saveDialogs, 3);
    EXPECT_TRUE(readFile(QStringLiteral("first.ini")).contains("\r\nFrontTrackWidth=3.25\r\n"));
    EXPECT_EQ(host.messages.size(), 1);

    // Opening another file drops the save target again.
    open(writeFile(QStringLiteral("other.ini"), joinCrLf(physicsLines())));
    mainWindow.saveCommand();
    EXPECT_EQ(host.saveDialogs, 4);

    // Even for a save that the errors window held over from the file before:
    // "save anyway" asks for a name instead of writing over the old file.
    host.saveNames.append(path(QStringLiteral("second.ini")));
    mainWindow.saveCommand();
    const QByteArray second = readFile(QStringLiteral("second.ini"));
    core.typeText(5, QStringLiteral("bad"));
    mainWindow.saveCommand();
    ASSERT_TRUE(host.isVisible(WindowId::FieldErrors));
    host.answers.append(MessageAnswer::No); // drop the edit
    open(writeFile(QStringLiteral("third.ini"), joinCrLf(physicsLines(120, "Third"))));
    EXPECT_EQ(form.text(1), QStringLiteral("Third"));
    errors.saveAnyway();
    EXPECT_EQ(host.saveDialogs, 6);
    EXPECT_EQ(readFile(QStringLiteral("second.ini")), second);
}

TEST_F(Saving, AnEditInAFieldWithoutAKeyIsWrittenNowhere)
{
    const QVector<QByteArray> small = openLines({"' Small", "[basic]", "Mass=1"});
    core.typeText(5, QStringLiteral("9"));
    form.setCheck(121, 1);
    saveAs(QStringLiteral("small-out.ini"), {}, true); // the other fields are empty
    EXPECT_TRUE(sameBytes(readFile(QStringLiteral("small-out.ini")), joinCrLf(small)));
}
