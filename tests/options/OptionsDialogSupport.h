// Test support for the options dialog: an offscreen host, a stand-in for the expert over a real configuration store, typed keys.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "config/ConfigStore.h"
#include "config/ConfigTransfer.h"
#include "config/DefaultConfig.h"
#include "host/services/WindowsServices.h"
#include "host/testing/OffscreenHost.h"
#include "options/dialog/OptionsForm.h"
#include "options/dialog/OptionsServices.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"

namespace skrivo::test {

class FakeOptionsExpert final : public IOptionsExpert {
public:
    FakeOptionsExpert() { ApplyDefaultConfig(*store.GetCfg(), AppPath()); }
    TExpertConfig& Cfg() override { return *store.GetCfg(); }
    void LoadSaveConfig(bool save, const std::string& fileName) override { store.LoadSaveConfig(save, fileName); }
    void ResetDefaultConfig() override { ApplyDefaultConfig(*store.GetCfg(), AppPath()); }
    void PrepareOptionsForm() override {
        if (form) form->PrepareFromConfig(Cfg());
    }
    bool FastReadText() override { return fast; }
    void SetFastReadText(bool on) override { fast = on; }
    std::string AppPath() override { return skrivo::AppPath(); }
    bool OpenUrl(const std::string& url) override {
        openedUrl = url;
        return true;
    }

    ConfigStore store;
    TfmOptions* form = nullptr;
    bool fast = true;
    std::string openedUrl;
};

class OptionsDialogTest : public ::testing::Test {
protected:
    // The dialog over the record as it stands, shown (not modally) so that
    // it activates as when the expert opens it.
    void Open() {
        form = std::make_unique<TfmOptions>(expert);
        expert.form = form.get();
        form->PrepareFromConfig(expert.Cfg());
        form->show();
    }

    template <typename Control = QWidget>
    Control* Get(const std::string& name) {
        auto* control = qobject_cast<Control*>(form->Control(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    // A typed character as the keyboard delivers it to the focused control.
    static void Type(QWidget* control, const QString& text, Qt::Key key = Qt::Key_unknown) {
        if (key == Qt::Key_unknown) key = text.isEmpty() ? Qt::Key_unknown : static_cast<Qt::Key>(text.at(0).toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(control, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(control, &release);
    }

    int Beeps() { return static_cast<host::WindowsServices&>(host->Windows()).MessageBeepCount(); }

    // The record as its ".sk" file, byte for byte.
    std::string Saved(const TExpertConfig& cfg, const std::string& name) {
        TExpertConfig copy = cfg;
        const std::string path = host.Temp().File(name);
        LoadSaveConfig(copy, expert.store.Context(), true, path);
        return ReadFileBytes(path);
    }

    host::testing::OffscreenHost host;
    FakeOptionsExpert expert;
    std::unique_ptr<TfmOptions> form;
};

}  // namespace skrivo::test
