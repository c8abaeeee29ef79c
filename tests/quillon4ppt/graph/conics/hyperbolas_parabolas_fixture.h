#pragma once
// The graph workspace with one conic tab selected, and what the hyperbola and
// parabola tests read back: preview items, shape labels and slide points.
#include <string>
#include <vector>

#include "graph_fixture.h"

template <typename Family>
struct ConicFixture : GraphFixture {
    int tab = 0;
    std::string key;
    ConicFixture(int page, std::string kind) : tab(page), key(std::move(kind)) {}

    void SetUp() override {
        GraphFixture::SetUp();
        // Items with two shapes of one label ("渐近线") need names that differ.
        g->shapeNames.random = [n = 0]() mutable { return (n++ % 999) / 999.0; };
        g->SSTab1.setTab(tab);
    }
    Family& family() { return static_cast<Family&>(*g->family(key)); }

    // The labels of the shapes on the slide, in slide order.
    std::vector<std::string> labels() const {
        std::vector<std::string> out;
        for (const auto& s : allShapes()) out.push_back(s->name.substr(0, s->name.find("：")));
        return out;
    }
    // Inserts the list without the coordinate system, so the slide holds the items only.
    void insertItemsOnly() {
        g->chkNoCoordinate.setValue(1);
        g->cmdOK.click();
    }
    // Slide points of a 720 x 540 slide with the default frame.
    static float X(double x) { return static_cast<float>(360 + 27 * x); }
    static float Y(double y) { return static_cast<float>(270 - 27 * y); }

    std::vector<forms::DrawItem> itemsFrom(std::size_t first) const {
        const auto& items = g->Picture1.items();
        return {items.begin() + static_cast<long>(first), items.end()};
    }
    void selectEntry(const std::string& text) {
        const auto& items = g->List1.items();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == text) g->List1.select(static_cast<int>(i));
    }
};
