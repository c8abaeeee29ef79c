// The windows this build has, by verb.
#include "quillon4ppt/formula/frm_gs.h"
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/launch/verbs.h"
#include "quillon4ppt/library/frm_tk.h"
#include "quillon4ppt/utilities/frm_dot.h"
#include "quillon4ppt/utilities/frm_shape_selecter.h"

namespace launch {

VerbTable knownVerbs() {
    VerbTable verbs;
    verbs.add("functiongraph", [](Program& p) { return std::make_unique<graph::frmGraph>(p); });
    verbs.add("gs", [](Program& p) { return std::make_unique<formula::frmGS>(p); });
    verbs.add("test", [](Program& p) { return std::make_unique<formula::frmGS>(p); });
    verbs.add("shapeselecter", [](Program& p) { return std::make_unique<utilities::frmShapeSelecter>(p); });
    verbs.add("dot", [](Program& p) { return std::make_unique<utilities::frmDot>(p); });
    verbs.add("tk", [](Program& p) { return std::make_unique<library::frmTK>(p); });
    return verbs;
}

}  // namespace launch
