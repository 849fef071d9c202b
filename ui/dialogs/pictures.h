#pragma once

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QString>

namespace tuneks {

// The pictures and the icon of the windows, sharp on screens scaled beyond
// 100 %. Every picture ":/images/name.png" has a variant of twice its size,
// ":/images/name@2x.png"; the icon comes in every size of the desktop icon
// set.

// The picture `resource` (a ".png" resource) for a screen with `ratio`
// device pixels to a pixel: the picture itself at 1 and below; above, its
// @2x variant brought to the ratio, so that it is never enlarged from the
// small one. The result's device independent size is the picture's size
// (up to a fraction of a pixel). A missing @2x variant leaves the picture.
QPixmap sharpPicture(const QString &resource, qreal ratio);

// The window icon, in every size of the icon set (16 to 256 pixels).
QIcon editorIcon();

// Makes editorIcon() the icon of every window once `window` (shown, so that
// it has its platform window) has been exposed for the first time. Handing
// the icon over costs a tenth of the start-up under X11, where every size is
// converted for the window manager; done after the first frame, the window
// is on screen that much sooner and looks the same.
void giveWindowIconAfterFirstFrame(QWidget &window);

// A picture at its natural size in the top left corner of its label,
// drawn from sharpPicture() for whatever device pixels it is painted on.
// With `loadWhenShown`, nothing is decoded until the label is first shown
// (the main window's pages are hidden at start-up). pixmap() is the picture
// for the label's screen.
class SharpPicture : public QLabel {
public:
    SharpPicture(const QString &resource, QWidget *parent, bool loadWhenShown = false);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resource;
    QPixmap m_painted; // the last picture painted, at its ratio
};

} // namespace tuneks
