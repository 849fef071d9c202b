#include "commands/choosercommands.h"

namespace tuneks {

void ChooserCommands::create()
{
    m_core.newDocument(m_core.form().chooserOption() == FormState::PorscheChoice ? Template::Porsche
                                                                                 : Template::Lamborghini);
}

void ChooserCommands::cancel()
{
    m_core.host().hideWindow(WindowId::TemplateChooser);
}

void ChooserCommands::notes()
{
    const QString quote = QStringLiteral("\"");
    m_core.host().message(
        QStringLiteral("Структура этих файлов довольно сильно отличается. Взять к примеру кол-во строк "
                       "в этих файлах: в файле от 911 Порша их 165, а в файле Ламборджини - 253! Дело в "
                       "том, что в Ламборджини больше ")
            + quote + QStringLiteral("специфических") + quote + QStringLiteral(" настроек таких как: ")
            + quote + QStringLiteral("Масса КПП") + quote
            + QStringLiteral("! Программа НЕ поддерживает данные параметры, но всё же если Вы делаете "
                             "машину похожую на Ламборджини, то за базу, наверное, лучше брать Ламбо."),
        QStringLiteral("Примечания"), MessageIcon::Information, MessageButtons::Ok);
}

} // namespace tuneks
