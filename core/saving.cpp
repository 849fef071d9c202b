// Write-back of the fields into their lines, and writing the document to a
// file. The lines to write are computed apart from the line buffer, which
// takes them over only once the file holds them.
#include "editorcore.h"
#include "fieldvalues.h"
#include "files/systemfiles.h"
#include "texts.h"

#include <cstring>

namespace tuneks {

QVector<QByteArray> EditorCore::linesToWrite() const
{
    QVector<QByteArray> lines = m_doc.lines;
    for (const Fields::FieldInfo &info : Fields::all()) {
        // A slot whose key the document does not hold has no line to write.
        const int index = m_doc.keyLine[size_t(info.slot)];
        if (index == DocumentState::kNoLine)
            continue;
        QByteArray &line = lines[index];
        line = writtenBackLine(info, line, m_form, m_doc.edited[size_t(info.slot)]);
    }
    return lines;
}

QVector<QByteArray> EditorCore::documentLines() const
{
    // Lines with bytes of their own: those of a file read point into its
    // bytes, which the next document replaces.
    QVector<QByteArray> lines;
    lines.reserve(m_doc.lines.size());
    for (const QByteArray &line : m_doc.lines)
        lines.append(QByteArray(line.constData(), line.size()));
    return lines;
}

QByteArray EditorCore::fileBytes(const QVector<QByteArray> &lines)
{
    qsizetype size = 0;
    for (const QByteArray &line : lines)
        size += line.size() + 2;
    QByteArray contents(size, Qt::Uninitialized);
    char *out = contents.data();
    for (const QByteArray &line : lines) {
        std::memcpy(out, line.constData(), size_t(line.size()));
        out += line.size();
        *out++ = '\r';
        *out++ = '\n';
    }
    return contents;
}

SaveOutcome EditorCore::writeDocument(const QString &fileName, const QVector<QByteArray> &lines)
{
    if (!changedOnDiskAllowsWrite(fileName))
        return SaveOutcome::NotWritten;
    const QByteArray contents = fileBytes(lines);
    QString reason;
    if (!m_files.write(fileName, contents, &reason)) {
        m_host.message(QStringLiteral("Не удалось сохранить файл ") + fileName + QStringLiteral(".\r\n") + reason,
                       Texts::saveCaption(), MessageIcon::Critical, MessageButtons::Ok);
        return SaveOutcome::WriteFailed;
    }
    std::copy(lines.cbegin(), lines.cend(), m_doc.lines.begin());
    rememberFileOnDisk(fileName, contents);
    m_doc.saveTarget = fileName;
    m_doc.unsavedChanges = false;
    return SaveOutcome::Written;
}

SaveOutcome EditorCore::writeToChosenName(const QVector<QByteArray> &lines)
{
    QString name = m_host.askSaveFileName();
    if (name.isEmpty())
        return SaveOutcome::NotWritten;
    name = nativeFileName(name);
    if (!name.endsWith(QStringLiteral(".ini")))
        name += QStringLiteral(".ini");
    // Any existing file is worth the question, a hidden one included. What
    // is no ordinary file is refused by the file writer without asking.
    if (m_files.kindOf(name) == NameKind::File) {
        const MessageAnswer answer = m_host.message(
            QStringLiteral("Файл ") + name + QStringLiteral(" уже существует.\r\nЗаменить его?"),
            Texts::saveCaption(), MessageIcon::Exclamation, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes)
            return SaveOutcome::NotWritten;
    }
    return writeDocument(name, lines);
}

SaveOutcome EditorCore::saveWithoutCheck(SaveKind kind)
{
    if (kind == SaveKind::CheckOnly)
        return SaveOutcome::NotWritten;
    const QVector<QByteArray> lines = linesToWrite();
    // Without a save target there is nothing to write to but a new name.
    if (kind == SaveKind::Save && m_doc.saveTarget)
        return writeDocument(*m_doc.saveTarget, lines);
    return writeToChosenName(lines);
}

} // namespace tuneks
