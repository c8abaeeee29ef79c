#include "quillon4ppt/formula/help_topics.h"

#include "common/messages.h"

namespace formula {

namespace msg = common::messages;

const std::vector<HelpTopic>& helpTopics() {
    static const std::vector<HelpTopic> topics = {
        {"", "", ""},
        {msg::kHelpCaptionFraction, msg::kHelpFraction, "fs.png"},
        {msg::kHelpCaptionRadical, msg::kHelpRadical, "gs.png"},
        {msg::kHelpCaptionSuperscript, msg::kHelpSuperscript, "cf.png"},
        {msg::kHelpCaptionSubscript, msg::kHelpSubscript, "xb.png"},
        {msg::kHelpCaptionVectorArc, msg::kHelpVectorArc, "xl.png"},
        {msg::kHelpCaptionPermutation, msg::kHelpPermutation, "pl.png"},
        {msg::kHelpCaptionSystem, msg::kHelpSystem, "fcz.png"},
    };
    return topics;
}

}  // namespace formula
