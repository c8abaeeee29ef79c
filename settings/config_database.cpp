#include "settings/config_database.h"

#include <sqlite3.h>

#include "common/text.h"

namespace settings {

int Rows::column(const std::string& name) const {
    std::string wanted = common::lowerAscii(name);
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (common::lowerAscii(columns[i]) == wanted) return static_cast<int>(i);
    return -1;
}

void ConfigDatabase::fail(const std::string& reason) const {
    throw SettingsError("无法读取设置文件 " + path_.string() + "：" + reason);
}

void ConfigDatabase::OpenConfigDatabase(const std::filesystem::path& path) {
    CloseConfigDatabase();
    path_ = path;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) fail("文件不存在。");
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::string reason = db_ ? sqlite3_errmsg(db_) : "out of memory";
        CloseConfigDatabase();
        fail(reason);
    }
    sqlite3_busy_timeout(db_, 2000);
}

void ConfigDatabase::CloseConfigDatabase() {
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

Rows ConfigDatabase::query(const std::string& sql) {
    if (!db_) fail("数据库没有打开。");
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) fail(sqlite3_errmsg(db_));
    Rows result;
    for (int i = 0; i < sqlite3_column_count(stmt); ++i)
        result.columns.push_back(sqlite3_column_name(stmt, i));
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        Row row;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            Cell cell;
            int type = sqlite3_column_type(stmt, i);
            if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
                cell.number = sqlite3_column_double(stmt, i);
            else if (type == SQLITE_TEXT)
                cell.text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            row.cells.push_back(std::move(cell));
        }
        result.rows.push_back(std::move(row));
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) fail(sqlite3_errmsg(db_));
    return result;
}

void ConfigDatabase::executeEach(const std::string& sql, const std::vector<std::vector<double>>& values) {
    if (!db_) fail("数据库没有打开。");
    if (sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(sqlite3_errmsg(db_));
    sqlite3_stmt* stmt = nullptr;
    bool ok = sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK;
    for (std::size_t r = 0; ok && r < values.size(); ++r) {
        for (std::size_t i = 0; i < values[r].size(); ++i)
            sqlite3_bind_double(stmt, static_cast<int>(i + 1), values[r][i]);
        ok = sqlite3_step(stmt) == SQLITE_DONE && sqlite3_reset(stmt) == SQLITE_OK;
    }
    if (ok) ok = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    std::string reason = ok ? "" : sqlite3_errmsg(db_);
    sqlite3_finalize(stmt);
    if (ok) return;
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    throw SettingsError("无法保存设置文件 " + path_.string() + "：" + reason);
}

}  // namespace settings
