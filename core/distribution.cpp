// Recognising a physics file from its head and distributing its values into
// the fields.
#include "codepage.h"
#include "editorcore.h"
#include "fieldvalues.h"
#include "texts.h"

namespace tuneks {

namespace {

constexpr int kMinLines = 100;

// The index of the name line when the head of `lines` is a physics file's:
// at least 100 lines, the first three not empty, and "[basic]" right after
// the name line, which may follow a "#" comment. Nothing otherwise.
std::optional<int> nameLineOf(const QVector<QByteArray> &lines)
{
    if (lines.size() < kMinLines || lines[0].isEmpty() || lines[1].isEmpty() || lines[2].isEmpty())
        return std::nullopt;
    if (lines[0].startsWith('#'))
        return lines[2] == "[basic]" ? std::optional<int>(1) : std::nullopt;
    return lines[1] == "[basic]" ? std::optional<int>(0) : std::nullopt;
}

} // namespace

bool EditorCore::takeOverIfPhysicsFile(QVector<QByteArray> lines, const QByteArray &lineBytes)
{
    const std::optional<int> nameLine = nameLineOf(lines);
    if (!nameLine) {
        m_host.message(QStringLiteral("Этот файл не является файлом физики от игры Need For Speed 6"),
                       Texts::loadErrorCaption(), MessageIcon::Critical, MessageButtons::Ok);
        return false;
    }

    // Take the file over. Every line number is cleared first, so a slot whose
    // key this file lacks can never point at a line of an earlier file.
    // The lines move over as they are: copying a thousand of them costs a
    // reference count each, and freeing the copies as much again.
    m_doc.lines = std::move(lines);
    m_doc.lineBytes = lineBytes;
    m_doc.keyLine.fill(DocumentState::kNoLine);
    m_doc.edited.fill(false);
    m_doc.saveTarget.reset();
    // A list written on every save is enabled only by a value in the file.
    for (int slot : Fields::listSlots()) {
        if (Fields::bySlot(slot)->conversion != Fields::Conversion::SpacedListNumber)
            continue;
        m_form.setCombo(slot, -1);
        m_form.setComboEnabled(slot, false);
    }

    m_doc.keyLine[Fields::kNameSlot] = int16_t(*nameLine);
    putText(Fields::kNameSlot, Codepage::decode(m_doc.lines[*nameLine].mid(2)));
    m_form.setCaption(Texts::editingCaption(m_form.text(Fields::kNameSlot)));
    distributeValues();
    // Filling the fields raised their change rules, which mark the slots of a
    // second or later document as edited. Nothing was edited: a value cut to
    // the field's 100 characters must not be written back shorter than read.
    m_doc.edited.fill(false);
    enableFieldsOfDocument();
    return true;
}

void EditorCore::distributeValues()
{
    Fields::Section section = Fields::Section::None;
    for (int index = 0; index < int(m_doc.lines.size()); ++index) {
        const Fields::Section header = Fields::sectionOfHeader(m_doc.lines[index]);
        if (header != Fields::Section::None)
            section = header;
        else
            readKeyLine(section, index);
    }
    m_doc.unsavedChanges = false;
}

void EditorCore::readKeyLine(Fields::Section section, int lineIndex)
{
    const QByteArray &line = m_doc.lines[lineIndex];
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return;
    // Key and value are looked at in place: most lines have no slot, and
    // copying each key would cost an allocation per line.
    const Fields::FieldInfo *info = Fields::find(section, QByteArray::fromRawData(line.constData(), equals));
    if (!info)
        return;
    const QByteArray value = QByteArray::fromRawData(line.constData() + equals + 1, line.size() - equals - 1);
    switch (info->conversion) {
    case Fields::Conversion::NameLine:
        break;
    case Fields::Conversion::Text:
        putText(info->slot, Codepage::decode(value));
        break;
    case Fields::Conversion::Flag:
    case Fields::Conversion::WholeNumberFlag:
        m_form.setCheck(info->slot, checkValueOf(info->conversion, value));
        break;
    case Fields::Conversion::SpacedListNumber:
        m_form.setComboEnabled(info->slot, true);
        [[fallthrough]];
    case Fields::Conversion::ListNumber:
        m_form.setCombo(info->slot, listPositionOf(*info, value));
        break;
    }
    m_doc.keyLine[size_t(info->slot)] = int16_t(lineIndex);
}

// A field whose key the document lacks could never be saved, so it is
// disabled; every other field is enabled. The lists written on every save
// follow their own rule in the distribution.
void EditorCore::enableFieldsOfDocument()
{
    for (const Fields::FieldInfo &info : Fields::all()) {
        const bool present = m_doc.keyLine[size_t(info.slot)] != DocumentState::kNoLine;
        switch (info.control) {
        case Fields::Control::MainText:
        case Fields::Control::TorqueText:
            m_form.setTextEnabled(info.slot, present);
            break;
        case Fields::Control::CheckBox:
            m_form.setCheckEnabled(info.slot, present);
            break;
        case Fields::Control::ComboBox:
            if (info.conversion == Fields::Conversion::ListNumber)
                m_form.setComboEnabled(info.slot, present);
            break;
        }
    }
}

void EditorCore::unlockPages()
{
    m_form.setPageButtonsEnabled(true);
    m_form.setFrameVisible(int(Page::General), true);
    m_form.setPageTitle(Texts::firstPageTitle());
    m_form.setFrameVisible(int(Page::Brakes), false);
}

void EditorCore::enableDocumentMenus()
{
    m_form.setMenuSaveEnabled(true);
    m_form.setMenuSaveAsEnabled(true);
    m_form.setMenuCheckEnabled(true);
}

} // namespace tuneks
