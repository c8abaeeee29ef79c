#pragma once
// The text frame of a shape, its ranges and their fonts, over the shape's UNO text.
#include <memory>

#include "platform/office/host.h"
#include "platform/office/impress/session.h"

namespace office::impress {

// Makes no call until it is used.
std::unique_ptr<TextFrame> textFrameOf(SessionPtr session, Reference<css::drawing::XShape> shape);
// The selection's TextRange on the shape: the characters a TextRange.Select chose on
// it, else its whole text.
std::unique_ptr<TextRange> chosenTextOf(SessionPtr session, Reference<css::drawing::XShape> shape);

}  // namespace office::impress
