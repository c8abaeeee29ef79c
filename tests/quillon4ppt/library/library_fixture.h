#pragma once
// A copy of the built config.mdb with the sample library in a folder of its own, which
// also stands for the user's cache folder, and a deck standing for the presentation.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/forms/dialogs.h"
#include "settings/config_database.h"

struct LibraryFolder : ::testing::Test {
    std::filesystem::path dir;
    std::filesystem::path cache;  // the library's working folder
    std::string oldCache;

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() / ("quillon_library_" + std::string(info->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::filesystem::copy_file(std::filesystem::path(QUILLON_PROGRAM_DIR) / "config.mdb",
                                   dir / "config.mdb");
        cache = dir / "quillon4ppt";
        if (const char* t = getenv("XDG_CACHE_HOME")) oldCache = t;
        setenv("XDG_CACHE_HOME", dir.c_str(), 1);
    }
    void TearDown() override {
        if (oldCache.empty())
            unsetenv("XDG_CACHE_HOME");
        else
            setenv("XDG_CACHE_HOME", oldCache.c_str(), 1);
        std::filesystem::remove_all(dir);
    }

    static std::string slurp(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void write(const std::filesystem::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
    }
    // The stored content of document n, read straight from the file.
    std::string stored(long long n) {
        settings::ConfigDatabase db;
        db.OpenConfigDatabase(dir / "config.mdb");
        auto rows = db.query("select content from big where Id = ?", {n});
        return rows.rows.empty() ? "" : rows.rows[0].cells[0].bytes.value_or("");
    }
    void storeBytes(long long n, const std::string& bytes) {
        settings::ConfigDatabase db;
        db.OpenConfigDatabase(dir / "config.mdb");
        db.execute("update big set content = ? where Id = ?", {settings::Blob{bytes}, n});
    }
};
