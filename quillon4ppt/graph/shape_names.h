#pragma once
// Names of the shapes one insertion adds: label + "：" + a random number and the
// date-time digits + "_quillon", at most 32 characters.
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace graph {

class InsertedShapeNames {
public:
    InsertedShapeNames();

    // A renderer adds one before it names each shape.
    void countShape() { ++counter_; }
    std::string NameShape(const std::string& label);
    void ResetShapeNames();

    int counter() const { return counter_; }
    // Positions 1..counter; a position whose shape was never named is empty.
    const std::vector<std::string>& names() const { return names_; }

    // Injected in tests for fixed names.
    std::function<std::tm()> clock;
    std::function<double()> random;  // [0, 1)

private:
    std::int16_t counter_ = 0;
    std::vector<std::string> names_;
};

}  // namespace graph
