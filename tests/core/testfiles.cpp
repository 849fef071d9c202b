#include "testfiles.h"

#include <QFile>

QString CoreFixture::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path(name);
}

QByteArray CoreFixture::readFile(const QString &name) const
{
    QFile file(QDir::isAbsolutePath(name) ? name : path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void CoreFixture::open(const QString &fullName)
{
    host.openNames.append(fullName);
    mainWindow.openCommand();
}

QString CoreFixture::saveAs(const QString &name, const QList<MessageAnswer> &answers, bool pastErrors)
{
    host.saveNames.append(path(name));
    host.answers.append(answers);
    mainWindow.saveAsCommand();
    if (pastErrors && host.isVisible(WindowId::FieldErrors))
        errors.saveAnyway();
    return path(name);
}

void CoreFixture::newDocument(FormState::ChooserChoice choice)
{
    host.onModal = [this, choice](WindowId) {
        form.setChooserOption(choice);
        chooser.create();
    };
    mainWindow.newCommand();
    host.onModal = nullptr;
}

QVector<QByteArray> CoreFixture::openLines(QVector<QByteArray> lines)
{
    while (lines.size() < 120)
        lines.append("' padding");
    if (core.doc().unsavedChanges)
        host.answers.prepend(MessageAnswer::No); // the leave question: do not save
    open(writeFile(QStringLiteral("lines%1.ini").arg(++m_filesOpened), joinCrLf(lines)));
    return lines;
}

::testing::AssertionResult CoreFixture::intact(const FieldSnapshot &before) const
{
    const std::string changed = before.changedIn(snapshot());
    return changed.empty() ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << changed;
}

QByteArray joinCrLf(const QVector<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + "\r\n";
    return out;
}

QVector<QByteArray> physicsLines(int count, const QByteArray &name)
{
    const QList<QByteArray> headers = QByteArray("[basic] [Display_Data] [engineblock] [transmission] [rearend] "
                                                 "[tire_rear] [tire_front] [brake_rear] [brake_front] [Skins] "
                                                 "[audio] [render]").split(' ');
    QVector<QByteArray> lines = {"' " + name};
    for (int section = 1; section <= 12; ++section) {
        lines.append(headers[section - 1]);
        for (const Fields::FieldInfo &info : Fields::all()) {
            if (int(info.section) != section || !info.key)
                continue;
            QByteArray value = QByteArray::number(info.slot) + ".5";
            if (info.control == Fields::Control::CheckBox)
                value = info.slot % 2 ? "1" : "0";
            else if (info.control == Fields::Control::ComboBox)
                value = info.slot == 71 ? "6" : info.slot == 126 ? "5" : "2";
            lines.append(QByteArray(info.key) + '=' + value);
        }
    }
    while (lines.size() < count)
        lines.append("' filler " + QByteArray::number(lines.size() + 1));
    return lines;
}

QVector<QByteArray> savedUnchanged(QVector<QByteArray> lines)
{
    lines[lineIndex(lines, "enginetype")] = "enginetype= 5";
    lines[lineIndex(lines, "horntype")] = "horntype= 2";
    return lines;
}

int lineIndex(const QVector<QByteArray> &lines, const QByteArray &start)
{
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(start))
            return i;
    return -1;
}

::testing::AssertionResult sameBytes(const QByteArray &actual, const QByteArray &expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const QList<QByteArray> a = actual.split('\n'), e = expected.split('\n');
    int i = 0;
    while (i < a.size() && i < e.size() && a[i] == e[i])
        ++i;
    return ::testing::AssertionFailure() << "line " << i + 1 << " is \"" << a.value(i, "<none>").toStdString()
                                         << "\", expected \"" << e.value(i, "<none>").toStdString() << "\" ("
                                         << a.size() << " vs " << e.size() << " lines)";
}

::testing::AssertionResult isMessage(const ScriptedUser::Message &message, const QString &caption,
                                     MessageIcon icon, const QString &text)
{
    if (message.caption == caption && message.icon == icon && (text.isNull() || message.text == text))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "message \"" << message.caption.toStdString() << "\": "
                                         << message.text.toStdString();
}
