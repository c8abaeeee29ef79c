#pragma once
// Which presentation the program works on: the running Impress or the deck file.
#include <memory>

#include "platform/office/host.h"
#include "quillon4ppt/launch/environment.h"

// QUILLON_HOST=impress: the Impress on QUILLON_IMPRESS_PIPE (start-up ends with a
// message when none listens); pptx: the deck file; unset: a listening Impress when
// there is one, else the deck file.
std::unique_ptr<office::HostConnector> chooseHost(const launch::Environment& env);
