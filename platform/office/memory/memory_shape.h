#pragma once
// Shape handles over the memory host's data.
#include "platform/office/memory/memory_host.h"

namespace office::memory {

ShapePtr shapeHandle(std::shared_ptr<ProgramState> state, std::shared_ptr<ShapeData> data);
std::string numberArg(float value);
ShapeRangePtr rangeHandle(std::shared_ptr<ProgramState> state,
                          std::vector<std::shared_ptr<ShapeData>> shapes);

}  // namespace office::memory
