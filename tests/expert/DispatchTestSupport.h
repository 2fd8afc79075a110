// An expert over the offscreen IDE with its state open to tests, and a suggestion list shown at will.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bridge/QvNotifier.h"
#include "completion/SelfTeachingDictionary.h"
#include "suggest/SuggestWindow.h"
#include "config/ExpertConfig.h"
#include "expert/ReplacementRecord.h"
#include "expert/SkrivoExpert.h"
#include "host/testing/OffscreenHost.h"
#include "platform/VirtualKeys.h"

namespace skrivo::dispatch_test {

class DispatchProbe : public TSkrivoExpert {
public:
    DispatchProbe() = default;
    using TSkrivoExpert::FReplacement;
    using TSkrivoExpert::FDict;
    using TSkrivoExpert::FLastEditPos;
    using TSkrivoExpert::FSggList;
    using TSkrivoExpert::Notifier2Replace;
};

class ExpertOverIde : public ::testing::Test {
protected:
    // Opens the unit, then starts the expert; messages the expert passes on
    // reach the recorder installed before it, as the IDE's own handler.
    DispatchProbe& Start(const std::string& textWithCursor) {
        host->Application().SetOnMessage([this](win::TMsg& msg, bool&) {
            if (msg.message == win::WM_KEYDOWN) passedKeys.push_back(static_cast<win::WORD>(msg.wParam));
        });
        host.OpenText("Unit1.pas", textWithCursor);
        expert_ = TQvExpert::Create<DispatchProbe>();
        expert_->SetReady(true);
        // Nothing is learnt unless a test asks for it.
        expert_->GetCfg()->SelfTeaching = true;
        expert_->GetCfg()->DictionaryLimit = 1000;
        return *expert_;
    }

    // The list as the completion cycle leaves it: filled for the word at the
    // cursor, shown, and the cursor recorded where the last key left it.
    TfmSuggest& ShowList(std::vector<std::string> words, int selected = 0) {
        DispatchProbe& e = *expert_;
        TfmSuggest& list = *e.GetSggList();
        SuggestionListContent content;
        for (std::size_t i = 0; i < words.size(); ++i) content.Add(words[i], static_cast<int>(i));
        content.selected = selected;
        content.focused = selected;
        list.Fill(content);
        list.show();
        e.Notifier2Replace = e.GetCurrentNotifier();
        e.FLastEditPos = e.GetCurrentNotifier()->GetEditPos();
        passedKeys.clear();
        return list;
    }

    bool ListVisible() { return expert_->FSggList && expert_->FSggList->Visible(); }
    bool EditorGot(win::WORD key) {
        for (win::WORD k : passedKeys)
            if (k == key) return true;
        return false;
    }
    TExpertConfig& Cfg() { return *expert_->GetCfg(); }

    host::testing::OffscreenHost host;
    std::unique_ptr<DispatchProbe> expert_;
    std::vector<win::WORD> passedKeys;
    void TearDown() override { expert_.reset(); }
};

}  // namespace skrivo::dispatch_test
