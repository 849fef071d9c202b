#pragma once

#include "fieldtable.h"
#include "files/fileaccess.h"
#include "saveoutcome.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <array>
#include <cstdint>
#include <optional>

namespace tuneks {

// The state of the one open document. There is at most one document at a
// time; loading a file or creating one from a template refills this state.
struct DocumentState {
    static constexpr int kMaxLines = 1000;
    // The key line of a field whose key the document does not hold.
    static constexpr int16_t kNoLine = -1;

    DocumentState() { keyLine.fill(kNoLine); }

    // The document's lines, raw bytes exactly as read, at most kMaxLines.
    QVector<QByteArray> lines;
    // The bytes of the file read, which the lines that were never changed
    // point into; empty for a document made from a template.
    QByteArray lineBytes;
    // The index in `lines` of each field's key line, by slot; kNoLine when
    // the document does not hold the field's key.
    std::array<int16_t, Fields::kSlotLimit> keyLine;
    // The field was edited since the document was loaded, by slot.
    std::array<bool, Fields::kSlotLimit> edited{};
    // A document has been loaded or created in this run; until then edits
    // are not marked as edited.
    bool hasDocument = false;
    // There are changes that no save has written yet.
    bool unsavedChanges = false;
    // The file a plain Save writes to: the name the document was last
    // written under. None until the document is first written.
    std::optional<QString> saveTarget;
    // The errors window of the field check is shown.
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
