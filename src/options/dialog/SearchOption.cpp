// The options dialog's search for an option by a fragment of its caption or help.
#include "options/dialog/SearchOption.h"

#include "options/dialog/OptionsForm.h"

namespace skrivo {

bool RunOptionSearch(TfmOptions& form) {
    form.RefusedKeyBeep();
    return false;
}

}  // namespace skrivo
