#include "settings/frm_config.h"

#include "common/numbers.h"
#include "settings/axis_settings.h"

namespace settings {
namespace {

// The rows as the editor visits them, each with its place in the table for writing back.
constexpr const char* kEditorQuery = "select _rowid_ as quillon_row, * from  pptconfig  order by id asc";
constexpr const char* kUpdateRow = "update pptconfig set intvalue = ?1, blvalue = ?2 where _rowid_ = ?3";
constexpr double kTrue = -1;

double numberIn(const Cell& cell) {
    if (cell.number) return *cell.number;
    if (cell.text) return common::Val(*cell.text);
    return 0;
}

struct Columns {
    int row, name, integer, boolean;
    explicit Columns(const Rows& rows)
        : row(rows.column("quillon_row")),
          name(rows.column("cName")),
          integer(rows.column("intvalue")),
          boolean(rows.column("blvalue")) {}
    double at(const Row& r, int column) const { return column < 0 ? 0 : numberIn(r.cells[column]); }
};

}  // namespace

frmConfig::frmConfig(forms::Dialogs& dialogs, ConfigDatabase& db, std::filesystem::path programFolder,
                     std::function<void()> showMain)
    : Form("frmConfig", dialogs),
      db_(db),
      programFolder_(std::move(programFolder)),
      showMain_(std::move(showMain)) {
    for (int w = 1; w <= 10; ++w) Combo1.addItem(std::to_string(w));
    declareLayout();
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdExit.Click = [this] { cmdExit_Click(); };
}

forms::ControlArray<forms::OptionButton>* frmConfig::optionsOf(const std::string& key) {
    if (key == "blYkdLeft") return &optYkd;
    if (key == "blYtxtLeft") return &optYtxt;
    if (key == "blXkdUp") return &optXkd;
    if (key == "blXtxtUp") return &optXtxt;
    return nullptr;
}

void frmConfig::showRow(const std::string& key, double intvalue, bool blvalue) {
    if (auto* pair = optionsOf(key))
        (*pair)[blvalue ? 0 : 1].setValue(true);
    else if (key == "intK")
        Text1[0].setText(common::PlainNumberText(intvalue));
    else if (key == "intKD")
        Text1[1].setText(common::PlainNumberText(intvalue));
    else if (key == "intLine")
        Combo1.setText(common::PlainNumberText(intvalue));
}

std::vector<double> frmConfig::valuesOf(const std::string& key, double intvalue, bool blvalue) {
    if (auto* pair = optionsOf(key)) return {intvalue, (*pair)[0].value() ? kTrue : 0};
    double stored = blvalue ? kTrue : 0;
    std::string typed;
    if (key == "intK")
        typed = Text1[0].text();
    else if (key == "intKD")
        typed = Text1[1].text();
    else if (key == "intLine")
        typed = Combo1.text();
    else
        return {};
    // Stored as typed, but never a value the tools would refuse to start with.
    const double value = common::Val(typed);
    IntegerSetting(key, value);
    return {value, stored};
}

void frmConfig::Form_Load() {
    Text1[0].setText("5");
    Text1[1].setText("8");
    try {
        db_.OpenConfigDatabase(programFolder_ / kConfigFileName);
        Rows rows = db_.query(kEditorQuery);
        Columns c(rows);
        if (c.name < 0) return;
        for (const Row& r : rows.rows)
            if (r.cells[c.name].text)
                showRow(*r.cells[c.name].text, c.at(r, c.integer), c.at(r, c.boolean) != 0);
    } catch (const SettingsError& e) {
        dialogs().msgBox(e.what());
        close();
    }
}

void frmConfig::cmdOK_Click() {
    std::vector<std::vector<double>> updates;
    try {
        Rows rows = db_.query(kEditorQuery);
        Columns c(rows);
        for (const Row& r : rows.rows) {
            if (c.name < 0 || !r.cells[c.name].text) continue;
            auto values = valuesOf(*r.cells[c.name].text, c.at(r, c.integer), c.at(r, c.boolean) != 0);
            if (values.empty()) continue;
            values.push_back(c.at(r, c.row));
            updates.push_back(std::move(values));
        }
        db_.executeEach(kUpdateRow, updates);
    } catch (const SettingsError& e) {
        // What the teacher typed stays in the window for another try.
        dialogs().msgBox(e.what());
        return;
    }
    cmdExit_Click();
}

void frmConfig::cmdExit_Click() {
    close();
}

void frmConfig::close() {
    unload();
    showMain_();
}

}  // namespace settings
