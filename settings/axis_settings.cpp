#include "settings/axis_settings.h"

#include <string>

#include "common/messages.h"
#include "common/numbers.h"

namespace settings {
namespace {

double numberOf(const Cell& cell) {
    if (cell.number) return *cell.number;
    if (cell.text) return common::Val(*cell.text);
    return 0;
}

struct Columns {
    int name, integer, boolean;
};

void apply(AxisSettings& s, const Row& row, const Columns& c, const std::string& key) {
    auto integer = [&](std::int16_t& field, std::int16_t fallback) {
        field = IntegerSetting(key, c.integer < 0 ? 0 : numberOf(row.cells[c.integer]));
        if (field == 0) field = fallback;
    };
    auto boolean = [&](bool& field) { field = c.boolean >= 0 && numberOf(row.cells[c.boolean]) != 0; };
    if (key == "intK")
        integer(s.intK, 2);
    else if (key == "intKD")
        integer(s.intKD, 5);
    else if (key == "intLine")
        integer(s.intLine, 2);
    else if (key == "blYkdLeft")
        boolean(s.blYkdLeft);
    else if (key == "blYtxtLeft")
        boolean(s.blYtxtLeft);
    else if (key == "blXkdUp")
        boolean(s.blXkdUp);
    else if (key == "blXtxtUp")
        boolean(s.blXtxtUp);
}

}  // namespace

std::int16_t IntegerSetting(const std::string& key, double value) {
    try {
        return common::CInt(value);
    } catch (const common::OverflowError&) {
        throw SettingsError(common::messages::fill(common::messages::kSettingOutOfRange,
                                                   {key, common::PlainNumberText(value)}));
    }
}

AxisSettings LoadAxisSettings(ConfigDatabase& db, const std::filesystem::path& programFolder) {
    db.OpenConfigDatabase(programFolder / kConfigFileName);
    Rows rows = db.query(kAxisSettingsQuery);
    db.CloseConfigDatabase();
    Columns c{rows.column("cName"), rows.column("intvalue"), rows.column("blvalue")};
    AxisSettings s;
    if (c.name >= 0)
        for (const Row& row : rows.rows)
            if (row.cells[c.name].text) apply(s, row, c, *row.cells[c.name].text);
    // The frame and the ticks divide by these; a table without them gets the fallbacks.
    if (s.intK == 0) s.intK = 2;
    if (s.intKD == 0) s.intKD = 5;
    return s;
}

}  // namespace settings
