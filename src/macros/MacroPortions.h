// The portions of macro data: recorded keystrokes, a recorded search, a call of another macro.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "macros/MemoryStream.h"

namespace skrivo {

// A tag n >= 0 opens n bytes of recorded keystrokes (the host recorder's own
// format); these two open the portions the recorder cannot express.
inline constexpr std::int32_t kSearchPortionTag = -1;
inline constexpr std::int32_t kCallPortionTag = -2;

// Macro data comes from files and the registry. A call portion holds a
// whole macro, which may hold calls itself; playback recurses once per
// level, so the depth is bounded far below what the stack allows.
inline constexpr int kMaxCallNesting = 64;

// A portion that cannot be what its tag says: a negative length, a length
// past the end of the data, an unknown tag.
class EMacroDataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The search options, in the order the portion stores them.
struct TSearchPortion {
    bool caseSensitive = false;
    bool wholeWords = false;
    bool regularExpression = false;
    bool wholeFile = true;   // the "Global" scope
    bool forward = true;
    bool fromCursor = true;
    std::string text;
};

struct TCallPortion {
    std::int32_t repeatCount = 1;
    bool checkOnce = false;
    bool stopIfNotMatches = true;
    std::string textAtCursor;  // empty: no condition
    std::string inner;         // the called macro's whole data
};

// Writers append the tag and the portion at the stream's position.
void WriteSearchPortion(TMemoryStream& out, const TSearchPortion& portion);
void WriteCallPortion(TMemoryStream& out, const TCallPortion& portion);

// Readers start after the tag and leave the stream after the portion; on
// EMacroDataError the stream's position is unspecified.
TSearchPortion ReadSearchPortion(TMemoryStream& in);
TCallPortion ReadCallPortion(TMemoryStream& in);
// A keystroke portion's bytes for a tag n >= 0.
std::string ReadKeystrokePortion(TMemoryStream& in, std::int32_t tag);

// A length field: not negative and not past the end of the data.
std::int32_t ReadLength(TMemoryStream& in, const char* what);

}  // namespace skrivo
