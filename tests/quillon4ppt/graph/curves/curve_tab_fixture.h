#pragma once
// One function-curve tab selected in the workspace, and what its tests read back.
#include <cmath>
#include <string>
#include <utility>

#include "conics/hyperbolas_parabolas_fixture.h"
#include "quillon4ppt/graph/curve_checks.h"

template <typename Family>
struct CurveTabFixture : ConicFixture<Family> {
    using ConicFixture<Family>::ConicFixture;
    using Range = std::pair<std::string, std::string>;

    static Range range(const forms::TextBox& from, const forms::TextBox& to) {
        return {from.text(), to.text()};
    }
    std::vector<std::string> shown() const { return this->dialogs.shown(); }
    std::vector<std::string> listed() const { return this->g->List1.items(); }
    // Preview lines drawn since item `from`, and the x they span.
    std::vector<forms::DrawItem> lines(std::size_t from = 0) const {
        std::vector<forms::DrawItem> out;
        for (const auto& i : this->itemsFrom(from))
            if (i.type == forms::DrawItem::Type::Line) out.push_back(i);
        return out;
    }
    // True when a preview line of the colour has an end with x strictly between lo and hi.
    bool drawnBetween(double lo, double hi, std::size_t from, common::Rgb color = common::kBlack) const {
        for (const auto& l : lines(from))
            if (l.color == color && ((l.x1 > lo && l.x1 < hi) || (l.x2 > lo && l.x2 < hi))) return true;
        return false;
    }
    bool finite(std::size_t from = 0) const {
        for (const auto& l : lines(from))
            if (!std::isfinite(l.x1) || !std::isfinite(l.y1) || !std::isfinite(l.x2) || !std::isfinite(l.y2))
                return false;
        return true;
    }
};
