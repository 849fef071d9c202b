#include "uiface.h"

#include <QApplication>

#include <gtest/gtest.h>

using namespace tuneks;

// Widget tests need an application object; they run on the offscreen
// platform unless the caller chose another one.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // On the Windows platform, the font engine of the program.
    UiFace::chooseFontEngine();
    QApplication app(argc, argv);
    // The windows draw in the embedded face, as in the program.
    UiFace::applyToApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
