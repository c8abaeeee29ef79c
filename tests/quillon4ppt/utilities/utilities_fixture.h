#pragma once
// A slide utility on an in-memory presentation with scripted dialogs.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/forms/control.h"
#include "platform/office/memory/memory_host.h"
#include "quillon4ppt/launch/program.h"

struct UtilitiesFixture : ::testing::Test {
    std::shared_ptr<office::memory::ProgramState> state = std::make_shared<office::memory::ProgramState>();
    office::memory::Connector connector{state};
    forms::ScriptedDialogs dialogs;
    launch::Environment env = [] {
        launch::Environment e;
        e.home = QUILLON_PROGRAM_DIR;
        return e;
    }();
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
