#pragma once
// How coordinate systems look on the slide, read once at start-up from pptconfig.
#include <cstdint>
#include <filesystem>
#include <string>

#include "settings/config_database.h"

namespace settings {

struct AxisSettings {
    std::int16_t intK = 0;     // the frame spans 1/intK of the slide's shorter side
    std::int16_t intKD = 0;    // ticks are 1/intKD of a unit long
    std::int16_t intLine = 0;  // default line weight in points
    bool blYkdLeft = false;    // y ticks left of the axis
    bool blYtxtLeft = false;   // y numbers left of the axis
    bool blXkdUp = false;      // x ticks above the axis
    bool blXtxtUp = false;     // x numbers above the axis
};

constexpr const char* kAxisSettingsQuery = "select * from  pptconfig  order by id asc";

// The 16-bit whole number the integer setting of that key loads as (halves to even);
// SettingsError, shown as it is, when the value does not fit.
std::int16_t IntegerSetting(const std::string& key, double value);

// Reads config.mdb of the program folder. SettingsError when the file is missing,
// corrupt, lacks the table or holds a number that does not fit.
AxisSettings LoadAxisSettings(ConfigDatabase& db, const std::filesystem::path& programFolder);

}  // namespace settings
