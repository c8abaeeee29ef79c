// The preview canvas: its scale window, the axes and the tick marks.
#include <cmath>

#include "common/numbers.h"
#include "common/text.h"
#include "quillon4ppt/graph/frm_graph.h"

namespace graph {
namespace {

std::string corner(int a, int b) {
    return "(" + std::to_string(a) + "," + std::to_string(b) + ")";
}

void printAt(forms::PictureBox& p, double x, double y, const std::string& text) {
    p.currentX = x;
    p.currentY = y;
    p.print(text);
}

}  // namespace

void frmGraph::SetPreviewScale() {
    const int w = frame.xMax - frame.xMin, h = frame.yMax - frame.yMin;
    if (h < w) {
        double d = (w - h) / 2.0;
        Picture1.scale(frame.xMin, frame.yMax + d, frame.xMax, frame.yMin - d);
        labZS.setCaption(corner(frame.xMin, frame.xMax));
        labZX.setCaption(corner(frame.xMin, frame.xMin));
        labYS.setCaption(corner(frame.xMax, frame.xMax));
        labYX.setCaption(corner(frame.xMax, frame.xMin));
        frame.markSize = w / 100.0;
    } else {
        double d = (h - w) / 2.0;
        Picture1.scale(frame.xMin - d, frame.yMax, frame.xMax + d, frame.yMin);
        labZS.setCaption(corner(frame.yMin, frame.yMax));
        labZX.setCaption(corner(frame.yMin, frame.yMin));
        labYS.setCaption(corner(frame.yMax, frame.yMax));
        labYX.setCaption(corner(frame.yMax, frame.yMin));
        frame.markSize = h / 100.0;
    }
}

void frmGraph::DrawAxes(const std::string& mode) {
    const std::string m0 = common::lowerAscii(mode);
    if (m0 != "new" && m0 != "del") return;
    const bool draw = m0 == "new";
    const double m = frame.markSize;
    const double xMin = frame.xMin, xMax = frame.xMax, yMin = frame.yMin, yMax = frame.yMax;
    Picture1.fontItalic = true;
    Picture1.fontName = "Times New Roman";
    Picture1.fontSize = 12;
    const common::Rgb color = draw ? lineColor() : common::kWhite;
    Picture1.foreColor = draw ? lineColor() : Picture1.backColor;
    Picture1.line(xMin, 0, xMax, 0, color);
    Picture1.line(0, yMin, 0, yMax, color);
    Picture1.line(xMax - 3 * m, m, xMax, 0, color);
    Picture1.line(xMax - 3 * m, -m, xMax, 0, color);
    printAt(Picture1, xMax - 4 * m, -m, "x");
    Picture1.line(-m, yMax - 3 * m, 0, yMax, color);
    Picture1.line(m, yMax - 3 * m, 0, yMax, color);
    printAt(Picture1, -5 * m, yMax + 2 * m, "y");
    Picture1.fontItalic = false;
    printAt(Picture1, m, -m, "O");
    if (draw) {
        axesItem.xMin = frame.xMin, axesItem.xMax = frame.xMax;
        axesItem.yMin = frame.yMin, axesItem.yMax = frame.yMax;
    }
}

void frmGraph::DrawScale(const std::string& mode) {
    const std::string m0 = common::lowerAscii(mode);
    if (m0 != "new" && m0 != "del") return;
    const bool draw = m0 == "new";
    const auto& s = program_.AxisSettings;
    const double m = frame.markSize;
    int step = (frame.xMax - frame.xMin) / 10;
    if (step == 0) step = 1;
    const common::Rgb color = draw ? lineColor() : common::kWhite;
    // The erase pass also prints the numbers, in the canvas's current text colour:
    // ticking "画刻度" relies on it to show them.
    for (int i = frame.xMin + 1; i <= frame.xMax - 1; i += step) {
        Picture1.line(i, 0, i, s.blXkdUp ? m : (draw ? -1.5 * m : -20 * m), color);
        if (draw || i == 0) continue;
        Picture1.fontSize = 6;
        printAt(Picture1, i - 2 * m, s.blXtxtUp ? 5 * m : -m, std::to_string(i));
    }
    for (int j = frame.yMin + 1; j <= frame.yMax - 1; j += step) {
        Picture1.line(0, j, s.blYkdLeft ? -m : 1.5 * m, j, color);
        if (draw || j == 0) continue;
        Picture1.fontSize = 6;
        printAt(Picture1, s.blYtxtLeft ? -4 * m : 2 * m, j + 2 * m, std::to_string(j));
    }
}

void frmGraph::drawDashedGuide(double x1, double y1, double x2, double y2) {
    DrawDashedGuide(Picture1, lineColor(), x1, y1, x2, y2);
}

}  // namespace graph
