#pragma once
// One kind of plotted item: its records, its list label, its draw action, how a
// deletion loads a record back into its controls, and its renderer. The insertion
// and the deletion work on this table only, so a family plugs in without them.
#include <cstdint>
#include <string>
#include <vector>

#include "quillon4ppt/graph/slide_context.h"

namespace graph {

class PlotFamily {
public:
    virtual ~PlotFamily() = default;

    virtual std::string key() const = 0;    // "POINT"
    virtual std::string label() const = 0;  // "点(POINT) "
    // The page of the window's tab strip that holds the family's controls, -1 for none.
    virtual int tab() const { return -1; }
    // The tab's reset, also run when the tab is selected.
    virtual void reset() {}
    // The "确定" handler: draws into the preview and, while items are recorded,
    // stores the record at the counter and lists it.
    virtual void draw() = 0;
    // Puts the record's values back into the controls for a replay.
    virtual void loadRecord(int index) = 0;
    virtual void render(SlideContext& slide, int index) = 0;

    std::int16_t counter = 0;  // the index the next item receives; it only grows
};

// The records of one family, indexed from 0.
template <typename Record>
class RecordArray {
public:
    Record& at(int index) {
        if (static_cast<int>(items_.size()) <= index) items_.resize(index + 1);
        return items_[index];
    }
    const Record& get(int index) const { return items_.at(index); }
    int size() const { return static_cast<int>(items_.size()); }

private:
    std::vector<Record> items_;
};

}  // namespace graph
