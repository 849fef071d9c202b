#include "russiandialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHash>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMessageBox>
#include <QSpacerItem>
#include <QSplitter>
#include <QStyle>
#include <QTreeView>
#include <QTranslator>

namespace tuneks {

namespace {

QLocale russian()
{
    return QLocale(QLocale::Russian, QLocale::Russia);
}

// The texts of Qt's standard dialogs that its Russian translation leaves in
// English: the type column of the file list and the OK button.
class MissingRussianTexts : public QTranslator {
public:
    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        static const QHash<QByteArray, QString> texts = {
            {"QAbstractFileIconProvider|Folder", QStringLiteral("Папка")},
            {"QAbstractFileIconProvider|File Folder", QStringLiteral("Папка")},
            {"QAbstractFileIconProvider|Drive", QStringLiteral("Диск")},
            {"QAbstractFileIconProvider|File", QStringLiteral("Файл")},
            {"QAbstractFileIconProvider|Alias", QStringLiteral("Ярлык")},
            {"QAbstractFileIconProvider|Shortcut", QStringLiteral("Ярлык")},
            {"QAbstractFileIconProvider|Unknown", QStringLiteral("Неизвестный")},
            // The Cyrillic "ОК" of Russian desktops.
            {"QPlatformTheme|OK", QStringLiteral("ОК")},
        };
        return texts.value(QByteArray(context) + '|' + sourceText);
    }
};

// A file size as Russian desktops write it: "512 байт", "3,22 КБ" (Qt's
// own sizes keep the Latin unit names in every language).
QString russianSize(qint64 bytes)
{
    if (bytes < 1024)
        return russian().toString(bytes) + QStringLiteral(" байт");
    const QString units[] = {QStringLiteral("КБ"), QStringLiteral("МБ"), QStringLiteral("ГБ"),
                             QStringLiteral("ТБ")};
    double value = bytes / 1024.0;
    int unit = 0;
    while (value >= 1024 && unit < 3) {
        value /= 1024;
        ++unit;
    }
    return russian().toString(value, 'f', 2) + QLatin1Char(' ') + units[unit];
}

// The file list with its size and date columns written for Russian
// readers; everything else passes through unchanged.
class RussianSizesAndDates : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (role != Qt::DisplayRole || !files || !index.isValid())
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        switch (index.column()) {
        case 1: // size
            if (files->isDir(source))
                return QIdentityProxyModel::data(index, role);
            return russianSize(files->size(source));
        case 3: // date modified
            return russian().toString(files->lastModified(source), QLocale::ShortFormat);
        default:
            return QIdentityProxyModel::data(index, role);
        }
    }
};

} // namespace

void useRussianInStandardDialogs()
{
    if (!QCoreApplication::instance())
        return;
    QLocale::setDefault(russian());
    // Made once for the whole run. Installed again on top of the translators
    // installed since, so that its texts win over a translation that leaves
    // them in English.
    static MissingRussianTexts *const texts = new MissingRussianTexts;
    QCoreApplication::removeTranslator(texts);
    QCoreApplication::installTranslator(texts);
}

void writeSizesAndDatesInRussian(QFileDialog &dialog)
{
    dialog.setProxyModel(new RussianSizesAndDates(&dialog));
}

void showColumnsAndPlacesWhole(QFileDialog &dialog)
{
    if (auto *list = dialog.findChild<QTreeView *>(QStringLiteral("treeView"))) {
        QHeaderView *header = list->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    auto *places = dialog.findChild<QAbstractItemView *>(QStringLiteral("sidebar"));
    auto *splitter = dialog.findChild<QSplitter *>(QStringLiteral("splitter"));
    if (places && splitter && splitter->count() == 2) {
        const int needed = places->sizeHintForColumn(0) + 2 * places->frameWidth()
            + places->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, places);
        QList<int> sizes = splitter->sizes();
        const int total = sizes.value(0) + sizes.value(1);
        if (sizes.value(0) < needed && total > needed)
            splitter->setSizes({needed, total - needed});
        places->setMinimumWidth(needed);
    }
}

void widenForCaption(QMessageBox &box)
{
    // Title bars often show their caption in bold; measure it so, to be safe.
    QFont title = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    title.setBold(true);
    const int captionWidth = QFontMetrics(title).horizontalAdvance(box.windowTitle());
    // A box's title bar holds, besides the caption, at most an icon and the
    // close button (about 46 pixels wide on Windows 10 and 11); the box's own
    // margins add to this. No wider than that: a short question is a small box.
    constexpr int kFrameRoom = 64;
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    // A box sizes itself from its layout; an empty spacer row across the
    // whole box makes the layout at least as wide as the caption needs.
    grid->addItem(new QSpacerItem(captionWidth + kFrameRoom, 0, QSizePolicy::Minimum,
                                  QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace tuneks
