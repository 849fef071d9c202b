#include "templates.h"
#include "testfiles.h"
#include "codepage.h"

namespace {

const QString kName = QStringLiteral("Новая машина");
// The value typed into each field in these tests.
QString typed(int slot) { return QString::number(slot) + QStringLiteral(".25"); }

void fillEveryField(CoreFixture &f)
{
    for (int slot : Fields::mainTextSlots())
        f.core.typeText(slot, slot == 1 ? kName : typed(slot));
    for (int slot = Fields::kFirstTorqueSlot; slot <= Fields::kLastTorqueSlot; ++slot)
        f.core.typeText(slot, typed(slot));
    // New clears every box; one click ticks it.
    for (int box : Fields::checkBoxSlots())
        f.core.clickCheckBox(box);
    f.core.chooseComboItem(71, 1);
    f.core.chooseComboItem(126, 3);
    f.core.chooseComboItem(127, 4);
}

// The template with the values of fillEveryField() in the lines of their
// keys, worked out line by line from the section headers.
QByteArray expectedFilled(QVector<QByteArray> out, int nameIndex)
{
    out[nameIndex] = "' " + Codepage::encode(kName);
    Fields::Section section = Fields::Section::None;
    for (QByteArray &line : out) {
        if (Fields::sectionOfHeader(line) != Fields::Section::None) {
            section = Fields::sectionOfHeader(line);
            continue;
        }
        const QByteArray key = line.left(line.indexOf('='));
        const Fields::FieldInfo *info = line.contains('=') ? Fields::find(section, key) : nullptr;
        if (!info)
            continue;
        if (info->control == Fields::Control::CheckBox)
            line = key + "=1";
        else if (info->slot == 71)
            line = key + "=4";
        else if (info->slot == 126)
            line = key + "= 3";
        else if (info->slot == 127)
            line = key + "= 5";
        else
            line = key + '=' + typed(info->slot).toLatin1();
    }
    return joinCrLf(out);
}

using Templates_ = CoreTest;

} // namespace

TEST(TemplatesFilled, BothCarsHoldEveryKeyAndEveryFilledFieldLandsInItsLine)
{
    EXPECT_TRUE(Templates::porsche().last().isEmpty());
    EXPECT_TRUE(Templates::lamborghini().last().isEmpty());
    EXPECT_EQ(Templates::lamborghini()[0], QByteArray(108, '#'));
    EXPECT_EQ(Templates::lamborghini()[120], QByteArray("displayname=Lamborghini 6L "));
    const struct {
        FormState::ChooserChoice choice;
        const QVector<QByteArray> &lines;
        int nameIndex;
    } cases[] = {{FormState::PorscheChoice, Templates::porsche(), 0},
                 {FormState::LamborghiniChoice, Templates::lamborghini(), 1}};
    for (const auto &c : cases) {
        CoreFixture f;
        f.newDocument(c.choice);
        for (const Fields::FieldInfo &info : Fields::all())
            EXPECT_NE(f.core.doc().keyLine[info.slot], DocumentState::kNoLine) << info.slot;
        fillEveryField(f);
        const QString out = f.saveAs(QStringLiteral("new.ini"));
        ASSERT_TRUE(f.host.messages.isEmpty());
        EXPECT_TRUE(sameBytes(f.readFile(out), expectedFilled(c.lines, c.nameIndex)));
        EXPECT_EQ(f.readFile(out).count("\r\n"), c.lines.size());
    }
}

TEST_F(Templates_, NewDocumentIsEmptyMarkedAndUnnamedAndItsFirstSaveListsEveryEmptyField)
{
    mainWindow.showPage(Page::RearWheels);
    newDocument(FormState::PorscheChoice);
    EXPECT_EQ(core.doc().lines.size(), 164);
    EXPECT_EQ(core.doc().keyLine[2], 4);
    for (int slot : Fields::mainTextSlots())
        EXPECT_EQ(form.text(slot), QString()) << slot;
    EXPECT_EQ(form.text(41), QString());
    EXPECT_EQ(form.check(121), 0);
    EXPECT_EQ(form.combo(126), -1);
    EXPECT_TRUE(std::all_of(core.doc().edited.begin(), core.doc().edited.end(), [](bool b) { return b; }));
    EXPECT_FALSE(core.doc().unsavedChanges);
    EXPECT_EQ(form.caption(), QStringLiteral("Редактируем - Безымянный автомобиль (Тюнекс)"));
    EXPECT_TRUE(form.frameVisible(1));
    EXPECT_FALSE(form.frameVisible(9));
    EXPECT_TRUE(form.menuSaveEnabled());
    EXPECT_TRUE(form.menuCheckEnabled());
    EXPECT_FALSE(host.isVisible(WindowId::TemplateChooser));

    mainWindow.saveCommand();
    const QStringList errors = form.errorsList();
    ASSERT_EQ(errors.size(), 36);
    EXPECT_EQ(errors.first(), QStringLiteral("Не заполнено окно \"Масса\""));
    EXPECT_EQ(errors.last(), QStringLiteral("Не заполнено окно \"Диаметр передних колёс\""));
    for (const QString &error : errors)
        EXPECT_TRUE(error.startsWith(QStringLiteral("Не заполнено окно \"")));
    EXPECT_EQ(host.saveDialogs, 0);

    CoreFixture withoutChoice; // makes the Lamborghini
    withoutChoice.newDocument(FormState::NoChoice);
    EXPECT_EQ(withoutChoice.core.doc().lines.size(), 252);
}

TEST_F(Templates_, FieldsLeftAloneGetTheirDocumentedLines)
{
    newDocument(FormState::PorscheChoice);
    for (int slot : Fields::checkedSlots(Fields::Check::Field))
        core.typeText(slot, QStringLiteral("1"));
    const QByteArray saved = readFile(saveAs(QStringLiteral("partial.ini")));
    EXPECT_TRUE(saved.startsWith("' \r\n[basic]\r\n"));
    for (const char *line : {"torqueCurve_0=", "torqueCurve_23=", "ABS=0", "NumberOfGears=8", "enginetype=5", "horntype=2"})
        EXPECT_TRUE(saved.contains(QByteArray("\r\n") + line + "\r\n")) << line;
    EXPECT_FALSE(saved.contains("\r\nABS=1\r\n"));
    EXPECT_EQ(saved.count("\r\n"), 164);
}

TEST_F(Templates_, CancelKeepsTheOpenDocumentAndTheChoiceIsKept)
{
    open(writeFile(QStringLiteral("car.ini"), joinCrLf(physicsLines(120, "Kept Car"))));
    const QVector<QByteArray> before = core.documentLines();
    form.setChooserOption(FormState::PorscheChoice);
    host.onModal = [this](WindowId) { chooser.cancel(); };
    mainWindow.newCommand();
    EXPECT_EQ(core.documentLines(), before);
    EXPECT_EQ(form.text(1), QStringLiteral("Kept Car"));
    EXPECT_EQ(form.chooserOption(), FormState::PorscheChoice);
    EXPECT_FALSE(host.isVisible(WindowId::TemplateChooser));
}

TEST_F(Templates_, NotesMessageQuotesItsWords)
{
    chooser.notes();
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(isMessage(host.messages[0], QStringLiteral("Примечания"), MessageIcon::Information));
    EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("больше \"специфических\" настроек таких как: \"Масса КПП\"! Программа")));
    EXPECT_TRUE(host.messages[0].text.endsWith(QStringLiteral("лучше брать Ламбо.")));
}
