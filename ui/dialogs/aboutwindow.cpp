#include "aboutwindow.h"

#include <QDialog>

void showAboutWindow(QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("Form9"));
    dialog.exec();
}
