#include "testfiles.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

const QString kLeaveText = QStringLiteral("Файл был изменён.\r\n\r\nСохранить изменения?");
const QString kUntitled = QStringLiteral("Редактируем - Безымянный автомобиль (Тюнекс)");

class Commands : public ::testing::Test, public CoreFixture {
protected:
    void openCar()
    {
        const int before = host.messages.size() + host.answers.size();
        open(writeFile(QStringLiteral("car.ini"), joinCrLf(physicsLines(120, "Car"))));
        ASSERT_EQ(host.messages.size(), before);
    }
};

} // namespace

TEST_F(Commands, StartUpShowsTheNotLoadedTextAndLocksThePages)
{
    core.windowLoaded();
    EXPECT_EQ(form.caption(), QStringLiteral("Тюнекс Редактор"));
    EXPECT_EQ(form.pageTitle(), QStringLiteral("\r\n     Файл не загружен!\r\n\r\n          Для начала "
                                               "работы загрузите или создайте новый файл."));
    EXPECT_FALSE(form.pageButtonsEnabled());
    EXPECT_FALSE(form.menuSaveEnabled());
    EXPECT_FALSE(form.menuSaveAsEnabled());
    EXPECT_FALSE(form.menuProverkaEnabled());
    for (int frame = 1; frame <= 9; ++frame)
        EXPECT_FALSE(form.frameVisible(frame));
    EXPECT_EQ(form.text(41), QStringLiteral("0"));
    EXPECT_EQ(form.text(2), QString());
    EXPECT_EQ(EditorCore::fileDialogFilter(), QStringLiteral("Ини файлы, с физикой игры NFS6 (*.ini)|*ini"));
}

TEST_F(Commands, PageCommandsShowOnePageAndSetTheirTitles)
{
    openCar();
    const struct {
        int command, frame;
        const char *title;
    } cases[] = {
        {2, 2, " --==[ Коробка Переключения Передач ]==--"},
        {10, 6, " --==[ Трансмиссия ]==--"},
        {11, 2, " --==[ Коробка Переключения Передач ]==--"},
        {3, 3, " --==[ Колёса ]==--"},
        {13, 9, " --==[ Колёса ]==--"},      // keeps the title shown before
        {14, 3, " --==[ Колёса ]==--"},
        {4, 4, " --==[ Подвеска ]==--"},
        {5, 5, " --==[ Аэродинамика ]==--"},
        {6, 8, " --==[ Тормозная система ]==--"},
        {8, 7, " --==[ Двигатель ]==--"},
        {13, 9, " --==[ Двигатель ]==--"},
        {1, 1, " --==[ Общее ]==--"},
    };
    for (const auto &c : cases) {
        core.pageCommand(c.command);
        EXPECT_EQ(form.pageTitle(), QString::fromUtf8(c.title)) << c.command;
        for (int frame = 1; frame <= 9; ++frame)
            EXPECT_EQ(form.frameVisible(frame), frame == c.frame) << c.command << " " << frame;
    }
}

TEST_F(Commands, UnlockingShowsTheGeneralPageOverAnotherOne)
{
    openCar();
    core.pageCommand(4);
    open(writeFile(QStringLiteral("again.ini"), joinCrLf(physicsLines())));
    EXPECT_TRUE(form.frameVisible(1));
    EXPECT_TRUE(form.frameVisible(4)); // only the brakes page is hidden by the unlocking
}

TEST_F(Commands, FieldChangesKeepTheCaptionAndCutAtAHundredCharacters)
{
    core.typeText(1, QStringLiteral("Моя"));
    EXPECT_EQ(form.caption(), QStringLiteral("Редактируем - Моя (Тюнекс)"));
    EXPECT_TRUE(core.doc().AvtoSoxranenie);
    EXPECT_FALSE(core.doc().Izm[1]); // nothing is marked before a document exists
    core.typeText(1, QString());
    EXPECT_EQ(form.caption(), kUntitled);

    host.answers = {MessageAnswer::No}; // do not save the typing above
    openCar();
    core.typeText(2, QString(99, QLatin1Char('1')));
    EXPECT_EQ(host.beeps, 0);
    EXPECT_TRUE(core.doc().Izm[2]);
    core.typeText(2, QString(250, QLatin1Char('2')));
    EXPECT_EQ(form.text(2), QString(100, QLatin1Char('2')));
    EXPECT_EQ(host.beeps, 1);
    core.typeText(43, QString(150, QLatin1Char('3'))); // torque fields are not cut
    EXPECT_EQ(form.text(43).size(), 150);
    EXPECT_TRUE(core.doc().Izm[43]);
    EXPECT_EQ(host.beeps, 1);
}

TEST_F(Commands, CharactersOutsideTheCodePageAndLineBreaksAreRefusedWithABeep)
{
    openCar();
    EXPECT_FALSE(core.typeText(2, QStringLiteral("12✓")));
    EXPECT_FALSE(core.typeText(2, QStringLiteral("1\r\n[basic]")));
    EXPECT_FALSE(core.typeText(41, QStringLiteral("1\n2")));
    EXPECT_EQ(host.beeps, 3);
    EXPECT_EQ(form.text(2), QStringLiteral("2.5"));
    EXPECT_FALSE(core.doc().AvtoSoxranenie);
    EXPECT_TRUE(core.typeText(1, QStringLiteral("Машина №5 «Люкс» €")));
    EXPECT_FALSE(core.typeText(999, QStringLiteral("1")));
}

TEST_F(Commands, EveryKindOfEditCountsAsAnUnsavedChange)
{
    openCar();
    const std::function<void()> edits[] = {
        [this] { core.labelClicked(); },
        [this] { form.setCheck(Slots::Check1_0, 1 - form.check(Slots::Check1_0)); },
        [this] { form.setCheck(Slots::Check2, 1 - form.check(Slots::Check2)); },
        [this] { form.setCheck(Slots::Check3, 1 - form.check(Slots::Check3)); },
        [this] { core.chooseComboItem(Slots::Combo1, 0); },
        [this] { core.chooseComboItem(Slots::Combo3, 3); },
        [this] { core.typeText(50, QStringLiteral("1")); },
    };
    int saves = 0;
    for (const auto &edit : edits) {
        saveAs(QStringLiteral("clean%1.ini").arg(++saves));
        ASSERT_FALSE(core.doc().AvtoSoxranenie);
        edit();
        EXPECT_TRUE(core.doc().AvtoSoxranenie) << "edit " << saves;
    }
}

TEST_F(Commands, ExitAsksOnlyAboutUnsavedChanges)
{
    EXPECT_TRUE(core.exitCommand());
    EXPECT_TRUE(host.messages.isEmpty());

    openCar();
    core.typeText(2, QStringLiteral("5"));
    host.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(core.exitCommand());
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_EQ(host.messages[0].text, kLeaveText);
    EXPECT_EQ(host.messages[0].caption, QStringLiteral("Тюнекс Редактор - Авто сохранение."));
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(core.doc().AvtoSoxranenie);

    // Yes on a never-saved document asks for a name and keeps the window open.
    host.answers = {MessageAnswer::Yes};
    host.saveNames = {path(QStringLiteral("exit.ini"))};
    EXPECT_FALSE(core.exitCommand());
    EXPECT_EQ(host.saveDialogs, 1);
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("exit.ini"))));
    EXPECT_TRUE(core.exitCommand()); // saved: a second Exit leaves at once

    core.typeText(2, QStringLiteral("bad"));
    host.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(core.exitCommand());
    EXPECT_TRUE(host.isVisible(WindowId::Form2));
    host.answers = {MessageAnswer::No};
    EXPECT_TRUE(core.exitCommand());
}

TEST_F(Commands, CloseIsRefusedUnlessTheEditsReachedTheFile)
{
    openCar();
    core.typeText(2, QStringLiteral("5"));
    host.answers = {MessageAnswer::Yes}; // Save As cancelled: stay
    EXPECT_FALSE(core.closeRequested());
    EXPECT_EQ(host.messages.last().buttons, MessageButtons::YesNo);
    EXPECT_TRUE(core.doc().AvtoSoxranenie);

    core.typeText(2, QStringLiteral("bad"));
    host.answers = {MessageAnswer::Yes}; // errors listed: stay
    EXPECT_FALSE(core.closeRequested());
    EXPECT_TRUE(core.doc().Otkr);
    host.answers = {MessageAnswer::Yes}; // errors window still open: refused
    EXPECT_FALSE(core.closeRequested());
    EXPECT_EQ(host.messages.last().caption, QStringLiteral("Ошибка..."));
    core.errorsClose();

    core.typeText(2, QStringLiteral("7"));
    host.answers = {MessageAnswer::Yes};
    host.saveNames = {path(QStringLiteral("close.ini"))};
    EXPECT_TRUE(core.closeRequested());
    EXPECT_TRUE(readFile(QStringLiteral("close.ini")).contains("\r\nMass=7\r\n"));

    core.typeText(2, QStringLiteral("8"));
    host.answers = {MessageAnswer::No};
    EXPECT_TRUE(core.closeRequested());
}

TEST_F(Commands, OpenAndNewAskBeforeDroppingUnsavedEdits)
{
    openCar();
    core.typeText(2, QStringLiteral("5"));
    const QString other = writeFile(QStringLiteral("other.ini"), joinCrLf(physicsLines(120, "Other")));

    host.answers = {MessageAnswer::Cancel};
    host.openNames = {other};
    core.openCommand();
    EXPECT_EQ(host.openDialogs, 1);          // no dialog after Cancel
    EXPECT_EQ(form.text(2), QStringLiteral("5"));
    EXPECT_EQ(host.messages.last().buttons, MessageButtons::YesNoCancel);

    host.answers = {MessageAnswer::Cancel};
    core.newCommand();
    EXPECT_TRUE(host.modalShown.isEmpty());

    host.answers = {MessageAnswer::Yes};     // save first: Save As cancelled, so stop
    core.openCommand();
    EXPECT_EQ(host.openDialogs, 1);
    EXPECT_EQ(host.saveDialogs, 1);

    host.answers = {MessageAnswer::Yes};
    host.saveNames = {path(QStringLiteral("first.ini"))};
    core.openCommand();
    EXPECT_TRUE(readFile(QStringLiteral("first.ini")).contains("\r\nMass=5\r\n"));
    EXPECT_EQ(form.text(1), QStringLiteral("Other"));

    core.typeText(2, QStringLiteral("6"));
    host.answers = {MessageAnswer::No};
    host.onModal = [this](WindowId) { core.chooserCancel(); };
    core.newCommand();
    EXPECT_EQ(host.modalShown, QList<WindowId>{WindowId::Form5});
}
