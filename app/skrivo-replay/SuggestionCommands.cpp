// The suggestion list, the sound requests and pictures of the screen, as a script sees and drives them.
#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QThread>
#include <QScreen>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <QWidget>

#include <deque>
#include <filesystem>
#include <map>

#include "ArgParsing.h"
#include "CommandTable.h"
#include "LoadedExpert.h"
#include "config/SoundEvents.h"
#include "ScriptLine.h"
#include "Session.h"
#include "suggest/SuggestWindow.h"
#include "expert/SkrivoExpert.h"
#include "expert/SkrivoPackage.h"
#include "host/HostApplication.h"
#include "host/forms/EditWindow.h"
#include "host/api/Form.h"
#include "platform/VirtualKeys.h"

namespace skrivo::replay {

namespace {

// A sound event by number (0 .. 11) or by the name of its stored value
// without "Sound_" (Appear, AnyChar, ...).
int SoundEventNumber(const std::string& text) {
    for (int event = 0; event < kSoundEventCount; ++event)
        if (text == std::to_string(event) || text == kSoundValueNames[event].substr(6)) return event;
    throw ReplayError("unknown sound event: " + text);
}


// The list as the script writes it: the selected item with a leading ">".
std::vector<std::string> ShownItems(Session& s, TfmSuggest& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.lvWords->Count(); ++i) {
        std::string item = s.ToUtf8(list.lvWords->Caption(i));
        if (i == list.lvWords->Selected()) item.insert(0, ">");
        items.push_back(std::move(item));
    }
    return items;
}

std::string JoinQuoted(const std::vector<std::string>& items) {
    std::string out;
    for (const auto& item : items) out += (out.empty() ? "" : " ") + QuoteScriptText(item);
    return out.empty() ? "nothing" : out;
}

TfmSuggest* VisibleList(Session& s) {
    TfmSuggest* list = LoadedExpert(s).SggListIfCreated();
    return list && list->isVisible() ? list : nullptr;
}

}  // namespace

// The screen as the user would see it: the IDE's main window, then every
// other visible window over it, the suggestion list last (it stays on top).
bool SaveScreenPicture(Session& s, const std::string& path) {
    // On a real display (Xvfb) the screen itself is the picture.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        // Windows shown just now are painted when the window system asks.
        for (int i = 0; i < 10; ++i) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(10);
        }
        return QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromStdString(path));
    }
    host::IScreen& screen = s.Host().Screen();
    QImage picture(screen.Width(), screen.Height(), QImage::Format_RGB32);
    picture.fill(Qt::darkGray);
    QPainter painter(&picture);
    auto& app = static_cast<host::HostApplication&>(s.Host());
    QWidget* main = &app.MainWindow();
    std::vector<QWidget*> order{main};
    std::vector<QWidget*> lists;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == main || !w->isVisible()) continue;
        (dynamic_cast<TfmSuggest*>(w) ? lists : order).push_back(w);
    }
    order.insert(order.end(), lists.begin(), lists.end());
    for (QWidget* w : order) {
        painter.setOpacity(w->windowOpacity());
        w->render(&painter, w->geometry().topLeft());
    }
    painter.end();
    return picture.save(QString::fromStdString(path));
}

void AddSuggestionCommands(CommandTable& table) {
    table.Add({"list", 0, 0, "", [](Session& s, const ScriptArgs&) {
                   TfmSuggest* list = VisibleList(s);
                   if (!list) {
                       s.Out() << "[hidden]\n";
                       return;
                   }
                   for (int i = 0; i < list->lvWords->Count(); ++i) {
                       const char* mark = i == list->lvWords->Selected()      ? "> "
                                          : i == list->lvWords->ItemFocused() ? "* "
                                                                                : "  ";
                       s.Out() << mark << s.ToUtf8(list->lvWords->Caption(i)) << "\n";
                   }
               }});

    table.Add({"expect list", 1, -1, "ITEM ...", [](Session& s, const ScriptArgs& a) {
                   TfmSuggest* list = VisibleList(s);
                   const std::vector<std::string> expected(a.begin(), a.end());
                   if (!list) throw ExpectationFailed(JoinQuoted(expected), "the list hidden");
                   const std::vector<std::string> got = ShownItems(s, *list);
                   if (got != expected) throw ExpectationFailed(JoinQuoted(expected), JoinQuoted(got));
               }});

    table.Add({"expect hidden", 0, 0, "", [](Session& s, const ScriptArgs&) {
                   if (TfmSuggest* list = VisibleList(s))
                       throw ExpectationFailed("the list hidden", JoinQuoted(ShownItems(s, *list)));
               }});

    table.Add({"expect sound", 0, -1, "[EVENT ...]", [](Session& s, const ScriptArgs& a) {
                   std::vector<std::string> expected;
                   for (const std::string& event : a) expected.push_back(std::to_string(SoundEventNumber(event)));
                   std::vector<std::string> got;
                   for (int event : LoadedExpert(s).TakeSoundRequests()) got.push_back(std::to_string(event));
                   if (got != expected) throw ExpectationFailed(JoinQuoted(expected), JoinQuoted(got));
               }});

    table.Add({"expect window list", 4, 4, "X Y W H", [](Session& s, const ScriptArgs& a) {
                   TfmSuggest* list = VisibleList(s);
                   std::string expected;
                   for (const std::string& n : a) expected += (expected.empty() ? "" : " ") + std::to_string(ParseNumber(n, "a coordinate", -100000, 100000));
                   if (!list) throw ExpectationFailed(expected, "the list hidden");
                   const win::TRect r = list->BoundsRect();
                   const std::string got = std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.Width()) + " " +
                                           std::to_string(r.Height());
                   if (got != expected) throw ExpectationFailed(expected, got);
               }});

    table.Add({"expect opacity list", 1, 1, "N", [](Session& s, const ScriptArgs& a) {
                   const long long expected = ParseNumber(a[0], "the opacity", 0, 255);
                   TfmSuggest* list = VisibleList(s);
                   if (!list) throw ExpectationFailed(a[0], "the list hidden");
                   const int got = s.Host().Windows().GetWindowAlpha(list->Handle());
                   if (got != expected) throw ExpectationFailed(a[0], std::to_string(got));
               }});

    table.Add({"screenshot", 1, 1, "PATH", [](Session& s, const ScriptArgs& a) {
                   // A picture is for the user: a relative path is taken from
                   // the folder the runner started in, not from the home.
                   const std::string path = std::filesystem::absolute(a[0]).lexically_normal().string();
                   if (!SaveScreenPicture(s, path)) throw ReplayError("cannot write " + path);
               }});
}

}  // namespace skrivo::replay
