#include "settings/config_database.h"

#include <sqlite3.h>

#include "common/messages.h"
#include "common/text.h"

namespace settings {

int Rows::column(const std::string& name) const {
    std::string wanted = common::lowerAscii(name);
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (common::lowerAscii(columns[i]) == wanted) return static_cast<int>(i);
    return -1;
}

namespace {

namespace msg = common::messages;

// What an SQLite result means for the teacher, without SQLite's own words.
const char* reasonOf(int code, bool atPrepare) {
    switch (code & 0xff) {
        case SQLITE_NOTADB:
            return msg::kDatabaseNotADatabase;
        case SQLITE_CORRUPT:
            return msg::kDatabaseCorrupt;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return msg::kDatabaseLocked;
        case SQLITE_READONLY:
            return msg::kDatabaseReadOnly;
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return msg::kDatabaseCannotOpen;
        case SQLITE_IOERR:
            return msg::kDatabaseDiskError;
        case SQLITE_FULL:
            return msg::kDatabaseDiskFull;
        case SQLITE_NOMEM:
            return msg::kDatabaseNoMemory;
        case SQLITE_CONSTRAINT:
            return msg::kDatabaseRefused;
        default:
            return atPrepare ? msg::kDatabaseMissingTable : msg::kDatabaseFailed;
    }
}

}  // namespace

void ConfigDatabase::fail(Access access, const std::string& reason) const {
    const char* text = access == Access::kWrite ? msg::kSettingsCannotWrite : msg::kSettingsCannotRead;
    throw SettingsError(msg::fill(text, {path_.string(), reason}));
}

void ConfigDatabase::failWith(Access access, int code, bool atPrepare) const {
    fail(access, reasonOf(code, atPrepare));
}

void ConfigDatabase::OpenConfigDatabase(const std::filesystem::path& path) {
    CloseConfigDatabase();
    path_ = path;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) fail(Access::kRead, msg::kDatabaseFileMissing);
    const int rc = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const int code = db_ ? sqlite3_extended_errcode(db_) : rc;
        CloseConfigDatabase();
        failWith(Access::kRead, code, false);
    }
    sqlite3_busy_timeout(db_, 2000);
}

void ConfigDatabase::CloseConfigDatabase() {
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

Rows ConfigDatabase::query(const std::string& sql) {
    return query(sql, {});
}

Rows ConfigDatabase::query(const std::string& sql, const std::vector<Value>& parameters) {
    return run(Access::kRead, sql, parameters);
}

namespace {

struct Statement {
    sqlite3_stmt* stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

Cell cellOf(sqlite3_stmt* stmt, int i) {
    Cell cell;
    int type = sqlite3_column_type(stmt, i);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
        cell.number = sqlite3_column_double(stmt, i);
    else if (type == SQLITE_TEXT)
        cell.text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
    else if (type == SQLITE_BLOB) {
        const void* data = sqlite3_column_blob(stmt, i);
        cell.bytes = std::string(static_cast<const char*>(data), sqlite3_column_bytes(stmt, i));
    }
    return cell;
}

int bind(sqlite3_stmt* stmt, int index, const Value& value) {
    if (auto* n = std::get_if<long long>(&value)) return sqlite3_bind_int64(stmt, index, *n);
    if (auto* d = std::get_if<double>(&value)) return sqlite3_bind_double(stmt, index, *d);
    if (auto* t = std::get_if<std::string>(&value))
        return sqlite3_bind_text64(stmt, index, t->data(), t->size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    const std::string& bytes = std::get<Blob>(value).bytes;
    return sqlite3_bind_blob64(stmt, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
}

}  // namespace

Rows ConfigDatabase::run(Access access, const std::string& sql, const std::vector<Value>& parameters) {
    if (!db_) fail(access, msg::kDatabaseNotOpen);
    Statement s;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &s.stmt, nullptr) != SQLITE_OK)
        failWith(access, sqlite3_extended_errcode(db_), true);
    for (std::size_t i = 0; i < parameters.size(); ++i)
        if (bind(s.stmt, static_cast<int>(i) + 1, parameters[i]) != SQLITE_OK)
            failWith(access, sqlite3_extended_errcode(db_), false);
    Rows result;
    for (int i = 0; i < sqlite3_column_count(s.stmt); ++i)
        result.columns.push_back(sqlite3_column_name(s.stmt, i));
    int rc;
    while ((rc = sqlite3_step(s.stmt)) == SQLITE_ROW) {
        Row row;
        for (int i = 0; i < sqlite3_column_count(s.stmt); ++i) row.cells.push_back(cellOf(s.stmt, i));
        result.rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) failWith(access, sqlite3_extended_errcode(db_), false);
    return result;
}

int ConfigDatabase::execute(const std::string& sql, const std::vector<Value>& parameters) {
    run(Access::kWrite, sql, parameters);
    return sqlite3_changes(db_);
}

void ConfigDatabase::transaction(const std::function<void()>& body) {
    execute("BEGIN IMMEDIATE", {});
    try {
        body();
        execute("COMMIT", {});
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void ConfigDatabase::executeEach(const std::string& sql, const std::vector<std::vector<double>>& values) {
    transaction([&] {
        for (const auto& row : values) execute(sql, std::vector<Value>(row.begin(), row.end()));
    });
}

}  // namespace settings
