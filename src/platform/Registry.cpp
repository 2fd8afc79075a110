// The per-user registry: keys and typed values in an SQLite database shared by every process of the user.
#include "platform/Registry.h"

#include <optional>

#include "platform/FileIO.h"
#include "platform/Paths.h"
#include "platform/Sqlite.h"

namespace skrivo {
namespace {

using detail::SqliteDatabase;
using detail::SqliteStatement;
using detail::SqliteWriteTransaction;

// Stored format version (PRAGMA user_version); a newer file is refused
// rather than misread.
constexpr int kSchemaVersion = 1;

// Paths and names compare with SQLite's NOCASE collation, which folds ASCII
// letters only, as the registry's own key and value names do.
constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS keys ("
    "  path TEXT NOT NULL PRIMARY KEY COLLATE NOCASE,"
    "  parent TEXT NOT NULL COLLATE NOCASE,"
    "  name TEXT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS keys_by_parent ON keys(parent);"
    "CREATE TABLE IF NOT EXISTS vals ("
    "  path TEXT NOT NULL COLLATE NOCASE,"
    "  name TEXT NOT NULL COLLATE NOCASE,"
    "  type INTEGER NOT NULL,"
    "  data BLOB NOT NULL,"
    "  PRIMARY KEY (path, name));";

struct StoredValue {
    RegDataType type = RegDataType::Unknown;
    std::string bytes;      // text or binary data
    std::int64_t number = 0;
};

const char* TypeName(RegDataType type) {
    switch (type) {
    case RegDataType::String: return "a string";
    case RegDataType::Integer: return "an integer";
    case RegDataType::Binary: return "binary data";
    default: return "of an unknown type";
    }
}

// "\Software\X\\Y\" -> "Software\X\Y": separators at either end and doubled
// ones carry no meaning.
std::string NormalizeKey(std::string_view key) {
    std::string path;
    std::size_t start = 0;
    while (start <= key.size()) {
        std::size_t end = key.find('\\', start);
        if (end == std::string_view::npos) end = key.size();
        if (end > start) {
            if (!path.empty()) path += '\\';
            path.append(key.substr(start, end - start));
        }
        start = end + 1;
    }
    return path;
}

std::string ParentOf(const std::string& path) {
    auto sep = path.find_last_of('\\');
    return sep == std::string::npos ? std::string() : path.substr(0, sep);
}

std::string LastPart(const std::string& path) {
    auto sep = path.find_last_of('\\');
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

}  // namespace

struct Registry::Impl {
    SqliteDatabase db;
    std::optional<std::string> current;
    // The caller's group transaction (BeginUpdate/BeginRead), if any.
    std::optional<SqliteWriteTransaction> group;

    // A transaction of the call's own unless the caller's group is open.
    class OwnTransaction {
    public:
        explicit OwnTransaction(Impl& impl) {
            if (!impl.group) tx_.emplace(impl.db);
        }
        void Commit() {
            if (tx_) tx_->Commit();
        }

    private:
        std::optional<SqliteWriteTransaction> tx_;
    };

    explicit Impl(const std::string& path) : db(path) {
        db.Execute("PRAGMA journal_mode=WAL");
        // In WAL mode NORMAL still never corrupts the file; it only skips the
        // sync on every commit, which made each saved option cost a disk flush.
        db.Execute("PRAGMA synchronous=NORMAL");
        const int stored = StoredVersion();
        if (stored > kSchemaVersion) {
            throw ERegistryException("Registry database '" + path + "' was written by a newer version (format " +
                                     std::to_string(stored) + ")");
        }
        if (stored < kSchemaVersion) {
            SqliteWriteTransaction tx(db);
            db.Execute(kSchema);
            db.Execute(("PRAGMA user_version=" + std::to_string(kSchemaVersion)).c_str());
            tx.Commit();
        }
    }

    // Read in a statement of its own that is finished before any write, so
    // that no read snapshot is held when the write lock is asked for.
    int StoredVersion() const {
        SqliteStatement version(db, "PRAGMA user_version");
        return version.Step() ? static_cast<int>(version.ColumnInt(0)) : 0;
    }

    const std::string& Current() const {
        if (!current) throw ERegistryException("No registry key is open");
        return *current;
    }

    bool KeyStored(const std::string& path) const {
        if (path.empty()) return true;  // the hive's root always exists
        SqliteStatement q(db, "SELECT 1 FROM keys WHERE path = ?");
        q.BindText(1, path);
        return q.Step();
    }

    // Inside a write transaction: the key and all its parents.
    void CreateKeyChain(const std::string& path) {
        SqliteStatement insert(db, "INSERT OR IGNORE INTO keys(path, parent, name) VALUES (?, ?, ?)");
        for (std::string p = path; !p.empty(); p = ParentOf(p)) {
            insert.BindText(1, p).BindText(2, ParentOf(p)).BindText(3, LastPart(p));
            insert.Run();
            insert.Reset();
        }
    }

    std::optional<StoredValue> Load(std::string_view name) const {
        SqliteStatement q(db, "SELECT type, data FROM vals WHERE path = ? AND name = ?");
        q.BindText(1, Current()).BindText(2, name);
        if (!q.Step()) return std::nullopt;
        StoredValue v;
        v.type = static_cast<RegDataType>(q.ColumnInt(0));
        if (v.type == RegDataType::Integer) {
            v.number = q.ColumnInt(1);
        } else {
            v.bytes = q.ColumnBytes(1);
        }
        return v;
    }

    StoredValue LoadAs(std::string_view name, RegDataType wanted) const {
        auto v = Load(name);
        if (!v) {
            throw ERegistryException("Registry value '" + std::string(name) + "' does not exist in key '" +
                                     Current() + "'");
        }
        if (v->type != wanted) {
            throw ERegistryException("Registry value '" + std::string(name) + "' is " + TypeName(v->type) +
                                     ", not " + TypeName(wanted));
        }
        return *v;
    }

    void Store(std::string_view name, RegDataType type, std::string_view bytes, std::int64_t number) {
        const std::string& path = Current();
        OwnTransaction tx(*this);
        // Another process may have deleted the key since it was opened.
        CreateKeyChain(path);
        SqliteStatement put(db, "INSERT OR REPLACE INTO vals(path, name, type, data) VALUES (?, ?, ?, ?)");
        put.BindText(1, path).BindText(2, name).BindInt(3, static_cast<int>(type));
        if (type == RegDataType::Integer) {
            put.BindInt(4, number);
        } else {
            put.BindBlob(4, bytes);
        }
        put.Run();
        tx.Commit();
    }
};

Registry::Registry() : Registry(RegistryPath()) {}

Registry::Registry(std::string databasePath) {
    std::string folder = ExtractFilePath(databasePath);
    if (!folder.empty()) ForceDirectories(folder);
    impl_ = std::make_unique<Impl>(databasePath);
}

Registry::~Registry() = default;

void Registry::BeginUpdate() {
    if (impl_->group) throw ERegistryException("A registry transaction is already open");
    impl_->group.emplace(impl_->db);
}

void Registry::BeginRead() {
    if (impl_->group) throw ERegistryException("A registry transaction is already open");
    impl_->group.emplace(impl_->db, SqliteWriteTransaction::Kind::Read);
    try {
        // A deferred transaction takes its snapshot at the first read.
        impl_->StoredVersion();
    } catch (...) {
        impl_->group.reset();
        throw;
    }
}

void Registry::CommitUpdate() {
    if (!impl_->group) return;
    impl_->group->Commit();
    impl_->group.reset();
}

bool Registry::InTransaction() const { return impl_->group.has_value(); }

bool Registry::OpenKey(std::string_view key, bool canCreate) {
    std::string path = NormalizeKey(key);
    if (!impl_->KeyStored(path)) {
        if (!canCreate) return false;
        Impl::OwnTransaction tx(*impl_);
        impl_->CreateKeyChain(path);
        tx.Commit();
    }
    impl_->current = path;
    return true;
}

void Registry::CloseKey() { impl_->current.reset(); }

bool Registry::HasCurrentKey() const { return impl_->current.has_value(); }

const std::string& Registry::CurrentPath() const {
    static const std::string none;
    return impl_->current ? *impl_->current : none;
}

bool Registry::KeyExists(std::string_view key) const { return impl_->KeyStored(NormalizeKey(key)); }

bool Registry::DeleteKey(std::string_view key) {
    std::string path = NormalizeKey(key);
    if (path.empty()) return false;  // the root of the hive cannot go
    Impl::OwnTransaction tx(*impl_);
    if (!impl_->KeyStored(path)) return false;
    const std::string prefix = path + "\\";
    SqliteStatement keys(impl_->db,
                         "DELETE FROM keys WHERE path = ?1 OR substr(path, 1, length(?2)) = ?2 COLLATE NOCASE");
    keys.BindText(1, path).BindText(2, prefix);
    keys.Run();
    SqliteStatement vals(impl_->db,
                         "DELETE FROM vals WHERE path = ?1 OR substr(path, 1, length(?2)) = ?2 COLLATE NOCASE");
    vals.BindText(1, path).BindText(2, prefix);
    vals.Run();
    tx.Commit();
    return true;
}

std::vector<std::string> Registry::GetKeyNames() const {
    SqliteStatement q(impl_->db, "SELECT name FROM keys WHERE parent = ? ORDER BY name COLLATE NOCASE");
    q.BindText(1, impl_->Current());
    std::vector<std::string> names;
    while (q.Step()) names.push_back(q.ColumnBytes(0));
    return names;
}

std::vector<std::string> Registry::GetValueNames() const {
    SqliteStatement q(impl_->db, "SELECT name FROM vals WHERE path = ? ORDER BY name COLLATE NOCASE");
    q.BindText(1, impl_->Current());
    std::vector<std::string> names;
    while (q.Step()) names.push_back(q.ColumnBytes(0));
    return names;
}

bool Registry::ValueExists(std::string_view name) const { return impl_->Load(name).has_value(); }

bool Registry::DeleteValue(std::string_view name) {
    SqliteStatement q(impl_->db, "DELETE FROM vals WHERE path = ? AND name = ?");
    q.BindText(1, impl_->Current()).BindText(2, name);
    q.Run();
    return sqlite3_changes(impl_->db.Handle()) > 0;
}

RegDataType Registry::GetDataType(std::string_view name) const {
    auto v = impl_->Load(name);
    return v ? v->type : RegDataType::Unknown;
}

int Registry::GetDataSize(std::string_view name) const {
    auto v = impl_->Load(name);
    if (!v) return -1;
    switch (v->type) {
    case RegDataType::Integer: return 4;
    case RegDataType::String: return static_cast<int>(v->bytes.size()) + 1;
    default: return static_cast<int>(v->bytes.size());
    }
}

std::int32_t Registry::ReadInteger(std::string_view name) const {
    return static_cast<std::int32_t>(impl_->LoadAs(name, RegDataType::Integer).number);
}

void Registry::WriteInteger(std::string_view name, std::int32_t value) {
    impl_->Store(name, RegDataType::Integer, {}, value);
}

std::string Registry::ReadString(std::string_view name) const {
    auto v = impl_->Load(name);
    if (!v) return {};
    if (v->type != RegDataType::String) {
        throw ERegistryException("Registry value '" + std::string(name) + "' is " + TypeName(v->type) +
                                 ", not a string");
    }
    return v->bytes;
}

void Registry::WriteString(std::string_view name, std::string_view value) {
    impl_->Store(name, RegDataType::String, value, 0);
}

std::string Registry::ReadBinaryData(std::string_view name) const {
    return impl_->LoadAs(name, RegDataType::Binary).bytes;
}

void Registry::WriteBinaryData(std::string_view name, std::string_view bytes) {
    impl_->Store(name, RegDataType::Binary, bytes, 0);
}

namespace {
int gLockWaitMs = kRegistryLockWaitMs;
}  // namespace

RegistryLockWaitScope::RegistryLockWaitScope(int ms) : wait_(gLockWaitMs, ms) {}
int RegistryLockWaitMs() { return gLockWaitMs; }

std::string RegistryPath() { return SkrivoHome() + "/registry.db"; }

}  // namespace skrivo
