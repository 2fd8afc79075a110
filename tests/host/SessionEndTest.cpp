// SIGTERM and SIGHUP close the IDE in order, without asking, as File > Exit does.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <csignal>

#include "host/SessionEnd.h"
#include "host/testing/OffscreenHost.h"

namespace skrivo::host {
namespace {

using testing::OffscreenHost;

TEST(SessionEnd, TerminationSignalsRunTheOrderlyCloseOnce) {
    for (int signal : {SIGTERM, SIGHUP}) {
        OffscreenHost host;
        int unloaded = 0;
        ASSERT_TRUE(host->LoadPackage("Test.bpl", [] {}, [&] { ++unloaded; }));
        std::vector<bool> asked;
        SessionEnd end([&](bool mayAsk) {
            asked.push_back(mayAsk);
            return host->Close(mayAsk);
        });
        ::raise(signal);
        ::raise(signal);  // a second one while closing changes nothing
        QElapsedTimer waited;
        waited.start();
        while (asked.empty() && waited.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::processEvents();
        EXPECT_EQ(asked, std::vector<bool>{false}) << "signal " << signal;
        EXPECT_TRUE(host->Application().Terminated());
        EXPECT_EQ(unloaded, 0) << "packages go with the host, after the close";
    }
}

}  // namespace
}  // namespace skrivo::host
