// LoadSaveConfig: one walk over the option table, in either direction, over either store.
#include "config/ConfigTransfer.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <optional>
#include <vector>

#include "config/ConfigBackend.h"
#include "config/ConfigError.h"
#include "config/DefaultConfig.h"
#include "config/OptionTable.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

namespace skrivo {

namespace {

std::string Indexed(std::string_view prefix, std::size_t i, std::string_view suffix = {}) {
    std::string name(prefix);
    name += std::to_string(i);
    name += suffix;
    return name;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && win::AsciiLower(a) == win::AsciiLower(b);
}

// The index of a list entry's value name ("Subst12To" with prefix "Subst"
// and suffix "To" gives 12), as the stores compare names: without regard to
// ASCII case. Names the loader would never read ("Word01") give nothing.
std::optional<std::size_t> EntryIndex(std::string_view name, std::string_view prefix,
                                      std::initializer_list<std::string_view> suffixes) {
    if (name.size() <= prefix.size() || !SameName(name.substr(0, prefix.size()), prefix)) return std::nullopt;
    std::string_view rest = name.substr(prefix.size());
    std::size_t index = 0;
    auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), index);
    std::size_t digits = static_cast<std::size_t>(end - rest.data());
    if (ec != std::errc() || digits == 0 || (digits > 1 && rest[0] == '0')) return std::nullopt;
    for (std::string_view suffix : suffixes)
        if (SameName(rest.substr(digits), suffix)) return index;
    return std::nullopt;
}

std::string CutOption(std::string text) {
    if (text.size() > kMaxOptionString) text.resize(kMaxOptionString);
    return text;
}

class Transfer {
public:
    Transfer(TExpertConfig& cfg, ConfigBackend& store, bool save) : cfg_(cfg), store_(store), save_(save) {}

    void Run(bool& fastReadText) {
        for (const OptionDef& d : OptionTable()) {
            if (d.Has(ofNotStored)) continue;
            switch (d.kind) {
                case OptionKind::WordList: Words(d.name); break;
                case OptionKind::ConditionList: Conditions(d.name); break;
                case OptionKind::SubstList: Substitutions(d.name); break;
                case OptionKind::MacroList: Macros(d.name); break;
                case OptionKind::FastReadText: Flag(d.name, fastReadText); break;
                default: Scalar(d); break;
            }
        }
    }

    const std::vector<std::string>& FailedNames() const { return failedNames_; }
    const std::string& FirstReason() const { return firstReason_; }

private:
    // Runs one read of a load. A value the store cannot give (the registry's
    // wrong type) counts as missing; the name is kept for the report.
    template <class Read>
    bool Load(std::string_view name, Read&& read) {
        try {
            read();
            return true;
        } catch (const ERegistryLocked&) {
            throw;  // the whole store is out of reach, not this value
        } catch (const ERegistryException& e) {
            if (failedNames_.empty()) firstReason_ = e.what();
            failedNames_.emplace_back(name);
            return false;
        }
    }

    bool Exists(std::string_view name) {
        bool exists = false;
        Load(name, [&] { exists = store_.ValueExists(name); });
        return exists;
    }

    std::optional<std::string> LoadString(std::string_view name) {
        std::optional<std::string> value;
        if (Exists(name)) Load(name, [&] { value = store_.ReadString(name); });
        return value;
    }

    void Flag(std::string_view name, bool& value) {
        if (save_)
            store_.WriteBool(name, value);
        else if (Exists(name))
            Load(name, [&] { value = store_.ReadBool(name); });
    }

    void Scalar(const OptionDef& d) {
        switch (d.kind) {
            case OptionKind::Boolean: Flag(d.name, d.Bool(cfg_)); break;
            case OptionKind::Integer:
                if (save_)
                    store_.WriteInteger(d.name, d.Int(cfg_));
                else if (Exists(d.name))
                    Load(d.name, [&] { d.Int(cfg_) = store_.ReadInteger(d.name); });
                break;
            case OptionKind::Shortcut:
                if (save_)
                    store_.WriteInteger(d.name, static_cast<std::int32_t>(d.Shortcut(cfg_)));
                else if (Exists(d.name))
                    // The field holds a 16-bit shortcut; stray high bits would
                    // make it match no key at all.
                    Load(d.name, [&] { d.Shortcut(cfg_) = static_cast<std::uint32_t>(store_.ReadInteger(d.name)) & 0xFFFF; });
                break;
            case OptionKind::String:
                if (save_) {
                    store_.WriteString(d.name, d.Text(cfg_));
                } else if (auto v = LoadString(d.name)) {
                    d.Text(cfg_) = d.Has(ofCutOnLoad) ? CutOption(std::move(*v)) : std::move(*v);
                }
                break;
            default: break;
        }
    }

    // The stored count, when there is one that can be read (never below 0).
    std::optional<std::size_t> LoadCount(std::string_view name) {
        std::optional<std::size_t> count;
        if (Exists(name))
            Load(name, [&] { count = static_cast<std::size_t>(std::max(store_.ReadInteger(name), 0)); });
        return count;
    }

    // One past the highest index the store holds a value of (prefix, index,
    // one of suffixes) for; 0 when it holds none. A count beyond that could
    // only add empty entries, and a corrupt count would add billions.
    std::size_t EntriesHeld(std::string_view prefix, std::initializer_list<std::string_view> suffixes) {
        std::size_t held = 0;
        Load(prefix, [&] {
            for (const std::string& name : store_.ValueNames())
                if (auto i = EntryIndex(name, prefix, suffixes)) held = std::max(held, *i + 1);
        });
        return held;
    }

    // Deletes every stored entry from index n on: the store never keeps
    // entries beyond its count. probe names the value whose presence marks
    // an entry; all values of that index go.
    void RemoveStale(std::size_t n, std::string_view prefix, std::initializer_list<std::string_view> suffixes) {
        auto removeFrom = [&] {
            for (;; ++n) {
                if (!store_.ValueExists(Indexed(prefix, n, *suffixes.begin()))) break;
                for (std::string_view suffix : suffixes) store_.DeleteValue(Indexed(prefix, n, suffix));
            }
        };
        if (save_)
            removeFrom();
        else
            Load(Indexed(prefix, n, *suffixes.begin()), removeFrom);
    }

    void Words(std::string_view countName) {
        StringList& list = cfg_.WordsList;
        if (save_) {
            store_.WriteInteger(countName, static_cast<std::int32_t>(list.Count()));
            for (std::size_t i = 0; i < list.Count(); ++i) store_.WriteString(Indexed("Word", i), list[i]);
            RemoveStale(list.Count(), "Word", {""});
            return;
        }
        std::size_t count = list.Count();
        if (auto stored = LoadCount(countName)) count = std::min(*stored, std::max(EntriesHeld("Word", {""}), count));
        // A missing word keeps the entry the list has at its index.
        list.Lines().resize(count);
        for (std::size_t i = 0; i < count; ++i)
            if (auto w = LoadString(Indexed("Word", i))) list[i] = CutOption(std::move(*w));
        RemoveStale(count, "Word", {""});
    }

    void Conditions(std::string_view countName) {
        StringList& list = cfg_.ConditionList;
        if (save_) {
            store_.WriteInteger(countName, static_cast<std::int32_t>(list.Count()));
            for (std::size_t i = 0; i < list.Count(); ++i) store_.WriteString(Indexed("Condition", i), list[i]);
            RemoveStale(list.Count(), "Condition", {""});
            return;
        }
        std::size_t count = list.Count();
        if (auto stored = LoadCount(countName)) {
            count = std::min(*stored, EntriesHeld("Condition", {""}));
            list.Clear();
            for (std::size_t i = 0; i < count; ++i) list.Add(LoadString(Indexed("Condition", i)).value_or(""));
        }
        RemoveStale(count, "Condition", {""});
    }

    void Substitutions(std::string_view countName) {
        StringList& list = cfg_.SubstList;
        std::size_t pairs = list.Count() / 2;
        if (save_) {
            store_.WriteInteger(countName, static_cast<std::int32_t>(pairs));
            for (std::size_t i = 0; i < pairs; ++i) {
                store_.WriteString(Indexed("Subst", i, "From"), list[2 * i]);
                store_.WriteString(Indexed("Subst", i, "To"), list[2 * i + 1]);
            }
            RemoveStale(pairs, "Subst", {"From", "To"});
            return;
        }
        std::size_t count = pairs;
        if (auto stored = LoadCount(countName)) count = std::min(*stored, EntriesHeld("Subst", {"From", "To"}));
        // No stored pairs keeps the current list: at start-up that list is
        // empty and then gets the default substitutions.
        if (count > 0) {
            list.Clear();
            for (std::size_t i = 0; i < count; ++i) {
                list.Add(LoadString(Indexed("Subst", i, "From")).value_or(""));
                list.Add(LoadString(Indexed("Subst", i, "To")).value_or(""));
            }
        }
        RemoveStale(count, "Subst", {"From", "To"});
    }

    void Macros(std::string_view countName) {
        TMacroList& list = cfg_.MacroList;
        if (save_) {
            store_.WriteInteger(countName, static_cast<std::int32_t>(list.Count()));
            for (std::size_t i = 0; i < list.Count(); ++i) {
                const TMacro& m = list[i];
                store_.WriteString(Indexed("Macro", i, "Name"), m.FName);
                store_.WriteInteger(Indexed("Macro", i, "Shortcut"), m.FShtcut);
                store_.WriteData(Indexed("Macro", i, "Data"), m.FData.Bytes());
            }
            RemoveStale(list.Count(), "Macro", {"Name", "Shortcut", "Data"});
            return;
        }
        std::size_t count = list.Count();
        if (auto stored = LoadCount(countName)) {
            count = std::min(*stored, EntriesHeld("Macro", {"Name", "Shortcut", "Data"}));
            ClearMacroList(cfg_);
            for (std::size_t i = 0; i < count; ++i) LoadMacro(list.Add(std::make_unique<TMacro>()), i);
        }
        RemoveStale(count, "Macro", {"Name", "Shortcut", "Data"});
    }

    void LoadMacro(TMacro& macro, std::size_t i) {
        macro.SetName(LoadString(Indexed("Macro", i, "Name")).value_or(""));
        // A macro without a stored shortcut simply has none; it must not cost
        // the macro its name and keystrokes.
        std::string shortcutName = Indexed("Macro", i, "Shortcut");
        if (Exists(shortcutName))
            Load(shortcutName, [&] { macro.SetShtcut(static_cast<std::uint16_t>(store_.ReadInteger(shortcutName))); });
        std::string dataName = Indexed("Macro", i, "Data");
        if (Exists(dataName))
            Load(dataName, [&] {
                std::string bytes = store_.ReadData(dataName);
                if (bytes.empty()) return;
                TMemoryStream stream(std::move(bytes));
                macro.LoadFromStream(stream);
            });
    }

    TExpertConfig& cfg_;
    ConfigBackend& store_;
    bool save_;
    std::vector<std::string> failedNames_;
    std::string firstReason_;
};

void Log(const ConfigContext& ctx, const std::string& text) {
    if (ctx.log) ctx.log(text);
}

}  // namespace

void ClearMacroList(TExpertConfig& cfg) { cfg.MacroList.Clear(); }

void LoadSaveConfig(TExpertConfig& cfg, const ConfigContext& ctx, bool save, const std::string& fileName) {
    std::unique_ptr<ConfigBackend> store;
    std::vector<std::string> failed;
    std::string firstReason;
    try {
        store = fileName.empty() ? OpenRegistryConfig(save) : OpenIniConfig(fileName);
        if (!store) return;  // no stored configuration yet: the current values stay

        bool fastReadText = ctx.getFastReadText ? ctx.getFastReadText() : kDefaultFastReadText;
        Transfer transfer(cfg, *store, save);
        transfer.Run(fastReadText);
        if (ctx.setFastReadText) ctx.setFastReadText(fastReadText);
        failed = transfer.FailedNames();
        firstReason = transfer.FirstReason();

        if (save) {
            store->Commit();
            if (auto backup = store->KeptBackup()) Log(ctx, "Text after a NUL byte kept in " + *backup);
        } else {
            // Loading only writes when it removed stale entries; a file that
            // cannot be rewritten (read-only) still loaded correctly.
            try {
                store->Commit();
            } catch (const FileError& e) {
                Log(ctx, std::string("Stale entries not removed: ") + e.what());
            } catch (const ERegistryException& e) {
                Log(ctx, std::string("Stale entries not removed: ") + e.what());
            }
        }
    } catch (...) {
        Log(ctx, "fin025");
        throw;
    }
    Log(ctx, save ? "Configuration saved" : "Configuration loaded");
    if (!failed.empty()) {
        Log(ctx, "fin025");
        throw EConfigValueError(store->Where(), std::move(failed), firstReason);
    }
}

}  // namespace skrivo
