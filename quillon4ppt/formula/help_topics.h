#pragma once
// The formula window's help: one topic per construct of the formula language, with
// the label that shows it, the rules it shows and the picture of typeset examples.
#include <string>
#include <vector>

namespace formula {

struct HelpTopic {
    const char* caption;
    std::vector<const char*> lines;  // joined by CR LF in the help panel
    const char* picture;             // file name in the program folder's img/
};

// Topics 1 to 7; element 0 is unused, as the label array's panel is label 0.
const std::vector<HelpTopic>& helpTopics();

std::string helpPanelText(const HelpTopic& topic);

}  // namespace formula
