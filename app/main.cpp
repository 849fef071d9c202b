// Starts the editor: the application with Russian standard texts, the
// document core, the desktop host and the main window.

#include "editorcore.h"
#include "formstate.h"
#include "mainwindow.h"
#include "pictures.h"
#include "qthost.h"
#include "runsettings.h"
#include "texts.h"
#include "uiface.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    using namespace tuneks;

    UiFace::chooseFontEngine();
    QApplication app(argc, argv);
    // Qt's file dialogs keep their state for this run only.
    const RunSettings runSettings;
    QApplication::setApplicationName(Texts::programCaption());
    QApplication::setApplicationVersion(QStringLiteral(TUNEKS_VERSION));
    // Ties the windows to the installed launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TUNEKS_APP_ID));
    // Under X11 every size of the window icon is converted for the window
    // manager as a window is made, a tenth of the start-up: there the icon
    // is handed over once the main window is on screen, elsewhere at once.
    const bool iconAfterFirstFrame = QGuiApplication::platformName() == QLatin1String("xcb");
    if (!iconAfterFirstFrame)
        QApplication::setWindowIcon(editorIcon());
    UiFace::applyToApplication();

    // The buttons of message boxes and file dialogs speak Russian like the
    // rest of the program. A packaged program keeps Qt's translations in
    // "translations" beside the executable; an installed Qt in its own folder.
    QTranslator qtTexts;
    const QString translationFolders[] = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
    };
    for (const QString &folder : translationFolders) {
        if (qtTexts.load(QStringLiteral("qtbase_ru"), folder)) {
            QApplication::installTranslator(&qtTexts);
            break;
        }
    }

    QtHost host;
    FormState form;
    EditorCore core(form, host);
    MainWindow window(core, host);
    window.show();
    if (iconAfterFirstFrame)
        giveWindowIconAfterFirstFrame(window);
    return app.exec();
}
