// TSkrivoExpert: the options dialog's modal cycle, with the snapshot that Cancel puts back.
#include <utility>

#include "bridge/Diagnostics.h"
#include "config/ConfigStore.h"
#include "config/DefaultConfig.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "host/api/Host.h"
#include "macros/recorder/KeyboardMacros.h"
#include "options/dialog/OptionsForm.h"
#include "options/dialog/OptionsServices.h"
#include "platform/Paths.h"

namespace skrivo {

namespace {

// What the dialog may ask of the expert, and nothing more.
class TOptionsExpert final : public IOptionsExpert {
public:
    explicit TOptionsExpert(TSkrivoExpert& expert) : expert_(expert) {}

    TExpertConfig& Cfg() override { return *expert_.GetCfg(); }
    void LoadSaveConfig(bool save, const std::string& fileName) override { expert_.LoadSaveConfig(save, fileName); }
    void ResetDefaultConfig() override { expert_.ResetOptionsToDefaults(); }
    void PrepareOptionsForm() override { expert_.PrepareOptionsForm(); }
    bool FastReadText() override { return expert_.FastReadText(); }
    void SetFastReadText(bool fast) override { expert_.SetFastReadText(fast); }
    std::string AppPath() override { return skrivo::AppPath(); }
    bool OpenUrl(const std::string& url) override {
        host::IHost* h = host::Host();
        return h && h->Windows().OpenUrl(url);
    }

private:
    TSkrivoExpert& expert_;
};

}  // namespace

bool TSkrivoExpert::DoShowOptions() {
    if (FOptionsForm) return true;
    TExpertConfig& cfg = *GetCfg();
    // Cancel must give back everything the dialog touched, lists and macros
    // included: the record copies all of them. The dialog works on the
    // copies of the macros and the snapshot keeps the objects themselves, so
    // that after Cancel a macro being played or recorded (the player keeps
    // its address) is still the one in the list.
    TExpertConfig snapshot = cfg;
    std::swap(snapshot.MacroList, cfg.MacroList);
    TOptionsExpert services(*this);
    TfmOptions form(services);
    FOptionsForm = &form;
    struct Closed {
        TfmOptions*& form;
        ~Closed() { form = nullptr; }
    } closed{FOptionsForm};

    PrepareOptionsForm();
    form.SetActivePage(cfg.LastOptionsTab);
    SaveDictionary();
    form.SetSearchInHints(cfg.SearchInHints);

    const int result = form.ShowModal();
    const bool searchInHints = form.SearchInHints();
    const int lastTab = form.ActivePage();
    if (result == host::mrOk) {
        form.WriteBack(cfg);
        form.Commit();
        if (FMacros) FMacros->KeepReplacedList(std::move(snapshot.MacroList));
        cfg.SearchInHints = searchInHints;
        // Stored with the rest, so the next start opens on this page.
        cfg.LastOptionsTab = lastTab;
        SaveCfg();
        ReLoadSounds();
        CheckDicChanged();
    } else {
        cfg = std::move(snapshot);
        cfg.SearchInHints = searchInHints;
        cfg.LastOptionsTab = lastTab;
    }
    FOptionsForm = nullptr;
    ForceCodeParam();
    return true;
}

void TSkrivoExpert::PrepareOptionsForm() {
    if (FOptionsForm) FOptionsForm->PrepareFromConfig(*GetCfg());
}

// The dialog's "Reset default": the default options, hide-after words and
// substitutions. Recorded macros and the condition history are the user's
// work, not settings, and stay.
void TSkrivoExpert::ResetOptionsToDefaults() {
    TExpertConfig& cfg = *GetCfg();
    TMacroList macros = std::move(cfg.MacroList);
    StringList conditions = std::move(cfg.ConditionList);
    ApplyDefaultConfig(cfg, AppPath());
    cfg.SubstList.SetText(DefaultSubstitutionText());
    cfg.MacroList = std::move(macros);
    cfg.ConditionList = std::move(conditions);
}

}  // namespace skrivo
