// An expert with the options dialog run by a scripted user, and its configuration as a saved ".sk" copy.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "expert/SkrivoExpert.h"
#include "host/api/Form.h"
#include "host/testing/OffscreenHost.h"
#include "options/dialog/OptionsForm.h"
#include "platform/FileIO.h"

namespace skrivo {

class OptionsCycleFixture : public ::testing::Test {
protected:
    void SetUp() override {
        expert = TQvExpert::Create<TSkrivoExpert>();
        expert->SetReady(true);
    }
    void TearDown() override { expert.reset(); }

    // Runs the dialog with what the user does in it.
    void ShowOptions(std::function<void(TfmOptions&)> user) {
        host->SetModalAnswerer([user](host::TForm& form) {
            if (auto* options = dynamic_cast<TfmOptions*>(&form)) user(*options);
        });
        EXPECT_TRUE(expert->DoShowOptions());
    }

    std::string Saved(const std::string& name) {
        const std::string path = host.Temp().File(name);
        expert->LoadSaveConfig(true, path);
        return ReadFileBytes(path);
    }

    host::testing::OffscreenHost host;
    std::unique_ptr<TSkrivoExpert> expert;
};

}  // namespace skrivo
