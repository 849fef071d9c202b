// Noticing that another program changed the document's file since the editor
// read or wrote it, or put another file in its place, before a save replaces
// those changes.
#include "editorcore.h"
#include "texts.h"

#include <QDir>
#include <QFileInfo>

namespace tuneks {

namespace {

QString absoluteName(const QString &fileName)
{
    return QDir::isAbsolutePath(fileName) ? QDir::cleanPath(fileName) : QFileInfo(fileName).absoluteFilePath();
}

} // namespace

void EditorCore::rememberFileOnDisk(const QString &fileName, const QByteArray &contents)
{
    m_doc.fileOnDiskName = absoluteName(fileName);
    m_doc.fileOnDisk = m_files.identify(fileName);
    // The bytes were read or written anyway; keeping them shares them.
    m_doc.fileOnDiskContents = contents;
}

void EditorCore::forgetFileOnDisk()
{
    m_doc.fileOnDiskName.clear();
    m_doc.fileOnDisk = FileIdentity();
    m_doc.fileOnDiskContents.clear();
}

bool EditorCore::changedOnDiskAllowsWrite(const QString &fileName)
{
    if (m_doc.fileOnDiskName.isEmpty())
        return true;
    // Nothing there, or something the file writer refuses to replace (a
    // folder, a device, a link to nothing), holds nothing of this document's
    // to lose.
    if (m_files.kindOf(fileName) != NameKind::File)
        return true;
    const FileIdentity now = m_files.identify(fileName);
    const QString keep = QStringLiteral("\r\n\r\n«Нет» — файл останется как есть, а правки останутся в редакторе: "
                                        "их можно сохранить под другим именем.");
    const bool sameName = absoluteName(fileName) == m_doc.fileOnDiskName;
    if (!now.sameFileAs(m_doc.fileOnDisk)) {
        // Another file, reached by another name: the replace question of
        // Save As has been asked about it.
        if (!sameName && now.canonicalPath != m_doc.fileOnDisk.canonicalPath)
            return true;
        // The document's own name now leads elsewhere: a link put in its
        // place, or another file moved there. Writing would replace a file
        // the editor never read.
        const QString text =
            now.canonicalPath == absoluteName(fileName)
                ? QStringLiteral("Файл ") + fileName
                      + QStringLiteral(" был заменён другим файлом после того, как редактор его прочитал "
                                       "или сохранил.\r\nЗаменить его?")
                : QStringLiteral("Имя ") + fileName + QStringLiteral(" теперь ведёт к другому файлу: ")
                      + now.canonicalPath
                      + QStringLiteral(". Его подставила другая программа после того, как редактор "
                                       "прочитал или сохранил файл.\r\nЗаписать правки в ")
                      + now.canonicalPath + QStringLiteral("?");
        return m_host.message(text + keep, Texts::saveCaption(), MessageIcon::Exclamation,
                              MessageButtons::YesNo)
               == MessageAnswer::Yes;
    }
    // The bytes decide, not the time stamp: a file touched or copied back
    // unchanged is no reason to ask. A file that cannot be read any more
    // may have changed, so it is asked about too.
    QByteArray bytes;
    if (m_files.read(fileName, bytes, nullptr) == ReadResult::Ok && bytes == m_doc.fileOnDiskContents)
        return true;
    const MessageAnswer answer = m_host.message(
        QStringLiteral("Файл ") + fileName
            + QStringLiteral(" был изменён другой программой после того, как редактор его прочитал "
                             "или сохранил.\r\nЗаменить его?")
            + keep,
        Texts::saveCaption(), MessageIcon::Exclamation, MessageButtons::YesNo);
    return answer == MessageAnswer::Yes;
}

} // namespace tuneks
