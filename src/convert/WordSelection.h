// Converting the word at the cursor, or the selected block, of one editor in place.
#pragma once

#include "convert/TextConversion.h"

namespace skrivo {

namespace host {
class IEditorInterface;
}
class TLayoutConverter;

// Without a usable block (empty, reversed or of unknown type) the word at the
// cursor is converted: in layout mode the run of non-blank characters around
// the cursor, in the case modes the run of word characters. Otherwise the
// block: column blocks line by line between their screen columns, the others
// as one text. The rewrite is one undo step; afterwards the cursor stands
// where it stood and a converted block is selected again. Whether the text
// was rewritten; false also when the editor has no view.
bool TranslateWordSelection(host::IEditorInterface& editor, const TLayoutConverter& converter, TConvertMode mode);

}  // namespace skrivo
