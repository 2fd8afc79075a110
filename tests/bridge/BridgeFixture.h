// A base expert that records what reaches its hooks, and a host fixture that runs one.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "bridge/QvExpert.h"
#include "bridge/QvNotifier.h"
#include "host/testing/OffscreenHost.h"

namespace skrivo::testing {

class RecordingExpert : public TQvExpert {
public:
    struct Notification {
        TQvNotifier* notifier;
        host::TNotifyCode code;
    };

    RecordingExpert() = default;

    void Init() override {
        initSawNotifiers = GetNotifiers() != nullptr;
        initSawShortCutHook = FHooked;
    }
    void Notify(TQvNotifier* notifier, host::TNotifyCode code) override { notifications.push_back({notifier, code}); }
    void NotifierCreated(TQvNotifier* notifier) override { created.push_back(notifier); }
    void DestroyingNotifier(TQvNotifier* notifier) override { destroyed.push_back(notifier); }

    std::vector<host::TNotifyCode> Codes() const {
        std::vector<host::TNotifyCode> codes;
        for (const auto& n : notifications) codes.push_back(n.code);
        return codes;
    }

    bool initSawNotifiers = true;
    bool initSawShortCutHook = true;
    std::vector<Notification> notifications;
    std::vector<TQvNotifier*> created;
    std::vector<TQvNotifier*> destroyed;
};

class BridgeTest : public ::testing::Test {
protected:
    // Starts the expert (ready) over whatever is open.
    RecordingExpert& StartExpert() {
        expert_ = TQvExpert::Create<RecordingExpert>();
        expert_->SetReady(true);
        return *expert_;
    }
    RecordingExpert& Expert() { return *expert_; }
    void StopExpert() { expert_.reset(); }

    // The notifier of the module in front.
    TQvNotifier& Current() {
        TQvNotifier* n = expert_->GetCurrentNotifier();
        if (!n) throw std::runtime_error("no current notifier");
        return *n;
    }
    std::size_t NotifierCount() {
        TNotifierList* list = expert_->GetNotifiers();
        return list ? list->size() : 0;
    }

    host::testing::OffscreenHost host;
    std::unique_ptr<RecordingExpert> expert_;

    void TearDown() override { expert_.reset(); }
};

}  // namespace skrivo::testing
