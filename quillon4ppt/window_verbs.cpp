// The windows this build has, by verb.
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/launch/verbs.h"
#include "quillon4ppt/library/frm_tk.h"

namespace launch {

VerbTable knownVerbs() {
    VerbTable verbs;
    verbs.add("functiongraph", [](Program& p) { return std::make_unique<graph::frmGraph>(p); });
    verbs.add("tk", [](Program& p) { return std::make_unique<library::frmTK>(p); });
    return verbs;
}

}  // namespace launch
