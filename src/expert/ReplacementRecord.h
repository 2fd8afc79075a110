// What the last replacement changed, kept so that DoRestore can put the typed text back where it was.
#pragma once

#include <cstdint>
#include <string>

#include "host/api/EditorTypes.h"

namespace skrivo {

class TQvNotifier;

struct TReplacementRecord {
    std::string FOldText;
    std::string FNewText;
    std::int32_t FReplacePos = 0;
    host::TEditPos FReplaceEndPos;
    TQvNotifier* FReplaceNotifier = nullptr;  // not owned
    bool FJustReplaced = false;
};

}  // namespace skrivo
