// Files: byte-exact round trips in both code pages, failed saves and the error box, file notifications.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "host/api/Editor.h"
#include "host/editor/EditorControl.h"
#include "host/api/Form.h"
#include "host/services/ModuleManager.h"
#include "host/testing/OffscreenHost.h"
#include "platform/FileIO.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {
namespace {

using testing::OffscreenHost;

class CodeRecorder final : public IModuleNotifier {
public:
    explicit CodeRecorder(IModuleInterface& module) : module(module) { module.AddNotifier(this); }
    ~CodeRecorder() override { module.RemoveNotifier(this); }
    void Notify(TNotifyCode code) override {
        codes.push_back(code);
        names.push_back(module.FileName());
    }
    void ComponentRenamed(void*, const std::string&, const std::string&) override {}
    IModuleInterface& module;
    std::vector<TNotifyCode> codes;
    std::vector<std::string> names;
};

class AddInRecorder final : public IAddInNotifier {
public:
    void FileNotification(TFileNotification code, const std::string& fileName, bool& cancel) override {
        files.emplace_back(code, fileName);
        if (code == cancelCode) cancel = true;
    }
    void EventNotification(TEventNotification code, bool& cancel) override {
        events.push_back(code);
        if (cancelCompile) cancel = true;
    }
    std::vector<std::pair<TFileNotification, std::string>> files;
    std::vector<TEventNotification> events;
    int cancelCode = -1;
    bool cancelCompile = false;
};

std::string EveryByteWithMixedLineBreaks() {
    std::string bytes = "unit X;\r\nline two\nline three\rline four\r\n";
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    bytes += "\r\n\r\nend.";
    return bytes;
}

class RoundTripTest : public ::testing::TestWithParam<win::CodePage> {};

TEST_P(RoundTripTest, OpeningAndSavingUneditedLeavesTheFileByteIdentical) {
    HostOptions options = OffscreenHost::DefaultOptions();
    options.codePage = GetParam();
    OffscreenHost host(std::move(options));
    const std::string bytes = EveryByteWithMixedLineBreaks();
    Module& module = host.OpenText("Unit1.pas", "");
    module.LoadAnsi(bytes);
    ASSERT_TRUE(host->SaveFile(module));
    ASSERT_EQ(host.Temp().Read("Unit1.pas"), bytes);

    host.Temp().Write("Unit2.pas", bytes);
    Module* reopened = host->OpenFile(host.Temp().File("Unit2.pas"));
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(host.Text(), bytes);
    EXPECT_EQ(host.Current().Control()->Index().Length(), static_cast<int>(bytes.size()));
    host.Type("typed");
    ASSERT_TRUE(host->EditorServices()->TopBuffer()->Undo());
    ASSERT_TRUE(host->SaveFile(*reopened));
    EXPECT_EQ(host.Temp().Read("Unit2.pas"), bytes);
}

INSTANTIATE_TEST_SUITE_P(CodePages, RoundTripTest, ::testing::Values(win::CodePage::Cp1252, win::CodePage::Cp1251),
                         [](const ::testing::TestParamInfo<win::CodePage>& info) { return "Cp" + std::to_string(static_cast<int>(info.param)); });

// Watches for modal forms and answers them as a test wants.
struct ModalWatch {
    std::vector<std::string> classes;
    std::vector<std::string> captions;
    std::vector<std::string> messages;
    std::vector<bool> foreground;
};

class SaveTest : public ::testing::Test {
protected:
    void AnswerErrorBoxes() {
        host->SetModalAnswerer([this](TForm& form) {
            watch.classes.push_back(form.ClassName());
            watch.captions.push_back(form.Caption());
            IControl* message = form.FindComponent("Message");
            watch.messages.push_back(message ? message->ClassName() + ":" + message->Caption() : "");
            watch.foreground.push_back(host->Windows().GetForegroundWindow() == form.Handle());
            if (IControl* ok = form.FindComponent("OK")) ok->Click();
        });
    }
    OffscreenHost host;
    ModalWatch watch;
};

TEST_F(SaveTest, FailedSaveShowsTheErrorBoxKeepsTheBufferAndTheOldFile) {
    Module& module = host.OpenText("sub/Unit1.pas", "old|");
    host.Type(" new");
    AnswerErrorBoxes();
    std::filesystem::remove_all(host.Temp().File("sub"));
    EXPECT_FALSE(module.Save(true));
    EXPECT_EQ(watch.classes, (std::vector<std::string>{"TMessageForm"}));
    EXPECT_EQ(watch.captions, (std::vector<std::string>{"Error"}));
    EXPECT_EQ(watch.messages, (std::vector<std::string>{"TLabel:Can't save."}));
    EXPECT_EQ(watch.foreground, (std::vector<bool>{true}));
    EXPECT_EQ(host.Text(), "old new");
    EXPECT_TRUE(module.Modified());
    // The box is gone and the editor window is in front again.
    EXPECT_EQ(host->Windows().GetClassName(host->Windows().GetForegroundWindow(), 100), "TEditWindow");
}

TEST_F(SaveTest, CharacterTheCodePageCannotHoldFailsTheSaveInsteadOfWritingAQuestionMark) {
    Module& module = host.OpenText("Unit1.pas", "a|b");
    host.Current().Control()->insert(QString::fromUtf8("\u0416"));
    AnswerErrorBoxes();
    EXPECT_FALSE(module.Save(true));
    EXPECT_EQ(watch.captions, (std::vector<std::string>{"Error"}));
    EXPECT_EQ(host.Temp().Read("Unit1.pas"), "ab");
    EXPECT_EQ(host.Current().Control()->text().toStdString(), "a\u0416b");
}

TEST_F(SaveTest, ATimerCanDismissTheErrorBoxWhileItIsUp) {
    Module& module = host.OpenText("sub/Unit1.pas", "x");
    std::filesystem::remove_all(host.Temp().File("sub"));
    auto timer = host->CreateTimer();
    int clicked = 0;
    timer->SetInterval(250);
    timer->SetOnTimer([&] {
        IWindows& windows = host->Windows();
        const win::HWND front = windows.GetForegroundWindow();
        if (windows.GetWindowText(front, 260) != "Error" || windows.GetClassName(front, 100) != "TMessageForm") return;
        IForm* form = host->Screen().FindForm(front);
        if (IControl* ok = form ? form->FindComponent("OK") : nullptr; ok && ok->ClassName() == "TButton") {
            ok->Click();
            ++clicked;
        }
    });
    timer->SetEnabled(true);
    host->SetModalAnswerer([&](TForm&) { host.Advance(300); });
    EXPECT_FALSE(module.Save(true));
    EXPECT_EQ(clicked, 1);
}

TEST_F(SaveTest, SaveAndSaveAsAnnounceInOrderWithTheNewNameBeforeTheSaveEnds) {
    Module& module = host.OpenText("Unit1.pas", "text");
    CodeRecorder recorder(module);
    ASSERT_TRUE(module.Save(true));
    const std::string newName = host.Temp().File("Renamed.pas");
    ASSERT_TRUE(host->SaveFileAs(module, newName));
    EXPECT_EQ(recorder.codes, (std::vector<TNotifyCode>{ncBeforeSave, ncAfterSave, ncBeforeSave, ncModuleRenamed, ncAfterSave}));
    EXPECT_EQ(recorder.names[2], host.Temp().File("Unit1.pas"));
    EXPECT_EQ(recorder.names[3], newName);
    EXPECT_EQ(host.Temp().Read("Renamed.pas"), "text");
    EXPECT_EQ(host->ToolServices().GetCurrentFile(), newName);
}

TEST_F(SaveTest, UnmodifiedModuleIsNotWrittenUnlessForced) {
    Module& module = host.OpenText("Unit1.pas", "text");
    CodeRecorder recorder(module);
    EXPECT_TRUE(module.Save(false));
    EXPECT_TRUE(recorder.codes.empty());
}

TEST(ToolServicesTest, UnitsInOpeningOrderFoundWithoutRegardToCase) {
    OffscreenHost host;
    AddInRecorder addIn;
    ASSERT_TRUE(host->ToolServices().AddNotifier(&addIn));
    EXPECT_FALSE(host->ToolServices().AddNotifier(&addIn));
    Module& first = host.OpenText("First.pas", "a");
    Module& second = host.OpenText("Second.pas", "b");
    IToolServices& tools = host->ToolServices();
    ASSERT_EQ(tools.GetUnitCount(), 2);
    EXPECT_EQ(tools.GetUnitName(0), first.FileName());
    EXPECT_EQ(tools.GetUnitName(1), second.FileName());
    EXPECT_EQ(tools.GetCurrentFile(), second.FileName());
    EXPECT_EQ(tools.GetModuleInterface(host.Temp().File("FIRST.PAS")), &first);
    EXPECT_EQ(tools.GetModuleInterface(host.Temp().File("missing.pas")), nullptr);
    // Opening an open file brings it to the front and announces nothing.
    ASSERT_TRUE(tools.OpenFile(first.FileName()));
    EXPECT_EQ(tools.GetCurrentFile(), first.FileName());
    EXPECT_EQ(addIn.files, (std::vector<std::pair<TFileNotification, std::string>>{{fnFileOpening, first.FileName()},
                                                                                    {fnFileOpened, first.FileName()},
                                                                                    {fnFileOpening, second.FileName()},
                                                                                    {fnFileOpened, second.FileName()}}));
    EXPECT_TRUE(tools.RemoveNotifier(&addIn));
}

TEST(ToolServicesTest, AddInsMayCancelOpeningAndCompiling) {
    OffscreenHost host;
    AddInRecorder addIn;
    host->ToolServices().AddNotifier(&addIn);
    addIn.cancelCode = fnFileOpening;
    const std::string path = host.Temp().Write("Unit1.pas", "x");
    std::string error;
    EXPECT_EQ(host->OpenFile(path, &error), nullptr);
    EXPECT_EQ(host->ToolServices().GetUnitCount(), 0);
    host->MainWindow();
    IMenuItem* compile = host->ToolServices().GetMainMenu()->FindMenuItem("ProjectCompileItem");
    ASSERT_NE(compile, nullptr);
    compile->Click();
    addIn.cancelCompile = true;
    host.PressShortCut(win::ShortCut(win::VK_F1 + 8, win::ssCtrl));
    EXPECT_EQ(addIn.events, (std::vector<TEventNotification>{enBeforeCompile, enAfterCompile, enBeforeCompile}));
    host->ToolServices().RemoveNotifier(&addIn);
}

TEST(ToolServicesTest, MissingFileIsNotOpenedAndSaysWhy) {
    OffscreenHost host;
    std::string error;
    EXPECT_EQ(host->OpenFile(host.Temp().File("none.pas"), &error), nullptr);
    EXPECT_FALSE(error.empty());
}

TEST(ToolServicesTest, NewUnitGetsAFreeNameAndIsWrittenOnSave) {
    OffscreenHost host;
    const std::string cwd = std::filesystem::current_path().string();
    std::filesystem::current_path(host.Temp().Path());
    host.Temp().Write("Unit1.pas", "taken");
    Module* module = host->NewFile();
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(module->FileName(), host.Temp().File("Unit2.pas"));
    EXPECT_TRUE(module->Modified());
    EXPECT_TRUE(module->Save(false));
    EXPECT_EQ(host.Temp().Read("Unit2.pas"), "unit Unit2;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\nend.\r\n");
    std::filesystem::current_path(cwd);
}

}  // namespace
}  // namespace skrivo::host
