#pragma once

class QPixmap;
class QSize;

namespace vks::ui {

// The screens' pictures, shipped as resources: the 620 by 420 background
// and the 200 by 200 logo.
QPixmap backgroundPicture();
QPixmap logoPicture();

// The same pictures smooth-scaled to `size`, as a label with scaled contents
// would draw them, prepared once per process and size and shared by every
// screen: a new screen's first paint then scales nothing.
QPixmap backgroundPicture(const QSize& size);
QPixmap logoPicture(const QSize& size);

} // namespace vks::ui
