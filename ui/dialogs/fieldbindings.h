#pragma once

#include "formstate.h"

#include <QHash>
#include <QObject>

class QLineEdit;

namespace tuneks {

class EditorCore;

// Binds a window's line edits to their text slots. Each edit shows its slot's
// text and enabled state, at once and after every change of the form state,
// and hands what the user types to the core, which decides what the slot
// keeps. The caret stays where it was, as far as the kept text reaches; after
// a refused edit it stands where the refused input began.
class FieldBindings : public QObject {
    Q_OBJECT
public:
    FieldBindings(EditorCore &core, QObject *parent);

    void bind(int slot, QLineEdit *edit);

private:
    void onFormChanged(FormState::Item item, int slot);
    void onEdited(int slot, QLineEdit *edit);

    EditorCore &m_core;
    QHash<int, QLineEdit *> m_edits;
};

} // namespace tuneks
