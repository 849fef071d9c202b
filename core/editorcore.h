#pragma once

#include "document.h"
#include "fileaccess.h"
#include "formstate.h"
#include "host.h"
#include "saveoutcome.h"

#include <optional>

namespace tuneks {

// The document operations: loading, recognition and distribution, the change
// rules, write-back and saving, the field checks and the templates. They work
// on the form state and the document state only and reach the desktop through
// the Host, so everything here runs without a widget. The commands of each
// window (see commands/) are built on these operations.
//
// The operations are split over several source files by job: loading.cpp,
// distribution.cpp, changerules.cpp, saving.cpp, checks.cpp and
// externalchanges.cpp.
class EditorCore {
public:
    // Reads and writes files on disk.
    EditorCore(FormState &form, Host &host);
    // Reads and writes files through `files`, which must outlive the core.
    EditorCore(FormState &form, Host &host, FileAccess &files);

    FormState &form() { return m_form; }
    const FormState &form() const { return m_form; }
    Host &host() { return m_host; }
    const DocumentState &doc() const { return m_doc; }

    // ---- Edits (changerules.cpp) -----------------------------------------
    // The user typed into Text(i) or Text21(i). Text with a character that
    // Windows-1251 cannot hold, or with a line break or another new control
    // character, is refused with a beep and false is returned.
    bool typeText(int slot, const QString &text);
    // The user picked an item of a list.
    void chooseComboItem(Slots::ComboId list, int position);
    // The user clicked a check box: a clear or greyed box is ticked, a
    // ticked one cleared.
    void clickCheckBox(Slots::CheckBoxId box);
    // The user clicked a field label.
    void labelClicked();
    // A new document: every field counts as edited, so its first save
    // writes them all.
    void markEverythingEdited();

    // ---- Loading and new documents (loading.cpp, distribution.cpp) --------
    // zagr: loads the named file (the name the open dialog returned).
    void zagr(const QString &chosenName);
    // Otchistka: empties every field for a new, unnamed car.
    void Otchistka();
    // ShablonPorsche / ShablonLamborghini: put a built-in car into the buffer.
    void ShablonPorsche();
    void ShablonLamborghini();
    // Razblokirovka: the page buttons and the first page, once a document
    // is there.
    void Razblokirovka();
    // The menu items that work on a document: save, saveas and Proverka.
    void enableDocumentMenus();

    // ---- Checks and saving (checks.cpp, saving.cpp) ------------------------
    // ProverkaZnakov: the field check, then the save of `kind` when clean.
    SaveOutcome ProverkaZnakov(SaveKind kind);
    // The save of `kind` without a check ("save anyway").
    SaveOutcome saveSequence(SaveKind kind);
    // ProverkaOborotov1: the torque check; hides the torque window.
    void ProverkaOborotov1();
    // The errors window was closed: the next check starts afresh.
    void errorsWindowClosed();
    // Soxranenie1: the write-back: the document's lines with the fields'
    // values in their key lines. The line buffer is not touched. Unchanged
    // lines point into the document's bytes: for use before the next
    // document replaces them.
    QVector<QByteArray> Soxranenie1() const;
    // The lines of the document as read or as last written, with bytes of
    // their own, so that they outlive the document.
    QVector<QByteArray> documentLines() const;
    // Every line of `lines` with CR LF after it, as a file holds them.
    static QByteArray fileBytes(const QVector<QByteArray> &lines);

private:
    // changerules.cpp
    // Puts `text` into Text(slot) and applies the change rules: the
    // 100-character cut (with a beep), the caption, the unsaved-changes mark
    // and the edited flag. Typing and loading alike go through here.
    void putText(int slot, const QString &text);
    // Izm_: marks `slot` as edited once a document is there.
    void Izm_(int slot);
    // loading.cpp
    // The file's lines, or nothing after telling the user why not.
    std::optional<QVector<QByteArray>> readLines(const QString &fileName, QByteArray &contents);
    // distribution.cpp
    // Proverka: recognises the head of `lines`; on success takes them over as
    // the document and distributes them, otherwise refuses with a message and
    // leaves the document as it was.
    // `lineBytes`: the bytes that the lines point into, if they do.
    bool Proverka(QVector<QByteArray> lines, const QByteArray &lineBytes = QByteArray());
    void Raspredelenie1();
    // Rasborka: takes the value of line f into its field, when the line's
    // key is a field's key in `section`.
    void Rasborka(Slots::Section section, int f);
    void enableFieldsOfDocument();
    void loadTemplate(const QVector<QByteArray> &lines);
    // checks.cpp
    // ProverkaZnakov2 / ProverkaOborotov2: the error text of one field, or
    // nothing when its text passes.
    static std::optional<QString> ProverkaZnakov2(const QString &text, int slot);
    // The error texts of every field that `check` examines, in slot order.
    QStringList errorsOf(Slots::Check check) const;
    void setErrorsRun(SaveKind kind);
    // saving.cpp
    SaveOutcome Soxranenie4(const QString &fileName, const QVector<QByteArray> &lines);
    SaveOutcome Soxranenie5(const QVector<QByteArray> &lines);
    // externalchanges.cpp
    void rememberFileOnDisk(const QString &fileName, const QByteArray &contents);
    void forgetFileOnDisk();
    // False when `fileName` is the document's own file, another program has
    // changed it since, and the user chose not to replace it.
    bool changedOnDiskAllowsWrite(const QString &fileName);

    FormState &m_form;
    Host &m_host;
    FileAccess &m_files;
    DocumentState m_doc;
};

} // namespace tuneks
