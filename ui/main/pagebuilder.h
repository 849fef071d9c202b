#pragma once

#include "dialogparts.h"
#include "formwidgets.h"

#include <QRect>
#include <QString>

#include <initializer_list>

class QFont;
class QWidget;

namespace tuneks {

// The face of the main window's captions and page title; every other control
// uses the window's default (UiFace::defaultFont()).
QFont captionFont();

// Places the controls of one surface (a page or the window's client area) at
// their twip positions and records them in FormWidgets. Captions are stacked
// below everything else on the surface, so a field drawn over the right end
// of a long caption covers it; other controls stack and take focus in the
// order they are added.
//
// Each field is named for assistive tools after the caption added last
// before it, preceded by the page's current group heading (a caption ending
// in "..."), so that the front and rear wheels' fields are told apart.
class PageBuilder {
public:
    PageBuilder(QWidget *surface, FormWidgets &widgets) : m_surface(surface), m_widgets(widgets) {}

    enum class Align { Left, Right, Centre };
    void label(int index, const QString &caption, int left, int top, int width,
               Align align = Align::Left);
    void text(int slot, int left, int top, int width);
    // The list of `slot`, named and filled from its row.
    void combo(int slot, int left, int top, int width);
    // The caption-less 255 x 255 check box of `slot`, named from its row;
    // `name` is what assistive tools call it (the caption beside it, or
    // what the picture shows).
    void check(int slot, int left, int top, const QString &name);
    // A picture from the resources, drawn at its natural size.
    void image(const QString &name, const QString &resource, int left, int top, int width,
               int height);
    // A one-pixel line in the window-text colour, horizontal or vertical.
    void line(int x1, int y1, int x2, int y2);
    void arrow(int command, ArrowButton::Direction direction, int left, int top);
    QPushButton *button(int command, const QString &caption, int left, int top, int width,
                        int height);
    // Puts the named controls of the surface into this focus order, where
    // the order of adding does not follow the page's columns.
    void focusOrder(std::initializer_list<const char *> names);

private:
    QString accessibleName(const QString &caption) const;

    QWidget *m_surface;
    FormWidgets &m_widgets;
    QString m_heading;
    QString m_caption;
};

// The nine pages Frame1..Frame9 on `pageArea`, hidden, stacked so that
// Frame1 is topmost, then Frame5, Frame9, Frame3, Frame6, Frame8, Frame2,
// Frame7 and Frame4. The keyboard focus moves down each column of a page,
// then across, and reaches the page's arrow last.
void buildPages(QWidget *pageArea, FormWidgets &widgets);

// The control of `page` that the keyboard reaches first, or nullptr.
QWidget *firstFocusOnPage(QWidget *page);

} // namespace tuneks
