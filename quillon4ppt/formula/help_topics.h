#pragma once
// The formula window's help: one topic per construct of the formula language, with
// the label that shows it, the rules it shows and the picture of typeset examples.
#include <vector>

namespace formula {

struct HelpTopic {
    const char* caption;
    const char* text;     // the help panel's, its lines joined by CR LF
    const char* picture;  // file name in the program folder's img/
};

// Topics 1 to 7; element 0 is unused, as the label array's panel is label 0.
const std::vector<HelpTopic>& helpTopics();

}  // namespace formula
