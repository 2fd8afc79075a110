// A configuration saved by one process and loaded by another is the same, field by field.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>

#include "ConfigSamples.h"
#include "TempHome.h"
#include "config/ConfigStore.h"
#include "config/OptionAccess.h"
#include "platform/Registry.h"

namespace skrivo {
namespace {

struct ProbeResult {
    int exitCode = -1;
    std::string output;
};

// Runs the probe with the test's environment (and so its SKRIVO_HOME).
ProbeResult RunProbe(const std::string& args) {
    std::string command = std::string("'") + SKRIVO_CONFIG_PROBE + "' " + args + " 2>&1";
    ProbeResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.output.append(buffer.data(), n);
    int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

class CrossProcess : public ::testing::Test {
protected:
    testing::TempHome home_;

    static std::string SampleDescription() {
        ConfigStore sample;
        sample.Context().setFastReadText(testing::FillWithSampleValues(*sample.GetCfg()));
        return DescribeConfig(*sample.GetCfg(), sample.Context());
    }
};

TEST_F(CrossProcess, RegistrySavedByOneProcessLoadsIdenticallyInAnother) {
    ProbeResult saved = RunProbe("save-sample");
    ASSERT_EQ(saved.exitCode, 0) << saved.output;
    ProbeResult loaded = RunProbe("load");
    ASSERT_EQ(loaded.exitCode, 0) << loaded.output;
    EXPECT_EQ(loaded.output, saved.output);
    EXPECT_EQ(saved.output, SampleDescription());

    // And this process reads the same store the same way.
    ConfigStore here;
    here.LoadSaveConfig(false, "");
    EXPECT_EQ(DescribeConfig(*here.GetCfg(), here.Context()), saved.output);
}

TEST_F(CrossProcess, FileSavedByOneProcessLoadsIdenticallyInAnother) {
    std::string file = home_.File("shared config.sk");
    ProbeResult saved = RunProbe("save-sample '" + file + "'");
    ASSERT_EQ(saved.exitCode, 0) << saved.output;
    ProbeResult loaded = RunProbe("load '" + file + "'");
    ASSERT_EQ(loaded.exitCode, 0) << loaded.output;
    EXPECT_EQ(loaded.output, saved.output);
}

TEST_F(CrossProcess, StartUpInAnotherProcessSeesWhatThisOneSaved) {
    ConfigStore store;
    store.ResetDefaultConfig();
    store.GetCfg()->DelayTime = 1750;
    store.GetCfg()->WordsList = StringList{"begin", "end"};
    store.SaveCfg();
    ProbeResult started = RunProbe("start");
    ASSERT_EQ(started.exitCode, 0) << started.output;
    EXPECT_EQ(started.output, DescribeConfig(*store.GetCfg(), store.Context()));
}

TEST_F(CrossProcess, LoadErrorInAnotherProcessIsReportedNotACrash) {
    ConfigStore store;
    store.LoadSaveConfig(true, "");
    Registry reg;
    ASSERT_TRUE(reg.OpenKey("Software\\Quorvel\\Skrivo\\Delphi7", false));
    reg.WriteBinaryData("KeyComplete", "\x01");
    ProbeResult loaded = RunProbe("load");
    EXPECT_EQ(loaded.exitCode, 1);
    EXPECT_NE(loaded.output.find("\"KeyComplete\""), std::string::npos) << loaded.output;
}

}  // namespace
}  // namespace skrivo
