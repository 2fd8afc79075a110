// Shared by the fuzz targets: splitting one input into fields, a scratch folder, and a check that aborts.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace skrivo::fuzz {

// A failed property is a crash for libFuzzer, with the reason printed first.
#define FUZZ_CHECK(condition)                                                         \
    do {                                                                              \
        if (!(condition)) {                                                           \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                             \
        }                                                                             \
    } while (0)

// Reads the input front to back: bytes, small numbers and length-prefixed
// pieces; past the end everything reads as zero or empty.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}
    bool Empty() const { return rest_.empty(); }
    std::uint8_t Byte() {
        if (rest_.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | Byte() << 8); }
    // A piece of up to 255 bytes, its length in front.
    std::string_view Piece() { return Take(Byte()); }
    std::string_view Take(std::size_t n) {
        n = n < rest_.size() ? n : rest_.size();
        std::string_view piece = rest_.substr(0, n);
        rest_.remove_prefix(n);
        return piece;
    }
    std::string_view Rest() {
        std::string_view all = rest_;
        rest_ = {};
        return all;
    }

private:
    std::string_view rest_;
};

// A scratch folder for targets that go through files (in memory when the
// machine has /dev/shm), also made the Skrivo home so the registry lives there.
// Removed when the fuzzer exits.
inline const std::string& ScratchFolder() {
    struct Owned {
        std::string path;
        Owned() {
            path = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/skrivo-fuzz-XXXXXX");
            if (!::mkdtemp(path.data())) std::abort();
            ::setenv("SKRIVO_HOME", path.c_str(), 1);
            path += "/";
        }
        ~Owned() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Owned folder;
    return folder.path;
}

}  // namespace skrivo::fuzz
