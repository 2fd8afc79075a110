// The conversion state the expert owns: its keyboard calls and the layouts the user has typed with.
#pragma once

#include <string>
#include <vector>

#include "convert/LayoutCalls.h"
#include "convert/LocaleHistory.h"
#include "convert/TextConversion.h"

namespace skrivo {

class TLayoutConverter {
public:
    explicit TLayoutConverter(const TProcLookup& lookup = win::GetUserProcAddress) : FCalls(lookup) {}
    TLayoutConverter(const TLayoutConverter&) = delete;
    TLayoutConverter& operator=(const TLayoutConverter&) = delete;

    // Every key the user types records the layout in use.
    void CollectLocales(win::HKL current) { FLocales.Collect(current); }
    win::WORD LayoutAt(int index) const { return FLocales.LayoutAt(index, FCalls); }

    // Converts from the present layout to the one used before it; when that
    // changes nothing and the two differ, the other way round (the user may
    // have switched layouts before asking). Case modes ignore the layouts.
    // Whether anything changed.
    bool Convert(TConvertMode mode, std::string& text) const;
    bool Convert(TConvertMode mode, std::vector<std::string>& lines) const;

    const TLocaleHistory& Locales() const { return FLocales; }
    const TLayoutCalls& Calls() const { return FCalls; }

private:
    TLayoutCalls FCalls;
    TLocaleHistory FLocales;
};

}  // namespace skrivo
