#pragma once
#include <QFont>

namespace forms::qt {

// The windows' font: a CJK sans font at 9 pt, else the system's font at that size.
QFont windowFont();

}  // namespace forms::qt
