// Beep files: any text reads as every line's number or as no melody at all, and the numbers written one a line read back the same.
#include "FuzzSupport.h"
#include "sounds/BeepFile.h"

using namespace skrivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const BeepFileContent content = ParseBeepFile(text);
    if (content.badLine != 0) {
        // Never a part of a melody.
        FUZZ_CHECK(content.badLine > 0 && content.notes.empty() && !content.badText.empty());
        FUZZ_CHECK(text.find(content.badText) != std::string_view::npos);
        return 0;
    }
    FUZZ_CHECK(content.badText.empty());
    std::string written;
    for (std::int32_t note : content.notes) written += std::to_string(note) + "\r\n";
    const BeepFileContent again = ParseBeepFile(written);
    FUZZ_CHECK(again.badLine == 0 && again.notes == content.notes);
    return 0;
}
