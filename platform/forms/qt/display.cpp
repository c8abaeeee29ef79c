#include "platform/forms/qt/display.h"

#include <cstdlib>
#include <initializer_list>

namespace forms::qt {

bool displayAvailable() {
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(v);
        if (value && *value) return true;
    }
    return false;
}

}  // namespace forms::qt
