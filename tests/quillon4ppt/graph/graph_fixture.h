#pragma once
// A graph workspace on an in-memory presentation with scripted dialogs and fixed names.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "../memory_program.h"
#include "platform/office/memory/memory_host.h"
#include "quillon4ppt/graph/frm_graph.h"

struct GraphFixture : ::testing::Test, MemoryProgram {
    launch::Program program{env, dialogs, connector};
    std::unique_ptr<graph::frmGraph> g;

    void SetUp() override {
        program.CheckHost();
        program.LoadSettings();
        open();
    }
    void open() {
        g = std::make_unique<graph::frmGraph>(program);
        g->shapeNames.clock = [] {
            std::tm t{};
            t.tm_year = 112, t.tm_mon = 11, t.tm_mday = 24, t.tm_hour = 10, t.tm_min = 11, t.tm_sec = 12;
            return t;
        };
        g->shapeNames.random = [] { return 0.5; };
    }
    void point(const std::string& x, const std::string& y, bool only = false) {
        g->txtPoint[0].setText(x);
        g->txtPoint[1].setText(y);
        g->chkPointOnly.setValue(only ? 1 : 0);
        g->cmdDrawPoint.click();
    }
    // Shapes on the slide, children of groups included, in slide order; a group's hidden
    // record of what made it left out.
    std::vector<std::shared_ptr<office::memory::ShapeData>> allShapes() const {
        std::vector<std::shared_ptr<office::memory::ShapeData>> out;
        for (auto& s : state->slide().shapes) {
            if (s->children.empty()) out.push_back(s);
            for (auto& c : s->children)
                if (!c->hidden) out.push_back(c);
        }
        return out;
    }
    std::shared_ptr<office::memory::ShapeData> shape(const std::string& labelPrefix) const {
        for (auto& s : allShapes())
            if (s->name.rfind(labelPrefix + "：", 0) == 0) return s;
        return nullptr;
    }
    int countLabel(const std::string& labelPrefix) const {
        auto shapes = allShapes();
        return static_cast<int>(std::count_if(shapes.begin(), shapes.end(), [&](const auto& s) {
            return s->name.rfind(labelPrefix + "：", 0) == 0;
        }));
    }
};
