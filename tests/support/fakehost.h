#pragma once

#include "host.h"
#include "scripteduser.h"

#include <QList>
#include <QSet>

#include <functional>

// A scripted desktop without windows: answers from the scripted user and
// records which windows the core showed and hid.
class FakeHost : public Scripted<Host> {
public:
    // Called when a window is shown modally, to act as the user in it.
    std::function<void(WindowId)> onModal;

    QSet<WindowId> visible;
    QList<WindowId> modalShown;
    // Modal windows that were still shown when the user's script in them
    // ended: a real one would never have returned.
    QList<WindowId> modalsLeftOpen;

    void showWindow(WindowId window) override { visible.insert(window); }
    void showWindowModal(WindowId window) override
    {
        modalShown.append(window);
        visible.insert(window);
        if (onModal)
            onModal(window);
        if (visible.remove(window))
            modalsLeftOpen.append(window);
    }
    void hideWindow(WindowId window) override { visible.remove(window); }

    bool isVisible(WindowId window) const { return visible.contains(window); }
};
