#pragma once

#include "fieldtable.h"

#include <QCheckBox>
#include <QLabel>
#include <QMap>
#include <QProxyStyle>
#include <QPushButton>
#include <QVector>

#include <array>

class QComboBox;
class QLineEdit;

namespace tuneks {

// A field caption Label1(i). A click on it counts as an edit of the document,
// so it reports clicks.
class FieldLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

// The small page arrows Command10, Command11, Command13 and Command14: a
// button with a filled triangle pointing up or down.
class ArrowButton : public QPushButton {
    Q_OBJECT
public:
    enum class Direction { Up, Down };
    ArrowButton(Direction direction, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Direction m_direction;
};

// A check box that never changes its own value: a click is reported through
// userClicked() and the view then shows whatever value the form state holds.
// Values: 0 clear, 1 ticked, 2 greyed (shown as partly checked).
// The style of buttons as low as the page buttons (17 pixels): the
// application's style, but the caption may use the whole height inside the
// button's frame, as in the system's own buttons. Some styles (Windows
// Vista's) keep wider margins, cut off what lies below the line (the "р" of
// "Трансмиссия", the access key's underline) and scale the cut with the screen.
class LowButtonStyle : public QProxyStyle {
public:
    LowButtonStyle();
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget) const override;
    // Draws the bevel, the caption in the rectangle above and the focus
    // frame itself: some styles draw a button's caption in their own
    // rectangle, not in the one this style gives.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
};

class ValueCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;
    void showValue(int value);

signals:
    void userClicked();

protected:
    void nextCheckState() override;
};

// Every control of the main window that a command or a binding needs,
// filled while the window is built.
struct FormWidgets {
    QMap<int, QLineEdit *> texts;              // Text(slot)
    QMap<int, FieldLabel *> labels;            // Label1(i)
    QMap<int, ValueCheckBox *> checks;         // check boxes by slot
    QMap<int, QComboBox *> combos;             // lists by slot
    std::array<QWidget *, 10> frames{};        // Frame1..Frame9 at 1..9
    QMap<int, QPushButton *> commands;         // Command1..Command14
};

} // namespace tuneks
