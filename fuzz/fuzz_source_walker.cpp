// The token text, the source walker and block navigation over any source text and cursor.
#include "FuzzSupport.h"
#include "bridge/TokenText.h"
#include "source/BlockNavigation.h"
#include "source/SourceWalker.h"

using namespace skrivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const std::uint16_t where = in.Word();
    const std::string source(in.Rest());
    const std::string tokens = MakeTokenText(source);
    FUZZ_CHECK(tokens.size() == source.size());
    const int length = static_cast<int>(tokens.size());
    const int cursor = length == 0 ? 0 : where % (length + 1);

    // Every step moves forward, and the walk ends.
    TSourceWalker walker(tokens, cursor);
    int steps = 0;
    for (int last = -1; !walker.Eof(); walker.Next()) {
        FUZZ_CHECK(walker.Pos() > last);
        last = walker.Pos();
        FUZZ_CHECK(++steps <= length + 1);
    }
    for (int pos = walker.Pos(); pos > 0; pos = walker.Pos()) {
        walker.Prev();
        FUZZ_CHECK(walker.Pos() < pos);
    }

    for (auto target : {BeginEndTarget(tokens, cursor), LevelUpTarget(tokens, cursor)})
        if (target) FUZZ_CHECK(*target >= 0 && *target <= length);
    return 0;
}
