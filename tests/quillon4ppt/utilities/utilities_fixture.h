#pragma once
// A slide utility on an in-memory presentation with scripted dialogs.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../memory_program.h"
#include "platform/forms/control.h"
#include "platform/office/memory/memory_host.h"
#include "quillon4ppt/launch/program.h"

struct UtilitiesFixture : ::testing::Test, MemoryProgram {
    std::unique_ptr<launch::Program> program;

    void start() {
        program = std::make_unique<launch::Program>(env, dialogs, connector);
        program->CheckHost();
        program->LoadSettings();
    }
    office::SlideHost& host() { return program->slideHost(); }
    std::vector<std::string> selectedNames() const {
        std::vector<std::string> names;
        for (const auto& s : state->selected) names.push_back(s->name);
        return names;
    }
    const std::vector<std::shared_ptr<office::memory::ShapeData>>& slideShapes() const {
        return state->slide().shapes;
    }
};
