#include "choosercommands.h"

namespace tuneks {

void ChooserCommands::create()
{
    FormState &form = m_core.form();
    if (form.chooserOption() == FormState::PorscheChoice)
        m_core.ShablonPorsche();
    else
        m_core.ShablonLamborghini();
    m_core.Razblokirovka();
    form.setFrameVisible(9, false);
    m_core.enableDocumentMenus();
    m_core.host().hideWindow(WindowId::Form5);
    // The new car is unnamed and empty: every field is written on its first
    // save.
    m_core.Otchistka();
    m_core.markEverythingEdited();
}

void ChooserCommands::cancel()
{
    m_core.host().hideWindow(WindowId::Form5);
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
