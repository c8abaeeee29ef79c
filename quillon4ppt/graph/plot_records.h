#pragma once
// The fields of every family's record, as the slide keeps them.
#include "quillon4ppt/graph/plot_family.h"
#include "quillon4ppt/graph/record_fields.h"

namespace graph {

// Writes or reads the record at `index` of the family; with `scratch` a read only
// checks the data and leaves the family's records as they are. False for a family
// whose records are not kept.
bool KeepRecord(PlotFamily& family, int index, RecordFields& fields, bool scratch = false);

}  // namespace graph
