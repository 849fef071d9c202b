// Starts the editor: the application with Russian standard texts, the
// document core, the desktop host and the main window.

#include "codepage.h"
#include "editorcore.h"
#include "formstate.h"
#include "mainwindow.h"
#include "qthost.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Тюнекс Редактор"));
    QApplication::setApplicationVersion(QStringLiteral(TUNEKS_VERSION));
    // Ties the windows to the installed launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TUNEKS_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/icon.png")));

    // The buttons of message boxes and file dialogs speak Russian like the
    // rest of the program.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ru"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    // Without the file's code page every Russian text of a file would be read
    // and written wrongly; better not to start than to damage files.
    if (!Codepage::available()) {
        QMessageBox::critical(
            nullptr, QStringLiteral("Тюнекс Редактор"),
            QStringLiteral("В этой системе нет кодировки Windows-1251, в которой записаны файлы "
                           "физики NFS6.\nБез неё файлы нельзя ни прочитать, ни сохранить без "
                           "искажений, поэтому редактор не запускается."));
        return 1;
    }

    QtHost host;
    FormState form;
    EditorCore core(form, host);
    MainWindow window(core, host);
    window.show();
    return app.exec();
}
