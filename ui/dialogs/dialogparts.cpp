#include "dialogparts.h"

#include "uiface.h"

#include <QPushButton>

QFont dialogFont()
{
    return UiFace::font(8.25);
}

QPushButton *makeDialogButton(QWidget *parent, const char *name, const QString &caption, QRect where)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(where);
    button->setAutoDefault(false);
    return button;
}
