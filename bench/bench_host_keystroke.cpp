// The host's keystroke path: one typed character through the message pump into the editor, with a notifier attached.
#include <benchmark/benchmark.h>

#include <string>

#include "host/api/Editor.h"
#include "host/editor/EditorControl.h"
#include "host/testing/OffscreenHost.h"
#include "platform/VirtualKeys.h"

namespace {

using skrivo::host::testing::OffscreenHost;

// What the expert's notifier does on every modification: note it and drop its cache.
class CountingNotifier final : public skrivo::host::IModuleNotifier {
public:
    void Notify(skrivo::host::TNotifyCode) override { ++count; }
    void ComponentRenamed(void*, const std::string&, const std::string&) override {}
    long count = 0;
};

std::string PascalUnit(int lines) {
    std::string text = "unit Big;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\n";
    for (int i = 0; text.size() < static_cast<std::size_t>(lines) * 30; ++i) {
        text += "procedure P" + std::to_string(i) + "(const AValue: Integer);\r\n";
        text += "begin\r\n  if AValue > " + std::to_string(i) + " then\r\n    Writeln('\xE9t\xE9', AValue);\r\nend;\r\n\r\n";
    }
    return text + "end.\r\n";
}

struct Session {
    Session() {
        const std::string text = PascalUnit(5000);
        skrivo::host::Module& module = host.OpenText("Big.pas", text);
        module.AddNotifier(&notifier);
        // The middle of the unit, where Scintilla's line index must do its work.
        host.SetCursorPosition(static_cast<int>(text.size() / 2));
    }
    ~Session() { host.Current().RemoveNotifier(&notifier); }
    OffscreenHost host;
    CountingNotifier notifier;
};

void BM_TypeCharacterAndBackspace(benchmark::State& state) {
    Session session;
    auto& host = session.host.Host();
    for (auto _ : state) {
        host.TypeChar('a');
        host.PressKey(skrivo::win::VK_BACK);
    }
    state.SetItemsProcessed(state.iterations() * 2);
    state.counters["lines"] = session.host.Current().Control()->Index().LineCount();
}
BENCHMARK(BM_TypeCharacterAndBackspace)->Unit(benchmark::kMicrosecond);

void BM_ReadLineBeforeCursor(benchmark::State& state) {
    Session session;
    auto* editor = session.host.Current().GetEditorInterface();
    char buf[256];
    for (auto _ : state) {
        auto* view = editor->GetView(0);
        skrivo::host::TEditPos edit = view->GetPos(0);
        skrivo::host::TCharPos charPos{};
        view->ConvertPos(true, edit, charPos);
        const int pos = view->CharPosToPos(charPos);
        auto reader = editor->CreateReader();
        benchmark::DoNotOptimize(reader->GetText(pos > 100 ? pos - 100 : 0, buf, 100));
    }
}
BENCHMARK(BM_ReadLineBeforeCursor)->Unit(benchmark::kMicrosecond);

void BM_WriterReplacesAWord(benchmark::State& state) {
    Session session;
    auto* editor = session.host.Current().GetEditorInterface();
    const int at = session.host.CursorPosition();
    bool upper = false;
    for (auto _ : state) {
        auto writer = editor->CreateUndoableWriter();
        writer->CopyTo(at);
        writer->DeleteTo(at + 5);
        writer->Insert(upper ? "BEGIN" : "begin");
        writer->CopyTo(2147483647);
        writer.reset();
        upper = !upper;
    }
}
BENCHMARK(BM_WriterReplacesAWord)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    skrivo::host::testing::EnsureQtApplication();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
