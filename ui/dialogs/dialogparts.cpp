#include "dialogparts.h"

#include <QPushButton>

QFont dialogFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8.25);
    return font;
}

QPushButton *makeDialogButton(QWidget *parent, const char *name, const QString &caption, QRect where)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(where);
    button->setAutoDefault(false);
    return button;
}
