#pragma once
// Shapes of a figure sheet pasted onto the slide the presentation window shows.
#include "platform/office/host.h"
#include "platform/office/impress/session.h"

namespace office::impress {

// The clip's shapes, from its sheet opened hidden, land where they stand on their page,
// with their names, and become the selection.
void pasteSheetShapes(Session& session, const ShapeClip& clip);

}  // namespace office::impress
