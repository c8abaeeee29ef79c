// The prepared figures of the sample library, each inside a cell of 200 x 200 points.
#include "quillon4ppt/library/sample_figures.h"

#include <cmath>

namespace library {

namespace {

using P = office::PointF;

void triangle(FigureDrawer& d) {
    d.polygon({{30, 170}, {180, 170}, {80, 40}});
    d.label("A", 80, 25);
    d.label("B", 18, 182);
    d.label("C", 192, 182);
}

void rightTriangle(FigureDrawer& d) {
    d.polygon({{40, 170}, {170, 170}, {40, 40}});
    d.line(40, 155, 55, 155);
    d.line(55, 155, 55, 170);
    d.label("A", 28, 32);
    d.label("B", 28, 182);
    d.label("C", 182, 182);
}

void isosceles(FigureDrawer& d) {
    d.polygon({{30, 170}, {170, 170}, {100, 30}});
    d.line(100, 30, 100, 170, true);
    d.label("A", 100, 15);
    d.label("B", 18, 182);
    d.label("C", 182, 182);
    d.label("D", 100, 186);
}

void circleWithTangent(FigureDrawer& d) {
    d.oval(30, 40, 120, 120);
    d.dot(90, 100);
    d.line(90, 100, 150, 100);
    d.line(150, 20, 150, 180);
    d.label("O", 80, 112);
    d.label("P", 162, 90);
    d.label("l", 162, 170);
}

void parallelogram(FigureDrawer& d) {
    d.polygon({{20, 150}, {140, 150}, {180, 60}, {60, 60}});
    d.line(20, 150, 180, 60, true);
    d.label("A", 12, 162);
    d.label("B", 142, 164);
    d.label("C", 190, 50);
    d.label("D", 56, 46);
}

void inscribedTriangle(FigureDrawer& d) {
    d.oval(20, 20, 160, 160);
    d.polygon({{100, 20}, {31, 140}, {169, 140}});
    d.dot(100, 100);
    d.label("O", 100, 114);
    d.label("A", 100, 6);
    d.label("B", 18, 150);
    d.label("C", 182, 150);
}

void cube(FigureDrawer& d) {
    d.polygon({{20, 170}, {130, 170}, {130, 60}, {20, 60}});
    d.line(130, 170, 180, 130);
    d.line(130, 60, 180, 20);
    d.line(20, 60, 70, 20);
    d.line(70, 20, 180, 20);
    d.line(180, 20, 180, 130);
    d.line(20, 170, 70, 130, true);
    d.line(70, 130, 180, 130, true);
    d.line(70, 130, 70, 20, true);
    d.label("A", 10, 182);
    d.label("B", 130, 184);
    d.label("C", 192, 136);
    d.label("D", 58, 122);
}

void cone(FigureDrawer& d) {
    d.line(100, 20, 30, 160);
    d.line(100, 20, 170, 160);
    d.curve({{30, 160}, {50, 174}, {100, 180}, {150, 174}, {170, 160}});
    d.curve({{30, 160}, {50, 146}, {100, 140}, {150, 146}, {170, 160}}, true);
    d.line(100, 20, 100, 160, true);
    d.line(100, 160, 170, 160, true);
    d.label("P", 100, 6);
    d.label("O", 92, 150);
}

void cylinder(FigureDrawer& d) {
    d.oval(40, 20, 120, 36);
    d.line(40, 38, 40, 162);
    d.line(160, 38, 160, 162);
    d.curve({{40, 162}, {60, 176}, {100, 180}, {140, 176}, {160, 162}});
    d.curve({{40, 162}, {60, 148}, {100, 144}, {140, 148}, {160, 162}}, true);
}

void pyramid(FigureDrawer& d) {
    d.line(100, 20, 30, 160);
    d.line(100, 20, 140, 180);
    d.line(100, 20, 180, 140);
    d.line(30, 160, 140, 180);
    d.line(140, 180, 180, 140);
    d.line(30, 160, 180, 140, true);
    d.label("P", 100, 6);
    d.label("A", 18, 166);
    d.label("B", 140, 194);
    d.label("C", 192, 134);
}

void cuboid(FigureDrawer& d) {
    d.polygon({{10, 170}, {150, 170}, {150, 100}, {10, 100}});
    d.line(150, 170, 190, 140);
    d.line(150, 100, 190, 70);
    d.line(10, 100, 50, 70);
    d.line(50, 70, 190, 70);
    d.line(190, 70, 190, 140);
    d.line(10, 170, 50, 140, true);
    d.line(50, 140, 190, 140, true);
    d.line(50, 140, 50, 70, true);
}

void sphere(FigureDrawer& d) {
    d.oval(20, 20, 160, 160);
    d.curve({{20, 100}, {50, 124}, {100, 130}, {150, 124}, {180, 100}});
    d.curve({{20, 100}, {50, 76}, {100, 70}, {150, 76}, {180, 100}}, true);
    d.dot(100, 100);
    d.label("O", 112, 88);
}

void numberLine(FigureDrawer& d) {
    d.line(0, 100, 200, 100);
    d.line(190, 95, 200, 100);
    d.line(190, 105, 200, 100);
    for (int k = -2; k <= 2; ++k) {
        float x = 100 + 40.0f * k;
        d.line(x, 100, x, 92);
        d.label(k < 0 ? "−" + std::to_string(-k) : std::to_string(k), x, 116);
    }
}

void grid(FigureDrawer& d) {
    for (int k = 0; k <= 8; ++k) {
        d.line(20 + 20.0f * k, 20, 20 + 20.0f * k, 180);
        d.line(20, 20 + 20.0f * k, 180, 20 + 20.0f * k);
    }
}

void axes(FigureDrawer& d) {
    d.line(10, 110, 190, 110);
    d.line(100, 190, 100, 10);
    d.line(182, 105, 190, 110);
    d.line(182, 115, 190, 110);
    d.line(95, 18, 100, 10);
    d.line(105, 18, 100, 10);
    d.label("x", 186, 126);
    d.label("y", 116, 12);
    d.label("O", 88, 124);
}

void functionAxes(FigureDrawer& d) {
    d.line(10, 150, 190, 150);
    d.line(100, 190, 100, 10);
    d.label("x", 186, 166);
    d.label("y", 116, 12);
}

void parabola(FigureDrawer& d) {
    functionAxes(d);
    std::vector<P> through;
    for (int k = -6; k <= 6; ++k) through.push_back({100 + 12.0f * k, 150 - 3.5f * k * k});
    d.curve(through);
}

void sine(FigureDrawer& d) {
    d.line(10, 100, 190, 100);
    d.line(20, 180, 20, 20);
    std::vector<P> through;
    for (int k = 0; k <= 48; ++k)
        through.push_back({20 + 3.5f * k, 100 - 50 * std::sin(k * 3.14159265f / 12)});
    d.curve(through);
    d.label("x", 186, 116);
    d.label("y", 36, 16);
}

void hyperbola(FigureDrawer& d) {
    axes(d);
    std::vector<P> right, left;
    for (float x = 10; x <= 90; x += 8) right.push_back({100 + x, 110 - 900 / x});
    for (float x = 10; x <= 90; x += 8) left.push_back({100 - x, 110 + 900 / x});
    d.curve(right);
    d.curve(left);
}

}  // namespace

std::vector<SampleDocument> sampleDocuments() {
    return {
        {"平面几何",
         {{{"三角形ABC", triangle}, {"直角三角形", rightTriangle}, {"等腰三角形与高", isosceles}},
          {{"圆与切线", circleWithTangent},
           {"平行四边形", parallelogram},
           {"圆内接三角形", inscribedTriangle}}}},
        {"立体几何",
         {{{"正方体", cube}, {"圆锥", cone}, {"圆柱", cylinder}},
          {{"三棱锥", pyramid}, {"长方体", cuboid}, {"球", sphere}}}},
        {"坐标与函数",
         {{{"数轴", numberLine}, {"方格纸", grid}, {"直角坐标系", axes}},
          {{"抛物线", parabola}, {"正弦曲线", sine}, {"反比例函数图像", hyperbola}}}},
    };
}

}  // namespace library
