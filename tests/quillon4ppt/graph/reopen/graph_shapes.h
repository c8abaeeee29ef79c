#pragma once
// What an inserted graph looks like on any backend, read through the object model.
#include <string>
#include <vector>

#include "platform/office/host.h"

struct ShapeFacts {
    std::string label;  // the name up to its "："
    int type = 0;
    double left = 0, top = 0, width = 0, height = 0;
    std::string text;
    common::Rgb lineColor = 0;
    int dash = 0;
    double weight = 0;
    bool lineVisible = false;
    bool hidden = false;
};

// The drawn shapes of the group, back to front, the record box left out.
std::vector<ShapeFacts> drawnShapes(office::Shape& group);
// The group's record box; none when it has none.
office::ShapePtr recordBox(office::Shape& group);

// "" when both hold the same shapes in the same order (names apart, geometry within
// `tolerance` points), else the first difference.
std::string difference(const std::vector<ShapeFacts>& a, const std::vector<ShapeFacts>& b,
                       double tolerance = 0.1);

// The shapes of `b` that differ from every shape of `a`, by label.
std::vector<std::string> changedLabels(const std::vector<ShapeFacts>& a, const std::vector<ShapeFacts>& b,
                                       double tolerance = 0.1);

// Every shape moved by (dx, dy) and scaled by (sx, sy) about the origin of the page.
std::vector<ShapeFacts> transformed(std::vector<ShapeFacts> shapes, double dx, double dy, double sx,
                                    double sy);
