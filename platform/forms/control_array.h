#pragma once
// A control array: elements named "name(0)", "name(1)"... addressed by index.
#include <memory>
#include <string>
#include <vector>

namespace forms {

class Form;

template <typename T>
class ControlArray {
public:
    ControlArray(Form& form, const std::string& name, int count, int first = 0) : first_(first) {
        for (int i = 0; i < count; ++i)
            items_.push_back(std::make_unique<T>(form, name + "(" + std::to_string(first + i) + ")"));
    }
    T& operator[](int index) { return *items_.at(index - first_); }
    const T& operator[](int index) const { return *items_.at(index - first_); }
    int size() const { return static_cast<int>(items_.size()); }
    int first() const { return first_; }

private:
    int first_;
    std::vector<std::unique_ptr<T>> items_;
};

}  // namespace forms
