// The message pump: hook order, consumed keys, translation through the host's layouts, key state.
#include <gtest/gtest.h>

#include <vector>

#include "host/testing/OffscreenHost.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {
namespace {

using testing::OffscreenHost;
using namespace win;

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class MessagePumpTest : public ::testing::Test {
protected:
    void Hook(std::function<bool(TMsg&)> handle = {}) {
        host->Application().SetOnMessage([this, handle](TMsg& msg, bool& handled) {
            if (IsKeyMessage(msg.message)) seen.push_back({msg.message, msg.wParam, msg.lParam});
            if (handle) handled = handle(msg);
        });
    }
    std::vector<UINT> Messages() const {
        std::vector<UINT> out;
        for (const Seen& s : seen) out.push_back(s.message);
        return out;
    }

    OffscreenHost host;
    std::vector<Seen> seen;
};

TEST_F(MessagePumpTest, TypedKeyPassesHookAsKeyDownCharKeyUp) {
    host.OpenText("Unit1.pas", "|");
    Hook();
    host.Type("a");
    EXPECT_EQ(host.TextWithCursor(), "a|");
    ASSERT_EQ(Messages(), (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
    EXPECT_EQ(seen[0].wParam, WPARAM{'A'});
    EXPECT_EQ(ScanCodeOf(seen[0].lParam), 0x1Eu);
    EXPECT_EQ(seen[1].wParam, WPARAM{'a'});
    EXPECT_EQ(seen[2].lParam & (LPARAM{3} << 30), LPARAM{3} << 30);
}

}  // namespace
}  // namespace skrivo::host
