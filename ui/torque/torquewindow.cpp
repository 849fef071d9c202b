#include "torquewindow.h"

#include "editorcore.h"

TorqueWindow::TorqueWindow(EditorCore &core, QWidget *parent)
    : QWidget(parent), m_core(core)
{
    setObjectName(QStringLiteral("Form3"));
}
