// The windows this build has, by verb.
#include "quillon4ppt/formula/frm_gs.h"
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/launch/verbs.h"

namespace launch {

VerbTable knownVerbs() {
    VerbTable verbs;
    verbs.add("functiongraph", [](Program& p) { return std::make_unique<graph::frmGraph>(p); });
    verbs.add("gs", [](Program& p) { return std::make_unique<formula::frmGS>(p); });
    verbs.add("test", [](Program& p) { return std::make_unique<formula::frmGS>(p); });
    return verbs;
}

}  // namespace launch
