// The tip window as a script sees and clicks it: "expect tip", "expect no tip", "click tip".
#include <QPushButton>

#include "CommandTable.h"
#include "LoadedExpert.h"
#include "ScriptLine.h"
#include "tips/TipWindow.h"

namespace skrivo::replay {

namespace {
TfmTip* OpenTip(Session& s) {
    TTipsWizard* wizard = LoadedExpert(s).TipsWizard();
    return wizard ? dynamic_cast<TfmTip*>(wizard->TipWindow()) : nullptr;
}

// Controls by their captions or component names.
std::string ComponentOf(const std::string& control) {
    if (control == "close") return "pbClose";
    if (control == "Acknowledge") return "btnAcknowledge";
    if (control == "Show tips") return "chkShowTips";
    return control;
}
}  // namespace

void AddTipCommands(CommandTable& table) {
    // A tip window is open (visible, or waiting out its delay) with this tip;
    // "acknowledge" / "no-acknowledge" also check its "Acknowledge" button.
    table.Add({"expect tip", 1, 2, "INDEX [acknowledge|no-acknowledge]", [](Session& s, const ScriptArgs& a) {
                   TfmTip* tip = OpenTip(s);
                   const int shown = tip ? LoadedExpert(s).TipsWizard()->CurrentTip() : 0;
                   std::string got = tip ? std::to_string(shown) : "no tip";
                   std::string expected = a[0];
                   if (a.size() > 1) {
                       if (a[1] != "acknowledge" && a[1] != "no-acknowledge")
                           throw ReplayError("expect tip: acknowledge or no-acknowledge, not " + a[1]);
                       expected += " " + a[1];
                       if (tip) got += tip->btnAcknowledge->isVisibleTo(tip) ? " acknowledge" : " no-acknowledge";
                   }
                   if (got != expected) throw ExpectationFailed("tip " + expected, got);
               }});

    table.Add({"expect no tip", 0, 0, "", [](Session& s, const ScriptArgs&) {
                   if (OpenTip(s))
                       throw ExpectationFailed("no tip", "tip " + std::to_string(LoadedExpert(s).TipsWizard()->CurrentTip()));
               }});

    // CONTROL: close, Acknowledge, "Show tips", or a component name.
    table.Add({"click tip", 1, 1, "CONTROL", [](Session& s, const ScriptArgs& a) {
                   TfmTip* tip = OpenTip(s);
                   if (!tip || !tip->Visible()) throw ReplayError("no tip window is visible");
                   host::IControl* control = tip->FindComponent(ComponentOf(a[0]));
                   if (!control || !control->Visible()) throw ReplayError("the tip window has no visible " + a[0]);
                   control->Click();
                   s.Wait(0);
               }});
}

}  // namespace skrivo::replay
