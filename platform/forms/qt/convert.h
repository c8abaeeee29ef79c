#pragma once
// Twips, colours and text as the widgets take them.
#include <QColor>
#include <QString>
#include <cmath>
#include <string>

#include "common/color.h"

namespace forms::qt {

// A form file's twips at 96 dpi; Qt scales logical pixels for the screen.
constexpr double kTwipsPerPixel = 15;

inline int pixels(int twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline QColor toQColor(common::Rgb c) {
    return QColor(static_cast<int>(common::redOf(c)), static_cast<int>(common::greenOf(c)),
                  static_cast<int>(common::blueOf(c)));
}

inline common::Rgb toRgb(const QColor& c) {
    return common::rgb(static_cast<unsigned>(c.red()), static_cast<unsigned>(c.green()),
                       static_cast<unsigned>(c.blue()));
}

inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace forms::qt
