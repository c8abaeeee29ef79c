#pragma once
// The shapes of the slide shown in the presentation window.
#include <memory>

#include "platform/office/host.h"
#include "platform/office/impress/session.h"

namespace office::impress {

std::unique_ptr<SlideHost> slideShapes(SessionPtr session);

}  // namespace office::impress
