#include <TamsuToolKit/NSImage.h>

namespace TamsuToolKit::NSImage {

QImage imageFromContent(QWidget* view) {
    if (view == nullptr) {
        return {};
    }
    return view->grab(view->rect()).toImage();
}

} // namespace TamsuToolKit::NSImage
