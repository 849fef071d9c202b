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

void PageBuilder::combo(int slot, int left, int top, int width)
{
    const Fields::FieldInfo &row = *Fields::bySlot(slot);
    auto *box = new QComboBox(m_surface);
    box->setObjectName(row.controlName);
    box->setGeometry(twips(left, top, width, 315));
    box->setEditable(false);
    box->addItems(row.items);
    box->setCurrentIndex(-1);
    // The drop-down opens as wide as its longest item, past the closed box
    // where need be: some styles (Windows) make it only as wide as the box.
    QAbstractItemView *view = box->view();
    view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth()
                          + box->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view));
    box->setAccessibleName(accessibleName(m_caption));
    m_widgets.combos.insert(slot, box);
}

void PageBuilder::check(int slot, int left, int top, const QString &name)
{
    auto *check = new ValueCheckBox(m_surface);
    check->setObjectName(Fields::bySlot(slot)->controlName);
    check->setGeometry(twips(left, top, 255, 255));
    check->setAccessibleName(accessibleName(name));
    m_widgets.checks.insert(slot, check);
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
