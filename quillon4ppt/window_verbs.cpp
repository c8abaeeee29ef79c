// The windows this build has, by verb.
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/launch/verbs.h"

namespace launch {

VerbTable knownVerbs() {
    VerbTable verbs;
    verbs.add("functiongraph", [](Program& p) { return std::make_unique<graph::frmGraph>(p); });
    return verbs;
}

}  // namespace launch
