#pragma once

#include "document.h"
#include "files/fileaccess.h"
#include "formstate.h"
#include "host.h"
#include "saveoutcome.h"
#include "templates.h"

#include <optional>

namespace tuneks {

// The document operations: loading, recognition and distribution, the change
// rules, write-back and saving, the field checks and the templates. They work
// on the form state and the document state only and reach the desktop through
// the Host, so everything here runs without a widget. The commands of each
// window (see commands/) are built on these operations.
//
// Each operation lives in the source file named after its job, as the
// sections below say; editorcore.cpp holds only the construction.
class EditorCore {
public:
    // Reads and writes files on disk.
    EditorCore(FormState &form, Host &host);
    // Reads and writes files through `files`, which must outlive the core.
    EditorCore(FormState &form, Host &host, FileAccess &files);

    FormState &form() { return m_form; }
    const FormState &form() const { return m_form; }
    Host &host() { return m_host; }
    // The document state, read-only: for tests and measurements. The
    // commands ask the questions below instead.
    const DocumentState &doc() const { return m_doc; }

    // ---- Questions about the document --------------------------------------
    // The user changed something that no save has written yet.
    bool hasUnsavedChanges() const { return m_doc.unsavedChanges; }
    // The document has been written to a file, which a plain Save rewrites.
    bool hasSaveTarget() const { return m_doc.saveTarget.has_value(); }
    // The save that the errors window's buttons go on with.
    SaveKind errorsWindowSaveKind() const { return m_doc.errorsRun; }

    // ---- Edits (changerules.cpp) -----------------------------------------
    // The user typed into Text(i) or Text21(i). Text with a character that
    // Windows-1251 cannot hold, or with a line break or another new control
    // character, is refused with a beep and false is returned.
    bool typeText(int slot, const QString &text);
    // The user picked an item of the list of `slot`.
    void chooseComboItem(int slot, int position);
    // The user clicked the check box of `slot`: a clear or greyed box is
    // ticked, a ticked one cleared.
    void clickCheckBox(int slot);
    // The user clicked a field label.
    void labelClicked();

    // ---- New documents (newdocument.cpp) ------------------------------------
    // The template chooser's "&Создать": a new, unnamed and empty car made
    // from `which`, every field marked as edited so that its first save
    // writes them all; the chooser is hidden.
    void newDocument(Template which);
    // Puts a built-in car into the line buffer as it is, with its values.
    void loadTemplate(Template which);
    // Empties every field for a new, unnamed car.
    void clearFieldsForNewCar();
    // Every field counts as edited, so the next save writes them all.
    void markEverythingEdited();

    // ---- Loading (loading.cpp, distribution.cpp) ---------------------------
    // Loads the named file (the name the open dialog returned).
    void openFile(const QString &chosenName);
    // Enables the page buttons and shows the first page, once a document
    // is there.
    void unlockPages();
    // The menu items that work on a document: Save, Save As and Check.
    void enableDocumentMenus();

    // ---- Checks and saving (checks.cpp, saving.cpp) ------------------------
    // The field check, then the save of `kind` when clean.
    SaveOutcome checkFieldsThenSave(SaveKind kind);
    // The save of `kind` without a check ("save anyway").
    SaveOutcome saveWithoutCheck(SaveKind kind);
    // The torque check; hides the torque window.
    void checkTorque();
    // The errors window was closed: the next check starts afresh.
    void errorsWindowClosed();
    // The write-back: the document's lines with the fields'
    // values in their key lines. The line buffer is not touched. Unchanged
    // lines point into the document's bytes: for use before the next
    // document replaces them.
    QVector<QByteArray> linesToWrite() const;
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
    // Marks `slot` as edited once a document is there.
    void markEdited(int slot);
    // loading.cpp
    // The file's lines, or nothing after telling the user why not.
    std::optional<QVector<QByteArray>> readLines(const QString &fileName, QByteArray &contents);
    // distribution.cpp
    // Recognises the head of `lines`; on success takes them over as
    // the document and distributes them, otherwise refuses with a message and
    // leaves the document as it was.
    // `lineBytes`: the bytes that the lines point into, if they do.
    bool takeOverIfPhysicsFile(QVector<QByteArray> lines, const QByteArray &lineBytes = QByteArray());
    // Walks the document's lines and fills every field whose key they hold.
    void distributeValues();
    // Takes the value of line `lineNumber` into its field, when the line's
    // key is a field's key in `section`.
    void readKeyLine(Fields::Section section, int lineNumber);
    void enableFieldsOfDocument();
    // newdocument.cpp
    void takeOverTemplate(const QVector<QByteArray> &lines);
    // checks.cpp
    // The error text of one field (in the field check and the torque check
    // alike), or nothing when its text passes.
    static std::optional<QString> fieldError(const QString &text, int slot);
    // The error texts of every field that `check` examines, in slot order.
    QStringList errorsOf(Fields::Check check) const;
    void setErrorsRun(SaveKind kind);
    // saving.cpp
    SaveOutcome writeDocument(const QString &fileName, const QVector<QByteArray> &lines);
    SaveOutcome writeToChosenName(const QVector<QByteArray> &lines);
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
