// Argument parsing shared by the command groups.
#include "ArgParsing.h"

#include <charconv>

#include "Session.h"
#include "platform/KeyboardLayout.h"

namespace skrivo::replay {

long long ParseNumber(const std::string& text, const char* what, long long min, long long max) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        throw ReplayError(std::string(what) + " must be a number, got " + QuoteScriptText(text));
    if (value < min || value > max)
        throw ReplayError(std::string(what) + " must be " + std::to_string(min) + " to " + std::to_string(max) +
                          ", got " + text);
    return value;
}

win::HKL ParseLayout(const std::string& text) {
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value > 0xFFFF)
        throw ReplayError("a layout is a hexadecimal language identifier such as 0409, got " + QuoteScriptText(text));
    const win::HKL layout = (value << 16) | value;
    if (!win::IsKnownLayout(layout)) throw ReplayError("unknown keyboard layout " + text);
    return layout;
}

CursorText ParseCursorText(Session& session, const std::string& utf8) {
    auto split = SplitCursorMark(session.ToAnsi(utf8));
    if (auto* error = std::get_if<ScriptSyntaxError>(&split)) throw ReplayError(error->reason);
    return std::get<CursorText>(split);
}

}  // namespace skrivo::replay
