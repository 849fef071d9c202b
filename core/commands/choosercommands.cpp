#include "choosercommands.h"

namespace tuneks {

void ChooserCommands::create()
{
    FormState &form = m_core.form();
    if (form.chooserOption() == FormState::PorscheChoice)
        m_core.loadTemplate(Template::Porsche);
    else
        m_core.loadTemplate(Template::Lamborghini);
    m_core.unlockPages();
    form.setFrameVisible(int(Page::RearWheels), false);
    m_core.enableDocumentMenus();
    m_core.host().hideWindow(WindowId::TemplateChooser);
    // The new car is unnamed and empty: every field is written on its first
    // save.
    m_core.clearFieldsForNewCar();
    m_core.markEverythingEdited();
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
