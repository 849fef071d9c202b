#include "torqueerrorswindow.h"

#include "dialogparts.h"

#include <QPushButton>

namespace tuneks {

TorqueErrorsWindow::TorqueErrorsWindow(EditorCore &core, QWidget *parent)
    : ErrorListWindow("Form2_2", 6615,
                      Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint,
                      [this] { m_commands.closeErrors(); }, parent),
      m_core(core),
      m_commands(core)
{
    setModal(true);
    auto *close = makeDialogButton(this, "Command3", QStringLiteral("Закрыть"), twips(240, 3360, 6135, 375));
    close->setDefault(true);
    followInTabOrder(close);
    connect(close, &QPushButton::clicked, this, [this] { m_commands.closeErrors(); });
    connect(&m_core.form(), &FormState::changed, this, [this](FormState::Item item, int) {
        if (item == FormState::Item::TorqueErrorsList)
            showErrors(m_core.form().torqueErrorsList());
    });
    showErrors(m_core.form().torqueErrorsList());
}

} // namespace tuneks
