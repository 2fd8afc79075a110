// The words the list offered while the user typed on: one passed over is offered again only after the others.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace skrivo {

// A list the user saw and typed past did not hold the word meant at its
// selection; offering that word again at the next letter would only cost the
// user another letter. Kept for the word being typed only: its unit and
// where it starts tell one word from the next.
class PassedOverWords {
public:
    // The word being typed is now this part of the word starting there; the
    // result holds the words selected in lists shown for shorter parts of
    // it. What was noted for another word, or for a part since erased, is
    // dropped.
    const std::vector<std::string>& At(const void* unit, int start, std::string_view typed);
    // A list was shown for the part of the word last given to At, with this
    // word selected.
    void Offered(std::string_view selected);

private:

    // A word is rarely typed past more lists than this.
    static constexpr std::size_t kMostNoted = 64;
    const void* unit_ = nullptr;
    int start_ = -1;
    std::string typed_;
    std::vector<std::pair<std::string, std::string>> offered_;  // typed part, selected word
    std::vector<std::string> passed_;
};

}  // namespace skrivo
