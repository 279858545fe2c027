#pragma once

class QPixmap;

namespace vks::ui {

// The screens' pictures, shipped as resources: the 620 by 420 background
// and the 200 by 200 logo.
QPixmap backgroundPicture();
QPixmap logoPicture();

} // namespace vks::ui
