// The memory stream: positioned reads and writes over a byte string.
#include "macros/MemoryStream.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace skrivo {

void TMemoryStream::Clear() {
    bytes_.clear();
    position_ = 0;
}

std::size_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    std::int64_t base = 0;
    switch (origin) {
        case TSeekOrigin::soBeginning: base = 0; break;
        case TSeekOrigin::soCurrent: base = static_cast<std::int64_t>(position_); break;
        case TSeekOrigin::soEnd: base = static_cast<std::int64_t>(bytes_.size()); break;
    }
    if ((offset < 0 && base < -offset) ||
        (offset > 0 && base > std::numeric_limits<std::int64_t>::max() - offset))
        throw EStreamError("Stream seek out of range");
    position_ = static_cast<std::size_t>(base + offset);
    return position_;
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
    std::size_t n = std::min(count, Remaining());
    if (n > 0) std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

void TMemoryStream::ReadBuffer(void* buffer, std::size_t count) {
    if (count > Remaining())
        throw EStreamError("Stream read error: " + std::to_string(count) + " bytes wanted, " +
                           std::to_string(Remaining()) + " left");
    Read(buffer, count);
}

std::string TMemoryStream::ReadBytes(std::size_t count) {
    // A position past the end is a broken stream even for an empty read.
    if (count > Remaining() || position_ > bytes_.size())
        throw EStreamError("Stream read error: " + std::to_string(count) + " bytes wanted, " +
                           std::to_string(Remaining()) + " left");
    std::string out = bytes_.substr(position_, count);
    position_ += count;
    return out;
}

std::int32_t TMemoryStream::ReadInt32() {
    unsigned char b[4];
    ReadBuffer(b, 4);
    std::uint32_t v = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
                      std::uint32_t(b[3]) << 24;
    return static_cast<std::int32_t>(v);
}

std::uint8_t TMemoryStream::ReadByte() {
    std::uint8_t b;
    ReadBuffer(&b, 1);
    return b;
}

void TMemoryStream::Write(const void* buffer, std::size_t count) {
    if (count == 0) return;
    if (position_ > bytes_.max_size() - count) throw EStreamError("Stream write past the largest size");
    if (position_ + count > bytes_.size()) bytes_.resize(position_ + count, '\0');
    std::memcpy(bytes_.data() + position_, buffer, count);
    position_ += count;
}

void TMemoryStream::WriteInt32(std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                          static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    Write(b, 4);
}

std::size_t TMemoryStream::CopyFrom(TMemoryStream& source, std::size_t count) {
    if (count == 0) {
        source.position_ = 0;
        count = source.Size();
    }
    if (&source == this) {
        // Copying a stream into itself: take the bytes first, the write may reallocate.
        std::string chunk = ReadBytes(count);
        WriteBytes(chunk);
        return count;
    }
    if (count > source.Remaining())
        throw EStreamError("Stream read error: " + std::to_string(count) + " bytes wanted, " +
                           std::to_string(source.Remaining()) + " left");
    Write(source.bytes_.data() + source.position_, count);
    source.position_ += count;
    return count;
}

}  // namespace skrivo
