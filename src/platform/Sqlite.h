// Small RAII wrappers over the SQLite C interface, raising ERegistryException on failure.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace skrivo::detail {

class SqliteDatabase {
public:
    // Opens (creating when missing) the database file; throws with the
    // file name and SQLite's reason when it cannot.
    explicit SqliteDatabase(const std::string& path);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    sqlite3* Handle() const { return db_; }
    const std::string& Path() const { return path_; }
    void Execute(const char* sql);
    [[noreturn]] void Fail(std::string_view what) const;

private:
    std::string path_;
    sqlite3* db_ = nullptr;
};

class SqliteStatement {
public:
    SqliteStatement(const SqliteDatabase& db, const char* sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    SqliteStatement& BindText(int index, std::string_view text);
    SqliteStatement& BindBlob(int index, std::string_view bytes);
    SqliteStatement& BindInt(int index, std::int64_t value);

    // True while a row is available; false when done.
    bool Step();
    void Run() { while (Step()) {} }
    // Ready to run again with new bindings.
    void Reset();

    int ColumnType(int col) const { return sqlite3_column_type(stmt_, col); }
    std::int64_t ColumnInt(int col) const { return sqlite3_column_int64(stmt_, col); }
    std::string ColumnBytes(int col) const;

private:
    const SqliteDatabase& db_;
    sqlite3_stmt* stmt_ = nullptr;
    bool stepped_ = false;
};

// BEGIN IMMEDIATE ... COMMIT, rolled back when the scope is left by an exception.
// Taking the write lock up front lets the busy timeout wait for another
// writer instead of failing halfway through. A Read transaction (BEGIN
// DEFERRED) only holds one snapshot for its reads.
class SqliteWriteTransaction {
public:
    enum class Kind { Write, Read };
    explicit SqliteWriteTransaction(SqliteDatabase& db, Kind kind = Kind::Write);
    ~SqliteWriteTransaction();
    SqliteWriteTransaction(const SqliteWriteTransaction&) = delete;
    SqliteWriteTransaction& operator=(const SqliteWriteTransaction&) = delete;
    void Commit();

private:
    SqliteDatabase& db_;
    bool done_ = false;
};

}  // namespace skrivo::detail
