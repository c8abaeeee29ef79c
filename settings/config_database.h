#pragma once
// The connection to config.mdb in the program folder (an SQLite database here).
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "common/shown_error.h"

struct sqlite3;

namespace settings {

// config.mdb is missing, unreadable or not what it should be. The message names the
// file, says whether it was read or written and why, in the teacher's words, and can be
// shown as it is.
class SettingsError : public common::ShownError {
public:
    explicit SettingsError(const std::string& message) : common::ShownError(message, message) {}
};

// One cell; a NULL reads as nothing.
struct Cell {
    std::optional<double> number;
    std::optional<std::string> text;
    std::optional<std::string> bytes;  // a BLOB, byte for byte
};

// The bytes of a BLOB parameter.
struct Blob {
    std::string bytes;
};
// A bound parameter: values never become part of the statement's text.
using Value = std::variant<long long, double, std::string, Blob>;

struct Row {
    std::vector<Cell> cells;
};

struct Rows {
    std::vector<std::string> columns;
    std::vector<Row> rows;
    // The column's position, its name compared without regard to case; -1 when absent.
    int column(const std::string& name) const;
};

class ConfigDatabase {
public:
    ConfigDatabase() = default;
    ConfigDatabase(const ConfigDatabase&) = delete;
    ConfigDatabase& operator=(const ConfigDatabase&) = delete;
    ~ConfigDatabase() { CloseConfigDatabase(); }

    // Opens an existing file; never creates one.
    void OpenConfigDatabase(const std::filesystem::path& path);
    // Safe in any state.
    void CloseConfigDatabase();
    bool isOpen() const { return db_ != nullptr; }

    Rows query(const std::string& sql);
    Rows query(const std::string& sql, const std::vector<Value>& parameters);
    // Runs a statement that returns no rows; the count of rows it changed.
    int execute(const std::string& sql, const std::vector<Value>& parameters);
    // Runs body in one transaction: everything it wrote, or nothing when it throws.
    void transaction(const std::function<void()>& body);

    // Runs the statement once for each list of parameter values, all in one
    // transaction: every run takes effect, or none (SettingsError).
    void executeEach(const std::string& sql, const std::vector<std::vector<double>>& values);

private:
    // What the teacher is told names the file and whether it was read or written.
    enum class Access { kRead, kWrite };
    Rows run(Access access, const std::string& sql, const std::vector<Value>& parameters);
    [[noreturn]] void fail(Access access, const std::string& reason) const;
    [[noreturn]] void failWith(Access access, int sqliteCode, bool atPrepare) const;
    sqlite3* db_ = nullptr;
    std::filesystem::path path_;
};

// The file name in the program folder.
constexpr const char* kConfigFileName = "config.mdb";

}  // namespace settings
