#include "testfiles.h"

#include <QFile>

namespace {

struct Checks : CoreTest {
    void SetUp() override
    {
        open(writeFile(QStringLiteral("in.ini"), joinCrLf(physicsLines())));
        ASSERT_TRUE(host.messages.isEmpty());
    }
    // The errors window is hidden with an empty list and no longer blocks a check.
    bool errorsWindowClosed() const
    {
        return !host.isVisible(WindowId::FieldErrors) && form.errorsList().isEmpty() && !core.doc().errorsWindowOpen;
    }
};

} // namespace

TEST_F(Checks, FieldCharactersAreJudgedOneFieldOneError)
{
    const QString empty = QStringLiteral("Не заполнено окно ");
    const QString bad = QStringLiteral("Не допустимый символ в окне ");
    const struct {
        QString text;
        QString prefix; // null: accepted
    } cases[] = {
        {QStringLiteral("1439.0"), {}}, {QStringLiteral("--1..2"), {}}, {QStringLiteral("-.5-"), {}},
        {QStringLiteral("1\x0f" "abc"), {}}, {QStringLiteral("1\rabc"), {}}, // 15 and 13 end the examination
        {QString(), empty},           {QStringLiteral("1,5"), bad}, {QStringLiteral(" 1"), bad},
        {QStringLiteral("1 "), bad},  {QStringLiteral("+1"), bad},  {QStringLiteral("1e3"), bad},
        {QStringLiteral("1ж2ж"), bad}, {QStringLiteral("\n1"), bad},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        // Set as a file's value would be: typing refuses the control characters.
        form.setText(72, c.text);
        mainWindow.saveAsCommand();
        EXPECT_EQ(host.isVisible(WindowId::FieldErrors), !c.prefix.isNull());
        EXPECT_EQ(form.errorsList(), c.prefix.isNull() ? QStringList()
                                     : QStringList{c.prefix + QStringLiteral("\"Задержка\" (трансмисия)")});
        EXPECT_EQ(core.doc().errorsWindowOpen, !c.prefix.isNull());
        errors.close();
    }
}

TEST_F(Checks, ErrorsAreListedInSlotOrderWithTheirLabels)
{
    core.typeText(124, QStringLiteral("x"));
    core.typeText(37, QString());
    core.typeText(2, QStringLiteral("a"));
    core.typeText(98, QString());
    mainWindow.saveCommand();
    EXPECT_EQ(form.errorsList(), QStringList({
        QStringLiteral("Не допустимый символ в окне \"Масса\""),
        QStringLiteral("Не заполнено окно \" Перемещение задней оси\""),
        QStringLiteral("Не заполнено окно \"Диаметр дисков\" (задних)"),
        QStringLiteral("Не допустимый символ в окне \"Диаметр передних колёс\""),
    }));
    EXPECT_EQ(host.saveDialogs, 0);
}

TEST_F(Checks, ACheckOnlyRunListsOrReportsButNeverSavesAndTheErrorsWindowBlocksTheNext)
{
    core.typeText(2, QString());
    mainWindow.saveCommand();
    ASSERT_TRUE(core.doc().errorsWindowOpen);
    mainWindow.checkCommand();
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(isMessage(host.messages[0], QStringLiteral("Ошибка..."), MessageIcon::Critical,
                          QStringLiteral("Окно Ошибок уже загружено, операция не будет выполнена. Для "
                                         "продолжения работы закройте окно Ошибок.")));
    EXPECT_EQ(form.errorsList().size(), 1);
    // The refused check still made this a check-only run: the save-anyway
    // button, were it reached while disabled, writes nothing.
    EXPECT_FALSE(form.errorsButtonsEnabled());
    host.saveNames.append(path(QStringLiteral("never.ini")));
    errors.saveAnyway();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("never.ini"))));

    // Closing re-enables the buttons and empties the list, so a fresh run
    // lists only its own errors.
    mainWindow.checkCommand();
    EXPECT_TRUE(host.isVisible(WindowId::FieldErrors));
    EXPECT_FALSE(form.errorsButtonsEnabled());
    errors.close();
    EXPECT_TRUE(errorsWindowClosed());
    EXPECT_TRUE(form.errorsButtonsEnabled());
    mainWindow.saveCommand();
    EXPECT_EQ(form.errorsList(), QStringList{QStringLiteral("Не заполнено окно \"Масса\"")});
    errors.close();

    // A clean check reports, asks for no name and leaves Save working...
    core.typeText(2, QStringLiteral("1500"));
    mainWindow.checkCommand();
    ASSERT_EQ(host.messages.size(), 2);
    EXPECT_TRUE(isMessage(host.messages[1], QStringLiteral("Отчёт"), MessageIcon::Exclamation,
                          QStringLiteral("Ошибки в файле не найдены")));
    EXPECT_EQ(host.saveDialogs, 0);
    EXPECT_TRUE(form.errorsButtonsEnabled());
    host.saveNames = {path(QStringLiteral("after.ini"))};
    mainWindow.saveCommand();
    EXPECT_EQ(host.messages.size(), 2);
    EXPECT_TRUE(readFile(QStringLiteral("after.ini")).contains("\r\nMass=1500\r\n"));
    // ...and once Save writes straight to the target, a check does not write there either.
    mainWindow.saveCommand();
    core.typeText(2, QStringLiteral("1600"));
    mainWindow.checkCommand();
    EXPECT_TRUE(readFile(QStringLiteral("after.ini")).contains("\r\nMass=1500\r\n"));
    EXPECT_TRUE(core.doc().unsavedChanges);
}

TEST_F(Checks, RecheckRepeatsTheSameKindOfSaveAndSaveAnywayWritesTheFieldsAsTheyStand)
{
    const QString first = saveAs(QStringLiteral("first.ini"));
    core.typeText(2, QStringLiteral("bad"));
    mainWindow.saveAsCommand();
    ASSERT_EQ(form.errorsList().size(), 1);
    core.typeText(2, QStringLiteral("12"));
    host.saveNames.append(path(QStringLiteral("rechecked.ini")));
    errors.recheck(); // a Save As again, though the document has a target
    EXPECT_TRUE(errorsWindowClosed());
    EXPECT_TRUE(readFile(QStringLiteral("rechecked.ini")).contains("\r\nMass=12\r\n"));
    EXPECT_FALSE(readFile(first).contains("\r\nMass=12\r\n"));

    core.typeText(2, QString());
    mainWindow.saveCommand();
    ASSERT_TRUE(host.isVisible(WindowId::FieldErrors));
    core.typeText(5, QStringLiteral("edited after"));
    errors.saveAnyway(); // to the target, without a dialog
    EXPECT_EQ(host.saveDialogs, 2);
    const QByteArray saved = readFile(QStringLiteral("rechecked.ini"));
    EXPECT_TRUE(saved.contains("\r\nMass=\r\n")); // an empty field leaves the key and "="
    EXPECT_TRUE(saved.contains("\r\nFrontTrackWidth=edited after\r\n"));
    EXPECT_FALSE(core.doc().unsavedChanges);
    EXPECT_TRUE(errorsWindowClosed());
}

TEST_F(Checks, TorqueCheckListsErrorsModallyThenHidesTheTorqueWindow)
{
    host.showWindow(WindowId::Torque);
    core.typeText(43, QString());
    core.typeText(60, QStringLiteral("1,5"));
    QStringList shown;
    host.onModal = [&](WindowId window) {
        EXPECT_EQ(window, WindowId::TorqueErrors);
        EXPECT_TRUE(host.isVisible(WindowId::Torque)); // hidden only after the errors window
        shown = form.torqueErrorsList();
        torque.closeErrors();
    };
    torque.closeWindow();
    EXPECT_EQ(shown, QStringList({QStringLiteral("Не заполнено окно \"Крутящий момент при 1500 о/м\""),
                                  QStringLiteral("Не допустимый символ в окне \"Крутящий момент при 10000 о/м\"")}));
    EXPECT_FALSE(host.isVisible(WindowId::Torque));
    EXPECT_TRUE(form.torqueErrorsList().isEmpty());
    // Torque errors never block a save: the faulty values are written.
    const QByteArray saved = readFile(saveAs(QStringLiteral("torque.ini")));
    EXPECT_TRUE(saved.contains("\r\ntorqueCurve_2=\r\ntorqueCurve_3="));
    EXPECT_TRUE(saved.contains("\r\ntorqueCurve_19=1,5\r\n"));

    // Clean values hide the window at once.
    host.modalShown.clear();
    host.showWindow(WindowId::Torque);
    core.typeText(43, QStringLiteral("10"));
    core.typeText(60, QStringLiteral("15"));
    torque.closeWindow();
    EXPECT_TRUE(host.modalShown.isEmpty());
    EXPECT_FALSE(host.isVisible(WindowId::Torque));
}
