// The plotting families of the workspace, in the order of the plot-kind table.
#include "quillon4ppt/graph/conics/circles_family.h"
#include "quillon4ppt/graph/conics/ellipses_family.h"
#include "quillon4ppt/graph/conics/hyperbolas.h"
#include "quillon4ppt/graph/conics/lines_family.h"
#include "quillon4ppt/graph/conics/parabolas.h"
#include "quillon4ppt/graph/curves/exponential.h"
#include "quillon4ppt/graph/curves/expression_family.h"
#include "quillon4ppt/graph/curves/inverse.h"
#include "quillon4ppt/graph/curves/logarithm.h"
#include "quillon4ppt/graph/curves/power.h"
#include "quillon4ppt/graph/curves/trig.h"
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/graph/points.h"

namespace graph {

void addFamilies(frmGraph& graph) {
    graph.addFamily(std::make_unique<PointFamily>(graph));
    graph.addFamily(std::make_unique<CircleFamily>(graph));
    graph.addFamily(std::make_unique<EllipseFamily>(graph));
    graph.addFamily(std::make_unique<ParabolaFamily>(graph));
    graph.addFamily(std::make_unique<LineFamily>(graph));
    graph.addFamily(std::make_unique<ExponentialFamily>(graph));
    graph.addFamily(std::make_unique<LogarithmFamily>(graph));
    graph.addFamily(std::make_unique<HyperbolaFamily>(graph));
    graph.addFamily(std::make_unique<ExpressionFamily>(graph));
    graph.addFamily(std::make_unique<PowerFamily>(graph));
    graph.addFamily(std::make_unique<InverseFamily>(graph));
    graph.addFamily(std::make_unique<TrigFamily>(graph));
}

}  // namespace graph
