#pragma once

class QAbstractScrollArea;

namespace tuneks {

// Keeps the border of a scrolling text box whole on screens scaled by a
// fraction (125 %, 150 %, 175 %).
//
// A style draws a box's border as lines one pixel wide at the box's edge.
// When the box's edge falls between two device pixels, such a line can land
// in the device pixels outside the box and be cut off, while the text area
// inside does not reach the edge either: the border line is lost. Here the
// device pixels of the box's outermost pixel ring are painted in the
// colours the style gives each side, before the style draws its border.
void keepBorderOnDevicePixels(QAbstractScrollArea *box);

} // namespace tuneks
