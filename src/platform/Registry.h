// The per-user registry: a hierarchical key/value store kept in an SQLite database.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ScopedValue.h"

namespace skrivo {

// Raised for a value of another type than the one read, a missing value
// read as a number or binary, a failed database operation, or an operation
// without an open key. The message names the value and the reason.
class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raised when another process holds the database's lock longer than the
// lock wait: the caller may try again later; nothing was read or written.
class ERegistryLocked : public ERegistryException {
public:
    using ERegistryException::ERegistryException;
};

// How long one registry operation waits for another process's lock. The
// registry is used on the IDE's main thread, which must never freeze for
// long: a lock held longer than this is reported instead.
inline constexpr int kRegistryLockWaitMs = 1000;

// The lock wait of registries opened while it lives: a retry from a timer
// waits far less than a user's own action may.
class RegistryLockWaitScope {
public:
    explicit RegistryLockWaitScope(int ms);

private:
    ScopedValue<int> wait_;
};
int RegistryLockWaitMs();

enum class RegDataType { Unknown, String, Integer, Binary };

// One accessor over the HKEY_CURRENT_USER hive, like the component library's
// TRegistry: open a key, then read and write the values directly in it.
// Key paths use '\' between parts, compare without regard to ASCII case, and
// may start with '\' (leading and trailing separators are ignored).
//
// The database is the file RegistryPath() unless another path is given. Each
// write is its own transaction unless BeginUpdate or BeginRead opened one
// for a group of calls; several processes may read and write one database at
// once without losing a write (SQLite locking, waiting at most
// kRegistryLockWaitMs before ERegistryLocked).
class Registry {
public:
    Registry();                                 // the per-user database
    explicit Registry(std::string databasePath);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // Opens key (creating it and its parents when canCreate) in place of the
    // key opened before; false when it does not exist and may not be
    // created, and the key opened before then stays open (as TRegistry).
    // "" (or "\") is the root of the hive.
    bool OpenKey(std::string_view key, bool canCreate);
    bool OpenKeyReadOnly(std::string_view key) { return OpenKey(key, false); }
    void CloseKey();
    bool HasCurrentKey() const;
    const std::string& CurrentPath() const;

    // One transaction for the calls that follow, until CommitUpdate (an open
    // one is rolled back when the registry is closed): another process sees
    // all of its writes or none, and its reads see one state of the store.
    // BeginUpdate takes the write lock; BeginRead only a consistent snapshot,
    // in which writes fail. Both raise ERegistryLocked when the lock is held.
    void BeginUpdate();
    void BeginRead();
    void CommitUpdate();
    bool InTransaction() const;

    bool KeyExists(std::string_view key) const;
    bool DeleteKey(std::string_view key);  // with its subkeys and values
    std::vector<std::string> GetKeyNames() const;    // subkeys of the current key
    std::vector<std::string> GetValueNames() const;  // values of the current key

    // Value names compare without regard to ASCII case.
    bool ValueExists(std::string_view name) const;
    bool DeleteValue(std::string_view name);
    RegDataType GetDataType(std::string_view name) const;
    // Size in bytes of the stored data (text: its length + 1), -1 when missing.
    int GetDataSize(std::string_view name) const;

    std::int32_t ReadInteger(std::string_view name) const;
    void WriteInteger(std::string_view name, std::int32_t value);
    bool ReadBool(std::string_view name) const { return ReadInteger(name) != 0; }
    void WriteBool(std::string_view name, bool value) { WriteInteger(name, value ? 1 : 0); }
    // A missing string value reads as an empty text (as TRegistry does).
    std::string ReadString(std::string_view name) const;
    void WriteString(std::string_view name, std::string_view value);
    std::string ReadBinaryData(std::string_view name) const;
    void WriteBinaryData(std::string_view name, std::string_view bytes);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The database file of the per-user registry: SkrivoHome() + "registry.db".
std::string RegistryPath();

}  // namespace skrivo
