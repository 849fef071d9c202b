// Files as the users' own systems present them: Russian folder names with
// blanks, names in capitals, messages that name files the way the system's
// dialogs do, and, on Windows, read-only, locked, hidden and system files.
#include "files/filewriter.h"
#include "templates.h"
#include "testfiles.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

struct PlatformFiles : CoreTest {};

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

TEST_F(PlatformFiles, RussianFolderAndFileNamesWithBlanksOpenAndSave)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Мои машины 2")));
    const QString name = QStringLiteral("Мои машины 2/Порше 911 турбо.ini");
    const QString file = writeFile(name, joinCrLf(Templates::porsche()));
    open(file);
    ASSERT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(form.text(1), QStringLiteral("Porsche 911 Turbo Statistics"));

    core.typeText(2, QStringLiteral("1490"));
    saveAs(QStringLiteral("Мои машины 2/Копия ёлки"));
    ASSERT_TRUE(host.messages.isEmpty()) << qPrintable(host.messages.constFirst().text);
    const QString copy = native(path(QStringLiteral("Мои машины 2/Копия ёлки.ini")));
    EXPECT_EQ(core.doc().saveTarget, copy);
    EXPECT_TRUE(readFile(QStringLiteral("Мои машины 2/Копия ёлки.ini")).contains("\r\nMass=1490\r\n"));

    // Save goes back to the same Russian name without asking.
    core.typeText(2, QStringLiteral("1500"));
    mainWindow.saveCommand();
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_TRUE(readFile(QStringLiteral("Мои машины 2/Копия ёлки.ini")).contains("\r\nMass=1500\r\n"));
    EXPECT_TRUE(sameBytes(readFile(name), joinCrLf(Templates::porsche())));
}

#ifdef Q_OS_WIN

namespace {

struct WindowsFiles : PlatformFiles {
    void SetUp() override
    {
        file = writeFile(QStringLiteral("car.ini"), joinCrLf(Templates::porsche()));
        original = readFile(QStringLiteral("car.ini"));
    }
    // Opens the file, edits the mass and saves over it, agreeing to replace
    // it; the save must fail with a message that names the file and says
    // why, and keep the file and the edit.
    void expectSaveRefused(const QString &why)
    {
        open(file);
        ASSERT_TRUE(host.messages.isEmpty());
        core.typeText(2, QStringLiteral("1490"));
        saveAs(file, {MessageAnswer::Yes});
        ASSERT_EQ(host.messages.size(), 2);
        EXPECT_TRUE(isMessage(host.messages[1], QStringLiteral("Сохранение (Тюнекс)"), MessageIcon::Critical));
        EXPECT_TRUE(host.messages[1].text.contains(native(file))) << qPrintable(host.messages[1].text);
        EXPECT_TRUE(host.messages[1].text.endsWith(why)) << qPrintable(host.messages[1].text);
        EXPECT_TRUE(core.doc().unsavedChanges);
        EXPECT_EQ(form.text(2), QStringLiteral("1490"));
    }
    bool setAttribute(DWORD attribute)
    {
        const std::wstring name = native(file).toStdWString();
        return SetFileAttributesW(name.c_str(), GetFileAttributesW(name.c_str()) | attribute);
    }
    QString file;
    QByteArray original;
};

} // namespace

TEST_F(WindowsFiles, AReadOnlyFileIsNotReplaced)
{
    ASSERT_TRUE(setAttribute(FILE_ATTRIBUTE_READONLY));
    expectSaveRefused(QStringLiteral("Файл помечен как доступный только для чтения."));
    EXPECT_TRUE(sameBytes(readFile(QStringLiteral("car.ini")), original));
    SetFileAttributesW(native(file).toStdWString().c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(WindowsFiles, AFileAnotherProgramHoldsOpenIsNotReplaced)
{
    // The game, for one, keeps its files open without letting others write.
    HANDLE held = CreateFileW(native(file).toStdWString().c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    expectSaveRefused(QStringLiteral("Файл занят другой программой."));
    CloseHandle(held);
    EXPECT_TRUE(sameBytes(readFile(QStringLiteral("car.ini")), original));
}

TEST_F(WindowsFiles, AReplaceThatFailsAtItsLastStepIsReportedAndKeepsTheFile)
{
    // Held open with leave to read and write but not to delete: the new copy
    // is written beside it, and only putting it in the file's place fails.
    HANDLE held = CreateFileW(native(file).toStdWString().c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    QString why;
    EXPECT_FALSE(writeFileAtomically(file, "' New\r\n", &why));
    EXPECT_FALSE(why.isEmpty());
    CloseHandle(held);
    EXPECT_TRUE(sameBytes(readFile(QStringLiteral("car.ini")), original));
}

TEST_F(WindowsFiles, HiddenAndSystemFilesCountAsAbsent)
{
    for (const DWORD attribute : {DWORD(FILE_ATTRIBUTE_HIDDEN), DWORD(FILE_ATTRIBUTE_SYSTEM)}) {
        SetFileAttributesW(native(file).toStdWString().c_str(), FILE_ATTRIBUTE_NORMAL);
        ASSERT_TRUE(setAttribute(attribute));
        host.messages.clear();
        open(file);
        ASSERT_EQ(host.messages.size(), 1) << attribute;
        EXPECT_TRUE(isMessage(host.messages[0], QStringLiteral("Файл не найден"), MessageIcon::Critical,
                              QStringLiteral("Файл ") + native(file) + QStringLiteral(" не найден")));
    }
    SetFileAttributesW(native(file).toStdWString().c_str(), FILE_ATTRIBUTE_NORMAL);
}

#endif
