// The memory stream: positioned writes, exact reads and little-endian integers.
#include "macros/MemoryStream.h"

#include <gtest/gtest.h>

namespace skrivo {
namespace {

TEST(MemoryStream, WriteOverwritesAtPositionAndExtendsAtEnd) {
    TMemoryStream s;
    s.WriteBytes("abcdef");
    s.SetPosition(2);
    s.WriteBytes("XYZWV");
    EXPECT_EQ(s.Bytes(), "abXYZWV");
    EXPECT_EQ(s.Position(), 7u);
}

TEST(MemoryStream, WritePastTheEndFillsTheGapWithZeros) {
    TMemoryStream s("ab");
    s.SetPosition(4);
    s.WriteByte('c');
    EXPECT_EQ(s.Bytes(), std::string("ab\0\0c", 5));
}

TEST(MemoryStream, Int32IsLittleEndianAndSigned) {
    TMemoryStream s;
    s.WriteInt32(-2);
    s.WriteInt32(0x01020304);
    EXPECT_EQ(s.Bytes(), std::string("\xFE\xFF\xFF\xFF\x04\x03\x02\x01", 8));
    s.SetPosition(0);
    EXPECT_EQ(s.ReadInt32(), -2);
    EXPECT_EQ(s.ReadInt32(), 0x01020304);
}

// Macro data comes from files whose lengths may lie: a short read must fail
// loudly and leave the position where it was.
TEST(MemoryStream, ShortReadRaisesAndKeepsPosition) {
    TMemoryStream s("abc");
    s.SetPosition(1);
    EXPECT_THROW(s.ReadInt32(), EStreamError);
    EXPECT_EQ(s.Position(), 1u);
    EXPECT_THROW(s.ReadBytes(3), EStreamError);
    EXPECT_EQ(s.ReadBytes(2), "bc");
    char c;
    EXPECT_EQ(s.Read(&c, 1), 0u);  // the lenient read just reports nothing
    s.SetPosition(9);
    EXPECT_THROW(s.ReadBytes(0), EStreamError);
}

TEST(MemoryStream, SeekFromEachOriginAndNeverBeforeTheStart) {
    TMemoryStream s("0123456789");
    EXPECT_EQ(s.Seek(3, TSeekOrigin::soBeginning), 3u);
    EXPECT_EQ(s.Seek(2, TSeekOrigin::soCurrent), 5u);
    EXPECT_EQ(s.Seek(-1, TSeekOrigin::soEnd), 9u);
    EXPECT_THROW(s.Seek(-11, TSeekOrigin::soEnd), EStreamError);
    EXPECT_EQ(s.Position(), 9u);
    EXPECT_EQ(s.Remaining(), 1u);
    s.SetPosition(20);
    EXPECT_EQ(s.Remaining(), 0u);
}

TEST(MemoryStream, CopyFromCopiesFromSourcePositionOrWholeSourceForZero) {
    TMemoryStream src("hello world");
    TMemoryStream dst("> ");
    dst.Seek(0, TSeekOrigin::soEnd);
    src.SetPosition(6);
    EXPECT_EQ(dst.CopyFrom(src, 5), 5u);
    EXPECT_EQ(dst.Bytes(), "> world");
    EXPECT_EQ(src.Position(), 11u);

    TMemoryStream all;
    EXPECT_EQ(all.CopyFrom(src, 0), 11u);
    EXPECT_EQ(all.Bytes(), "hello world");

    src.SetPosition(8);
    EXPECT_THROW(dst.CopyFrom(src, 5), EStreamError);
}

TEST(MemoryStream, CopyFromItselfDuplicatesSafely) {
    // One position serves both sides: the bytes read are written right after them.
    TMemoryStream s("abcd");
    s.CopyFrom(s, 2);
    EXPECT_EQ(s.Bytes(), "abab");
    s.SetPosition(2);
    s.CopyFrom(s, 2);
    EXPECT_EQ(s.Bytes(), "ababab");
}

}  // namespace
}  // namespace skrivo
