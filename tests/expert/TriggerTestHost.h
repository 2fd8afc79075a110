// The completion cycle's tests: the expert over an offscreen IDE on the manual clock, with its state opened up.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "bridge/QvNotifier.h"
#include "completion/SelfTeachingDictionary.h"
#include "suggest/SuggestWindow.h"
#include "config/ExpertConfig.h"
#include "expert/IdleTimerState.h"
#include "expert/KeyDispatchState.h"
#include "expert/SkrivoExpert.h"
#include "expert/SuggestListState.h"
#include "host/testing/OffscreenHost.h"

namespace skrivo::testing {

class CycleProbe : public TSkrivoExpert {
public:
    CycleProbe() = default;
    using TSkrivoExpert::FTimerState;
    using TSkrivoExpert::FListState;
    using TSkrivoExpert::FKeys;
    using TSkrivoExpert::FDict;
    using TSkrivoExpert::FLastEditPos;
    using TSkrivoExpert::FLastModified;
    using TSkrivoExpert::FNotSuggestUntilNext;
    using TSkrivoExpert::FWorkFile;
};

class CycleTest : public ::testing::Test {
protected:
    // The expert over the units opened so far; the list appears at once after
    // the delay and every sound is recorded.
    CycleProbe& Start() {
        expert_ = TQvExpert::Create<CycleProbe>();
        expert_->SetReady(true);
        TExpertConfig& cfg = *expert_->GetCfg();
        cfg.AllowSounds = true;
        cfg.WhenMouseOver = 0;
        // The mouse rests far from any caret.
        host->MoveMouse(5, 5);
        // Work called directly finds the editor as the control of the last key.
        expert_->FKeys->FLastKeyControl = host->Windows().GetFocus();
        // ...and the unit in front as the one whose change it handles.
        expert_->FWorkFile = expert_->EditingFile();
        return *expert_;
    }
    CycleProbe& E() { return *expert_; }
    TExpertConfig& Cfg() { return *expert_->GetCfg(); }

    // Types as the user does; the key dispatch records the control that had
    // the key, which is the editor in front.
    void Type(const std::string& text) {
        host.Type(text);
        if (!expert_->FKeys->FLastKeyControl) expert_->FKeys->FLastKeyControl = host->Windows().GetFocus();
    }
    void Pause(unsigned ms = 250) { host.Advance(ms); }

    TfmSuggest* List() { return expert_->SggListIfCreated(); }
    bool ListVisible() { return List() && List()->isVisible(); }
    std::vector<std::string> Items() {
        std::vector<std::string> items;
        if (!List()) return items;
        for (int i = 0; i < List()->lvWords->Count(); ++i) items.push_back(List()->lvWords->Caption(i));
        return items;
    }
    std::string Selected() {
        const int i = List() ? List()->lvWords->Selected() : -1;
        return i < 0 ? std::string() : List()->lvWords->Caption(i);
    }
    std::vector<int> Sounds() { return expert_->TakeSoundRequests(); }
    void Learn(const std::vector<std::string>& entries) {
        for (auto it = entries.rbegin(); it != entries.rend(); ++it) expert_->Collect(*it);
    }

    host::testing::OffscreenHost host;
    std::unique_ptr<CycleProbe> expert_;
    void TearDown() override { expert_.reset(); }
};

}  // namespace skrivo::testing
