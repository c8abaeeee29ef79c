#pragma once
// The command verbs and the windows they open.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/form.h"
#include "quillon4ppt/launch/program.h"

namespace launch {

using WindowFactory = std::function<std::unique_ptr<forms::Form>(Program&)>;

struct Dispatch {
    enum class Result { Opened, NoVerb, NotBuilt } result = Result::NoVerb;
    std::unique_ptr<forms::Form> window;
    std::string verb;
};

class VerbTable {
public:
    VerbTable();
    // Windows register as they exist; a known verb without a window is "not built".
    void add(const std::string& verb, WindowFactory open);
    // The command line in lower case, not trimmed; the first equal verb wins.
    Dispatch dispatch(Program& program, const std::string& commandLine) const;

private:
    struct Entry {
        std::string verb;
        WindowFactory open;
    };
    std::vector<Entry> entries_;
};

// Every window this build has.
VerbTable knownVerbs();

}  // namespace launch
