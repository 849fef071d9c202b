#pragma once

#include <QStringList>

// Every file under ":/images", sorted by name.
QStringList embeddedImageFiles();
