#pragma once
// One walk over a record's fields that either writes them into a JSON object or reads
// them back from one, checking every value against the range the record allows.
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/color.h"

namespace graph {

using Json = nlohmann::ordered_json;

// Kept data that does not read: a field missing, of the wrong kind or out of range.
class RecordError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Numbers the records hold stay within what a slide position can take.
constexpr double kLargestNumber = 1e15;
constexpr std::size_t kLongestText = 2000;

class RecordFields {
public:
    static RecordFields writer(Json& object) { return RecordFields(&object, nullptr); }
    // RecordError when the object is not an object.
    static RecordFields reader(const Json& object);

    bool reading() const { return in_ != nullptr; }

    void number(const char* name, double& value, double lo = -kLargestNumber, double hi = kLargestNumber);
    void whole(const char* name, std::int16_t& value, int lo, int hi);
    void whole(const char* name, std::int32_t& value, std::int32_t lo, std::int32_t hi);
    void flag(const char* name, std::int16_t& value);  // -1 / 0
    void flag(const char* name, bool& value);
    void color(const char* name, common::Rgb& value);
    void text(const char* name, std::string& value);
    // A nested object, walked by `each`.
    template <typename Each>
    void object(const char* name, Each each) {
        RecordFields inner = enter(name, Json::object());
        each(inner);
        inner.finish();
    }
    // A list of objects of at most `most` entries, each walked by `each(fields, item)`.
    template <typename Item, typename Each>
    void list(const char* name, std::vector<Item>& items, std::size_t most, Each each) {
        if (!reading()) {
            Json& out = (*out_)[name] = Json::array();
            for (auto& item : items) {
                Json& entry = out.emplace_back(Json::object());
                RecordFields inner(&entry, nullptr);
                each(inner, item);
            }
            return;
        }
        const Json& in = field(name);
        if (!in.is_array() || in.size() > most) throw RecordError(std::string("bad list ") + name);
        items.assign(in.size(), Item{});
        for (std::size_t i = 0; i < in.size(); ++i) {
            RecordFields inner = reader(in[i]);
            each(inner, items[i]);
            inner.finish();
        }
    }
    // Reading: RecordError when the object holds a field the walk did not ask for.
    void finish() const;

private:
    RecordFields(Json* out, const Json* in) : out_(out), in_(in) {}
    const Json& field(const char* name);
    RecordFields enter(const char* name, Json empty);
    double readNumber(const char* name, double lo, double hi);

    Json* out_;
    const Json* in_;
    std::size_t visited_ = 0;
};

}  // namespace graph
