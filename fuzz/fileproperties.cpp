#include "fileproperties.h"

#include "editorcore.h"
#include "commands/errorscommands.h"
#include "commands/mainwindowcommands.h"
#include "fakehost.h"
#include "fieldsnapshot.h"
#include "formstate.h"
#include "fieldtable.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>
#include <sstream>

using namespace tuneks;

namespace {

constexpr int kMaxLines = 1000;
constexpr int kMinLines = 100;
constexpr int kFieldLength = 100;

const char *const kHeaders[] = {"[basic]",      "[Display_Data]", "[engineblock]", "[transmission]",
                                "[rearend]",    "[tire_rear]",    "[tire_front]",  "[brake_rear]",
                                "[brake_front]", "[Skins]",       "[audio]",       "[render]"};

int sectionOfHeader(const QByteArray &line)
{
    if (!line.startsWith('['))
        return 0;
    for (int i = 0; i < 12; ++i)
        if (line == kHeaders[i])
            return i + 1;
    return 0;
}

bool sectionHasHandler(int section) { return section != 0 && section != 10 && section != 12; }

// Printable form of a line for failure reports: bytes outside ASCII as \xNN.
std::string shown(const QByteArray &line)
{
    std::string out = "\"";
    for (const char c : line.left(160)) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 32 && u < 127 && u != '\\' && u != '"') {
            out += c;
        } else {
            static const char hex[] = "0123456789abcdef";
            out += "\\x";
            out += hex[u >> 4];
            out += hex[u & 15];
        }
    }
    out += line.size() > 160 ? "\"..." : "\"";
    return out;
}

std::string firstDifference(const QVector<QByteArray> &actual, const QVector<QByteArray> &expected)
{
    std::ostringstream out;
    for (int i = 0; i < qMax(actual.size(), expected.size()); ++i) {
        if (i < actual.size() && i < expected.size() && actual[i] == expected[i])
            continue;
        out << "line " << i + 1 << " is " << (i < actual.size() ? shown(actual[i]) : "missing")
            << ", expected " << (i < expected.size() ? shown(expected[i]) : "none") << " ("
            << actual.size() << " lines, expected " << expected.size() << ")";
        return out.str();
    }
    return {};
}

QByteArray joinCrLf(const QVector<QByteArray> &lines)
{
    qsizetype size = 0;
    for (const QByteArray &line : lines)
        size += line.size() + 2;
    QByteArray out;
    out.reserve(size);
    for (const QByteArray &line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

// The checks' own access to the files, in memory or on disk; on disk it
// goes around the core's reader and writer.
bool writeBytes(MemoryFiles *memory, const QString &name, const QByteArray &bytes)
{
    if (memory) {
        QString unused;
        return memory->write(name, bytes, &unused);
    }
    QFile file(name);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(MemoryFiles *memory, const QString &name, bool *ok)
{
    if (memory) {
        QByteArray data;
        *ok = memory->read(name, data, nullptr) == ReadResult::Ok;
        return data;
    }
    QFile file(name);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? file.readAll() : QByteArray();
}

// The line (1-based) that each slot's key was last seen on, walking the
// sections the way a physics file is laid out.
QMap<int, int> slotLines(const QVector<QByteArray> &lines)
{
    // Slots by section and key, from the slot table's data.
    static const QHash<QPair<int, QByteArray>, QVector<int>> slotsByKey = [] {
        QHash<QPair<int, QByteArray>, QVector<int>> index;
        for (const Fields::FieldInfo &info : Fields::all())
            if (info.key)
                index[{int(info.section), QByteArray(info.key)}].append(info.slot);
        return index;
    }();
    QMap<int, int> result;
    int section = 0;
    for (int f = 0; f < lines.size(); ++f) {
        const int header = sectionOfHeader(lines[f]);
        if (header != 0) {
            section = header;
            continue;
        }
        const qsizetype equals = lines[f].indexOf('=');
        if (!sectionHasHandler(section) || equals < 0)
            continue;
        const auto found = slotsByKey.constFind({section, QByteArray::fromRawData(lines[f].constData(), equals)});
        if (found != slotsByKey.constEnd())
            for (const int slot : *found)
                result[slot] = f + 1;
    }
    return result;
}

// A plain whole number of at most four digits, or -1.
int plainNumber(const QByteArray &value)
{
    if (value.isEmpty() || value.size() > 4)
        return -1;
    for (const char c : value)
        if (c < '0' || c > '9')
            return -1;
    return value.toInt();
}

// The lines an unchanged save must write. Where the form shows a check box
// or list that the value decides plainly, the form is checked against the
// value too, so a wrong reading is reported rather than copied.
QVector<QByteArray> expectedSave(const QVector<QByteArray> &lines, int nameLine, const QMap<int, int> &owners,
                                 const FormState &form, std::string *error)
{
    QVector<QByteArray> out = lines;
    // The name line gets its "' "; the name itself stays whole, even past
    // the field's 100 characters, as long as nobody edits it.
    out[nameLine - 1] = "' " + lines[nameLine - 1].mid(2);
    for (auto it = owners.cbegin(); it != owners.cend(); ++it) {
        const Fields::FieldInfo *info = Fields::bySlot(it.key());
        const QByteArray &line = lines[it.value() - 1];
        const qsizetype equals = line.indexOf('=');
        // Looked at in place: the model runs several times for every input.
        const QByteArray key = QByteArray::fromRawData(line.constData(), equals);
        const QByteArray value = QByteArray::fromRawData(line.constData() + equals + 1, line.size() - equals - 1);
        QByteArray &target = out[it.value() - 1];
        // Built only for a finding: a stream costs an allocation or more.
        std::optional<std::ostringstream> found;
        const auto why = [&found]() -> std::ostringstream & { return found ? *found : found.emplace(); };
        switch (info->control) {
        case Fields::Control::CheckBox: {
            const int box = info->slot;
            const int digit = form.check(box);
            const int plain = plainNumber(value);
            if (box != 73 && digit != (value == "1" ? 1 : 0))
                why() << "box of " << info->key << " shows " << digit << " for " << shown(value);
            else if (box == 73 && (digit < 0 || digit > 2 || (plain >= 0 && plain <= 2 && digit != plain)))
                why() << "automatic box shows " << digit << " for " << shown(value);
            target = key + '=' + QByteArray::number(digit);
            break;
        }
        case Fields::Control::ComboBox: {
            const int list = info->slot;
            if (list == 71)
                break;
            const int position = form.combo(list);
            const int offset = info->listOffset;
            const int plain = plainNumber(value);
            if (plain >= 0) {
                const int want = plain - offset >= 0 && plain - offset < info->items.size()
                                     ? plain - offset
                                     : -1;
                if (position != want)
                    why() << info->key << " list at " << position << " for " << shown(value);
            }
            if (position != -1)
                target = line.left(equals + 1) + ' ' + QByteArray::number(position + offset);
            break;
        }
        case Fields::Control::MainText:
        case Fields::Control::TorqueText:
            // Not edited: the line stays as read, even where the field shows
            // only the first 100 characters, in a first or later document.
            break;
        }
        if (found && error->empty())
            *error = found->str() + " (line " + std::to_string(it.value()) + ")";
    }
    return out;
}

struct Session {
    explicit Session(MemoryFiles *memory)
        : memory(memory), core(form, host, memory ? static_cast<FileAccess &>(*memory) : diskFiles())
    {
    }

    MemoryFiles *memory;
    FormState form;
    FakeHost host;
    EditorCore core;
    MainWindowCommands mainWindow{core};
    ErrorsCommands errors{core};

    void open(const QString &name)
    {
        host.openNames.append(name);
        mainWindow.openCommand();
    }
    // Save As without edits; field errors are saved anyway, as the user can.
    void saveAs(const QString &name)
    {
        if (memory)
            memory->remove(name);
        else
            QFile::remove(name);
        host.saveNames.append(name);
        mainWindow.saveAsCommand();
        if (host.isVisible(WindowId::FieldErrors))
            errors.saveAnyway();
    }
};

std::string messageList(const FakeHost &host)
{
    std::string out;
    for (const FakeHost::Message &m : host.messages)
        out += " [" + m.text.toStdString() + "]";
    return out;
}

} // namespace

namespace ReferenceModel {

QVector<QByteArray> splitLines(const QByteArray &bytes)
{
    // Every CR ends a line and takes one LF right after it along.
    QVector<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype cr; (cr = bytes.indexOf('\r', start)) >= 0;) {
        lines.append(bytes.sliced(start, cr - start));
        start = cr + 1 + (cr + 1 < bytes.size() && bytes[cr + 1] == '\n');
    }
    if (start < bytes.size())
        lines.append(bytes.sliced(start));
    return lines;
}

int nameLine(const QVector<QByteArray> &lines)
{
    if (lines.size() < kMinLines || lines.size() > kMaxLines)
        return 0;
    if (lines[0].isEmpty() || lines[1].isEmpty() || lines[2].isEmpty())
        return 0;
    if (lines[0].startsWith('#'))
        return lines[2] == "[basic]" ? 2 : 0;
    return lines[1] == "[basic]" ? 1 : 0;
}

} // namespace ReferenceModel

NameKind MemoryFiles::kindOf(const QString &name, bool *hidden)
{
    if (hidden)
        *hidden = false;
    return m_files.contains(name) ? NameKind::File : NameKind::Missing;
}

FileIdentity MemoryFiles::identify(const QString &name)
{
    FileIdentity id;
    id.exists = m_files.contains(name);
    if (id.exists)
        id.canonicalPath = name;
    return id;
}

ReadResult MemoryFiles::read(const QString &name, QByteArray &data, QString *)
{
    const auto file = m_files.constFind(name);
    if (file == m_files.constEnd()) {
        data.clear();
        return ReadResult::NotAFile;
    }
    data = *file;
    return data.size() > kMaxPhysicsFileBytes ? ReadResult::TooLarge : ReadResult::Ok;
}

bool MemoryFiles::write(const QString &name, const QByteArray &contents, QString *)
{
    m_files.insert(name, contents);
    return true;
}

FileProperties::FileProperties(const QString &workDir, MemoryFiles *memory)
    // The names are written as the system's file dialogs give them, with the
    // platform's separators, so that they are the names the core keeps.
    : m_memory(memory),
      m_input(QDir::toNativeSeparators(QDir(workDir).filePath(QStringLiteral("input.ini")))),
      m_output(QDir::toNativeSeparators(QDir(workDir).filePath(QStringLiteral("saved.ini")))),
      m_resaved(QDir::toNativeSeparators(QDir(workDir).filePath(QStringLiteral("resaved.ini"))))
{
}

std::string FileProperties::check(const QByteArray &bytes)
{
    if (!writeBytes(m_memory, m_input, bytes))
        return "cannot write the input file " + m_input.toStdString();
    const QVector<QByteArray> lines = ReferenceModel::splitLines(bytes);
    const int name = ReferenceModel::nameLine(lines);
    const QMap<int, int> owners = name != 0 ? slotLines(lines) : QMap<int, int>();

    // Saves the open document without edits and compares the file written
    // with what the model expects; empty when they agree.
    auto saveUnchanged = [&](Session &s, const QString &target) -> std::string {
        s.host.messages.clear();
        s.saveAs(target);
        if (!s.host.messages.isEmpty())
            return "the save gave messages:" + messageList(s.host);
        std::string error;
        const QVector<QByteArray> expected = expectedSave(lines, name, owners, s.form, &error);
        if (!error.empty())
            return error;
        bool ok = false;
        const QByteArray written = readBytes(m_memory, target, &ok);
        if (!ok)
            return "the saved file cannot be read";
        if (written != joinCrLf(expected))
            return "saved file differs: " + firstDifference(ReferenceModel::splitLines(written), expected)
                   + (written.endsWith("\r\n") ? "" : "; no CR LF at the end");
        if (s.core.documentLines() != expected)
            return "buffer after the save differs: " + firstDifference(s.core.documentLines(), expected);
        if (s.core.doc().unsavedChanges || s.core.doc().saveTarget != target)
            return "flags or save target wrong after the save";
        return {};
    };

    // 1. The first document of a run.
    {
        Session s(m_memory);
        s.open(m_input);
        if (s.core.doc().lines.size() > kMaxLines)
            return "first document: more than 1000 lines stored";
        if (name == 0) {
            if (s.host.messages.size() != 1 || s.host.messages[0].icon != MessageIcon::Critical)
                return "first document: a refused file gave messages:" + messageList(s.host);
            if (s.core.doc().lines.size() != 0)
                return "first document: a refused file left a document";
        } else {
            if (!s.host.messages.isEmpty())
                return "first document: an accepted file gave messages:" + messageList(s.host);
            if (s.core.documentLines() != lines)
                return "first document: buffer differs from the file: "
                       + firstDifference(s.core.documentLines(), lines);
            if (const std::string e = saveUnchanged(s, m_output); !e.empty())
                return "first document: " + e;
            // What the editor wrote is a fixed point: open and save again.
            Session again(m_memory);
            again.open(m_output);
            if (!again.host.messages.isEmpty())
                return "resave: the saved file was not accepted:" + messageList(again.host);
            again.saveAs(m_resaved);
            bool ok1 = false, ok2 = false;
            const QByteArray first = readBytes(m_memory, m_output, &ok1);
            const QByteArray second = readBytes(m_memory, m_resaved, &ok2);
            if (!ok1 || !ok2 || first != second)
                return "resave: saving the saved file changed it: "
                       + firstDifference(ReferenceModel::splitLines(second), ReferenceModel::splitLines(first));
        }
    }

    // 2. After another document with an unsaved edit.
    {
        Session s(m_memory);
        s.core.loadTemplate(Template::Porsche);
        s.core.typeText(2, QStringLiteral("1500.5"));
        const FieldSnapshot before(s.core, s.form);
        s.host.answers.append(MessageAnswer::No); // drop the unsaved edit
        s.open(m_input);
        if (s.core.doc().lines.size() > kMaxLines)
            return "second document: more than 1000 lines stored";
        if (s.host.messages.isEmpty() || !s.host.messages[0].text.contains(QStringLiteral("Сохранить")))
            return "second document: no question about the unsaved edit";
        s.host.messages.removeFirst();
        if (name == 0) {
            if (s.host.messages.size() != 1 || s.host.messages[0].icon != MessageIcon::Critical)
                return "second document: a refused file gave messages:" + messageList(s.host);
            if (const std::string e = before.changedIn(FieldSnapshot(s.core, s.form)); !e.empty())
                return "second document: a refused file changed the open one: " + e;
        } else {
            if (!s.host.messages.isEmpty())
                return "second document: an accepted file gave messages:" + messageList(s.host);
            if (const std::string e = saveUnchanged(s, m_output); !e.empty())
                return "second document: " + e;
        }
    }

    // 3. One edit: the input's last line typed into a text field chosen by
    // the input's size. The save must replace that field's value and nothing
    // else, and the value must come back when the saved file is opened. A
    // text with a line feed (the last line holds any byte but CR) is refused.
    if (name != 0) {
        QVector<int> fields = Fields::mainTextSlots();
        for (int slot = Fields::kFirstTorqueSlot; slot <= Fields::kLastTorqueSlot; ++slot)
            fields.append(slot);
        const int slot = fields[int(bytes.size() % fields.size())];
        // Made once: opening a converter costs more than a whole edit check.
        // Windows-1251 keeps no state between calls.
        static QStringDecoder decoder("windows-1251");
        const QString typed = decoder.decode(lines.last());
        const QString kept = Fields::isTorqueSlot(slot) ? typed : typed.left(kFieldLength);

        Session s(m_memory);
        s.open(m_input);
        const QString before = s.form.text(slot);
        // A line break would split the key's line, and no other control
        // character belongs in a value either, so text that brings one in
        // (more of it than the field held) is refused with a beep and the
        // field keeps its value.
        const auto isControl = [](QChar c) { return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0); };
        bool refused = typed.contains(QLatin1Char('\n'));
        for (const QChar c : typed)
            refused = refused || (isControl(c) && typed.count(c) > before.count(c));
        const bool changes = !refused && before != kept;
        if (s.core.typeText(slot, typed) == refused)
            return "edit: the text of the last line was " + std::string(refused ? "taken" : "refused")
                   + " for field " + std::to_string(slot);
        if (refused && (s.form.text(slot) != before || s.host.beeps == 0))
            return "edit: refused text changed field " + std::to_string(slot) + " or gave no beep";
        if (!refused && s.form.text(slot) != kept)
            return "edit: field " + std::to_string(slot) + " does not show what was typed";
        std::string error;
        s.host.messages.clear();
        s.saveAs(m_output);
        if (!s.host.messages.isEmpty())
            return "edit: the save gave messages:" + messageList(s.host);
        QVector<QByteArray> expected = expectedSave(lines, name, owners, s.form, &error);
        const int line = slot == Fields::kNameSlot ? name : owners.value(slot);
        static QStringEncoder encoder("windows-1251");
        const QByteArray keptBytes = encoder.encode(kept);
        if (line != 0 && slot == Fields::kNameSlot && !refused)
            expected[line - 1] = "' " + keptBytes;
        else if (line != 0 && changes)
            expected[line - 1] = lines[line - 1].left(lines[line - 1].indexOf('=') + 1) + keptBytes;
        bool ok = false;
        const QByteArray written = readBytes(m_memory, m_output, &ok);
        if (!error.empty() || !ok || written != joinCrLf(expected))
            return "edit of field " + std::to_string(slot) + ": saved file differs: " + error
                   + firstDifference(ReferenceModel::splitLines(written), expected);
        Session again(m_memory);
        again.open(m_output);
        if (line != 0 && !refused && again.form.text(slot) != kept)
            return "edit of field " + std::to_string(slot) + ": the saved value does not come back";
    }

    return {};
}
