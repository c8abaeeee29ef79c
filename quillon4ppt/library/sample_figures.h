#pragma once
// The figures of the sample library: each drawn onto a slide as one named group.
#include <string>
#include <vector>

#include "platform/office/host.h"

namespace library {

// Draws figures into a cell of the page whose top-left corner is (left, top), in points.
class FigureDrawer {
public:
    FigureDrawer(office::SlideHost& host, float left, float top) : host_(host), left_(left), top_(top) {}
    void line(float x1, float y1, float x2, float y2, bool hidden = false);
    void polygon(const std::vector<office::PointF>& corners, bool hidden = false);
    void oval(float left, float top, float width, float height, bool hidden = false);
    // A smooth curve through the points.
    void curve(const std::vector<office::PointF>& through, bool hidden = false);
    void dot(float x, float y);
    void label(const std::string& text, float x, float y);
    // Groups everything drawn so far under the figure's name.
    void finish(const std::string& name);

private:
    void own(office::ShapePtr shape);
    office::SlideHost& host_;
    float left_, top_;
    std::vector<std::string> names_;
};

struct SampleFigure {
    std::string name;
    void (*draw)(FigureDrawer&);
};

struct SampleDocument {
    std::string name;
    std::vector<std::vector<SampleFigure>> pages;  // three figures a page
};

std::vector<SampleDocument> sampleDocuments();

}  // namespace library
