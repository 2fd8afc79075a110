// One keystroke with Skrivo loaded: message hook, editor insert, notification and the expert's Notify, on a 5,000-line unit.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "BenchIdentifiers.h"
#include "bridge/QvNotifier.h"
#include "expert/SkrivoExpert.h"
#include "expert/SkrivoPackage.h"
#include "host/editor/Module.h"
#include "host/testing/OffscreenHost.h"
#include "config/ExpertConfig.h"
#include "host/sound/PcmTrack.h"
#include "platform/FileIO.h"
#include "platform/VirtualKeys.h"
#include "suggest/SuggestWindow.h"
#include "tips/TipTexts.h"
#include "tips/TipWindow.h"

namespace {

using skrivo::host::testing::OffscreenHost;

// The expert as the package creates it, reachable for the read that follows a key.
class BenchExpert : public skrivo::TSkrivoExpert {
public:
    BenchExpert() = default;
};

std::string PascalUnit(int lines) {
    std::string text = "unit Big;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\n";
    int written = 6;
    for (int i = 0; written < lines; ++i, written += 6) {
        text += "procedure TForm1.Button" + std::to_string(i) + "Click(Sender: TObject);\r\n";
        text += "begin\r\n  if Sender <> nil then\r\n    Caption := 'Clicked " + std::to_string(i) + "';\r\nend;\r\n\r\n";
    }
    return text + "end.\r\n";
}

struct Workbench {
    explicit Workbench(bool loadSkrivo, int lines = 5000) {
        const std::string text = PascalUnit(lines);
        host.OpenText("Big.pas", text);
        // The middle of the unit, far from both ends.
        host.SetCursorPosition(static_cast<int>(text.size() / 2));
        if (loadSkrivo) host->LoadPackage("SkrivoPackage.bpl", &skrivo::Register, &skrivo::Unregister);
    }
    OffscreenHost host;
};

void TypeAndErase(skrivo::host::HostApplication& host) {
    host.TypeChar('a');
    host.PressKey(skrivo::win::VK_BACK);
}

void BM_KeystrokeWithSkrivo(benchmark::State& state) {
    Workbench bench(true);
    for (auto _ : state) TypeAndErase(bench.host.Host());
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_KeystrokeWithSkrivo)->Unit(benchmark::kMicrosecond);

// The same keys with a sound on every event: a short wave on the even ones, a
// two-note melody on the odd ones. The sound plays from the message loop
// after the key, so the key itself must cost what it did without sounds.
void BM_KeystrokeWithSoundsOnEveryEvent(benchmark::State& state) {
    Workbench bench(true);
    skrivo::TSkrivoExpert& expert = *skrivo::RegisteredExpert();
    const std::string wave = skrivo::host::MonoWaveImage(std::vector<std::int16_t>(80, 1000), 8000);
    for (int event = 0; event < skrivo::kSoundEventCount; ++event) {
        const std::string name = "event" + std::to_string(event) + (event % 2 ? ".bip" : ".wav");
        skrivo::WriteFileAtomic(bench.host.Home() + "/" + name, event % 2 ? "440\r\n10\r\n880\r\n10" : wave);
        expert.GetCfg()->Sounds[static_cast<std::size_t>(event)] = name;
    }
    expert.GetCfg()->AllowSounds = true;
    expert.ReLoadSounds();
    int keys = 0;
    for (auto _ : state) {
        TypeAndErase(bench.host.Host());
        // The recording device keeps every request; it is emptied now and then.
        if (++keys % 1000 == 0) {
            state.PauseTiming();
            bench.host.Sound()->Clear();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_KeystrokeWithSoundsOnEveryEvent)->Unit(benchmark::kMicrosecond);

// The tip window as the "=" of a ":=" typed by hand opens it: built on that
// key, shown a second later. The first of a session is not counted.
void BM_TipWindowOpens(benchmark::State& state) {
    Workbench bench(false);
    const std::string text = skrivo::TipRichText(1);
    skrivo::CreateTipWindow(text, false, {});
    for (auto _ : state) {
        auto window = skrivo::CreateTipWindow(text, false, {});
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TipWindowOpens)->Unit(benchmark::kMicrosecond);

// The list's width when it holds every single word (OnlyWordsMatching1st
// off): found on every key such a list is filled.
void BM_ListWidthOfEveryWord(benchmark::State& state) {
    Workbench bench(false);
    skrivo::bench::IdentifierMaker ids(3);
    skrivo::SuggestionListContent content;
    for (int i = 0; i < 16000; ++i) content.Add(ids.Next(), 0);
    skrivo::TfmSuggest list;
    list.Fill(std::move(content));
    for (auto _ : state) benchmark::DoNotOptimize(list.WidestCaptionWidth());
}
BENCHMARK(BM_ListWidthOfEveryWord)->Unit(benchmark::kMicrosecond);

// A unit of 5,000 lines with the cursor after a routine's name in its middle.
// The routine is declared in the unit ("Step") or only known to the library
// ("Format").
std::string UnitCallingAt(const std::string& name) {
    std::string text = PascalUnit(5000);
    text.insert(text.find("implementation\r\n") + 16, "procedure TForm1.Step(const S: string; var X: Integer);\r\n");
    text.insert(text.find("\r\n", text.size() / 2), "\r\n  " + name + "|");
    return text;
}

// "(" typed after a routine's name: the bracket closed and the routine's
// parameter hint shown, on the key itself, then asked again as the key is let go.
void BM_ParameterHintOnBracket(benchmark::State& state) {
    const std::string name = state.range(0) ? "Step" : "Format";
    OffscreenHost host;
    host.OpenText("Big.pas", UnitCallingAt(name));
    host->LoadPackage("SkrivoPackage.bpl", &skrivo::Register, &skrivo::Unregister);
    skrivo::RegisteredExpert()->GetCfg()->AutoCloseBrackets = true;
    const std::string& hint = host.Current().Buffer()->Actions().LastHint();
    for (auto _ : state) {
        host->TypeChar('(');
        state.PauseTiming();
        if (hint.empty()) state.SkipWithError("no hint shown");
        host->PressKey(skrivo::win::VK_DELETE);
        host->PressKey(skrivo::win::VK_BACK);
        state.ResumeTiming();
    }
    state.SetLabel(name);
}
BENCHMARK(BM_ParameterHintOnBracket)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The hint alone: shown where none stands (as on "(") and asked again while
// it stands (every key's release inside the call asks).
void BM_ParameterHint(benchmark::State& state) {
    const std::string name = state.range(0) ? "Step" : "Format";
    const bool fresh = state.range(1) != 0;
    OffscreenHost host;
    host.OpenText("Big.pas", UnitCallingAt(name + "("));
    host.Advance(10);
    skrivo::host::EditActions& actions = host.Current().Buffer()->Actions();
    skrivo::host::EditorControl& editor = *host.Current().Control();
    for (auto _ : state) {
        if (fresh) {
            state.PauseTiming();
            editor.SendScintilla(QsciScintillaBase::SCI_CALLTIPCANCEL);
            state.ResumeTiming();
        }
        actions.CodeCompletion(2);
    }
    if (actions.LastHint().empty()) state.SkipWithError("no hint shown");
    state.SetLabel(name + (fresh ? ", shown anew" : ", asked again"));
}
BENCHMARK(BM_ParameterHint)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMicrosecond);

// The same keys without Skrivo: what the IDE costs by itself.
void BM_KeystrokeWithoutSkrivo(benchmark::State& state) {
    Workbench bench(false);
    for (auto _ : state) TypeAndErase(bench.host.Host());
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_KeystrokeWithoutSkrivo)->Unit(benchmark::kMicrosecond);

// A key followed by the read of the line before the cursor that the
// completion trigger makes: the slow way re-reads the changed source once.
void BM_KeystrokeThenReadLine(benchmark::State& state) {
    Workbench bench(false);
    auto expert = skrivo::TQvExpert::Create<BenchExpert>();
    expert->SetReady(true);
    expert->SetFastReadText(state.range(0) != 0);
    for (auto _ : state) {
        bench.host->TypeChar('a');
        benchmark::DoNotOptimize(expert->ReadText(-100));
        bench.host->PressKey(skrivo::win::VK_BACK);
        benchmark::DoNotOptimize(expert->ReadText(-100));
    }
    state.SetItemsProcessed(state.iterations() * 2);
    state.SetLabel(state.range(0) ? "fast read" : "notifier read");
}
BENCHMARK(BM_KeystrokeThenReadLine)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A key, then the cursor placed by its linear position (as a jump to a
// placeholder or a restored replacement places it), in a 5,000-line and a
// 5 MB unit: the cost may not grow with the unit.
void BM_KeyThenCursorPlaced(benchmark::State& state) {
    Workbench bench(false, static_cast<int>(state.range(0)));
    // The idle work after loading done (the routine headings indexed), as in the IDE.
    bench.host.Advance(10);
    auto expert = skrivo::TQvExpert::Create<BenchExpert>();
    expert->SetReady(true);
    skrivo::TQvNotifier* notifier = expert->GetCurrentNotifier();
    for (auto _ : state) {
        bench.host->TypeChar('a');
        notifier->SetPosition(notifier->GetPosition() - 1);
        bench.host->PressKey(skrivo::win::VK_DELETE);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_KeyThenCursorPlaced)->Arg(5000)->Arg(150000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
