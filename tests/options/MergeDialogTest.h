// Test support for the merge dialogs: an offscreen host on a manual clock, dictionary files, clicks through the message queue.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QWidget>

#include "host/api/Host.h"
#include "host/forms/WindowRegistry.h"
#include "host/testing/OffscreenHost.h"
#include "platform/VirtualKeys.h"

namespace skrivo::test {

using Words = std::vector<std::string>;

class MergeDialogTest : public ::testing::Test {
protected:
    // Lines joined with CR LF, the last one included.
    std::string WriteDictionary(const std::string& name, const Words& lines) {
        std::string text;
        for (const auto& line : lines) text += line + "\r\n";
        return host.Temp().Write(name, text);
    }

    // A left click posted to the control, as the mouse would queue it: it
    // takes effect only when messages are processed.
    void PostClick(QWidget* control) {
        const QPoint c = control->rect().center();
        const auto lParam = static_cast<win::LPARAM>((c.y() << 16) | (c.x() & 0xFFFF));
        const win::HWND hwnd = host::WindowRegistry::Instance().HandleOf(control);
        host->Application().PostMessage(hwnd, win::WM_LBUTTONDOWN, win::MK_LBUTTON, lParam);
        host->Application().PostMessage(hwnd, win::WM_LBUTTONUP, 0, lParam);
    }

    host::testing::OffscreenHost host;
};

}  // namespace skrivo::test
