// Reads ANSI text out of a module's editor at linear positions.
#include "host/editor/EditReader.h"

#include <cstring>

namespace skrivo::host {

int EditReader::GetText(int pos, char* buf, int count) {
    if (!editor_ || !buf || pos < 0 || count <= 0) return 0;
    const std::string text = editor_->Index().ReadAnsi(pos, count);
    std::memcpy(buf, text.data(), text.size());
    return static_cast<int>(text.size());
}

}  // namespace skrivo::host
