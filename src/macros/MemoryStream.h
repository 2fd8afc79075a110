// A growable byte buffer with a read/write position: the stream that macro data lives in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace skrivo {

// Raised when a read wants more bytes than the stream holds from its
// position, or a seek would leave the stream. Macro data comes from files and
// the registry, so a declared length may lie; readers rely on this error
// instead of checking every length themselves.
class EStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

// Like the component library's memory stream: writing at the position
// overwrites and extends; the position may be set past the end, and a write
// there fills the gap with zero bytes. Integers are little-endian.
class TMemoryStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::string bytes) : bytes_(std::move(bytes)) {}

    std::size_t Size() const { return bytes_.size(); }
    std::size_t Position() const { return position_; }
    void SetPosition(std::size_t position) { position_ = position; }
    // Truncates or zero-extends; the position stays where it was.
    void SetSize(std::size_t size) { bytes_.resize(size, '\0'); }
    void Clear();

    // Returns the new position. A target before the start raises EStreamError.
    std::size_t Seek(std::int64_t offset, TSeekOrigin origin);

    // Reads up to count bytes from the position; returns how many were read.
    std::size_t Read(void* buffer, std::size_t count);
    // Reads exactly count bytes or raises EStreamError (position unchanged then).
    void ReadBuffer(void* buffer, std::size_t count);
    std::string ReadBytes(std::size_t count);  // exactly count bytes, as ReadBuffer
    std::int32_t ReadInt32();
    std::uint8_t ReadByte();

    void Write(const void* buffer, std::size_t count);
    void WriteBytes(std::string_view bytes) { Write(bytes.data(), bytes.size()); }
    void WriteInt32(std::int32_t value);
    void WriteByte(std::uint8_t value) { Write(&value, 1); }

    // Bytes from the position to the end.
    std::size_t Remaining() const { return position_ < bytes_.size() ? bytes_.size() - position_ : 0; }

    // Copies count bytes from source's position (advancing it) to this
    // stream's position; count 0 copies the whole source from its start, as
    // the component library's CopyFrom does. Returns the bytes copied.
    std::size_t CopyFrom(TMemoryStream& source, std::size_t count);

    const char* Memory() const { return bytes_.data(); }
    std::string_view Bytes() const { return bytes_; }

    friend bool operator==(const TMemoryStream& a, const TMemoryStream& b) { return a.bytes_ == b.bytes_; }

private:
    std::string bytes_;
    std::size_t position_ = 0;
};

}  // namespace skrivo
