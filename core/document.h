#pragma once

#include "fileaccess.h"
#include "saveoutcome.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <array>
#include <cstdint>

namespace tuneks {

// The state of the one open document. There is at most one document at a
// time; loading a file or creating one from a template refills this state.
struct DocumentState {
    static constexpr int kMaxLines = 1000;
    static constexpr int kSlotArraySize = 1001;

    DocumentState() : a(1) {}

    // a: the line buffer, raw bytes exactly as read; line n is a[n] for
    // n = 1..e; a[0] is never part of a document. It holds at least e + 1
    // elements, at most kMaxLines + 1.
    QVector<QByteArray> a;
    // lineBytes: the bytes of the file read, which the lines of a that were
    // never changed point into; empty for a document made from a template.
    QByteArray lineBytes;
    // e: number of lines of the document, 0..1000.
    int e = 0;
    // keyLine: line number of each slot's key line; 0 means no line.
    std::array<int16_t, kSlotArraySize> keyLine{};
    // edited: the slot was edited since the document was loaded.
    std::array<bool, kSlotArraySize> edited{};
    // b: a document has been loaded or created in this run; until then edits
    // are not marked in edited.
    bool b = false;
    // unsavedChanges: there are unsaved changes.
    bool unsavedChanges = false;
    // NePervoeSoxranenie: the document has a save target (was written once).
    bool NePervoeSoxranenie = false;
    // FNameSaveOld: the save target, the name last chosen in Save As.
    QString FNameSaveOld;
    // errorsWindowOpen: the errors window is shown.
    bool errorsWindowOpen = false;
    // The kind of save that the errors window's buttons go on with: the
    // request of the check that filled it.
    SaveKind errorsRun = SaveKind::Save;

    // The file the document was last read from or written to: the name it
    // was reached by, the file that name led to and its bytes at that
    // moment; empty for a document made from a template. A save compares
    // them with the file as it is now so that another program's changes,
    // or another file put in its place, are not overwritten unasked.
    QString fileOnDiskName;
    FileIdentity fileOnDisk;
    QByteArray fileOnDiskContents;
};

} // namespace tuneks
