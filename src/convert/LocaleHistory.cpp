// The most-recently-used list of keyboard layouts and the choice of the two to convert between.
#include "convert/LocaleHistory.h"

#include <algorithm>
#include <string>

#include "bridge/Diagnostics.h"
#include "convert/LayoutCalls.h"

namespace skrivo {

void TLocaleHistory::Collect(win::HKL current) {
    const win::WORD lang = win::LoWord(current);
    const auto used = FLocales.begin() + FLocaleCount;
    const auto found = std::find(FLocales.begin(), used, lang);
    if (found != used) {
        std::rotate(FLocales.begin(), found, found + 1);
        return;
    }
    std::rotate(FLocales.begin(), FLocales.end() - 1, FLocales.end());
    FLocales[0] = lang;
    if (FLocaleCount < kMaxCount) ++FLocaleCount;
    if constexpr (kKeepDiagnostics)
        Rpt("Locale ", std::to_string(lang), " added to top, LocaleCount=", std::to_string(FLocaleCount));
}

win::WORD TLocaleHistory::LayoutAt(int index, const TLayoutCalls& calls) const {
    if (FLocaleCount <= 1) {
        std::array<win::HKL, kSlots> installed{};
        const int count = std::min(calls.ExGetLayouts(kSlots, installed.data()), kSlots);
        if (count > 1) {
            const win::WORD first = win::LoWord(installed[0]);
            if (index == 0) return first;
            for (int i = 1; i < count; ++i)
                if (win::LoWord(installed[i]) != first) return win::LoWord(installed[i]);
            return first;
        }
    }
    return index >= 0 && index < FLocaleCount ? FLocales[index] : FLocales[0];
}

}  // namespace skrivo
