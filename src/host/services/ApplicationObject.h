// The application object: message and shortcut hooks, message processing, posting and sending.
#pragma once

#include <functional>
#include <string>

#include "host/api/Application.h"

namespace skrivo::host {

class MessagePump;

class ApplicationObject final : public IApplication {
public:
    ApplicationObject(MessagePump& pump, std::function<void()> processMessages, std::string exeName)
        : pump_(pump), processMessages_(std::move(processMessages)), exeName_(std::move(exeName)) {}

    TMessageEvent OnMessage() const override { return onMessage_; }
    void SetOnMessage(TMessageEvent handler) override { onMessage_ = std::move(handler); }
    TShortCutEvent OnShortCut() const override { return onShortCut_; }
    void SetOnShortCut(TShortCutEvent handler) override { onShortCut_ = std::move(handler); }
    bool Terminated() const override { return terminated_; }
    void ProcessMessages() override { processMessages_(); }
    bool PostMessage(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    win::LRESULT SendMessage(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    std::string ExeName() const override { return exeName_; }

    void Terminate() { terminated_ = true; }

private:
    MessagePump& pump_;
    std::function<void()> processMessages_;
    std::string exeName_;
    TMessageEvent onMessage_;
    TShortCutEvent onShortCut_;
    bool terminated_ = false;
};

}  // namespace skrivo::host
