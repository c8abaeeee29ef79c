#pragma once
// What a window of the system needs around it in a test: an in-memory presentation,
// scripted dialogs and the settings of the built program folder.
#include <memory>

#include "platform/forms/dialogs.h"
#include "platform/office/memory/memory_host.h"
#include "quillon4ppt/launch/environment.h"

struct MemoryProgram {
    std::shared_ptr<office::memory::ProgramState> state = std::make_shared<office::memory::ProgramState>();
    office::memory::Connector connector{state};
    forms::ScriptedDialogs dialogs;
    launch::Environment env = [] {
        launch::Environment e;
        e.home = QUILLON_PROGRAM_DIR;
        return e;
    }();
};
