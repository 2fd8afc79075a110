// TSkrivoExpert: the layout and case commands and the record of the layouts in use.
#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "convert/LayoutConverter.h"
#include "convert/WordSelection.h"
#include "expert/SkrivoExpert.h"
#include "platform/KeyboardLayout.h"

namespace skrivo {

void TSkrivoExpert::CollectLocales() { FConversion->CollectLocales(win::GetKeyboardLayout()); }

bool TSkrivoExpert::DoEnglish() { return DoTranslateWordSelection(TConvertMode::Layout); }
bool TSkrivoExpert::DoUpper() { return DoTranslateWordSelection(TConvertMode::Upper); }
bool TSkrivoExpert::DoLower() { return DoTranslateWordSelection(TConvertMode::Lower); }

bool TSkrivoExpert::DoTranslateWordSelection(TConvertMode mode) {
    b("-> TSkrivoExpert.DoTranslateWordSelection");
    TQvNotifier* notifier = GetCurrentNotifier();
    if (!notifier) return false;
    host::IEditorInterface* editor = notifier->Module() ? notifier->Module()->GetEditorInterface() : nullptr;
    const bool changed = editor && TranslateWordSelection(*editor, *FConversion, mode);
    ResetTimer();
    ForceCodeParam();
    return changed;
}

}  // namespace skrivo
