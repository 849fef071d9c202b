#include "runsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>
#include <QSettings>

namespace tuneks {

namespace {

// Points every settings file of the user and of the system into `folder`.
void keepSettingsIn(const QString &folder)
{
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, folder);
}

// Beneath the program's own file nothing can be made: settings pointed there
// are neither read nor written.
QString nowhere()
{
    return QCoreApplication::applicationFilePath() + QStringLiteral("/settings");
}

#ifdef Q_OS_WIN
const QString kSoftware = QStringLiteral("HKEY_CURRENT_USER\\Software");
const QString kQtProject = QStringLiteral("QtProject");

// Every key below the current group, empty ones included (Qt makes keys
// merely by opening its settings), as paths from `registry`'s top.
void collectGroups(QSettings &registry, const QString &path, QSet<QString> &groups)
{
    for (const QString &group : registry.childGroups()) {
        groups.insert(path + group);
        registry.beginGroup(group);
        collectGroups(registry, path + group + QLatin1Char('/'), groups);
        registry.endGroup();
    }
}

// Removes the keys below the current group that `before` does not hold.
void removeNewGroups(QSettings &registry, const QString &path, const QSet<QString> &before)
{
    for (const QString &group : registry.childGroups()) {
        if (!before.contains(path + group)) {
            registry.remove(group);
            continue;
        }
        registry.beginGroup(group);
        removeNewGroups(registry, path + group + QLatin1Char('/'), before);
        registry.endGroup();
    }
}
#endif

} // namespace

RunSettings::RunSettings()
    : m_temporary(QDir::tempPath() + QStringLiteral("/tuneks-editor-XXXXXX"))
{
    keepSettingsIn(m_temporary.isValid() ? m_temporary.path() : nowhere());
#ifdef Q_OS_WIN
    m_registryKeyExisted = QSettings(kSoftware, QSettings::NativeFormat).childGroups().contains(kQtProject);
    QSettings registry(kSoftware + QLatin1Char('\\') + kQtProject, QSettings::NativeFormat);
    for (const QString &key : registry.allKeys())
        m_registryBefore.insert(key, registry.value(key));
    collectGroups(registry, QString(), m_registryGroupsBefore);
#endif
}

RunSettings::~RunSettings()
{
    // What Qt keeps after the run, as the temporary folder goes, is kept nowhere.
    keepSettingsIn(nowhere());
#ifdef Q_OS_WIN
    if (!m_registryKeyExisted) {
        QSettings(kSoftware, QSettings::NativeFormat).remove(kQtProject);
        return;
    }
    QSettings registry(kSoftware + QLatin1Char('\\') + kQtProject, QSettings::NativeFormat);
    for (const QString &key : registry.allKeys())
        if (!m_registryBefore.contains(key))
            registry.remove(key);
    removeNewGroups(registry, QString(), m_registryGroupsBefore);
    for (auto value = m_registryBefore.cbegin(); value != m_registryBefore.cend(); ++value)
        if (registry.value(value.key()) != value.value())
            registry.setValue(value.key(), value.value());
#endif
}

} // namespace tuneks
