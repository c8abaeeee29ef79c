#include "quillon4ppt/formula/bracket_group.h"

#include <array>
#include <map>

#include "common/messages.h"

namespace formula {
namespace {

constexpr std::u32string_view kOpening = U"([{";
constexpr std::u32string_view kClosing = U")]}";

using Balance = std::array<long, 3>;

// Opening minus closing brackets of each kind, kept while a group is scanned.
class BracketCounts {
public:
    void add(char32_t c) {
        if (auto k = kOpening.find(c); k != kOpening.npos) ++diff_[k];
        if (auto k = kClosing.find(c); k != kClosing.npos) --diff_[k];
    }
    bool balanced() const { return diff_ == Balance{}; }
    const Balance& balance() const { return diff_; }

private:
    Balance diff_{};
};

std::u32string groupForward(std::u32string_view text, std::size_t pos, char32_t closing) {
    BracketCounts counts;
    for (std::size_t q = pos; q < text.size(); ++q) {
        counts.add(text[q]);
        if (text[q] == closing && counts.balanced()) return std::u32string(text.substr(pos, q - pos + 1));
    }
    return std::u32string(text.substr(pos));
}

std::u32string groupBackward(std::u32string_view text, std::size_t pos, char32_t opening) {
    BracketCounts counts;
    for (std::size_t q = pos + 1; q-- > 0;) {
        counts.add(text[q]);
        if (text[q] == opening && counts.balanced()) return std::u32string(text.substr(q, pos - q + 1));
    }
    return std::u32string(text.substr(0, pos + 1));
}

}  // namespace

bool IsBracketBalanced(std::u32string_view t) {
    BracketCounts counts;
    for (char32_t c : t) counts.add(c);
    return counts.balanced();
}

std::optional<std::u32string> bracketGroupAt(std::u32string_view text, std::size_t pos) {
    if (pos >= text.size()) return std::nullopt;
    if (auto k = kOpening.find(text[pos]); k != kOpening.npos) return groupForward(text, pos, kClosing[k]);
    if (auto k = kClosing.find(text[pos]); k != kClosing.npos) return groupBackward(text, pos, kOpening[k]);
    return std::nullopt;
}

std::vector<std::size_t> roundGroupEnds(std::u32string_view text) {
    // A group is balanced exactly when the running balance after its ")" equals the
    // balance before its "(": from the right, remember the nearest ")" per balance.
    std::vector<Balance> before(text.size() + 1);
    BracketCounts counts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        before[i] = counts.balance();
        counts.add(text[i]);
    }
    before[text.size()] = counts.balance();
    std::map<Balance, std::size_t> nearestClose;
    std::vector<std::size_t> ends(text.size(), text.size());
    for (std::size_t i = text.size(); i-- > 0;) {
        if (text[i] == U')') nearestClose[before[i + 1]] = i + 1;
        if (text[i] != U'(') continue;
        if (auto it = nearestClose.find(before[i]); it != nearestClose.end()) ends[i] = it->second;
    }
    return ends;
}

std::u32string FindBracketGroup(std::u32string_view text, std::size_t pos, const ShowMessage& showMessage) {
    if (auto group = bracketGroupAt(text, pos)) return *group;
    if (showMessage) showMessage(common::messages::kNotABracket);
    return {};
}

std::u32string innerOf(std::u32string_view group) {
    if (group.size() < 2) return {};
    return std::u32string(group.substr(1, group.size() - 2));
}

}  // namespace formula
