// Opening a physics file: reading it and splitting it into lines.
#include "editorcore.h"
#include "files/systemfiles.h"
#include "texts.h"

#include <cerrno>

namespace tuneks {

namespace {

// Splits the file's bytes into lines: a line ends at CR or CR LF, a lone LF
// stays in the line, a last line without an end is still a line, and a file
// that ends with a line end has no empty line after it. Gives nothing as
// soon as there are more than `maxLines` lines. The lines point into `data`
// instead of holding copies (an allocation each): whoever keeps them keeps
// `data` as well (DocumentState::lineBytes), and a line that changes gets
// bytes of its own.
std::optional<QVector<QByteArray>> splitLines(const QByteArray &data, int maxLines)
{
    QVector<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype size = data.size();
    while (start < size) {
        if (lines.size() == maxLines)
            return std::nullopt;
        const qsizetype end = data.indexOf('\r', start);
        if (end == -1) { // the last line has no end
            lines.append(QByteArray::fromRawData(data.constData() + start, size - start));
            break;
        }
        lines.append(QByteArray::fromRawData(data.constData() + start, end - start));
        start = end + 1;
        if (start < size && data.at(start) == '\n')
            ++start;
    }
    return lines;
}

} // namespace

std::optional<QVector<QByteArray>> EditorCore::readLines(const QString &fileName, QByteArray &contents)
{
    QString reason;
    switch (m_files.read(fileName, contents, &reason)) {
    case ReadResult::Ok:
        break;
    case ReadResult::NotAFile:
        m_host.message(QStringLiteral("Файл ") + fileName
                           + QStringLiteral(" не является обычным файлом и не может быть прочитан."),
                       Texts::loadErrorCaption(), MessageIcon::Critical, MessageButtons::Ok);
        return std::nullopt;
    case ReadResult::Failed:
        m_host.message(QStringLiteral("Не удалось прочитать файл ") + fileName + QStringLiteral(".")
                           + QStringLiteral("\r\n") + reason,
                       Texts::loadErrorCaption(), MessageIcon::Critical, MessageButtons::Ok);
        return std::nullopt;
    case ReadResult::TooLarge:
        m_host.message(QStringLiteral("Файл ") + fileName
                           + QStringLiteral(" слишком велик и не может быть загружен."),
                       Texts::loadErrorCaption(), MessageIcon::Critical, MessageButtons::Ok);
        return std::nullopt;
    }
    std::optional<QVector<QByteArray>> lines = splitLines(contents, DocumentState::kMaxLines);
    if (!lines) {
        m_host.message(QStringLiteral("Файл ") + fileName
                           + QStringLiteral(" содержит больше 1000 строк и не может быть загружен."),
                       Texts::loadErrorCaption(), MessageIcon::Critical, MessageButtons::Ok);
        return std::nullopt;
    }
    return lines;
}

void EditorCore::openFile(const QString &chosenName)
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
                       Texts::loadErrorCaption(), MessageIcon::Critical, MessageButtons::Ok);
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
    QByteArray contents;
    std::optional<QVector<QByteArray>> lines = readLines(fileName, contents);
    if (!lines)
        return;
    if (takeOverIfPhysicsFile(std::move(*lines), contents))
        rememberFileOnDisk(fileName, contents);
    unlockPages();
    m_doc.hasDocument = true;
}

} // namespace tuneks
