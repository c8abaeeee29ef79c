#pragma once
// What one formula's translation works with: the placeholder table its recursive
// translations share, and the two hooks into the window that runs it.
#include <functional>
#include <string>

#include "quillon4ppt/formula/bracket_group.h"
#include "quillon4ppt/formula/placeholder_table.h"

namespace formula {

struct FormulaContext {
    PlaceholderTable placeholders;
    // A modal message box with an OK button.
    ShowMessage showMessage;
    // Lets the window handle its pending messages during a long translation.
    std::function<void()> processPendingMessages;

    void letWindowBreathe() const {
        if (processPendingMessages) processPendingMessages();
    }
};

}  // namespace formula
