#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

namespace tuneks {

// Lets the user drop a physics file on the main window to open it. Installed
// on the window and on each of its controls that takes drops of its own (the
// text boxes would otherwise paste the file's address as text), it takes
// over drags that carry exactly one local file; every other drag, such as
// text dragged into a field, goes on as before.
class FileDrop : public QObject {
    Q_OBJECT
public:
    // Installs itself on `window` and on every control inside it that
    // accepts drops, and makes the window accept them.
    explicit FileDrop(QWidget *window);

    // The one local file a drag carries, or an empty string (no file, a
    // folder, several files, or an address that is not a local file).
    static QString droppedFileName(const QMimeData *data);

signals:
    // Emitted once the drop is over, so that the questions and messages of
    // opening do not run inside the drag.
    void fileDropped(const QString &fileName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace tuneks
