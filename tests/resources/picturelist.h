// The pictures the windows load from the embedded resources, with the pixel
// size each one must have to fill its place exactly.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

struct EmbeddedPicture {
    QString path;
    QSize size;
    bool opaque;       // a plain 24-bit picture without transparency
    bool onWhitePage;  // drawn on a white page, so its background must be white too
};

std::vector<EmbeddedPicture> expectedPictures();

// Every file under ":/images", sorted by name.
QStringList embeddedImageFiles();
