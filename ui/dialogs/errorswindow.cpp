#include "errorswindow.h"

#include "dialogparts.h"

#include <QPushButton>

namespace tuneks {

ErrorsWindow::ErrorsWindow(EditorCore &core, QWidget *parent)
    : ErrorListWindow("Form2", 6735,
                      Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                          | Qt::WindowCloseButtonHint,
                      [this] { m_commands.close(); }, parent),
      m_core(core),
      m_commands(core)
{
    setModal(false);
    // Created in tab order.
    m_recheck = makeDialogButton(this, "Command1", QStringLiteral("&Проверить ещё раз"),
                                 twips(720, 3360, 1935, 375));
    m_saveAnyway = makeDialogButton(this, "Command2", QStringLiteral("&Всё равно сохранить"),
                                    twips(2760, 3360, 1935, 375));
    m_saveAnyway->setDefault(true);
    auto *close = makeDialogButton(this, "Command3", QStringLiteral("Закрыть"), twips(4920, 3360, 1575, 375));
    auto *notes = makeDialogButton(this, "Command4", QStringLiteral("&!"), twips(240, 3360, 375, 375));
    followInTabOrder(notes);

    connect(m_recheck, &QPushButton::clicked, this, [this] { m_commands.recheck(); });
    connect(m_saveAnyway, &QPushButton::clicked, this, [this] { m_commands.saveAnyway(); });
    connect(close, &QPushButton::clicked, this, [this] { m_commands.close(); });
    connect(notes, &QPushButton::clicked, this, [this] { m_commands.notes(); });

    connect(&m_core.form(), &FormState::changed, this, [this](FormState::Item item, int) {
        if (item == FormState::Item::ErrorsList)
            showErrors(m_core.form().errorsList());
        else if (item == FormState::Item::ErrorsButtons)
            syncButtons();
    });
    showErrors(m_core.form().errorsList());
    syncButtons();
}

void ErrorsWindow::syncButtons()
{
    const bool enabled = m_core.form().errorsButtonsEnabled();
    m_recheck->setEnabled(enabled);
    m_saveAnyway->setEnabled(enabled);
}

} // namespace tuneks
