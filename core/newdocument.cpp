// A new document: one of the built-in cars, emptied and unnamed, with every
// field marked as edited so that its first save writes them all.
#include "editorcore.h"
#include "texts.h"

namespace tuneks {

void EditorCore::newDocument(Template which)
{
    loadTemplate(which);
    m_form.setFrameVisible(int(Page::RearWheels), false);
    enableDocumentMenus();
    m_host.hideWindow(WindowId::TemplateChooser);
    clearFieldsForNewCar();
    markEverythingEdited();
}

void EditorCore::takeOverTemplate(const QVector<QByteArray> &lines)
{
    // A new document has no file yet.
    if (takeOverIfPhysicsFile(lines))
        forgetFileOnDisk();
    unlockPages();
    m_doc.hasDocument = true;
}

void EditorCore::loadTemplate(Template which) { takeOverTemplate(Templates::linesOf(which)); }

void EditorCore::clearFieldsForNewCar()
{
    for (int slot : Fields::slotsClearedByNew()) {
        const Fields::FieldInfo &info = *Fields::bySlot(slot);
        switch (info.control) {
        case Fields::Control::MainText:
        case Fields::Control::TorqueText:
            putText(slot, QString());
            break;
        case Fields::Control::CheckBox:
            m_form.setCheck(slot, 0);
            break;
        case Fields::Control::ComboBox:
            m_form.setCombo(slot, -1);
            break;
        }
    }
    // The caption names the unnamed car even when the name was empty before.
    m_form.setCaption(Texts::editingCaption(QString()));
    // Emptying the fields raised their change rules; clearing leaves no
    // unsaved-changes mark of its own.
    m_doc.unsavedChanges = false;
}

void EditorCore::markEverythingEdited()
{
    m_doc.edited.fill(true);
}

} // namespace tuneks
