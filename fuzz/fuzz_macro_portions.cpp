// Macro data walked portion by portion as playback walks it: a bad portion fails only as EMacroDataError,
// calls nest no deeper than playback allows, and every portion written again reads back the same.
#include "FuzzSupport.h"
#include "macros/MacroPortions.h"

using namespace skrivo;

namespace {

bool SameSearch(const TSearchPortion& a, const TSearchPortion& b) {
    return a.caseSensitive == b.caseSensitive && a.wholeWords == b.wholeWords &&
           a.regularExpression == b.regularExpression && a.wholeFile == b.wholeFile && a.forward == b.forward &&
           a.fromCursor == b.fromCursor && a.text == b.text;
}

bool SameCall(const TCallPortion& a, const TCallPortion& b) {
    return a.repeatCount == b.repeatCount && a.checkOnce == b.checkOnce && a.stopIfNotMatches == b.stopIfNotMatches &&
           a.textAtCursor == b.textAtCursor && a.inner == b.inner;
}

// Reads the portion written to out back: the same tag, the same fields, and
// exactly as many bytes as the original portion took.
template <typename Portion, typename Reader, typename Same>
void CheckRoundTrip(const TMemoryStream& out, std::int32_t tag, const Portion& portion, std::size_t originalBytes,
                    Reader read, Same same) {
    TMemoryStream again{std::string(out.Bytes())};
    FUZZ_CHECK(again.ReadInt32() == tag);
    FUZZ_CHECK(again.Remaining() == originalBytes);
    FUZZ_CHECK(same(read(again), portion));
    FUZZ_CHECK(again.Remaining() == 0);
}

void Walk(const std::string& bytes, int depth) {
    TMemoryStream data{bytes};
    try {
        while (data.Remaining() >= sizeof(std::int32_t)) {
            const std::int32_t tag = data.ReadInt32();
            const std::size_t start = data.Position();
            if (tag == kSearchPortionTag) {
                const TSearchPortion search = ReadSearchPortion(data);
                TMemoryStream out;
                WriteSearchPortion(out, search);
                CheckRoundTrip(out, tag, search, data.Position() - start, ReadSearchPortion, SameSearch);
            } else if (tag == kCallPortionTag) {
                const TCallPortion call = ReadCallPortion(data);
                TMemoryStream out;
                WriteCallPortion(out, call);
                CheckRoundTrip(out, tag, call, data.Position() - start, ReadCallPortion, SameCall);
                // The called macro is part of this one's bytes: nesting is bounded by the data itself.
                FUZZ_CHECK(call.inner.size() < bytes.size());
                if (depth + 1 < kMaxCallNesting) Walk(call.inner, depth + 1);
            } else {
                const std::string keys = ReadKeystrokePortion(data, tag);
                FUZZ_CHECK(keys.size() == static_cast<std::size_t>(tag));
                FUZZ_CHECK(bytes.compare(start, keys.size(), keys) == 0);
            }
            FUZZ_CHECK(data.Position() <= data.Size());
        }
    } catch (const EMacroDataError&) {
        // Playback stops there with a message; anything else would escape it.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Walk(std::string(reinterpret_cast<const char*>(data), size), 0);
    return 0;
}
