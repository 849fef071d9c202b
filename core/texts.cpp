#include "texts.h"

namespace tuneks::Texts {

QString editingCaption(const QString &name)
{
    return name.isEmpty() ? QStringLiteral("Редактируем - Безымянный автомобиль (Тюнекс)")
                          : QStringLiteral("Редактируем - ") + name + QStringLiteral(" (Тюнекс)");
}

QString programCaption() { return QStringLiteral("Тюнекс Редактор"); }

QString notLoadedText()
{
    return QStringLiteral("\r\n     Файл не загружен!\r\n\r\n"
                          "          Для начала работы загрузите или создайте новый файл.");
}

QString loadErrorCaption() { return QStringLiteral("Ошибка при загрузке файла."); }

QString saveCaption() { return QStringLiteral("Сохранение (Тюнекс)"); }

QString fileDialogFilter() { return QStringLiteral("Ини файлы, с физикой игры NFS6 (*.ini)|*ini"); }

QString firstPageTitle() { return QStringLiteral(" --==[ Общее ]==--"); }

} // namespace tuneks::Texts
