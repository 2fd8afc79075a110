// Bookmarks kept across closing a unit and restarting the IDE: saved with the unit, set again a while after it is in front.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "bridge/QvNotifier.h"
#include "config/ExpertConfig.h"
#include "config/TempHome.h"
#include "expert/SkrivoExpert.h"
#include "expert/SkrivoPackage.h"
#include "host/editor/EditView.h"
#include "host/editor/SourceEditor.h"
#include "host/testing/OffscreenHost.h"
#include "platform/FileIO.h"
#include "platform/ShortCut.h"

namespace skrivo {
namespace {

using host::testing::OffscreenHost;
using host::testing::TempDir;

// Loading waits this long after the unit comes to the front.
constexpr unsigned kPastSettle = 3500;

// One start of the IDE with Skrivo on a given home, on the manual clock.
class Ide {
public:
    explicit Ide(const std::string& home) : home_("SKRIVO_HOME", home) {
        host::testing::EnsureQtApplication();
        host_ = std::make_unique<host::HostApplication>(OffscreenHost::DefaultOptions());
        host_->LoadPackage("SkrivoPackage.bpl", &Register, &Unregister);
    }
    ~Ide() { host_.reset(); }

    host::HostApplication& Host() { return *host_; }
    TSkrivoExpert& Expert() { return *RegisteredExpert(); }
    host::Module& Open(const std::string& path) { return *host_->OpenFile(path); }
    host::EditView& View() { return host_->CurrentModule()->Source()->View(); }
    void Cursor(int line, int col) { View().SetPos(0, {static_cast<std::int16_t>(col), line}); }
    void SetBookmark(int id) { host_->PressShortCut(win::ShortCut(static_cast<win::WORD>('0' + id), win::ssShift | win::ssCtrl)); }
    host::TCharPos Bookmark(int id) { return View().GetBookmarkPos(id); }
    void Save() { ASSERT_TRUE(host_->SaveFile(*host_->CurrentModule())); }
    void Wait(unsigned ms) { host_->AdvanceClock(ms); }

private:
    testing::ScopedEnv home_;
    std::unique_ptr<host::HostApplication> host_;
};

std::string Lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "line" + std::to_string(i) + "\r\n";
    return text;
}

class BookmarksTest : public ::testing::Test {
protected:
    std::string Home() { return temp.Path() + "/home"; }
    std::string Unit() { return temp.File("Unit1.pas"); }
    std::string BmFile() { return temp.File("Unit1.bm"); }
    TempDir temp;
};

TEST_F(BookmarksTest, BookmarksSetInTheIdeAreBackAfterARestart) {
    temp.Write("Unit1.pas", Lines(10));
    {
        Ide ide(Home());
        ide.Open(Unit());
        ide.Cursor(2, 3);
        ide.SetBookmark(1);
        ide.Cursor(6, 1);
        ide.SetBookmark(5);
        ide.Save();
    }
    EXPECT_EQ(ReadFileBytes(BmFile()), "0 0\r\n2 2\r\n0 0\r\n0 0\r\n0 0\r\n6 0\r\n0 0\r\n0 0\r\n0 0\r\n0 0\r\n");

    Ide again(Home());
    again.Open(Unit());
    again.Cursor(8, 4);
    again.Wait(kPastSettle);
    EXPECT_EQ(again.Bookmark(1), (host::TCharPos{2, 2}));
    EXPECT_EQ(again.Bookmark(5), (host::TCharPos{0, 6}));
    EXPECT_EQ(again.Bookmark(0).Line, 0);
    EXPECT_EQ(again.View().GetPos(0), (host::TEditPos{4, 8}));
}

TEST_F(BookmarksTest, SavingWithoutBookmarksKeepsTheFileThatIsThere) {
    temp.Write("Unit1.pas", Lines(10));
    temp.Write("Unit1.bm", "3 1\r\n");
    Ide ide(Home());
    ide.Expert().GetCfg()->AutoBookmarks = false;  // nothing is loaded either
    ide.Open(Unit());
    ide.Wait(kPastSettle);
    EXPECT_EQ(ide.Bookmark(0).Line, 0);
    ide.Expert().GetCfg()->AutoBookmarks = true;
    ide.Save();
    EXPECT_EQ(ReadFileBytes(BmFile()), "3 1\r\n");
    ide.Expert().GetCfg()->AutoBookmarks = false;
    ide.SetBookmark(2);
    ide.Save();
    EXPECT_EQ(ReadFileBytes(BmFile()), "3 1\r\n");
}

TEST_F(BookmarksTest, LoadSkipsLinesPastTheEndAndLeavesCursorAndViewAlone) {
    temp.Write("Unit1.pas", Lines(100));
    temp.Write("Unit1.bm", "120 0\r\n50 3\r\n");
    Ide ide(Home());
    ide.Open(Unit());
    ide.View().SetPos(1, {1, 40});
    ide.Cursor(45, 2);
    const host::TEditPos top = ide.View().GetPos(1);
    ide.Wait(kPastSettle);
    EXPECT_EQ(ide.Bookmark(0).Line, 0);
    EXPECT_EQ(ide.Bookmark(1), (host::TCharPos{3, 50}));
    EXPECT_EQ(ide.View().GetPos(0), (host::TEditPos{2, 45}));
    EXPECT_EQ(ide.View().GetPos(1), top);
}

TEST_F(BookmarksTest, DamagedFileFinishesItsLoadOnce) {
    temp.Write("Unit1.pas", Lines(10));
    temp.Write("Unit1.bm", "oops\r\n4 1\r\n5\r\n-3 x\r\n");
    Ide ide(Home());
    ide.Open(Unit());
    ide.Wait(kPastSettle);
    EXPECT_EQ(ide.Expert().GetCurrentNotifier()->FBookmarkTick, 1);
    EXPECT_EQ(ide.Bookmark(1), (host::TCharPos{1, 4}));
    ide.View().ClearBookmark(1);
    ide.Wait(kPastSettle);  // never read again for this unit
    EXPECT_EQ(ide.Bookmark(1).Line, 0);
}

TEST_F(BookmarksTest, UnitInADottedFolderKeepsItsFileBesideIt) {
    const std::string folder = temp.Path() + "/v1.2";
    ASSERT_TRUE(ForceDirectories(folder));
    WriteFileAtomic(folder + "/Unit1.pas", Lines(5));
    Ide ide(Home());
    ide.Open(folder + "/Unit1.pas");
    ide.Cursor(3, 1);
    ide.SetBookmark(0);
    ide.Save();
    EXPECT_EQ(ReadFileBytes(folder + "/Unit1.bm").substr(0, 5), "3 0\r\n");
}

}  // namespace
}  // namespace skrivo
