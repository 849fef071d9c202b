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
    for (int slot = 0; slot < Fields::kSlotLimit; ++slot) {
        EXPECT_EQ(form.textEnabled(slot), Fields::isTextSlot(slot)) << slot;
        EXPECT_EQ(form.text(slot), Fields::isTorqueSlot(slot) ? QStringLiteral("0") : QString()) << slot;
    }
    for (int box : Fields::checkBoxSlots())
        EXPECT_TRUE(form.checkEnabled(box) && form.check(box) == 0);
    for (int list : Fields::listSlots())
        EXPECT_TRUE(form.comboEnabled(list) && form.combo(list) == -1);
    EXPECT_TRUE(form.errorsButtonsEnabled());
    EXPECT_EQ(form.chooserOption(), FormState::NoChoice);
    for (bool enabled : {false, true}) {
        for (int frame = 0; frame <= 10; ++frame)
            EXPECT_FALSE(form.frameVisible(frame));
        EXPECT_FALSE(form.pageButtonsEnabled());
        EXPECT_EQ(form.menuSaveEnabled(), enabled);
        EXPECT_EQ(form.menuSaveAsEnabled(), enabled);
        EXPECT_EQ(form.menuCheckEnabled(), enabled);
        mainWindow.openCommand(); // the dialog is cancelled: nothing is loaded
    }
    EXPECT_EQ(host.openDialogs, 2);
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(core.doc().lines.size(), 0);
}

TEST_F(Commands, PageCommandsShowOnePageAndSetTheirTitles)
{
    openCar();
    const struct {
        Page page;
        int frame;
        const char *title;
    } cases[] = {
        {Page::Gearbox, 2, " --==[ Коробка Переключения Передач ]==--"},
        {Page::DriveTrain, 6, " --==[ Трансмиссия ]==--"},
        {Page::Gearbox, 2, " --==[ Коробка Переключения Передач ]==--"},
        {Page::FrontWheels, 3, " --==[ Колёса ]==--"},
        {Page::RearWheels, 9, " --==[ Колёса ]==--"}, // keeps the title shown before
        {Page::FrontWheels, 3, " --==[ Колёса ]==--"},
        {Page::Suspension, 4, " --==[ Подвеска ]==--"},
        {Page::Aerodynamics, 5, " --==[ Аэродинамика ]==--"},
        {Page::Brakes, 8, " --==[ Тормозная система ]==--"},
        {Page::Engine, 7, " --==[ Двигатель ]==--"},
        {Page::RearWheels, 9, " --==[ Двигатель ]==--"},
        {Page::General, 1, " --==[ Общее ]==--"},
    };
    for (const auto &c : cases) {
        mainWindow.showPage(c.page);
        EXPECT_EQ(form.pageTitle(), QString::fromUtf8(c.title)) << c.frame;
        for (int frame = 1; frame <= 9; ++frame)
            EXPECT_EQ(form.frameVisible(frame), frame == c.frame) << c.frame << " " << frame;
    }
    // Loading shows the general page over those shown and hides only the
    // brakes page.
    mainWindow.showPage(Page::Brakes);
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
    EXPECT_TRUE(core.doc().unsavedChanges);
    EXPECT_FALSE(core.doc().edited[1]); // nothing is marked before a document exists
    core.typeText(1, QString());
    EXPECT_EQ(form.caption(), QStringLiteral("Редактируем - Безымянный автомобиль (Тюнекс)"));

    host.answers = {MessageAnswer::No}; // do not save the typing above
    openCar();
    core.typeText(2, QString(99, QLatin1Char('1')));
    EXPECT_EQ(host.beeps, 0);
    EXPECT_TRUE(core.doc().edited[2]);
    core.typeText(2, QString(250, QLatin1Char('2')));
    EXPECT_EQ(form.text(2), QString(100, QLatin1Char('2')));
    EXPECT_EQ(host.beeps, 1);
    core.typeText(43, QString(150, QLatin1Char('3'))); // torque fields are not cut
    EXPECT_EQ(form.text(43).size(), 150);
    EXPECT_TRUE(core.doc().edited[43]);
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
    EXPECT_FALSE(core.doc().unsavedChanges);

    const std::function<void()> edits[] = {
        [this] { core.labelClicked(); },
        [this] { core.clickCheckBox(24); },
        [this] { core.clickCheckBox(73); },
        [this] { core.clickCheckBox(125); },
        [this] { core.chooseComboItem(71, 0); },
        [this] { core.chooseComboItem(127, 3); },
        [this] { core.typeText(50, QStringLiteral("1")); },
        [this] { EXPECT_TRUE(core.typeText(1, QStringLiteral("Машина №5 «Люкс» €"))); },
    };
    int saves = 0;
    for (const auto &edit : edits) {
        saveAs(QStringLiteral("clean%1.ini").arg(++saves));
        ASSERT_FALSE(core.doc().unsavedChanges);
        edit();
        EXPECT_TRUE(core.doc().unsavedChanges) << "edit " << saves;
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
        EXPECT_TRUE(f.core.doc().unsavedChanges);

        const FieldSnapshot before = f.snapshot();
        f.host.answers = {MessageAnswer::Yes}; // the write fails: stay
        f.host.saveNames = {f.path(QStringLiteral("missing/car.ini"))};
        EXPECT_FALSE(row.run(f));
        EXPECT_TRUE(f.host.lastText().startsWith(QStringLiteral("Не удалось сохранить файл ")));
        EXPECT_TRUE(f.intact(before));

        f.core.typeText(2, QStringLiteral("bad"));
        f.host.answers = {MessageAnswer::Yes}; // errors listed: stay
        EXPECT_FALSE(row.run(f));
        EXPECT_TRUE(f.host.isVisible(WindowId::FieldErrors));
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
