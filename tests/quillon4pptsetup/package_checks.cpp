// What the package test checks on the files the installed tools wrote:
//   package_checks deck FILE.pptx   every part validates against the Office Open XML schemas
//   package_checks ink FILE.png     the picture has something drawn on it
// Exit status 0 when the check holds, 1 (with the reason on standard error) when not.
#include <QImage>
#include <iostream>
#include <string>

#include "schema_check.h"

namespace {

int deck(const std::string& file) {
    const std::string errors = testdecks::schemaErrors(file);
    if (errors.empty()) return 0;
    std::cerr << file << " does not validate:\n" << errors << "\n";
    return 1;
}

// Dark pixels on the picture laid on white paper, at least one in a thousand.
int ink(const std::string& file) {
    const QImage picture = QImage(QString::fromStdString(file)).convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull()) {
        std::cerr << file << " is no picture\n";
        return 1;
    }
    long long dark = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            dark += 255 - qAlpha(pixel) * (255 - qGray(pixel)) / 255 < 128;
        }
    if (dark * 1000 >= static_cast<long long>(picture.width()) * picture.height()) return 0;
    std::cerr << file << " is blank (" << dark << " pixels drawn)\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "deck") return deck(argv[2]);
    if (argc == 3 && std::string(argv[1]) == "ink") return ink(argv[2]);
    std::cerr << "usage: package_checks deck FILE.pptx | ink FILE.png\n";
    return 2;
}
