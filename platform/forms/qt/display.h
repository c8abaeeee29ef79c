#pragma once

namespace forms::qt {

// Whether windows can be shown: a display, or a Qt platform chosen explicitly.
bool displayAvailable();

}  // namespace forms::qt
