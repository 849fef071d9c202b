#pragma once

#include <QString>

namespace tuneks {

// What the document core asks of the desktop. The Qt build answers with
// message boxes, file dialogs and the application's windows; tests answer
// with a scripted fake. Every call is synchronous: a modal question is a
// plain function call that returns the button pressed.

enum class MessageIcon { Critical, Exclamation, Information };
enum class MessageButtons {
    Ok,
    // Esc and the frame's close button answer No: for questions where No is
    // the answer that changes nothing ("replace the file?").
    YesNo,
    // No escape at all: Esc does nothing and the frame's close button is
    // disabled, so only Yes or No answers. For questions where No loses work.
    YesNoMustAnswer,
    // Esc and the frame's close button answer Cancel.
    YesNoCancel,
};
// Cancel is what a box returns when it was closed without any of its answers.
enum class MessageAnswer { Ok, Yes, No, Cancel };

// The secondary windows the core shows and hides.
enum class WindowId {
    FieldErrors,     // errors window of the field check (modeless)
    TorqueErrors,    // errors window of the torque check (modal)
    Torque,          // torque curve window (modeless)
    TemplateChooser, // template chooser (modal)
};

class Host {
public:
    virtual ~Host() = default;

    virtual MessageAnswer message(const QString &text, const QString &caption,
                                  MessageIcon icon, MessageButtons buttons) = 0;

    // The open and save dialogs with the physics-file filter. They return the
    // full name of the chosen file, or an empty string when cancelled.
    virtual QString askOpenFileName() = 0;
    virtual QString askSaveFileName() = 0;

    virtual void beep() = 0;

    // Shows a window without waiting; a shown window is brought to the front.
    virtual void showWindow(WindowId window) = 0;
    // Shows a window modally; returns once it is hidden or closed.
    virtual void showWindowModal(WindowId window) = 0;
    virtual void hideWindow(WindowId window) = 0;
};

} // namespace tuneks
