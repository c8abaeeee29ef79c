#include "quillon4ppt/graph/shape_names.h"

#include <algorithm>
#include <chrono>
#include <random>

#include "common/text.h"

namespace graph {
namespace {

std::tm localNow() {
    std::time_t t = std::time(nullptr);
    std::tm out{};
    localtime_r(&t, &out);
    return out;
}

// Re-seeded from the clock for every draw, as the names have always been made.
double clockSeededRandom() {
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    std::mt19937 gen(static_cast<std::uint32_t>(ticks));
    return std::uniform_real_distribution<double>(0.0, 1.0)(gen);
}

std::string makeName(const std::string& label, int n, const std::string& digits) {
    return common::leftChars(label + "：" + std::to_string(n) + digits + "_quillon", 32);
}

}  // namespace

InsertedShapeNames::InsertedShapeNames() : clock(localNow), random(clockSeededRandom) {
    ResetShapeNames();
}

std::string InsertedShapeNames::NameShape(const std::string& label) {
    std::tm t = clock();
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &t);
    std::string digits;
    for (const char* p = stamp + 2; *p; ++p)
        if (*p >= '0' && *p <= '9') digits += *p;
    int n = static_cast<int>(random() * 999 + 1);
    std::string name = makeName(label, n, digits);
    // Two shapes of one label drawn in the same second could meet the same number;
    // the name must find its own shape again, so the number moves on.
    for (int tries = 1; tries < 999 && std::find(names_.begin(), names_.end(), name) != names_.end(); ++tries)
        name = makeName(label, n % 999 + 1, digits), n = n % 999 + 1;
    if (static_cast<int>(names_.size()) < counter_ + 1) names_.resize(counter_ + 1);
    names_[counter_] = name;
    return name;
}

void InsertedShapeNames::ResetShapeNames() {
    counter_ = 0;
    names_.assign(1, std::string());
}

}  // namespace graph
