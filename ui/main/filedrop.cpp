#include "filedrop.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace tuneks {

FileDrop::FileDrop(QWidget *window) : QObject(window)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls)
        if (control->acceptDrops())
            control->installEventFilter(this);
}

QString FileDrop::droppedFileName(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return QString();
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return QString();
    const QString fileName = urls.first().toLocalFile();
    return QFileInfo(fileName).isDir() ? QString() : fileName;
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (droppedFileName(drag->mimeData()).isEmpty())
            break;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString fileName = droppedFileName(drop->mimeData());
        if (fileName.isEmpty())
            break;
        drop->acceptProposedAction();
        QTimer::singleShot(0, this, [this, fileName] { emit fileDropped(fileName); });
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tuneks
