// The screen: the application's forms in z-order, the active form, the screen size.
#pragma once

#include "host/api/Application.h"

namespace skrivo::host {

class ScreenServices final : public IScreen {
public:
    int FormCount() override;
    IForm* Form(int index) override;
    IForm* ActiveForm() override;
    IForm* FindForm(win::HWND hwnd) override;
    int Width() override;
    int Height() override;
};

}  // namespace skrivo::host
