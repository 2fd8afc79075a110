// The options dialog's search for an option by a fragment of its caption or help.
#include "options/dialog/SearchOption.h"

#include "options/SearchOption.h"
#include "options/dialog/ControlHelp.h"
#include "options/dialog/HintText.h"
#include "options/dialog/OptionsForm.h"

namespace skrivo {

bool RunOptionSearch(TfmOptions& form) {
    auto* search = form.findChild<TfmSearchOption*>();
    if (!search) {
        TOptionSearchTarget target;
        target.dialog = &form;
        target.hintOf = [](const QWidget* control) { return HintOf(control); };
        target.pageOf = [&form](const QWidget* control) { return form.PageOf(control); };
        target.showPage = [&form](int page) { form.SetActivePage(page); };
        target.beepOnError = [&form] { return form.BeepOnErrorChecked(); };
        search = new TfmSearchOption(std::move(target));
    }
    search->Localize(form.Language() == kRussian);
    form.SetSearchInHints(search->Execute(form.SearchInHints()));
    return search->ModalResult() == host::mrOk;
}

}  // namespace skrivo
