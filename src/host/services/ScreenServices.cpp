// The screen: the application's forms in z-order, the active form, the screen size.
#include "host/services/ScreenServices.h"

#include "host/forms/Desktop.h"
#include "host/api/Form.h"
#include "host/forms/WindowRegistry.h"

namespace skrivo::host {

namespace {
std::vector<TForm*> Forms() {
    std::vector<TForm*> forms;
    for (QWidget* w : Desktop::Instance().Windows())
        if (auto* form = qobject_cast<TForm*>(w)) forms.push_back(form);
    return forms;
}
}  // namespace

int ScreenServices::FormCount() { return static_cast<int>(Forms().size()); }

IForm* ScreenServices::Form(int index) {
    const auto forms = Forms();
    if (index < 0 || index >= static_cast<int>(forms.size())) return nullptr;
    return forms[static_cast<std::size_t>(index)];
}

IForm* ScreenServices::ActiveForm() { return qobject_cast<TForm*>(Desktop::Instance().ActiveWindow()); }

IForm* ScreenServices::FindForm(win::HWND hwnd) { return qobject_cast<TForm*>(WindowRegistry::Instance().WidgetOf(hwnd)); }

int ScreenServices::Width() { return Desktop::Instance().ScreenSize().width(); }
int ScreenServices::Height() { return Desktop::Instance().ScreenSize().height(); }

}  // namespace skrivo::host
