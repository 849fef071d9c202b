#include "torquewindow.h"

#include "uiface.h"

#include "editorcore.h"
#include "fieldbindings.h"
#include "fieldtable.h"
#include "formstate.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace tuneks {

namespace {

constexpr int kClientWidth = 657;
constexpr int kClientHeight = 337;
constexpr int kCanvasMargin = 8;
constexpr int kCanvasBorder = 2;

void paintWhite(QWidget *widget, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(role, Qt::white);
    widget->setPalette(palette);
}

// Shows the persistent image of the graph; the window's labels, fields and
// buttons are its children. Fields and buttons stand in front of the
// drawing; the labels are drawn over by every line since the last wipe.
class CanvasInterior : public QWidget {
public:
    CanvasInterior(const TorquePlot &plot, QWidget *parent) : QWidget(parent), m_plot(plot)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    // The lines drawn since the last wipe, the white canvas between them
    // left out, for `ratio` device pixels to a canvas pixel.
    const QPixmap &linesAt(qreal ratio) const
    {
        const QImage drawing = m_plot.imageAt(ratio);
        if (drawing.cacheKey() != m_linesKey) {
            m_lines = QPixmap::fromImage(drawing);
            m_lines.setMask(QBitmap::fromImage(
                drawing.createMaskFromColor(TorquePlot::wipeColor().rgb(), Qt::MaskInColor)));
            m_linesKey = drawing.cacheKey();
        }
        return m_lines;
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        // The graph is drawn for the device pixels it lands on (the screen's,
        // or a grab's), one image pixel to a device pixel.
        painter.drawImage(0, 0, m_plot.imageAt(painter.deviceTransform().m11()));
    }

private:
    const TorquePlot &m_plot;
    mutable QPixmap m_lines;
    mutable qint64 m_linesKey = 0;
};

// A label on the canvas: its text stands on white, as the canvas was wiped
// when it was shown, and every line a build draws runs over it.
class CanvasLabel : public QLabel {
public:
    CanvasLabel(const QString &text, const CanvasInterior *canvas)
        : QLabel(text, const_cast<CanvasInterior *>(canvas)), m_canvas(canvas)
    {
        setAutoFillBackground(true);
        paintWhite(this, QPalette::Window);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QLabel::paintEvent(event);
        QPainter painter(this);
        painter.drawPixmap(-pos(), m_canvas->linesAt(painter.deviceTransform().m11()));
    }

private:
    const CanvasInterior *m_canvas;
};

QString rpmLabelText(int slot)
{
    // The first label pads its three digits to the width of four.
    const int rpm = Fields::rpmOfTorqueSlot(slot);
    const QString number = rpm < 1000 ? QStringLiteral("  ") + QString::number(rpm)
                                      : QString::number(rpm);
    return QStringLiteral("При ") + number + QStringLiteral(" о/м:");
}

} // namespace

TorqueWindow::TorqueWindow(EditorCore &core, QWidget *parent)
    : QWidget(parent, Qt::Window), m_core(core), m_commands(core)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Настройка крутящего момента."));
    setFont(UiFace::font(9.75));
    setFixedSize(kClientWidth, kClientHeight);

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Picture1"));
    frame->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    frame->setLineWidth(kCanvasBorder);
    frame->setGeometry(kCanvasMargin, kCanvasMargin, TorquePlot::kWidth + 2 * kCanvasBorder,
                       TorquePlot::kHeight + 2 * kCanvasBorder);
    auto *canvas = new CanvasInterior(m_plot, frame);
    m_canvas = canvas;
    m_canvas->setGeometry(kCanvasBorder, kCanvasBorder, TorquePlot::kWidth, TorquePlot::kHeight);

    m_heading = new CanvasLabel(QStringLiteral("Крутящий момент при...:"), canvas);
    m_heading->setObjectName(QStringLiteral("Label2"));
    m_heading->setGeometry(16, 24, 161, 17);

    auto *bindings = new FieldBindings(m_core, this);
    struct Column { int labelLeft, fieldLeft, firstSlot, rows; };
    const Column columns[] = {{56, 144, 41, 10}, {224, 320, 51, 10}, {400, 496, 61, 4}};
    for (const Column &column : columns) {
        for (int row = 0; row < column.rows; ++row) {
            const int slot = column.firstSlot + row;
            const int top = 48 + 24 * row;
            auto *label = new CanvasLabel(rpmLabelText(slot), canvas);
            label->setObjectName(QStringLiteral("Label1(%1)").arg(slot - 41));
            label->setGeometry(column.labelLeft, top, 129, 17);
            m_rpmLabels.append(label);
            auto *edit = new QLineEdit(m_canvas);
            edit->setObjectName(QStringLiteral("Text21(%1)").arg(slot));
            edit->setGeometry(column.fieldLeft, top, 65, 19);
            edit->setAccessibleName(QStringLiteral("Крутящий момент при %1 о/м")
                                        .arg(Fields::rpmOfTorqueSlot(slot)));
            m_fields.append(edit);
            bindings->bind(slot, edit);
        }
    }
    auto makeButton = [this](const char *name, const QString &text, int top) {
        auto *button = new QPushButton(text, m_canvas);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(408, top, 145, 25);
        paintWhite(button, QPalette::Button);
        button->setAutoDefault(false);
        return button;
    };
    m_build = makeButton("Command1", QStringLiteral("Построить график"), 152);
    m_wipe = makeButton("Command2", QStringLiteral("Очистить"), 184);
    m_close = makeButton("Command3", QStringLiteral("Закрыть"), 216);

    // Focus runs through the fields in slot order (the columns were built one
    // after the other), then the three buttons.
    QVector<QWidget *> tabChain;
    for (QLineEdit *edit : std::as_const(m_fields))
        tabChain.append(edit);
    tabChain << m_build << m_wipe << m_close;
    QWidget *previous = nullptr;
    for (QWidget *next : std::as_const(tabChain)) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }

    connect(m_build, &QPushButton::clicked, this, &TorqueWindow::buildGraph);
    connect(m_wipe, &QPushButton::clicked, this, &TorqueWindow::wipeGraph);
    connect(m_close, &QPushButton::clicked, this, &TorqueWindow::closeClicked);
}

void TorqueWindow::present()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void TorqueWindow::closeEvent(QCloseEvent *event)
{
    // The frame's close control acts as "Закрыть": the window stays loaded
    // with its fields and the core's torque check decides what comes next.
    if (event->spontaneous()) {
        event->ignore();
        m_commands.closeWindow();
        return;
    }
    QWidget::closeEvent(event);
}

void TorqueWindow::buildGraph()
{
    const FormState &form = m_core.form();
    m_plot.build([&form](int slot) { return form.text(slot); });
    // The labels are repainted with the canvas, the new lines over them.
    m_canvas->update();
}

void TorqueWindow::wipeGraph()
{
    // The labels are hidden while the canvas is wiped and shown again, so
    // that they are drawn afresh on the white interior.
    m_heading->hide();
    for (QLabel *label : std::as_const(m_rpmLabels))
        label->hide();
    m_plot.wipe();
    m_canvas->update();
    m_heading->show();
    for (QLabel *label : std::as_const(m_rpmLabels))
        label->show();
}

void TorqueWindow::closeClicked()
{
    m_commands.closeWindow();
}

} // namespace tuneks
