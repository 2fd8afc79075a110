// The expert's sounds on the offscreen IDE: events heard through the host's device, AllowSounds, the error beep.
#include <gtest/gtest.h>

#include "expert/TriggerTestHost.h"
#include "host/forms/MessageForm.h"
#include "platform/FileIO.h"
#include "platform/VirtualKeys.h"
#include "sounds/SoundPlayer.h"

namespace skrivo::testing {
namespace {

using Request = host::NullSoundDevice::Request;

class SoundsWiring : public CycleTest {
protected:
    std::vector<unsigned> Tones() {
        std::vector<unsigned> tones;
        for (const Request& r : host.Sound()->Requests())
            if (r.kind == Request::Kind::Tone) tones.push_back(r.frequency);
        host.Sound()->Clear();
        return tones;
    }
};

TEST_F(SoundsWiring, AllowSoundsOffSilencesTheEventsButNotTheErrorBeep) {
    host.OpenText("Unit1.pas", "x|");
    Start();
    WriteFileAtomic(host.Home() + "/enter.bip", "440\r\n30");
    Cfg().Sounds[seCarriage] = "enter.bip";  // found in the home
    Cfg().BeepOnError = true;
    E().ReLoadSounds();

    host.Press(win::VK_RETURN);
    Pause();
    EXPECT_EQ(Tones(), std::vector<unsigned>{440});

    Cfg().AllowSounds = false;
    host.Press(win::VK_RETURN);
    Pause();
    EXPECT_TRUE(Tones().empty());

    host::TMessageForm box("Error", "Can't save.", host::MessageButtons::Ok);
    box.show();
    host->Windows().SetActiveWindow(box.Handle());
    Pause();
    EXPECT_EQ(Tones().size(), 1u);  // the error beep still sounds
}

}  // namespace
}  // namespace skrivo::testing
