#include "pagebuilder.h"

#include "pictures.h"
#include "uiface.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QStyle>

namespace tuneks {

namespace {

QString controlName(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QString::fromLatin1(array)).arg(index);
}

QString checkBoxName(Fields::CheckBoxId box)
{
    switch (box) {
    case Fields::DriveFrontLeft: return QStringLiteral("Check1(0)");
    case Fields::DriveRearLeft: return QStringLiteral("Check1(1)");
    case Fields::DriveFrontRight: return QStringLiteral("Check1(2)");
    case Fields::DriveRearRight: return QStringLiteral("Check1(3)");
    case Fields::AutomaticGearbox: return QStringLiteral("Check2");
    case Fields::FrontAbs: return QStringLiteral("Check3");
    case Fields::RearAbs: return QStringLiteral("Check4");
    case Fields::kCheckBoxCount: break;
    }
    return QString();
}

} // namespace

QFont captionFont()
{
    return UiFace::font(9.75);
}

void PageBuilder::label(int index, const QString &caption, int left, int top, int width,
                        Align align)
{
    auto *label = new FieldLabel(caption, m_surface);
    label->setObjectName(controlName("Label1", index));
    label->setGeometry(twips(left, top, width, 255));
    label->setFont(captionFont());
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (align == Align::Right)
        horizontal = Qt::AlignRight;
    else if (align == Align::Centre)
        horizontal = Qt::AlignHCenter;
    label->setAlignment(horizontal | Qt::AlignTop);
    label->lower();
    m_widgets.labels.insert(index, label);

    const QString ellipsis = QStringLiteral("...");
    if (caption.endsWith(ellipsis))
        m_heading = caption.chopped(ellipsis.size());
    else
        m_caption = caption.endsWith(QLatin1Char(':')) ? caption.chopped(1) : caption;
}

QString PageBuilder::accessibleName(const QString &caption) const
{
    return m_heading.isEmpty() ? caption : m_heading + QStringLiteral(": ") + caption;
}

void PageBuilder::text(int slot, int left, int top, int width)
{
    auto *edit = new QLineEdit(m_surface);
    edit->setObjectName(controlName("Text", slot));
    edit->setGeometry(twips(left, top, width, 285));
    edit->setAccessibleName(accessibleName(m_caption));
    m_widgets.texts.insert(slot, edit);
}

void PageBuilder::combo(Fields::ComboId list, int left, int top, int width)
{
    auto *box = new QComboBox(m_surface);
    box->setObjectName(QStringLiteral("Combo%1").arg(int(list) + 1));
    box->setGeometry(twips(left, top, width, 315));
    box->setEditable(false);
    box->addItems(Fields::comboItems(list));
    box->setCurrentIndex(-1);
    // The drop-down opens as wide as its longest item, past the closed box
    // where need be: some styles (Windows) make it only as wide as the box.
    QAbstractItemView *view = box->view();
    view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth()
                          + box->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view));
    box->setAccessibleName(accessibleName(m_caption));
    m_widgets.combos[list] = box;
}

void PageBuilder::check(Fields::CheckBoxId box, int left, int top, const QString &name)
{
    auto *check = new ValueCheckBox(m_surface);
    check->setObjectName(checkBoxName(box));
    check->setGeometry(twips(left, top, 255, 255));
    check->setAccessibleName(accessibleName(name));
    m_widgets.checks[box] = check;
}


void PageBuilder::image(const QString &name, const QString &resource, int left, int top,
                        int width, int height)
{
    // Decoded when its page is first shown: at start-up every page is
    // hidden, and the window should appear as fast as a bare one.
    auto *picture = new SharpPicture(resource, m_surface, true);
    picture->setObjectName(name);
    picture->setGeometry(twips(left, top, width, height));
}

void PageBuilder::line(int x1, int y1, int x2, int y2)
{
    auto *line = new QWidget(m_surface);
    const QPoint from = twips(x1, y1, 0, 0).topLeft();
    const QPoint to = twips(x2, y2, 0, 0).topLeft();
    // The line runs up to its end point, as a pen stroke does, one pixel thick.
    if (from.y() == to.y())
        line->setGeometry(qMin(from.x(), to.x()), from.y(), qAbs(to.x() - from.x()), 1);
    else
        line->setGeometry(from.x(), qMin(from.y(), to.y()), 1, qAbs(to.y() - from.y()));
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::WindowText));
    line->setPalette(palette);
}

void PageBuilder::arrow(int command, ArrowButton::Direction direction, int left, int top)
{
    auto *button = new ArrowButton(direction, m_surface);
    button->setObjectName(QStringLiteral("Command%1").arg(command));
    button->setGeometry(twips(left, top, 255, 255));
    button->setAccessibleName(direction == ArrowButton::Direction::Down
                                  ? QStringLiteral("Следующая страница")
                                  : QStringLiteral("Предыдущая страница"));
    m_widgets.commands.insert(command, button);
}

void PageBuilder::focusOrder(std::initializer_list<const char *> names)
{
    QWidget *previous = nullptr;
    for (const char *name : names) {
        auto *next = m_surface->findChild<QWidget *>(QString::fromLatin1(name));
        if (previous && next)
            QWidget::setTabOrder(previous, next);
        if (next)
            previous = next;
    }
}

QPushButton *PageBuilder::button(int command, const QString &caption, int left, int top,
                                 int width, int height)
{
    auto *button = new QPushButton(caption, m_surface);
    button->setObjectName(QStringLiteral("Command%1").arg(command));
    button->setGeometry(twips(left, top, width, height));
    m_widgets.commands.insert(command, button);
    return button;
}

} // namespace tuneks
