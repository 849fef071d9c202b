// Loading a physics file into the line buffer, and clearing the fields.
#include "editorcore.h"
#include "systemfiles.h"

#include <cerrno>


namespace {

const QString &loadErrorCaption()
{
    static const QString caption = QStringLiteral("Ошибка при загрузке файла.");
    return caption;
}

// Splits the file's bytes into lines: a line ends at CR or CR LF, a lone LF
// stays in the line, a last line without an end is still a line, and a file
// that ends with a line end has no empty line after it. Returns false as soon
// as there are more than `maxLines` lines.
bool splitLines(const QByteArray &data, int maxLines, QVector<QByteArray> &lines)
{
    lines.clear();
    lines.reserve(qMin<qsizetype>(data.count('\r') + 1, maxLines + 1));
    qsizetype start = 0;
    const qsizetype size = data.size();
    while (start < size) {
        if (lines.size() == maxLines)
            return false;
        const qsizetype end = data.indexOf('\r', start);
        if (end < 0) {
            lines.emplaceBack(data.constData() + start, size - start);
            break;
        }
        lines.emplaceBack(data.constData() + start, end - start);
        start = end + 1;
        if (start < size && data.at(start) == '\n')
            ++start;
    }
    return true;
}

} // namespace

bool EditorCore::readLines(const QString &fileName, QVector<QByteArray> &lines,
                           QByteArray &contents)
{
    QString reason;
    switch (m_files.read(fileName, contents, &reason)) {
    case ReadResult::Ok:
        break;
    case ReadResult::NotAFile:
        m_host.message(QStringLiteral("Файл ") + fileName
                           + QStringLiteral(" не является обычным файлом и не может быть прочитан."),
                       loadErrorCaption(), MessageIcon::Critical, MessageButtons::Ok);
        return false;
    case ReadResult::Failed:
        m_host.message(QStringLiteral("Не удалось прочитать файл ") + fileName + QStringLiteral(".")
                           + QStringLiteral("\r\n") + reason,
                       loadErrorCaption(), MessageIcon::Critical, MessageButtons::Ok);
        return false;
    case ReadResult::TooLarge:
        m_host.message(QStringLiteral("Файл ") + fileName
                           + QStringLiteral(" слишком велик и не может быть загружен."),
                       loadErrorCaption(), MessageIcon::Critical, MessageButtons::Ok);
        return false;
    }
    if (!splitLines(contents, DocumentState::kMaxLines, lines)) {
        m_host.message(QStringLiteral("Файл ") + fileName
                           + QStringLiteral(" содержит больше 1000 строк и не может быть загружен."),
                       loadErrorCaption(), MessageIcon::Critical, MessageButtons::Ok);
        return false;
    }
    return true;
}

void EditorCore::zagr(const QString &chosenName)
{
    if (chosenName.isEmpty())
        return;
    QString fileName = nativeFileName(chosenName);
    if (!fileName.endsWith(QStringLiteral(".ini")))
        fileName += QStringLiteral(".ini");

    bool hidden = false;
    switch (m_files.kindOf(fileName, &hidden)) {
    case NameKind::TooLong:
        m_host.message(QStringLiteral("Не удалось открыть файл ") + fileName + QStringLiteral(".\r\n")
                           + describeSystemError(ENAMETOOLONG),
                       loadErrorCaption(), MessageIcon::Critical, MessageButtons::Ok);
        return;
    case NameKind::File:
    case NameKind::Special:
        if (!hidden)
            break;
        [[fallthrough]];
    case NameKind::Missing:
    case NameKind::Folder:
    case NameKind::DanglingLink:
        m_host.message(QStringLiteral("Файл ") + fileName + QStringLiteral(" не найден"),
                       QStringLiteral("Файл не найден"), MessageIcon::Critical, MessageButtons::Ok);
        return;
    }

    // The file is read into a scratch buffer; the open document is replaced
    // only when the file is recognised, so a refused file leaves it intact.
    QVector<QByteArray> lines;
    QByteArray contents;
    if (!readLines(fileName, lines, contents))
        return;
    if (Proverka(lines))
        rememberFileOnDisk(fileName, contents);
    Razblokirovka();
    m_doc.b = true;
}

void EditorCore::Otchistka()
{
    static const int firstGroup[] = {1, 2, 5, 6, 7, 8, 9, 11, 12, 13, 14, 17, 28, 29, 30, 36, 37, 39, 40};
    static const int lastGroup[] = {72, 74, 75, 76, 77, 78, 79, 80, 81, 93, 96, 98, 100, 108, 110, 112, 120, 124};
    for (int slot : firstGroup)
        m_form.setText(slot, QString());
    for (int slot = Slots::kFirstTorqueSlot; slot <= Slots::kLastTorqueSlot; ++slot)
        m_form.setText(slot, QString());
    for (int slot : lastGroup)
        m_form.setText(slot, QString());
    for (int box = 0; box < Slots::kCheckBoxCount; ++box)
        m_form.setCheck(Slots::CheckBoxId(box), 0);
    for (int list = 0; list < Slots::kComboCount; ++list)
        m_form.setCombo(Slots::ComboId(list), -1);
    m_form.setCaption(QStringLiteral("Редактируем - Безымянный автомобиль (Тюнекс)"));
    // Emptying the fields raised their change rules; clearing leaves no
    // unsaved-changes mark of its own.
    m_doc.AvtoSoxranenie = false;
}
