// Commands that act as the user's hands: typing, keys, time passing, the mouse.
#include "ArgParsing.h"
#include "CommandTable.h"
#include "Session.h"
#include "platform/VirtualKeys.h"

namespace skrivo::replay {

namespace {

struct NamedKey {
    const char* name;
    win::WORD key;
    KeySide side;
};

// Modifier keys by side, which shortcut texts cannot name.
constexpr NamedKey kModifierKeys[] = {
    {"Shift", win::VK_SHIFT, KeySide::Left},   {"LShift", win::VK_SHIFT, KeySide::Left},
    {"RShift", win::VK_SHIFT, KeySide::Right}, {"Ctrl", win::VK_CONTROL, KeySide::Left},
    {"LCtrl", win::VK_CONTROL, KeySide::Left}, {"RCtrl", win::VK_CONTROL, KeySide::Right},
    {"Alt", win::VK_MENU, KeySide::Left},
};

NamedKey SingleKey(Session& s, const std::string& name) {
    for (const auto& k : kModifierKeys)
        if (name == k.name) return k;
    const win::TShortCut shortCut = win::TextToShortCut(s.ToAnsi(name));
    if (shortCut == 0) throw ReplayError("unknown key " + QuoteScriptText(name));
    if ((shortCut & 0xFF00) != 0)
        throw ReplayError("down and up take one key without modifiers, got " + QuoteScriptText(name));
    return {"", static_cast<win::WORD>(shortCut & 0xFF), KeySide::Either};
}

}  // namespace

void AddInputCommands(CommandTable& table) {
    table.Add({"type", 1, 1, "TEXT", [](Session& s, const ScriptArgs& a) {
                   for (const char c : s.ToAnsi(a[0])) s.TypeChar(c);
               }});

    table.Add({"key", 1, 1, "SHORTCUT", [](Session& s, const ScriptArgs& a) {
                   const win::TShortCut shortCut = win::TextToShortCut(s.ToAnsi(a[0]));
                   if (shortCut == 0) throw ReplayError("unknown shortcut " + QuoteScriptText(a[0]));
                   s.PressShortCut(shortCut);
               }});

    table.Add({"down", 1, 1, "KEY", [](Session& s, const ScriptArgs& a) {
                   const NamedKey k = SingleKey(s, a[0]);
                   s.KeyDown(k.key, k.side);
               }});
    table.Add({"up", 1, 1, "KEY", [](Session& s, const ScriptArgs& a) {
                   const NamedKey k = SingleKey(s, a[0]);
                   s.KeyUp(k.key, k.side);
               }});

    table.Add({"wait", 1, 1, "MS", [](Session& s, const ScriptArgs& a) {
                   s.Wait(static_cast<unsigned>(ParseNumber(a[0], "the time in milliseconds", 0, 24LL * 3600 * 1000)));
               }});

    table.Add({"mouse", 2, 2, "X Y", [](Session& s, const ScriptArgs& a) {
                   s.MoveMouse(static_cast<int>(ParseNumber(a[0], "x", -100000, 100000)),
                               static_cast<int>(ParseNumber(a[1], "y", -100000, 100000)));
               }});

    table.Add({"click", 0, 1, "[left|right|double]", [](Session& s, const ScriptArgs& a) {
                   const std::string kind = a.empty() ? "left" : a[0];
                   if (kind == "left")
                       s.Click(MouseClick::Left);
                   else if (kind == "right")
                       s.Click(MouseClick::Right);
                   else if (kind == "double")
                       s.Click(MouseClick::Double);
                   else
                       throw ReplayError("a click is left, right or double, got " + QuoteScriptText(kind));
               }});
}

}  // namespace skrivo::replay
