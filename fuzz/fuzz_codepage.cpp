// Code-page conversion: ANSI text survives the trip through UTF-8; any UTF-8 (valid or not) converts without harm.
#include "FuzzSupport.h"
#include "platform/CodePage.h"

using namespace skrivo;
using namespace skrivo::win;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (CodePage cp : {CodePage::Cp1251, CodePage::Cp1252}) {
        const std::string utf8 = AnsiToUtf8(bytes, cp);
        bool lossy = true;
        FUZZ_CHECK(Utf8ToAnsi(utf8, cp, &lossy) == bytes);
        FUZZ_CHECK(!lossy);

        const std::string ansi = Utf8ToAnsi(bytes, cp, &lossy);
        FUZZ_CHECK(ansi.size() <= bytes.size());
        FUZZ_CHECK(AnsiUpperCase(ansi, cp).size() == ansi.size());
        FUZZ_CHECK(AnsiLowerCase(AnsiUpperCase(ansi, cp), cp) == AnsiLowerCase(ansi, cp));
    }
    return 0;
}
