#include "qthost.h"

#include "editorcore.h"
#include "errorswindow.h"
#include "russiandialogs.h"
#include "templatechooser.h"
#include "texts.h"
#include "torqueerrorswindow.h"
#include "torquewindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace tuneks {

namespace {

// The secondary windows: each is created hidden on first use, owned by the
// main window unless its row says otherwise. A window owned by another
// stands before its owner.
struct WindowRow {
    WindowId id;
    QWidget *(*create)(EditorCore &core, QWidget *mainWindow, const QtHost &host);
};

const WindowRow kWindows[] = {
    {WindowId::FieldErrors,
     [](EditorCore &core, QWidget *mainWindow, const QtHost &) -> QWidget * {
         return new ErrorsWindow(core, mainWindow);
     }},
    {WindowId::TorqueErrors,
     [](EditorCore &core, QWidget *mainWindow, const QtHost &host) -> QWidget * {
         // Modal over the torque window when there is one.
         QWidget *torque = host.existingWindow(WindowId::Torque);
         return new TorqueErrorsWindow(core, torque ? torque : mainWindow);
     }},
    {WindowId::Torque,
     [](EditorCore &core, QWidget *mainWindow, const QtHost &) -> QWidget * {
         return new TorqueWindow(core, mainWindow);
     }},
    {WindowId::TemplateChooser,
     [](EditorCore &core, QWidget *mainWindow, const QtHost &) -> QWidget * {
         return new TemplateChooser(core, mainWindow);
     }},
};

// Esc and a message box's close button click its escape button. Qt picks
// one itself when none is set: the Cancel button, else the only button of
// the reject or the no role, so the No of a Yes/No box. With a second, hidden
// button of the no role there is none to pick: Esc then does nothing and the
// box ignores its close button, which Windows shows disabled.
void removeEscape(QMessageBox &box)
{
    box.addButton(QString(), QMessageBox::NoRole)->hide();
    box.setWindowFlag(Qt::WindowCloseButtonHint, false);
}

// Windows file names ignore case: a typed name of an existing file becomes
// that file's own name, so that CAR.INI opens car.ini (the load and save
// rules compare the ".ini" ending exactly). Elsewhere the name is the file's.
QString withNameOnDisk(const QString &chosen)
{
#ifdef Q_OS_WIN
    const QFileInfo typed(chosen);
    const QDir folder = typed.absoluteDir();
    if (!chosen.isEmpty() && !typed.isDir()) {
        const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QString &entry : entries)
            if (entry.compare(typed.fileName(), Qt::CaseInsensitive) == 0)
                return folder.filePath(entry);
    }
#endif
    return chosen;
}

} // namespace

QtHost::QtHost()
{
    useRussianInStandardDialogs();
}

QtHost::~QtHost()
{
    discardWindows();
}

void QtHost::attach(EditorCore &core, QWidget *mainWindow)
{
    m_core = &core;
    m_mainWindow = mainWindow;
}

QString QtHost::filterShownName()
{
    return Texts::fileDialogFilter().section(QLatin1Char('|'), 0, 0);
}

QString QtHost::filterPattern()
{
    return Texts::fileDialogFilter().section(QLatin1Char('|'), 1);
}

MessageAnswer QtHost::message(const QString &text, const QString &caption, MessageIcon icon,
                              MessageButtons buttons)
{
    const QPointer<QWidget> owner = dialogOwner();
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(shown);
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    switch (buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoMustAnswer:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        if (buttons == MessageButtons::YesNoMustAnswer)
            removeEscape(box);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        // An access key like those of "Да" and "Нет".
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Отмена"));
        break;
    }
    widenForCaption(box);
    box.exec();
    returnFocusTo(owner);
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: break;
    }
    // Closed by its frame: an OK box has only one answer, the others count as Cancel.
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

QWidget *QtHost::dialogOwner() const
{
    QWidget *active = QApplication::activeModalWidget();
    if (!active)
        active = QApplication::activeWindow();
    if (active && active->isVisible())
        return active;
    return m_mainWindow;
}

void QtHost::returnFocusTo(QWidget *owner)
{
    // Most desktops give the activation back to the owner of a closed dialog
    // themselves; asking for it makes sure the keys go on to that window.
    if (owner && owner->isVisible())
        owner->activateWindow();
}

QString QtHost::askOpenFileName()
{
    return runFileDialog(false);
}

QString QtHost::askSaveFileName()
{
    return runFileDialog(true);
}

QString QtHost::runFileDialog(bool forSaving)
{
    const QPointer<QWidget> owner = dialogOwner();
    QFileDialog dialog(owner);
#ifndef Q_OS_WIN
    // Windows shows its own dialog, in the system's language, with the
    // user's places. Elsewhere the dialog is Qt's, which this program makes
    // Russian to the last word; the desktop's own may speak another language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
#endif
    // The filter shows its own name only; the pattern in the last brackets is
    // what the dialog matches, "*ini" with or without a dot.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(filterShownName() + QStringLiteral(" (") + filterPattern()
                         + QLatin1Char(')'));
    dialog.setDirectory(startFolder());
    dialog.setFileMode(QFileDialog::AnyFile);
    // Both do nothing to a dialog that the platform shows.
    writeSizesAndDatesInRussian(dialog);
    showColumnsAndPlacesWhole(dialog);
    if (forSaving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // The core asks its own overwrite question.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        // Any typed name is handed on, even one of no existing file: the load
        // looks for it with ".ini" added ("car" opens car.ini) and reports a
        // missing file in its own words.
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
    }
    const bool accepted = dialog.exec() == QDialog::Accepted;
    returnFocusTo(owner);
    if (!accepted)
        return QString();
    const QString chosen = withNameOnDisk(dialog.selectedFiles().value(0));
    if (!chosen.isEmpty())
        rememberFolderOf(chosen);
    return chosen;
}

QString QtHost::startFolder() const
{
    // Where the last dialog of this run ended, else the user's documents,
    // never the folder the program was started in.
    if (!m_lastFolder.isEmpty() && QFileInfo(m_lastFolder).isDir())
        return m_lastFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

void QtHost::rememberFolderOf(const QString &fileName)
{
    m_lastFolder = QFileInfo(fileName).absolutePath();
}

void QtHost::beep()
{
    QApplication::beep();
}

QWidget *QtHost::existingWindow(WindowId window) const
{
    const auto found = m_windows.find(window);
    return found == m_windows.end() ? nullptr : found->second.data();
}

QWidget *QtHost::window(WindowId window)
{
    if (QWidget *existing = existingWindow(window))
        return existing;
    if (!m_core)
        return nullptr;
    for (const WindowRow &row : kWindows) {
        if (row.id == window) {
            QWidget *created = row.create(*m_core, m_mainWindow, *this);
            m_windows[window] = created;
            return created;
        }
    }
    return nullptr;
}

void QtHost::showWindow(WindowId id)
{
    QWidget *shown = window(id);
    if (!shown)
        return;
    // Shown again while open (or minimised): bring it back to the front.
    shown->setWindowState(shown->windowState() & ~Qt::WindowMinimized);
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void QtHost::showWindowModal(WindowId id)
{
    QWidget *shown = window(id);
    if (!shown)
        return;
    if (auto *dialog = qobject_cast<QDialog *>(shown)) {
        // exec() returns as soon as the dialog is hidden, by its buttons
        // through the core or by its frame.
        dialog->exec();
        return;
    }
    shown->show();
}

void QtHost::hideWindow(WindowId id)
{
    if (QWidget *existing = existingWindow(id))
        existing->hide();
}

void QtHost::discardWindows()
{
    // Deleted outright, not closed: a close would run the windows' own
    // close handlers, and the program is ending. A window owned by another
    // stands before its owner in the table.
    for (const WindowRow &row : kWindows) {
        if (QWidget *existing = existingWindow(row.id)) {
            existing->hide();
            delete existing;
        }
    }
}

} // namespace tuneks
