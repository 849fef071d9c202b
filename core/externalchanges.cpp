// Noticing that another program changed the document's file since the editor
// read or wrote it, before a save replaces those changes.
#include "editorcore.h"

#include "filereader.h"

#include <QFileInfo>

void EditorCore::rememberFileOnDisk(const QString &fileName, const QByteArray &contents)
{
    m_doc.fileOnDisk = QFileInfo(fileName).canonicalFilePath();
    // The bytes were read or written anyway; keeping them shares them.
    m_doc.fileOnDiskContents = contents;
}

void EditorCore::forgetFileOnDisk()
{
    m_doc.fileOnDisk.clear();
    m_doc.fileOnDiskContents.clear();
}

bool EditorCore::changedOnDiskAllowsWrite(const QString &fileName)
{
    if (m_doc.fileOnDisk.isEmpty())
        return true;
    const QFileInfo info(fileName);
    // A file that is gone, another file, or something that is no ordinary
    // file any more holds nothing of this document's to lose (writing to the
    // last fails and is reported).
    if (!info.isFile() || info.canonicalFilePath() != m_doc.fileOnDisk)
        return true;
    // The bytes decide, not the time stamp: a file touched or copied back
    // unchanged is no reason to ask. A file that cannot be read any more
    // may have changed, so it is asked about too.
    QByteArray now;
    if (readWholeFile(fileName, now) == ReadResult::Ok && now == m_doc.fileOnDiskContents)
        return true;
    const MessageAnswer answer = m_host.message(
        QStringLiteral("Файл ") + fileName
            + QStringLiteral(" был изменён другой программой после того, как редактор его прочитал "
                             "или сохранил.\r\nЗаменить его?\r\n\r\n"
                             "«Нет» — файл останется как есть, а правки останутся в редакторе: "
                             "их можно сохранить под другим именем."),
        QStringLiteral("Сохранение (Тюнекс)"), MessageIcon::Exclamation, MessageButtons::YesNo);
    return answer == MessageAnswer::Yes;
}
