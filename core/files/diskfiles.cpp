// The real file system behind FileAccess, and the causes of failures in
// words for the user.
#include "files/fileaccess.h"

#include "files/filewriter.h"
#include "files/systemfiles.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace tuneks {

namespace {

class DiskFiles final : public FileAccess {
public:
    NameKind kindOf(const QString &name, bool *hidden) override
    {
        if (hidden)
            *hidden = QFileInfo(name).isHidden() || hasSystemAttribute(name);
        return kindOnDisk(name);
    }

    FileIdentity identify(const QString &name) override
    {
        FileIdentity id;
        // Empty for a name that leads to nothing, which spares asking first.
        id.canonicalPath = QFileInfo(name).canonicalFilePath();
        id.exists = !id.canonicalPath.isEmpty();
        if (id.exists)
            readDeviceAndInode(name, id);
        return id;
    }

    ReadResult read(const QString &name, QByteArray &data, QString *errorText) override
    {
        return readWholeFile(name, data, errorText);
    }

    bool write(const QString &name, const QByteArray &contents, QString *errorText) override
    {
        if (!mayReplace(name, errorText))
            return false;
        return writeFileAtomically(name, contents, errorText);
    }
};

} // namespace

FileAccess &diskFiles()
{
    static DiskFiles files;
    return files;
}

QString describeSystemError(int error)
{
    switch (error) {
    case EACCES:
        return QStringLiteral("Нет прав доступа.");
    case EPERM:
        return QStringLiteral("Система запрещает это действие (например, файл помечен как неизменяемый).");
    case EROFS:
        return QStringLiteral("Диск или папка доступны только для чтения.");
    case ENOSPC:
        return QStringLiteral("Недостаточно места на диске.");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("Превышена дисковая квота.");
#endif
    case EFBIG:
        return QStringLiteral("Файл получился бы больше, чем разрешено этой программе "
                              "(ограничение размера файлов).");
    case ENAMETOOLONG:
        return QStringLiteral("Имя файла или путь к нему длиннее, чем позволяет система.");
    case ENOENT:
        return QStringLiteral("Такого файла или папки нет.");
    case ENOTDIR:
        return QStringLiteral("Часть пути к файлу не является папкой.");
    case EISDIR:
        return QStringLiteral("Это папка, а не файл.");
    case ELOOP:
        return QStringLiteral("На пути к файлу слишком много ссылок (возможно, они ведут друг на друга).");
    case EIO:
        return QStringLiteral("Ошибка ввода-вывода: диск не смог прочитать или записать данные.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Открыто слишком много файлов.");
    case ENOMEM:
        return QStringLiteral("Недостаточно памяти.");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Файл занят другой программой.");
    default:
        return QStringLiteral("Системная ошибка %1 (%2).")
            .arg(error)
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

} // namespace tuneks
