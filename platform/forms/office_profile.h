#pragma once
// A LibreOffice user profile of the system's own for headless runs.
#include <filesystem>

namespace forms {

// Makes the profile folder when it does not exist yet, marked as already run by this
// LibreOffice version: an office that believes it was just upgraded runs a graphics
// self-test of some seconds at every start, and a headless one never records the run.
// A profile that is not the user's own is set aside and made again.
void prepareOfficeProfile(const std::filesystem::path& profile);

}  // namespace forms
