// Options as text by their stored names.
#include "config/OptionAccess.h"

#include <charconv>
#include <cstdio>
#include <optional>

#include "config/DefaultConfig.h"
#include "config/HexText.h"
#include "config/OptionTable.h"
#include "platform/CodePage.h"
#include "platform/ShortCut.h"

namespace skrivo {

namespace {

std::string Lower(std::string_view s) { return win::AsciiLower(s); }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::string Quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

bool ParseBool(std::string_view name, std::string_view text) {
    std::string t = Lower(Trim(text));
    if (t == "1" || t == "true" || t == "on" || t == "yes") return true;
    if (t == "0" || t == "false" || t == "off" || t == "no") return false;
    throw EOptionError("Option " + std::string(name) + " takes 1/0, true/false or on/off, not " + Quoted(text));
}

std::int32_t ParseInteger(std::string_view name, std::string_view text) {
    std::string_view t = Trim(text);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size())
        throw EOptionError("Option " + std::string(name) + " takes a decimal 32-bit integer, not " + Quoted(text));
    return value;
}

std::uint32_t ParseShortcut(std::string_view name, std::string_view text) {
    std::string_view t = Trim(text);
    if (t.empty() || Lower(t) == "none") return 0;
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        std::uint32_t value = 0;
        auto [end, ec] = std::from_chars(t.data() + 2, t.data() + t.size(), value, 16);
        if (ec == std::errc() && end == t.data() + t.size() && value <= 0xFFFF) return value;
    } else if (win::TShortCut sc = win::TextToShortCut(t); sc != 0) {
        return sc;
    }
    throw EOptionError("Option " + std::string(name) + " takes a shortcut text such as \"Ctrl+E\", not " +
                       Quoted(text));
}

std::string ShortcutText(std::uint32_t value) {
    if (value == 0) return "";
    std::string text = win::ShortCutToText(static_cast<win::TShortCut>(value));
    if (!text.empty()) return text;
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%04X", static_cast<unsigned>(value & 0xFFFF));
    return buf;
}

const OptionDef& Find(std::string_view name) {
    const OptionDef* d = FindOption(name);
    if (!d) throw EOptionError("Unknown option " + Quoted(name));
    return *d;
}

std::string ScalarText(const TExpertConfig& cfg, const ConfigContext& ctx, const OptionDef& d) {
    switch (d.kind) {
        case OptionKind::Boolean: return d.Bool(cfg) ? "1" : "0";
        case OptionKind::Integer: return std::to_string(d.Int(cfg));
        case OptionKind::Shortcut: return ShortcutText(d.Shortcut(cfg));
        case OptionKind::String: return d.Text(cfg);
        case OptionKind::FastReadText:
            return (ctx.getFastReadText ? ctx.getFastReadText() : kDefaultFastReadText) ? "1" : "0";
        case OptionKind::WordList: return std::to_string(cfg.WordsList.Count());
        case OptionKind::ConditionList: return std::to_string(cfg.ConditionList.Count());
        case OptionKind::SubstList: return std::to_string(cfg.SubstList.Count() / 2);
        case OptionKind::MacroList: return std::to_string(cfg.MacroList.Count());
    }
    return "";
}

// "Subst12From" → prefix "Subst", index 12, suffix "From". False when name
// has no index in it.
bool SplitIndexed(std::string_view name, std::string& prefix, std::size_t& index, std::string& suffix) {
    std::size_t digits = name.find_first_of("0123456789");
    if (digits == 0 || digits == std::string_view::npos) return false;
    std::size_t end = name.find_first_not_of("0123456789", digits);
    if (end == std::string_view::npos) end = name.size();
    auto [p, ec] = std::from_chars(name.data() + digits, name.data() + end, index);
    if (ec != std::errc()) return false;
    prefix = Lower(name.substr(0, digits));
    suffix = Lower(name.substr(end));
    return true;
}

std::optional<std::string> ListEntryText(const TExpertConfig& cfg, std::string_view name) {
    std::string prefix, suffix;
    std::size_t i = 0;
    if (!SplitIndexed(name, prefix, i, suffix)) return std::nullopt;
    auto entry = [&](std::size_t count) {
        if (i >= count) throw EOptionError("No entry " + Quoted(name) + ": the list has " + std::to_string(count));
    };
    if (prefix == "word" && suffix.empty()) {
        entry(cfg.WordsList.Count());
        return cfg.WordsList[i];
    }
    if (prefix == "condition" && suffix.empty()) {
        entry(cfg.ConditionList.Count());
        return cfg.ConditionList[i];
    }
    if (prefix == "subst" && (suffix == "from" || suffix == "to")) {
        entry(cfg.SubstList.Count() / 2);
        return cfg.SubstList[2 * i + (suffix == "to" ? 1 : 0)];
    }
    if (prefix == "macro" && (suffix == "name" || suffix == "shortcut" || suffix == "data")) {
        entry(cfg.MacroList.Count());
        const TMacro& m = cfg.MacroList[i];
        if (suffix == "name") return m.FName;
        if (suffix == "shortcut") return ShortcutText(m.FShtcut);
        return BytesToHex(m.FData.Bytes());
    }
    return std::nullopt;
}

void AppendLine(std::string& out, std::string_view name, std::string_view value) {
    out += name;
    out += '=';
    out += value;
    out += '\n';
}

std::string Indexed(std::string_view prefix, std::size_t i, std::string_view suffix = {}) {
    return std::string(prefix) + std::to_string(i) + std::string(suffix);
}

}  // namespace

void SetOptionText(TExpertConfig& cfg, const ConfigContext& ctx, std::string_view name, std::string_view text) {
    const OptionDef& d = Find(name);
    switch (d.kind) {
        case OptionKind::Boolean: d.Bool(cfg) = ParseBool(d.name, text); break;
        case OptionKind::Integer: d.Int(cfg) = ParseInteger(d.name, text); break;
        case OptionKind::Shortcut: d.Shortcut(cfg) = ParseShortcut(d.name, text); break;
        case OptionKind::String: d.Text(cfg) = std::string(text.substr(0, kMaxOptionString)); break;
        case OptionKind::FastReadText: {
            bool on = ParseBool(d.name, text);
            if (ctx.setFastReadText) ctx.setFastReadText(on);
            break;
        }
        default:
            throw EOptionError(Quoted(d.name) + " is the count of a list; lists are edited, not set");
    }
}

std::string GetOptionText(const TExpertConfig& cfg, const ConfigContext& ctx, std::string_view name) {
    if (const OptionDef* d = FindOption(name)) return ScalarText(cfg, ctx, *d);
    if (auto entry = ListEntryText(cfg, name)) return *entry;
    throw EOptionError("Unknown option " + Quoted(name));
}

std::string DescribeConfig(const TExpertConfig& cfg, const ConfigContext& ctx) {
    std::string out;
    for (const OptionDef& d : OptionTable()) {
        // Shortcuts as numbers: exact, whatever the keyboard layout names them.
        if (d.kind == OptionKind::Shortcut)
            AppendLine(out, d.name, std::to_string(d.Shortcut(cfg)));
        else
            AppendLine(out, d.name, ScalarText(cfg, ctx, d));
        switch (d.kind) {
            case OptionKind::WordList:
                for (std::size_t i = 0; i < cfg.WordsList.Count(); ++i)
                    AppendLine(out, Indexed("Word", i), cfg.WordsList[i]);
                break;
            case OptionKind::ConditionList:
                for (std::size_t i = 0; i < cfg.ConditionList.Count(); ++i)
                    AppendLine(out, Indexed("Condition", i), cfg.ConditionList[i]);
                break;
            case OptionKind::SubstList:
                for (std::size_t i = 0; i < cfg.SubstList.Count(); ++i)
                    AppendLine(out, Indexed("Subst", i / 2, i % 2 ? "To" : "From"), cfg.SubstList[i]);
                break;
            case OptionKind::MacroList:
                for (std::size_t i = 0; i < cfg.MacroList.Count(); ++i) {
                    const TMacro& m = cfg.MacroList[i];
                    AppendLine(out, Indexed("Macro", i, "Name"), m.FName);
                    AppendLine(out, Indexed("Macro", i, "Shortcut"), std::to_string(m.FShtcut));
                    AppendLine(out, Indexed("Macro", i, "Data"), BytesToHex(m.FData.Bytes()));
                }
                break;
            default: break;
        }
    }
    return out;
}

}  // namespace skrivo
