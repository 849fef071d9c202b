#pragma once

#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <QVariant>

namespace tuneks {

// Qt's file dialogs keep their last folder, history, view and column widths
// in the user's Qt settings (organisation "QtProject": on Linux and other
// Unix systems ~/.config/QtProject.conf, on Windows the registry under
// HKEY_CURRENT_USER\Software\QtProject), read them when a dialog is made and
// write them when it goes, whether Qt draws the dialog or the system does.
// The editor stores nothing between runs, so while an object of this class
// lives:
// - on Unix systems Qt's settings, the user's and the system's, are read and
//   written in a new temporary folder, which goes with the object; nothing
//   that other programs stored is read;
// - on Windows, where Qt always keeps them in the registry, the QtProject
//   key is put back as it was when the object was made.
// The dialogs of one run still share what they keep, the last folder
// included. Made once, right after the application object.
class RunSettings {
public:
    RunSettings();
    ~RunSettings();
    RunSettings(const RunSettings &) = delete;
    RunSettings &operator=(const RunSettings &) = delete;

private:
    QTemporaryDir m_temporary;
#ifdef Q_OS_WIN
    bool m_registryKeyExisted = false;
    QMap<QString, QVariant> m_registryBefore;
    QSet<QString> m_registryGroupsBefore;
#endif
};

} // namespace tuneks
