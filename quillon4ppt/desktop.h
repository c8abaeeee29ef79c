#pragma once
#include <string>

#include "platform/office/host.h"
#include "quillon4ppt/launch/verbs.h"

// Start-up with real windows: message boxes on the display when there is one, on
// standard error otherwise; the verb's window shown modeless until it ends the program.
int runDesktop(int argc, char** argv, const launch::Environment& env, const std::string& commandLine,
               office::HostConnector& connector, const launch::VerbTable& verbs);
