// The keyboard layouts the user has typed with, most recently used first.
#pragma once

#include <array>

#include "platform/WinTypes.h"

namespace skrivo {

class TLayoutCalls;

class TLocaleHistory {
public:
    static constexpr int kSlots = 32;
    // The last slot is shifted into but never counted.
    static constexpr int kMaxCount = kSlots - 1;

    // Records the layout in use (its language identifier, the low word of
    // the handle) as the most recent one.
    void Collect(win::HKL current);

    // 0: the layout typed with last ("from"); 1: the one before it ("to").
    // While at most one layout has been typed with, the installed layouts
    // decide: the first installed one, and the first of another language.
    win::WORD LayoutAt(int index, const TLayoutCalls& calls) const;

    const std::array<win::WORD, kSlots>& Locales() const { return FLocales; }
    int LocaleCount() const { return FLocaleCount; }

private:
    std::array<win::WORD, kSlots> FLocales{};
    int FLocaleCount = 0;
};

}  // namespace skrivo
