#pragma once

#include "document.h"
#include "fileaccess.h"
#include "formstate.h"
#include "host.h"

#include <QObject>

// The document core: loading, recognition and distribution, change tracking,
// write-back and saving, the field checks, the templates and the commands of
// the windows. It works on the form state and the document state only and
// reaches the desktop through the Host, so everything here runs without a
// widget.
//
// The procedures are split over several source files by job:
// loading.cpp, distribution.cpp, saving.cpp, checks.cpp, templates.cpp,
// commands.cpp and changerules.cpp.
class EditorCore : public QObject {
    Q_OBJECT
public:
    // Reads and writes files on disk.
    EditorCore(FormState &form, Host &host, QObject *parent = nullptr);
    // Reads and writes files through `files`, which must outlive the core.
    EditorCore(FormState &form, Host &host, FileAccess &files, QObject *parent = nullptr);

    FormState &form() { return m_form; }
    const DocumentState &doc() const { return m_doc; }

    // ---- Main window commands -------------------------------------------
    // Window load: the not-loaded message in Text3.
    void windowLoaded();
    // Page buttons Command1..Command6, Command8 and arrows Command10,
    // Command11, Command13, Command14.
    void pageCommand(int commandNumber);
    // The user typed into Text(i) or Text21(i). Text with a character that
    // Windows-1251 cannot hold, or with a line break, is refused with a beep
    // and false is returned.
    bool typeText(int slot, const QString &text);
    // The user picked an item of a list.
    void chooseComboItem(Slots::ComboId list, int position);
    // The user clicked a field label.
    void labelClicked();
    // Menu "open": leave question, open dialog, load, enable the save items.
    void openCommand();
    // A file dropped on the main window: as Open, with the dropped name in
    // place of the dialog's.
    void openDroppedFile(const QString &fileName);
    // Menu "save" and "saveas".
    void saveCommand();
    void saveAsCommand();
    // Menu "Proverka": a check-only run.
    void checkCommand();
    // Command7 / menu Exit2. True when the program should end now.
    bool exitCommand();
    // The main window's close box. True when the window may close and the
    // program end; false refuses the close.
    bool closeRequested();
    // Menu "New": leave question, then the template chooser (modal).
    void newCommand();

    // ---- Template chooser Form5 -------------------------------------------
    void chooserCreate();   // "&Создать"
    void chooserCancel();   // "&Отмена"
    void chooserNotes();    // "&!"

    // ---- Errors window Form2 ----------------------------------------------
    void errorsRecheck();      // "&Проверить ещё раз"
    void errorsSaveAnyway();   // "&Всё равно сохранить"
    void errorsClose();        // "Закрыть"
    void errorsNotes();        // "&!"
    void errorsClosedByFrame();// the window's close box

    // ---- Torque window Form3 and Form2_2 ------------------------------------
    void torqueWindowClose();   // "Закрыть" of Form3, also its close box
    void torqueErrorsClose();   // "Закрыть" or close box of Form2_2

    // ---- Procedures -----------------------------------------------------
    // zagr: loads the named file (the name the open dialog returned).
    void zagr(const QString &chosenName);
    // Otchistka: empties every field for a new, unnamed car.
    void Otchistka();
    // ShablonPorsche / ShablonLamborghini: put a built-in car into the buffer.
    void ShablonPorsche();
    void ShablonLamborghini();
    // ProverkaZnakov: the field check, then the save sequence when clean.
    void ProverkaZnakov();
    // ProverkaOborotov1: the torque check; hides the torque window.
    void ProverkaOborotov1();
    // Soxranenie1: write-back of the fields into the line buffer.
    void Soxranenie1();
    // The lines of the document as they would be written now.
    QVector<QByteArray> documentLines() const;
    // The bytes the file writer would write now: every line and CR LF.
    QByteArray documentBytes() const;

    // Fixed texts the windows use.
    static QString fileDialogFilter();
    static QString notLoadedText();

private:
    // loading.cpp
    // Reads the file's lines; `contents` receives its bytes.
    bool readLines(const QString &fileName, QVector<QByteArray> &lines, QByteArray &contents);
    // distribution.cpp
    // Proverka: recognises the head of `lines`; on success takes them over as
    // the document and distributes them, otherwise refuses with a message and
    // leaves the document as it was.
    bool Proverka(const QVector<QByteArray> &lines);
    void Raspredelenie1();
    // Rasborka: the section handler for line f (one table-driven handler
    // serves every section).
    void Rasborka(int section, int f);
    void Razblokirovka();
    void enableFieldsOfDocument();
    void loadTemplate(const QVector<QByteArray> &lines);
    // saving.cpp
    void Izm_();
    void Soxranenie3(int Soxr);
    void replaceValue(int slot, const QByteArray &value);
    bool Soxranenie4();
    bool Soxranenie5();
    bool saveSequence();
    // checks.cpp
    void ProverkaZnakov2(int sa);
    void ProverkaOborotov2(int Ind);
    bool checkOnlyRun() const;
    // externalchanges.cpp
    void rememberFileOnDisk(const QString &fileName, const QByteArray &contents);
    void forgetFileOnDisk();
    // False when `fileName` is the document's own file, another program has
    // changed it since, and the user chose not to replace it.
    bool changedOnDiskAllowsWrite(const QString &fileName);
    // commands.cpp
    void openChosenFile(const QString &fileName);
    MessageAnswer askLeaveQuestion(MessageButtons buttons);
    bool leaveQuestionAllowsReplacing();
    bool saveForLeaving();
    // changerules.cpp
    void onFormChanged(FormState::Item item, int index);
    void onTextChanged(int slot);

    FormState &m_form;
    Host &m_host;
    FileAccess &m_files;
    DocumentState m_doc;
    // Set by the file writer when a file was written; lets the leave
    // questions know whether their save went through.
    bool m_lastSaveWrote = false;
    // Set by the file writer when writing failed (not when it was skipped).
    bool m_writeFailed = false;
    // The name the caption was last built from, and that caption.
    QString m_captionName;
    QString m_captionBuilt;
};
