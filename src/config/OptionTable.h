// The option table: every stored option with its name, kind, place in the record and default, in stored order.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "config/ExpertConfig.h"

namespace skrivo {

enum class OptionKind {
    Boolean,
    Integer,
    Shortcut,
    String,
    FastReadText,  // a Boolean that lives in the expert base, not in the record
    WordList,      // WordsListCount, Word<i>
    ConditionList, // ConditionsCount, Condition<i>
    SubstList,     // SubstCount, Subst<i>From, Subst<i>To
    MacroList,     // MacrosCount, Macro<i>Name, Macro<i>Shortcut, Macro<i>Data
};

enum OptionFlags : unsigned {
    ofNone = 0,
    ofKeepOnReset = 1,      // "Reset default" leaves the current value alone
    ofCutOnLoad = 2,        // a longer stored text is cut to kMaxOptionString
    ofNotStored = 4,        // kept in the record only while the IDE runs
    ofDefaultAppPath = 8,   // the default is the host's program folder
};

struct OptionDef {
    std::string_view name;  // the stored value's name; for lists the count's name
    OptionKind kind = OptionKind::Boolean;
    // The field, by kind: Boolean, Integer and String name a member; a
    // Shortcut names its slot in Shortcuts; a String with a slot is a sound
    // path in Sounds.
    bool TExpertConfig::*boolField = nullptr;
    std::int32_t TExpertConfig::*intField = nullptr;
    std::string TExpertConfig::*textField = nullptr;
    int slot = -1;
    // The default: a number (Boolean 0/1, Integer, Shortcut value) or, for a
    // shortcut given as text, the text TextToShortCut converts when the
    // defaults are applied (its value depends on the keyboard layout).
    std::int32_t defaultValue = 0;
    std::string_view defaultShortcutText;
    unsigned flags = ofNone;

    bool IsList() const { return kind >= OptionKind::WordList; }
    bool Has(OptionFlags f) const { return (flags & f) != 0; }

    bool& Bool(TExpertConfig& c) const { return c.*boolField; }
    const bool& Bool(const TExpertConfig& c) const { return c.*boolField; }
    std::int32_t& Int(TExpertConfig& c) const { return c.*intField; }
    const std::int32_t& Int(const TExpertConfig& c) const { return c.*intField; }
    std::uint32_t& Shortcut(TExpertConfig& c) const { return c.Shortcuts[slot]; }
    const std::uint32_t& Shortcut(const TExpertConfig& c) const { return c.Shortcuts[slot]; }
    std::string& Text(TExpertConfig& c) const { return textField ? c.*textField : c.Sounds[slot]; }
    const std::string& Text(const TExpertConfig& c) const { return textField ? c.*textField : c.Sounds[slot]; }

    // The default shortcut value (converting the default text when there is one).
    std::uint32_t DefaultShortcut() const;
};

// Every option, in the order the stores hold them. The one place that knows
// names, order and defaults: loading, saving, resetting and option access by
// name all walk it.
std::span<const OptionDef> OptionTable();

// The option of that stored name (ASCII case ignored, as the stores compare
// names), or nullptr. List counts ("WordsListCount"...) find their list.
const OptionDef* FindOption(std::string_view name);

}  // namespace skrivo
