// Shortcut texts: any text reads as a shortcut or none, and every shortcut's text reads back as that shortcut.
#include "FuzzSupport.h"
#include "platform/CodePage.h"
#include "platform/KeyboardLayout.h"
#include "platform/ShortCut.h"

using namespace skrivo;
using namespace skrivo::win;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const std::uint8_t setting = in.Byte();
    SetACP(setting & 1 ? CodePage::Cp1251 : CodePage::Cp1252);
    SetInstalledLayouts({HKL_US, HKL_RUSSIAN});
    ActivateKeyboardLayout(setting & 2 ? HKL_RUSSIAN : HKL_US);

    const TShortCut value = in.Word();
    const std::string text = ShortCutToText(value);
    if (!text.empty()) FUZZ_CHECK(TextToShortCut(text) == (value & (0xFF | scShift | scCtrl | scAlt)));

    const TShortCut read = TextToShortCut(in.Rest());
    if (read != scNone) {
        const std::string shown = ShortCutToText(read);
        FUZZ_CHECK(!shown.empty());
        FUZZ_CHECK(TextToShortCut(shown) == read);
    }
    return 0;
}
