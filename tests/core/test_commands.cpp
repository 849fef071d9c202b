#include "testfiles.h"

#include <functional>

namespace {

struct Commands : CoreTest {
    void openCar()
    {
        const auto before = host.messages.size() + host.answers.size();
        open(writeFile(QStringLiteral("car.ini"), joinCrLf(physicsLines(120, "Car"))));
        ASSERT_EQ(host.messages.size(), before);
    }
};

} // namespace

// The start-up state, tested here once: every field empty and enabled (the
// torque fields at "0"), no page, no list item, and nothing that needs a
// document usable; a cancelled open enables only the menu items.
TEST_F(Commands, StartUpLocksThePagesAndACancelledOpenEnablesOnlyTheMenuItems)
{
    mainWindow.windowLoaded();
    EXPECT_EQ(form.caption(), QStringLiteral("Тюнекс Редактор"));
    EXPECT_EQ(form.pageTitle(), QStringLiteral("\r\n     Файл не загружен!\r\n\r\n          Для начала "
                                               "работы загрузите или создайте новый файл."));
    EXPECT_EQ(Texts::fileDialogFilter(), QStringLiteral("Ини файлы, с физикой игры NFS6 (*.ini)|*ini"));
    for (int slot = 0; slot < Slots::kSlotLimit; ++slot) {
        EXPECT_EQ(form.textEnabled(slot), Slots::isTextSlot(slot)) << slot;
        EXPECT_EQ(form.text(slot), Slots::isTorqueSlot(slot) ? QStringLiteral("0") : QString()) << slot;
    }
    for (int box = 0; box < Slots::kCheckBoxCount; ++box)
        EXPECT_TRUE(form.checkEnabled(Slots::CheckBoxId(box)) && form.check(Slots::CheckBoxId(box)) == 0);
    for (int list = 0; list < Slots::kComboCount; ++list)
        EXPECT_TRUE(form.comboEnabled(Slots::ComboId(list)) && form.combo(Slots::ComboId(list)) == -1);
    EXPECT_TRUE(form.errorsButtonsEnabled());
    EXPECT_EQ(form.chooserOption(), FormState::NoChoice);
    for (bool enabled : {false, true}) {
        for (int frame = 0; frame <= 10; ++frame)
            EXPECT_FALSE(form.frameVisible(frame));
        EXPECT_FALSE(form.pageButtonsEnabled());
        EXPECT_EQ(form.menuSaveEnabled(), enabled);
        EXPECT_EQ(form.menuSaveAsEnabled(), enabled);
        EXPECT_EQ(form.menuProverkaEnabled(), enabled);
        mainWindow.openCommand(); // the dialog is cancelled: nothing is loaded
    }
    EXPECT_EQ(host.openDialogs, 2);
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(core.doc().e, 0);
}

TEST_F(Commands, PageCommandsShowOnePageAndSetTheirTitles)
{
    openCar();
    const struct { int command, frame; const char *title; } cases[] = {
        {2, 2, " --==[ Коробка Переключения Передач ]==--"}, {10, 6, " --==[ Трансмиссия ]==--"},
        {11, 2, " --==[ Коробка Переключения Передач ]==--"}, {3, 3, " --==[ Колёса ]==--"},
        {13, 9, " --==[ Колёса ]==--"}, // keeps the title shown before
        {14, 3, " --==[ Колёса ]==--"},      {4, 4, " --==[ Подвеска ]==--"},
        {5, 5, " --==[ Аэродинамика ]==--"}, {6, 8, " --==[ Тормозная система ]==--"},
        {8, 7, " --==[ Двигатель ]==--"},    {13, 9, " --==[ Двигатель ]==--"},
        {1, 1, " --==[ Общее ]==--"},
    };
    for (const auto &c : cases) {
        mainWindow.pageCommand(c.command);
        EXPECT_EQ(form.pageTitle(), QString::fromUtf8(c.title)) << c.command;
        for (int frame = 1; frame <= 9; ++frame)
            EXPECT_EQ(form.frameVisible(frame), frame == c.frame) << c.command << " " << frame;
    }
    // Loading shows the general page over those shown and hides only the
    // brakes page.
    mainWindow.pageCommand(6);
    form.setFrameVisible(4, true);
    openCar();
    EXPECT_TRUE(form.frameVisible(1));
    EXPECT_TRUE(form.frameVisible(4));
    EXPECT_FALSE(form.frameVisible(8));
    EXPECT_EQ(form.pageTitle(), QStringLiteral(" --==[ Общее ]==--"));
}

TEST_F(Commands, FieldChangesKeepTheCaptionAndCutAtAHundredCharacters)
{
    core.typeText(1, QStringLiteral("Моя"));
    EXPECT_EQ(form.caption(), QStringLiteral("Редактируем - Моя (Тюнекс)"));
    EXPECT_TRUE(core.doc().AvtoSoxranenie);
    EXPECT_FALSE(core.doc().Izm[1]); // nothing is marked before a document exists
    core.typeText(1, QString());
    EXPECT_EQ(form.caption(), QStringLiteral("Редактируем - Безымянный автомобиль (Тюнекс)"));

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

TEST_F(Commands, EveryKindOfEditCountsAsAnUnsavedChangeAndRefusedTextIsNone)
{
    openCar();
    // Characters outside the code page, line breaks and the other control
    // characters are refused with a beep.
    const std::pair<int, QString> refused[] = {
        {2, QStringLiteral("12✓")},
        {2, QStringLiteral("1\r\n[basic]")},
        {41, QStringLiteral("1\n2")},
        {999, QStringLiteral("1")},
        {2, QStringLiteral("1") + QChar(0) + QStringLiteral("2")},
        {1, QStringLiteral("Car") + QChar(0)},
        {2, QStringLiteral("\x1b[31m1")},
        {41, QStringLiteral("1\x7f")},
        {5, QStringLiteral("1\t2")},
        {5, QStringLiteral("\x01")},
        {5, QString(QChar(0x98))}, // a byte of the code page, but a control character
    };
    for (const auto &[slot, text] : refused)
        EXPECT_FALSE(core.typeText(slot, text)) << slot << " " << text.toStdString();
    EXPECT_EQ(host.beeps, int(std::size(refused)) - 1); // the unknown field gives no beep
    for (const int slot : {1, 2, 5, 41})
        EXPECT_EQ(form.text(slot), slot == 1 ? QStringLiteral("Car") : QString::number(slot) + QStringLiteral(".5"));
    EXPECT_FALSE(core.doc().AvtoSoxranenie);

    const std::function<void()> edits[] = {
        [this] { core.labelClicked(); },
        [this] { core.clickCheckBox(Slots::Check1_0); },
        [this] { core.clickCheckBox(Slots::Check2); },
        [this] { core.clickCheckBox(Slots::Check3); },
        [this] { core.chooseComboItem(Slots::Combo1, 0); },
        [this] { core.chooseComboItem(Slots::Combo3, 3); },
        [this] { core.typeText(50, QStringLiteral("1")); },
        [this] { EXPECT_TRUE(core.typeText(1, QStringLiteral("Машина №5 «Люкс» €"))); },
    };
    int saves = 0;
    for (const auto &edit : edits) {
        saveAs(QStringLiteral("clean%1.ini").arg(++saves));
        ASSERT_FALSE(core.doc().AvtoSoxranenie);
        edit();
        EXPECT_TRUE(core.doc().AvtoSoxranenie) << "edit " << saves;
    }

    // A control character that the file itself holds in a value does not
    // lock the field: the user may type around it, but add no other.
    // A line break stays refused even where the value holds one.
    openLines({"' Car", "[basic]", "Mass=1\t", "FrontTrackWidth=1\n2"});
    EXPECT_TRUE(core.typeText(2, QStringLiteral("15\t")));
    EXPECT_FALSE(core.typeText(2, QStringLiteral("15\t\t")));
    EXPECT_FALSE(core.typeText(2, QStringLiteral("15\x1b")));
    EXPECT_EQ(form.text(2), QStringLiteral("15\t"));
    EXPECT_FALSE(core.typeText(5, QStringLiteral("15\n2")));
    EXPECT_EQ(form.text(5), QStringLiteral("1\n2"));
}

TEST(LeavingADocument, EveryWayOutAsksAndGoesOnOnlyOnceTheEditsAreSavedOrDropped)
{
    const struct {
        const char *command;
        MessageButtons buttons;
        bool goesOnAfterASave;
        std::function<bool(CoreFixture &)> run; // true when the command went on
    } rows[] = {
        {"Open", MessageButtons::YesNoCancel, true,
         [](CoreFixture &f) {
             const int dialogs = f.host.openDialogs;
             f.mainWindow.openCommand();
             return f.host.openDialogs > dialogs;
         }},
        {"New", MessageButtons::YesNoCancel, true,
         [](CoreFixture &f) {
             const auto windows = f.host.modalShown.size();
             f.mainWindow.newCommand();
             return f.host.modalShown.size() > windows;
         }},
        // Yes on Exit keeps the window open even when the save went through.
        {"Exit", MessageButtons::YesNoCancel, false, [](CoreFixture &f) { return f.mainWindow.exitCommand(); }},
        {"close box", MessageButtons::YesNoMustAnswer, true, [](CoreFixture &f) { return f.mainWindow.closeRequested(); }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.command);
        CoreFixture f;
        f.host.onModal = [&f](WindowId) { f.chooser.cancel(); };
        EXPECT_TRUE(row.run(f));
        EXPECT_TRUE(f.host.messages.isEmpty()) << "nothing to save, nothing to ask";
        f.open(f.writeFile(QStringLiteral("car.ini"), joinCrLf(physicsLines(120, "Car"))));
        f.core.typeText(2, QStringLiteral("5"));

        // Cancel, or a box closed without an answer: nothing happens.
        f.host.answers = {MessageAnswer::Cancel};
        EXPECT_FALSE(row.run(f));
        EXPECT_EQ(f.host.saveDialogs, 0);
        f.host.answers = {MessageAnswer::Yes}; // Save As cancelled: stay
        EXPECT_FALSE(row.run(f));
        EXPECT_EQ(f.host.saveDialogs, 1);
        ASSERT_FALSE(f.host.messages.isEmpty());
        EXPECT_TRUE(isMessage(f.host.messages[0], QStringLiteral("Тюнекс Редактор - Авто сохранение."),
                              MessageIcon::Exclamation,
                              QStringLiteral("Файл был изменён.\r\n\r\nСохранить изменения?")));
        EXPECT_EQ(f.host.messages[0].buttons, row.buttons);
        EXPECT_EQ(f.form.text(2), QStringLiteral("5"));
        EXPECT_TRUE(f.core.doc().AvtoSoxranenie);

        const FieldSnapshot before = f.snapshot();
        f.host.answers = {MessageAnswer::Yes}; // the write fails: stay
        f.host.saveNames = {f.path(QStringLiteral("missing/car.ini"))};
        EXPECT_FALSE(row.run(f));
        EXPECT_TRUE(f.host.lastText().startsWith(QStringLiteral("Не удалось сохранить файл ")));
        EXPECT_TRUE(f.intact(before));

        f.core.typeText(2, QStringLiteral("bad"));
        f.host.answers = {MessageAnswer::Yes}; // errors listed: stay
        EXPECT_FALSE(row.run(f));
        EXPECT_TRUE(f.host.isVisible(WindowId::Form2));
        f.host.answers = {MessageAnswer::Yes}; // errors window still open: refused
        EXPECT_FALSE(row.run(f));
        EXPECT_EQ(f.host.messages.last().caption, QStringLiteral("Ошибка..."));
        f.errors.close();

        f.core.typeText(2, QStringLiteral("7"));
        f.host.answers = {MessageAnswer::Yes};
        f.host.saveNames = {f.path(QStringLiteral("saved.ini"))};
        EXPECT_EQ(row.run(f), row.goesOnAfterASave);
        EXPECT_TRUE(f.readFile(QStringLiteral("saved.ini")).contains("\r\nMass=7\r\n"));
        const auto asked = f.host.messages.size();
        EXPECT_TRUE(row.run(f)); // saved: on at once
        EXPECT_EQ(f.host.messages.size(), asked);

        f.core.typeText(2, QStringLiteral("8"));
        f.host.answers = {MessageAnswer::No};
        EXPECT_TRUE(row.run(f));
        EXPECT_EQ(f.host.messages.size(), asked + 1);
    }
}
