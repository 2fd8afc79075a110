// Reading a module's text around the cursor in blocks, only as far as a pattern needs.
#include "subst/MatchText.h"

#include <algorithm>

namespace skrivo::subst {

int BlockMatchText::At(std::size_t i) {
    while (i >= held_.size() && !atEnd_) {
        const long long done = static_cast<long long>(held_.size());
        if (direction_ == Backward) {
            const long long end = cursor_ - done;
            const long long start = std::max(0LL, end - kBlock);
            if (end <= 0) {
                atEnd_ = true;
                break;
            }
            std::string block = read_(static_cast<int>(start), static_cast<int>(end - start));
            if (block.empty()) {
                atEnd_ = true;
                break;
            }
            held_.append(block.rbegin(), block.rend());
            if (start == 0) atEnd_ = true;
        } else {
            std::string block = read_(static_cast<int>(cursor_ + done), kBlock);
            held_ += block;
            if (static_cast<int>(block.size()) < kBlock) atEnd_ = true;
        }
    }
    if (i >= held_.size()) return -1;
    return static_cast<unsigned char>(held_[i]);
}

}  // namespace skrivo::subst
