#pragma once
// A persistent canvas: keeps what was drawn since the last Cls as a display list in
// mathematical coordinates with the scale window, as the drawing routines use it.
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace forms {

// Draw styles: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot.
// Fill styles: 0 solid, 1 transparent.
struct DrawItem {
    enum class Type { Line, Circle, Text } type = Type::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line ends; circle centre in x1, y1
    double radius = 0, aspect = 1;          // circle
    std::string text;                       // text at (x1, y1), its top-left corner
    common::Rgb color = common::kBlack;
    int drawWidth = 1, drawStyle = 0;
    int fillStyle = 1;
    common::Rgb fillColor = common::kBlack;
    std::string fontName;
    double fontSize = 0;
    bool italic = false, bold = false;
};

class PictureBox : public Control {
public:
    PictureBox(Form& f, std::string name) : Control(f, std::move(name), Kind::Picture) {}

    // The scale window: left and top edges, then right and bottom edges.
    void scale(double left, double top, double right, double bottom);
    double scaleLeft() const { return left_; }
    double scaleTop() const { return top_; }
    double scaleWidth() const { return width_; }
    double scaleHeight() const { return height_; }

    void cls();
    void line(double x1, double y1, double x2, double y2, std::optional<common::Rgb> color = std::nullopt);
    // VB semantics: with aspect < 1 the radius is horizontal, otherwise vertical.
    void circle(double x, double y, double radius, std::optional<common::Rgb> color = std::nullopt,
                double aspect = 1);
    void print(const std::string& text);

    const std::vector<DrawItem>& items() const { return items_; }

    common::Rgb backColor = common::kWhite;
    common::Rgb foreColor = common::kBlack;
    common::Rgb fillColor = common::kBlack;
    int fillStyle = 1;
    int drawWidth = 1;
    int drawStyle = 0;
    bool autoRedraw = true;
    std::string fontName = "Times New Roman";
    double fontSize = 9;
    bool fontItalic = false, fontBold = false;
    double currentX = 0, currentY = 0;

private:
    void add(DrawItem item);
    double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
    std::vector<DrawItem> items_;
};

}  // namespace forms
