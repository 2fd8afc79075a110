// The substitution pattern matcher: agrees with plain backtracking on small inputs, and stays fast on any input.
#include <chrono>

#include "FuzzSupport.h"
#include "platform/StringList.h"
#include "subst/MatchText.h"
#include "subst/PatternLine.h"
#include "subst/PatternMatcher.h"
#include "subst/ReferenceMatcher.h"
#include "subst/SubstitutionEngine.h"

using namespace skrivo;
using namespace skrivo::subst;

namespace {
// Far above a keystroke's budget even under the sanitizers, far below what a
// search that backtracks over every split of the stars would take.
constexpr auto kMaxPerInput = std::chrono::milliseconds(200);
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const bool lineEdge = in.Byte() & 1;
    const std::string pattern(in.Piece());
    const std::string replacement(in.Piece());
    const std::string before(in.Take(in.Word() % 4096));
    const std::string after(in.Rest());

    const auto start = std::chrono::steady_clock::now();
    const TextEdge edge = lineEdge ? TextEdge::LineEdge : TextEdge::ModuleEdge;
    StringMatchText text(before, StringMatchText::Forward);
    const bool fast = PatternSide(pattern, PatternSide::BeforeCursor).Matches(text, edge);
    StringMatchText later(after, StringMatchText::Forward);
    const bool fastAfter = PatternSide(pattern, PatternSide::AfterCursor).Matches(later, edge);

    StringList list;
    list.Lines() = {pattern, replacement};
    SubstitutionEngine engine;
    const auto fit = engine.FindFit(list, before, after);
    if (fit) FUZZ_CHECK(fit->removeBefore <= before.size());
    // What the replacement removes is typed text: the end of the part before the cursor.
    if (const auto parsed = ParsePatternLine(pattern)) {
        const std::string tail = TypedTail(parsed->main);
        FUZZ_CHECK(CursorPattern(parsed->main).BeforePart().ends_with(tail));
    }
    FUZZ_CHECK(std::chrono::steady_clock::now() - start < kMaxPerInput);

    // The yardstick backtracks: only small inputs are compared.
    if (pattern.size() <= 10 && before.size() <= 16 && after.size() <= 16) {
        FUZZ_CHECK(fast == testing::ReferenceMatchBefore(pattern, before, lineEdge));
        FUZZ_CHECK(fastAfter == testing::ReferenceMatchAfter(pattern, after, lineEdge));
    }
    return 0;
}
