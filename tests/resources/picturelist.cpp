#include "picturelist.h"

#include <QDir>

std::vector<EmbeddedPicture> expectedPictures()
{
    std::vector<EmbeddedPicture> pictures = {
        {QStringLiteral(":/images/icon.png"), QSize(48, 48), false, false},
        {QStringLiteral(":/images/image1.png"), QSize(135, 44), true, true},
        {QStringLiteral(":/images/image2.png"), QSize(85, 170), true, true},
        {QStringLiteral(":/images/image3_0.png"), QSize(131, 42), true, true},
        {QStringLiteral(":/images/image3_1.png"), QSize(131, 42), true, true},
        {QStringLiteral(":/images/image4_0.png"), QSize(131, 39), true, true},
        {QStringLiteral(":/images/image4_1.png"), QSize(131, 39), true, true},
        {QStringLiteral(":/images/image5.png"), QSize(187, 66), true, true},
        {QStringLiteral(":/images/helmet.png"), QSize(56, 66), false, false},
        {QStringLiteral(":/images/signature.png"), QSize(96, 63), false, false},
    };
    // Every picture but the icon also at twice its size, for scaled screens.
    const std::size_t single = pictures.size();
    for (std::size_t i = 1; i < single; ++i) {
        EmbeddedPicture twice = pictures[i];
        twice.path.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
        twice.size *= 2;
        pictures.push_back(twice);
    }
    return pictures;
}

QStringList embeddedImageFiles()
{
    return QDir(QStringLiteral(":/images")).entryList(QDir::Files, QDir::Name);
}
