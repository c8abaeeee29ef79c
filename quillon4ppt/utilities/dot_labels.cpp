#include "quillon4ppt/utilities/dot_labels.h"

#include "common/numbers.h"
#include "common/text.h"

namespace utilities {

namespace {

// The text the type counts letters from.
std::u32string letterSource(int type, const DotInfo& info) {
    switch (type) {
        case kLetterVaries:
            return common::toUtf32(info[2]);
        case kLettersOnly:
            return common::trimBlanks(common::toUtf32(info[4]));
        case kPrimedLetters:
            return common::toUtf32(info[6]);
        default:
            return U"";
    }
}

std::string countedLetter(int type, const DotInfo& info, int k) {
    return common::toUtf8(static_cast<char32_t>(letterSource(type, info).at(0) + k - 1));
}

double startValue(const std::string& text) {
    return common::Val(common::trimBlanks(text));
}

}  // namespace

bool HasStartLetter(int type, const DotInfo& info) {
    if (type == kIndexVaries) return !info[0].empty();
    return type == kNumbersOnly || !letterSource(type, info).empty();
}

std::string DotLabelText(int type, const DotInfo& info, int k) {
    switch (type) {
        case kIndexVaries:
            return info[0] + common::PlainNumberText(startValue(info[1]) + k - 1);
        case kLetterVaries:
            return countedLetter(type, info, k) + common::trimBlanks(info[3]);
        case kNumbersOnly:
            return common::NumberText(startValue(info[5]) + k - 1);
        case kPrimedLetters:
            return countedLetter(type, info, k) + common::trimBlanks(info[7]);
        default:
            return countedLetter(kLettersOnly, info, k);
    }
}

}  // namespace utilities
