#pragma once
// Arrowheads as LibreOffice reads and writes DrawingML's: markers from the document's
// marker table, named by kind, width and length.
#include "platform/office/impress/session.h"

namespace office::impress {

Arrowhead arrowheadOf(Session& session, const UnoShape& shape, bool begin);
// Sized by the line's weight, as PowerPoint sizes arrowheads.
void setArrowhead(Session& session, const UnoShape& shape, bool begin, const Arrowhead& head);

}  // namespace office::impress
