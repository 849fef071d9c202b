// The pictures the windows load from the embedded resources.
#pragma once

#include <QStringList>

// Every file under ":/images", sorted by name.
QStringList embeddedImageFiles();
