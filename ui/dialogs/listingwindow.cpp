#include "listingwindow.h"

#include <QDialog>

void showListingWindow(QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("Form4"));
    dialog.exec();
}
