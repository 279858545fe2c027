#include "screens/base/CaptureDeclaration.h"

namespace vks {

std::vector<QWidget*> controlsOf(const CaptureDeclaration& capture) {
    std::vector<QWidget*> controls;
    controls.reserve(capture.size());
    for (const Captured& entry : capture) controls.push_back(entry.control);
    return controls;
}

} // namespace vks
