#pragma once

#include <QByteArray>
#include <QString>

// Writes `contents` to `fileName` atomically: the file on disk is either the
// old one or the complete new one, never a half-written one. An existing
// file keeps its permissions. On failure returns false, leaves the old file
// as it was and puts the reason into *errorText.
bool writeFileAtomically(const QString &fileName, const QByteArray &contents, QString *errorText);
