#pragma once

namespace tuneks {

// What a save request asks for.
enum class SaveKind {
    Save,      // write to the save target; without one, ask for a name as Save As does
    SaveAs,    // ask for a name, then write there
    CheckOnly, // check the fields and report; never write
};

// How a save request ended.
enum class SaveOutcome {
    Written,          // the file holds the document now
    NotWritten,       // nothing was written: a check-only run, or the user declined
    WriteFailed,      // writing failed and the user was told why
    ErrorsListed,     // the field check found errors and shows them
    ErrorsWindowOpen, // refused: the errors window of an earlier check is still open
};

} // namespace tuneks
