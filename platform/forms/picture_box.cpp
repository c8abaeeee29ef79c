#include "platform/forms/picture_box.h"

namespace forms {

void PictureBox::scale(double left, double top, double right, double bottom) {
    left_ = left, top_ = top, width_ = right - left, height_ = bottom - top;
    changed();
}

void PictureBox::cls() {
    items_.clear();
    currentX = left_, currentY = top_;
    changed();
}

void PictureBox::add(DrawItem item) {
    item.drawWidth = drawWidth;
    item.drawStyle = drawStyle;
    item.fillStyle = fillStyle;
    item.fillColor = fillColor;
    items_.push_back(std::move(item));
    changed();
}

void PictureBox::line(double x1, double y1, double x2, double y2, std::optional<common::Rgb> color) {
    DrawItem item;
    item.type = DrawItem::Type::Line;
    item.x1 = x1, item.y1 = y1, item.x2 = x2, item.y2 = y2;
    item.color = color.value_or(foreColor);
    currentX = x2, currentY = y2;
    add(std::move(item));
}

void PictureBox::circle(double x, double y, double radius, std::optional<common::Rgb> color, double aspect) {
    DrawItem item;
    item.type = DrawItem::Type::Circle;
    item.x1 = x, item.y1 = y, item.radius = radius, item.aspect = aspect;
    item.color = color.value_or(foreColor);
    currentX = x, currentY = y;
    add(std::move(item));
}

void PictureBox::print(const std::string& text) {
    DrawItem item;
    item.type = DrawItem::Type::Text;
    item.x1 = currentX, item.y1 = currentY;
    item.text = text;
    item.color = foreColor;
    item.fontName = fontName;
    item.fontSize = fontSize;
    item.italic = fontItalic;
    item.bold = fontBold;
    add(std::move(item));
}

}  // namespace forms
