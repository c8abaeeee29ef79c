#include "quillon4ppt/graph/plot_entries.h"

#include "common/numbers.h"
#include "common/text.h"

namespace graph {

PlotEntry parseEntry(const std::string& text) {
    std::string t = common::trimBlanks(text);
    PlotEntry e;
    auto open = t.find('('), close = t.find(')');
    if (open == std::string::npos || close == std::string::npos || close < open) return e;
    e.key = t.substr(open + 1, close - open - 1);
    // The whole number, not the last two characters, so a kind may hold any count.
    if (e.key != "ZBX") e.index = common::CInt(common::Val(t.substr(close + 1)));
    return e;
}

}  // namespace graph
