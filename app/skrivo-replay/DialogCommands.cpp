// Answers to modal dialogs queued by the script, and what each dialog showed when it closed.
#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QThread>
#include <QSlider>
#include <QTextEdit>
#include <QTreeWidget>

#include <deque>
#include <filesystem>
#include <map>

#include "ArgParsing.h"
#include "CommandTable.h"
#include "ScriptLine.h"
#include "Session.h"
#include "host/HostApplication.h"
#include "host/api/Form.h"
#include "host/api/Widgets.h"
#include "host/services/WindowsServices.h"
#include "options/dialog/OptionsForm.h"
#include "options/dialog/RadioGroup.h"
#include "options/dialog/OptionsTabs.h"
#include "platform/ShortCut.h"
#include "platform/VirtualKeys.h"

namespace skrivo::replay {

namespace {

// A modal dialog is answered at most this many clock steps before the runner
// gives up on it (it is then closed with Cancel by the host).
constexpr int kMaxDialogSteps = 400;
constexpr unsigned kDialogStepMs = 50;
const char* const kMergeProgressCaption = "Merging dictionary";

struct DialogAnswer {
    std::string caption;
    ScriptArgs actions;
};

// A control as it was when its dialog closed: property name -> value.
using ControlState = std::map<std::string, std::string>;

struct DialogQueue {
    std::deque<DialogAnswer> answers;
    std::string error;  // an answer that failed inside the modal loop
    std::map<std::string, ControlState> controls;
    std::map<std::string, std::vector<std::string>> rows;
    std::string lastMessage;
    std::string lastHelp;
    int beepsSeen = 0;
};

std::map<const Session*, DialogQueue>& Queues() {
    static std::map<const Session*, DialogQueue> queues;
    return queues;
}

std::string WithoutAccelerator(const QString& text) {
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    return plain.toStdString();
}

QWidget* NamedControl(host::TForm& form, const std::string& name) {
    QWidget* control = form.findChild<QWidget*>(QString::fromStdString(name));
    if (!control) throw ReplayError("dialog \"" + form.Caption() + "\" has no control " + name);
    return control;
}

QTreeWidget* NamedList(host::TForm& form, const std::string& name) {
    auto* list = qobject_cast<QTreeWidget*>(NamedControl(form, name));
    if (!list) throw ReplayError(name + " is not a list");
    return list;
}

// A row as scripts write it: its columns joined by "=", behind "[x] " or
// "[ ] " when the row has a check box.
std::string RowText(const QTreeWidgetItem& row) {
    std::string text;
    for (int c = 0; c < row.columnCount(); ++c) text += (c ? "=" : "") + row.text(c).toStdString();
    if (row.flags() & Qt::ItemIsUserCheckable) text.insert(0, row.checkState(0) == Qt::Checked ? "[x] " : "[ ] ");
    return text;
}

QTreeWidgetItem* RowOf(host::TForm& form, QTreeWidget& list, const std::string& caption) {
    for (int r = 0; r < list.topLevelItemCount(); ++r)
        if (list.topLevelItem(r)->text(0).toStdString() == caption) return list.topLevelItem(r);
    throw ReplayError("dialog \"" + form.Caption() + "\" has no row " + QuoteScriptText(caption) + " in " + list.objectName().toStdString());
}

void SendMouse(QWidget* control, QEvent::Type type, Qt::MouseButton button) {
    const QPoint c = control->rect().center();
    QMouseEvent event(type, c, control->mapToGlobal(c), button, type == QEvent::MouseButtonPress ? button : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(control, &event);
}

// Every named control's state, and every list's rows, as the dialog leaves them.
void Remember(DialogQueue& q, host::TForm& form) {
    for (QWidget* w : form.findChildren<QWidget*>()) {
        const std::string name = w->objectName().toStdString();
        // A dialog kept as the form's child window (the option search) is
        // remembered when it closes itself.
        if (name.empty() || w->window() != &form) continue;
        ControlState state;
        state["enabled"] = w->isEnabled() ? "1" : "0";
        state["visible"] = w->isVisibleTo(&form) ? "1" : "0";
        state["focused"] = form.focusWidget() == w ? "1" : "0";
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            state["caption"] = button->text().toStdString();
            state["checked"] = button->isChecked() ? "1" : "0";
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            state["caption"] = label->text().toStdString();
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            state["text"] = edit->text().toStdString();
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            state["text"] = combo->currentText().toStdString();
            state["index"] = std::to_string(combo->currentIndex());
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
            state["text"] = memo->toPlainText().toStdString();
        } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
            state["text"] = rich->toPlainText().toStdString();
        } else if (auto* slider = qobject_cast<QSlider*>(w)) {
            state["index"] = std::to_string(slider->value());
        } else if (auto* list = qobject_cast<QTreeWidget*>(w)) {
            std::vector<std::string> rows;
            for (int r = 0; r < list->topLevelItemCount(); ++r) rows.push_back(RowText(*list->topLevelItem(r)));
            q.rows[name] = std::move(rows);
        } else if (auto* plain = qobject_cast<QListWidget*>(w)) {
            std::vector<std::string> rows;
            for (int r = 0; r < plain->count(); ++r) rows.push_back(plain->item(r)->text().toStdString());
            q.rows[name] = std::move(rows);
        }
        if (auto* group = qobject_cast<QGroupBox*>(w)) state["caption"] = group->title().toStdString();
        if (auto* radios = qobject_cast<TSKRadioGroup*>(w)) state["index"] = std::to_string(radios->ItemIndex());
        if (auto* options = dynamic_cast<TfmOptions*>(&form); options && w == static_cast<QWidget*>(options->pcOptions))
            state["text"] = WithoutAccelerator(options->TabCaption(options->ActivePage()));
        q.controls[name] = std::move(state);
    }
}

// The dialog alone, as the screen shows it.
bool SaveWindowPicture(QWidget& window, const std::string& path) {
    const QString file = QString::fromStdString(path);
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return window.grab().save(file);
    // Windows shown just now are painted when the window system asks.
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    const QRect frame = window.frameGeometry();
    return QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).save(file);
}

void RunActions(Session& s, host::TForm& form, const ScriptArgs& actions) {
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const std::string& action = actions[i];
        auto need = [&](std::size_t count) {
            if (i + count >= actions.size()) throw ReplayError("dialog action " + action + " needs " + std::to_string(count) + " argument(s)");
        };
        if (action == "check") {
            need(2);
            QWidget* control = NamedControl(form, actions[i + 1]);
            if (auto* list = qobject_cast<QTreeWidget*>(control)) {
                need(3);
                RowOf(form, *list, actions[i + 2])->setCheckState(0, actions[i + 3] == "1" ? Qt::Checked : Qt::Unchecked);
                i += 3;
                continue;
            }
            auto* box = qobject_cast<QCheckBox*>(control);
            if (!box) throw ReplayError(actions[i + 1] + " is not a check box");
            // As a click would: the box's handlers (enable rules) run.
            if (box->isChecked() != (actions[i + 2] == "1")) box->click();
            i += 2;
        } else if (action == "text") {
            need(2);
            QWidget* control = NamedControl(form, actions[i + 1]);
            const QString value = QString::fromStdString(actions[i + 2]);
            if (auto* edit = qobject_cast<QLineEdit*>(control)) {
                edit->setText(value);
            } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
                combo->setCurrentText(value);
                // Leaving the field applies its rules, as a user moving on would.
                if (combo->isEditable()) {
                    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
                    QApplication::sendEvent(combo->lineEdit(), &out);
                }
            } else {
                throw ReplayError(actions[i + 1] + " does not take text");
            }
            i += 2;
        } else if (action == "click") {
            need(1);
            QAbstractButton* found = qobject_cast<QAbstractButton*>(form.findChild<QWidget*>(QString::fromStdString(actions[i + 1])));
            if (!found)
                for (QAbstractButton* button : form.findChildren<QAbstractButton*>())
                    if (WithoutAccelerator(button->text()) == actions[i + 1]) found = button;
            if (!found) throw ReplayError("dialog \"" + form.Caption() + "\" has no button " + actions[i + 1]);
            found->click();
            i += 1;
        } else if (action == "focus") {
            need(1);
            QWidget* control = NamedControl(form, actions[i + 1]);
            control->setFocus(Qt::OtherFocusReason);
            s.Host().Windows().SetFocus(host::HandleOfWidget(control->focusProxy() ? control->focusProxy() : control));
            i += 1;
        } else if (action == "rclick") {
            need(1);
            QWidget* control = NamedControl(form, actions[i + 1]);
            SendMouse(control, QEvent::MouseButtonPress, Qt::RightButton);
            SendMouse(control, QEvent::MouseButtonRelease, Qt::RightButton);
            i += 1;
        } else if (action == "page") {
            need(1);
            auto* options = dynamic_cast<TfmOptions*>(&form);
            if (!options) throw ReplayError("dialog \"" + form.Caption() + "\" has no pages");
            const int page = options->PageIndexOf(QString::fromStdString(actions[i + 1]));
            if (page < 0) throw ReplayError("dialog \"" + form.Caption() + "\" has no page " + actions[i + 1]);
            options->SetActivePage(page);
            i += 1;
        } else if (action == "header") {
            need(2);
            QTreeWidget* list = NamedList(form, actions[i + 1]);
            int column = -1;
            for (int c = 0; c < list->columnCount(); ++c)
                if (list->headerItem()->text(c).toStdString() == actions[i + 2] || std::to_string(c) == actions[i + 2]) column = c;
            if (column < 0) throw ReplayError(actions[i + 1] + " has no column " + actions[i + 2]);
            emit list->header()->sectionClicked(column);
            i += 2;
        } else if (action == "key") {
            need(1);
            const win::TShortCut shortCut = win::TextToShortCut(s.ToAnsi(actions[i + 1]));
            if (shortCut == 0) throw ReplayError("unknown shortcut " + QuoteScriptText(actions[i + 1]));
            // The keys that opened the dialog are let go before the user
            // presses the next one.
            for (const win::WORD modifier : {win::VK_SHIFT, win::VK_CONTROL, win::VK_MENU})
                if (s.Host().Windows().GetKeyState(modifier) < 0) s.KeyUp(modifier, KeySide::Left);
            s.PressShortCut(shortCut);
            i += 1;
        } else if (action == "select") {
            need(1);
            // "select NAME ROW" names the list; "select ROW" finds the row in any list.
            QWidget* named = form.findChild<QWidget*>(QString::fromStdString(actions[i + 1]));
            if (auto* plain = qobject_cast<QListWidget*>(named); plain && i + 2 < actions.size()) {
                const QList<QListWidgetItem*> rows = plain->findItems(QString::fromStdString(actions[i + 2]), Qt::MatchExactly);
                if (rows.isEmpty()) throw ReplayError(actions[i + 1] + " has no row " + QuoteScriptText(actions[i + 2]));
                plain->setCurrentItem(rows.front());
                i += 2;
                continue;
            }
            if (auto* list = qobject_cast<QTreeWidget*>(named); list && i + 2 < actions.size()) {
                QTreeWidgetItem* row = RowOf(form, *list, actions[i + 2]);
                list->setCurrentItem(row);
                list->setFocus(Qt::OtherFocusReason);
                i += 2;
                continue;
            }
            QTreeWidgetItem* found = nullptr;
            QTreeWidget* list = nullptr;
            for (QTreeWidget* tree : form.findChildren<QTreeWidget*>())
                for (int row = 0; row < tree->topLevelItemCount() && !found; ++row)
                    if (tree->topLevelItem(row)->text(0).toStdString() == actions[i + 1]) {
                        found = tree->topLevelItem(row);
                        list = tree;
                    }
            if (!found) throw ReplayError("dialog \"" + form.Caption() + "\" has no row " + QuoteScriptText(actions[i + 1]));
            list->setCurrentItem(found);
            list->setFocus(Qt::OtherFocusReason);
            i += 1;
        } else if (action == "screenshot") {
            need(1);
            // As the screenshot command: a picture is for the user, a
            // relative path is taken from the folder the runner started in.
            const std::string path = std::filesystem::absolute(actions[i + 1]).lexically_normal().string();
            if (!SaveScreenPicture(s, path)) throw ReplayError("cannot write " + path);
            i += 1;
        } else if (action == "picture") {
            need(1);
            const std::string path = std::filesystem::absolute(actions[i + 1]).lexically_normal().string();
            if (!SaveWindowPicture(form, path)) throw ReplayError("cannot write " + path);
            i += 1;
        } else if (action == "escape") {
            form.SetModalResult(host::mrCancel);
        } else {
            throw ReplayError("unknown dialog action " + action);
        }
    }
}

int BeepCount(Session& s) { return static_cast<host::WindowsServices&>(s.Host().Windows()).MessageBeepCount(); }

std::string JoinQuoted(const std::vector<std::string>& items) {
    std::string out;
    for (const auto& item : items) out += (out.empty() ? "" : " ") + QuoteScriptText(item);
    return out.empty() ? "nothing" : out;
}

}  // namespace

void InstallDialogAnswerer(Session& s) {
    auto& app = static_cast<host::HostApplication&>(s.Host());
    app.SetModalAnswerer([&s, &app](host::TForm& form) {
        DialogQueue& q = Queues()[&s];
        const std::string caption = form.Caption();
        if (form.ClassName() == "TMessageForm")
            if (auto* label = form.findChild<QLabel*>(QStringLiteral("Message"))) q.lastMessage = label->text().toStdString();
        if (form.ClassName() == "TfmHelp")
            if (auto* memo = form.findChild<QTextEdit*>(QStringLiteral("memHelp"))) q.lastHelp = memo->toPlainText().toStdString();
        for (auto it = q.answers.begin(); it != q.answers.end(); ++it) {
            if (it->caption != s.ToUtf8(caption)) continue;
            const DialogAnswer answer = *it;
            q.answers.erase(it);
            try {
                RunActions(s, form, answer.actions);
            } catch (const std::exception& e) {
                q.error = e.what();
            }
            Remember(q, form);
            return;
        }
        // The merge runs on the dialog's own timer: let the clock run it.
        if (caption == kMergeProgressCaption)
            for (int step = 0; step < kMaxDialogSteps && form.isVisible(); ++step) app.AdvanceClock(kDialogStepMs);
    });
}

void AddDialogCommands(CommandTable& table) {
    table.Add({"dialog", 1, -1, "CAPTION ACTION ...", [](Session& s, const ScriptArgs& a) {
                   s.Host();  // the answerer comes with the host
                   DialogQueue& queue = Queues()[&s];
                   if (!queue.error.empty()) {
                       const std::string error = queue.error;
                       queue.error.clear();
                       throw ReplayError(error);
                   }
                   queue.answers.push_back({a[0], ScriptArgs(a.begin() + 1, a.end())});
               }});

    table.Add({"expect control", 3, 3, "NAME PROPERTY VALUE", [](Session& s, const ScriptArgs& a) {
                   DialogQueue& q = Queues()[&s];
                   if (!q.error.empty()) throw ReplayError(q.error);
                   const auto control = q.controls.find(a[0]);
                   if (control == q.controls.end()) throw ReplayError("no answered dialog had a control " + a[0]);
                   const auto value = control->second.find(a[1]);
                   if (value == control->second.end()) throw ReplayError(a[0] + " has no property " + a[1]);
                   if (value->second != a[2]) throw ExpectationFailed(QuoteScriptText(a[2]), QuoteScriptText(value->second));
               }});

    table.Add({"expect rows", 1, -1, "NAME [ROW ...]", [](Session& s, const ScriptArgs& a) {
                   DialogQueue& q = Queues()[&s];
                   if (!q.error.empty()) throw ReplayError(q.error);
                   const auto rows = q.rows.find(a[0]);
                   if (rows == q.rows.end()) throw ReplayError("no answered dialog had a list " + a[0]);
                   const std::vector<std::string> expected(a.begin() + 1, a.end());
                   if (rows->second != expected) throw ExpectationFailed(JoinQuoted(expected), JoinQuoted(rows->second));
               }});

    table.Add({"expect message", 1, 1, "TEXT", [](Session& s, const ScriptArgs& a) {
                   const std::string got = Queues()[&s].lastMessage;
                   if (got != a[0]) throw ExpectationFailed(QuoteScriptText(a[0]), got.empty() ? "no message" : QuoteScriptText(got));
               }});

    table.Add({"expect help", 1, 1, "TEXT", [](Session& s, const ScriptArgs& a) {
                   const std::string got = Queues()[&s].lastHelp;
                   if (got != a[0]) throw ExpectationFailed(QuoteScriptText(a[0]), got.empty() ? "no help" : QuoteScriptText(got));
               }});

    table.Add({"expect beeps", 1, 1, "N", [](Session& s, const ScriptArgs& a) {
                   const long long expected = ParseNumber(a[0], "a count of beeps", 0, 1000000);
                   DialogQueue& q = Queues()[&s];
                   const int now = BeepCount(s);
                   if (now < q.beepsSeen) q.beepsSeen = 0;  // a restarted IDE counts afresh
                   const int got = now - q.beepsSeen;
                   q.beepsSeen = now;
                   if (got != expected) throw ExpectationFailed(a[0], std::to_string(got));
               }});
}

}  // namespace skrivo::replay
