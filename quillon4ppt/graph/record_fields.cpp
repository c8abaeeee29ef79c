#include "quillon4ppt/graph/record_fields.h"

#include <cmath>
#include <limits>

namespace graph {

RecordFields RecordFields::reader(const Json& object) {
    if (!object.is_object()) throw RecordError("not an object");
    return RecordFields(nullptr, &object);
}

const Json& RecordFields::field(const char* name) {
    auto it = in_->find(name);
    if (it == in_->end()) throw RecordError(std::string("missing ") + name);
    ++visited_;
    return *it;
}

void RecordFields::finish() const {
    if (in_ && visited_ != in_->size()) throw RecordError("unknown fields");
}

RecordFields RecordFields::enter(const char* name, Json empty) {
    if (!reading()) return RecordFields(&((*out_)[name] = std::move(empty)), nullptr);
    return reader(field(name));
}

double RecordFields::readNumber(const char* name, double lo, double hi) {
    const Json& v = field(name);
    if (!v.is_number()) throw RecordError(std::string("not a number: ") + name);
    const double d = v.get<double>();
    if (!std::isfinite(d) || d < lo || d > hi) throw RecordError(std::string("out of range: ") + name);
    return d;
}

void RecordFields::number(const char* name, double& value, double lo, double hi) {
    if (!reading()) {
        (*out_)[name] = value;
        return;
    }
    value = readNumber(name, lo, hi);
}

namespace {
template <typename Int>
Int wholeOf(double d, const char* name) {
    if (d != std::floor(d)) throw RecordError(std::string("not whole: ") + name);
    return static_cast<Int>(d);
}
}  // namespace

void RecordFields::whole(const char* name, std::int16_t& value, int lo, int hi) {
    if (!reading()) {
        (*out_)[name] = value;
        return;
    }
    value = wholeOf<std::int16_t>(readNumber(name, lo, hi), name);
}

void RecordFields::whole(const char* name, std::int32_t& value, std::int32_t lo, std::int32_t hi) {
    if (!reading()) {
        (*out_)[name] = value;
        return;
    }
    value = wholeOf<std::int32_t>(readNumber(name, lo, hi), name);
}

void RecordFields::flag(const char* name, std::int16_t& value) {
    whole(name, value, -1, 0);
}

void RecordFields::flag(const char* name, bool& value) {
    if (!reading()) {
        (*out_)[name] = value;
        return;
    }
    const Json& v = field(name);
    if (!v.is_boolean()) throw RecordError(std::string("not a flag: ") + name);
    value = v.get<bool>();
}

void RecordFields::color(const char* name, common::Rgb& value) {
    std::int32_t c = static_cast<std::int32_t>(value);
    whole(name, c, 0, 0xFFFFFF);
    value = static_cast<common::Rgb>(c);
}

void RecordFields::text(const char* name, std::string& value) {
    if (!reading()) {
        (*out_)[name] = value;
        return;
    }
    const Json& v = field(name);
    if (!v.is_string() || v.get_ref<const std::string&>().size() > kLongestText)
        throw RecordError(std::string("bad text: ") + name);
    value = v.get<std::string>();
}

}  // namespace graph
