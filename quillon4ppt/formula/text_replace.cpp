#include "quillon4ppt/formula/text_replace.h"

namespace formula {

void replaceAll(std::u32string& text, std::u32string_view from, std::u32string_view to) {
    if (from.empty()) return;
    std::u32string out;
    std::size_t done = 0;
    for (std::size_t at = text.find(from); at != std::u32string::npos; at = text.find(from, done)) {
        out.append(text, done, at - done).append(to);
        done = at + from.size();
    }
    if (done == 0) return;
    out.append(text, done);
    text = std::move(out);
}

}  // namespace formula
