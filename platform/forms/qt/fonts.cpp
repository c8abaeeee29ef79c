#include "platform/forms/qt/fonts.h"

#include <QApplication>
#include <QFontDatabase>

namespace forms::qt {

QFont windowFont() {
    const QString cjk = QStringLiteral("Noto Sans CJK SC");
    QFont font = QFontDatabase::hasFamily(cjk) ? QFont(cjk) : QApplication::font();
    font.setPointSizeF(9);
    return font;
}

}  // namespace forms::qt
