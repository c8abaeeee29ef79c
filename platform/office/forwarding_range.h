#pragma once
// What a range of shapes does by asking each of its shapes in turn, the same on every backend.
#include <string>

#include "platform/office/host.h"

namespace office {

class ForwardingRange : public ShapeRange {
public:
    int count() const override { return static_cast<int>(size()); }
    ShapePtr item(int index) override {
        if (index < 1 || index > count()) throw HostError("The index is outside the range of shapes.");
        return shape(static_cast<std::size_t>(index - 1));
    }
    void setName(const std::string& name) override {
        if (size() != 1) throw HostError("Only a single shape can be named.");
        shape(0)->setName(name);
    }
    void zOrder(int command) override {
        for (std::size_t i = 0; i < size(); ++i) shape(i)->zOrder(command);
    }
    void remove() override {
        for (std::size_t i = 0; i < size(); ++i) shape(i)->remove();
    }
    void incrementLeft(float points) override {
        for (std::size_t i = 0; i < size(); ++i) shape(i)->incrementLeft(points);
    }
    void incrementTop(float points) override {
        for (std::size_t i = 0; i < size(); ++i) shape(i)->incrementTop(points);
    }
    TextFrame& textFrame() override {
        if (size() != 1) throw HostError("Only a single shape has a text frame.");
        single_ = shape(0);
        return single_->textFrame();
    }

protected:
    virtual std::size_t size() const = 0;
    // The member at the 0-based position, as a shape of the backend.
    virtual ShapePtr shape(std::size_t index) = 0;

private:
    ShapePtr single_;  // keeps the shape whose text frame was handed out
};

}  // namespace office
