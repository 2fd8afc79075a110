// SQLite connection, statement and transaction wrappers for the registry store.
#include "platform/Sqlite.h"

#include <chrono>
#include <thread>

namespace skrivo::detail {
namespace {

bool IsBusy(int rc) { return (rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED; }

// SQLite's busy handler is not consulted everywhere: switching the journal
// mode, or starting a transaction while another process is switching it,
// fails at once with SQLITE_BUSY. Those steps are safe to repeat, so they
// are retried here until the same timeout runs out.
class BusyRetry {
public:
    BusyRetry() : deadline_(std::chrono::steady_clock::now() + std::chrono::milliseconds(RegistryLockWaitMs())) {}
    bool Again(int rc) {
        if (!IsBusy(rc) || std::chrono::steady_clock::now() >= deadline_) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs_));
        pauseMs_ = pauseMs_ < 50 ? pauseMs_ * 2 : 50;
        return true;
    }

private:
    std::chrono::steady_clock::time_point deadline_;
    int pauseMs_ = 1;
};

std::string LockedMessage(const std::string& path, const std::string& reason) {
    return "Registry database '" + path + "' is locked by another program (" + reason + ")";
}

}  // namespace

SqliteDatabase::SqliteDatabase(const std::string& path) : path_(path) {
    int rc = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                             nullptr);
    if (rc != SQLITE_OK) {
        std::string reason = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw ERegistryException("Registry database '" + path + "' cannot be opened: " + reason);
    }
    sqlite3_extended_result_codes(db_, 1);
    // How long a call waits for another process's transaction to finish.
    sqlite3_busy_timeout(db_, RegistryLockWaitMs());
}

SqliteDatabase::~SqliteDatabase() { sqlite3_close(db_); }

void SqliteDatabase::Execute(const char* sql) {
    BusyRetry retry;
    for (;;) {
        char* error = nullptr;
        int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &error);
        if (rc == SQLITE_OK) return;
        std::string reason = error ? error : sqlite3_errmsg(db_);
        sqlite3_free(error);
        if (retry.Again(rc)) continue;
        if (IsBusy(rc)) throw ERegistryLocked(LockedMessage(path_, reason));
        throw ERegistryException("Registry database '" + path_ + "': " + reason);
    }
}

void SqliteDatabase::Fail(std::string_view what) const {
    if (IsBusy(sqlite3_extended_errcode(db_))) throw ERegistryLocked(LockedMessage(path_, sqlite3_errmsg(db_)));
    throw ERegistryException("Registry database '" + path_ + "': " + std::string(what) + ": " + sqlite3_errmsg(db_));
}

SqliteStatement::SqliteStatement(const SqliteDatabase& db, const char* sql) : db_(db) {
    if (sqlite3_prepare_v2(db.Handle(), sql, -1, &stmt_, nullptr) != SQLITE_OK) db.Fail("cannot prepare a query");
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(stmt_); }

SqliteStatement& SqliteStatement::BindText(int index, std::string_view text) {
    if (sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT) != SQLITE_OK) {
        db_.Fail("cannot bind a value");
    }
    return *this;
}

SqliteStatement& SqliteStatement::BindBlob(int index, std::string_view bytes) {
    // A zero-length blob must still be a blob, not NULL.
    if (sqlite3_bind_blob(stmt_, index, bytes.empty() ? "" : bytes.data(), static_cast<int>(bytes.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK) {
        db_.Fail("cannot bind a value");
    }
    return *this;
}

SqliteStatement& SqliteStatement::BindInt(int index, std::int64_t value) {
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) db_.Fail("cannot bind a value");
    return *this;
}

bool SqliteStatement::Step() {
    BusyRetry retry;
    for (;;) {
        int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) {
            stepped_ = true;
            return true;
        }
        if (rc == SQLITE_DONE) return false;
        // Only a statement that has not produced rows yet can start over.
        if (!stepped_ && retry.Again(rc)) {
            sqlite3_reset(stmt_);
            continue;
        }
        db_.Fail("query failed");
    }
}

void SqliteStatement::Reset() {
    sqlite3_reset(stmt_);
    stepped_ = false;
    sqlite3_clear_bindings(stmt_);
}

std::string SqliteStatement::ColumnBytes(int col) const {
    const void* data = sqlite3_column_blob(stmt_, col);
    int size = sqlite3_column_bytes(stmt_, col);
    return data ? std::string(static_cast<const char*>(data), static_cast<std::size_t>(size)) : std::string();
}

SqliteWriteTransaction::SqliteWriteTransaction(SqliteDatabase& db, Kind kind) : db_(db) {
    db_.Execute(kind == Kind::Write ? "BEGIN IMMEDIATE" : "BEGIN DEFERRED");
}

SqliteWriteTransaction::~SqliteWriteTransaction() {
    if (!done_) sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void SqliteWriteTransaction::Commit() {
    db_.Execute("COMMIT");
    done_ = true;
}

}  // namespace skrivo::detail
