// The routine headings of one editor's text, kept up to date edit by edit.
#include "host/editor/DeclarationIndex.h"

#include <algorithm>
#include <cctype>

namespace skrivo::host {

namespace {

// Past this many separate edit places since the last question a rescan of
// each would cost more than reading the text once.
constexpr std::size_t kMostDirtyRanges = 64;
// The longest keyword: a heading's keyword may start this far before the
// name being typed, blanks aside.
constexpr long kLongestKeyword = 11;

// Reads the text in growing pieces around the bytes asked for.
class TextWindow {
public:
    TextWindow(const DeclarationIndex::Text& text, long from) : text_(text), length_(text.length()), base_(from) {}
    int operator()(long pos) {
        if (pos < 0 || pos >= length_) return -1;
        // Backwards the window doubles as well, so a walk back over a long
        // run of blanks reads each byte about once.
        if (pos < base_) Load(pos - 2 * static_cast<long>(bytes_.size()) - 256, base_ + static_cast<long>(bytes_.size()));
        if (pos >= base_ + static_cast<long>(bytes_.size()))
            Load(base_, std::min(length_, std::max(pos + 1, base_ + 2 * static_cast<long>(bytes_.size()) + 256)));
        return static_cast<unsigned char>(bytes_[static_cast<std::size_t>(pos - base_)]);
    }

private:
    void Load(long from, long to) {
        from = std::max(0L, std::min(from, base_));
        bytes_ = text_.read(from, to);
        base_ = from;
    }
    const DeclarationIndex::Text& text_;
    long length_;
    long base_;
    std::string bytes_;
};

bool IsWordByte(int c) { return c >= 0 && (std::isalnum(c) || c == '_' || c >= 0x80); }
bool IsBlankByte(int c) { return c >= 0 && std::isspace(c); }

void ShiftDeclaration(Declaration& d, long by) {
    d.start += by;
    d.nameStart += by;
    d.end += by;
}

}  // namespace

std::size_t DeclarationIndex::FirstAfter(long pos) const {
    std::size_t lo = 0, hi = declarations_.size();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (StartOf(mid) <= pos)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

void DeclarationIndex::MoveShiftTo(std::size_t from) {
    if (shiftBy_ != 0) {
        // Leaving the shifted part, a declaration stores its true position;
        // joining it, one stores its position less the shift.
        for (std::size_t i = shiftFrom_; i < from; ++i) ShiftDeclaration(declarations_[i], shiftBy_);
        for (std::size_t i = from; i < shiftFrom_; ++i) ShiftDeclaration(declarations_[i], -shiftBy_);
    }
    shiftFrom_ = from;
}

void DeclarationIndex::ApplyShift() {
    MoveShiftTo(declarations_.size());
    shiftBy_ = 0;
    shiftFrom_ = 0;
}

void DeclarationIndex::DropReaching(std::size_t before, long from, long lastStart) {
    // Below `before` stored positions are true ones (the shift begins there).
    std::size_t lo = before;
    while (lo > 0 && declarations_[lo - 1].start >= from - widest_) --lo;
    const auto first = declarations_.begin() + static_cast<std::ptrdiff_t>(lo);
    const auto last = declarations_.begin() + static_cast<std::ptrdiff_t>(before);
    const auto kept = std::remove_if(first, last, [&](const Declaration& d) { return d.end >= from && d.start <= lastStart; });
    const auto dropped = static_cast<std::size_t>(last - kept);
    declarations_.erase(kept, last);
    shiftFrom_ = before - dropped;
}

void DeclarationIndex::BeforeInsert(long pos, long length) {
    if (!built_ || length <= 0) return;
    // A heading is touched when text comes between its keyword's first
    // character (the character before it decides whether it is a word) and
    // the end of its name; behind that it only moves.
    const std::size_t behind = FirstAfter(pos);
    MoveShiftTo(behind);
    DropReaching(behind, pos, pos);
    shiftBy_ += length;
    for (Range& r : dirty_) {
        if (r.from > pos) r.from += length;
        if (r.to >= pos) r.to += length;
    }
    AddDirty({pos, pos + length});
}

void DeclarationIndex::BeforeDelete(long pos, long length) {
    if (!built_ || length <= 0) return;
    const long last = pos + length - 1;
    // Every heading whose keyword starts inside the deleted bytes (or just
    // after them) goes with the ones reaching into them; the rest behind moves.
    const std::size_t behind = FirstAfter(last + 1);
    MoveShiftTo(behind);
    DropReaching(behind, pos, last + 1);
    shiftBy_ -= length;
    const auto moved = [&](long p) { return p <= pos ? p : std::max(pos, p - length); };
    for (Range& r : dirty_) {
        r.from = moved(r.from);
        r.to = moved(r.to);
    }
    AddDirty({pos, pos});
}

void DeclarationIndex::AddDirty(Range r) {
    dirty_.push_back(r);
    std::sort(dirty_.begin(), dirty_.end(), [](const Range& a, const Range& b) { return a.from < b.from; });
    std::vector<Range> merged;
    for (const Range& d : dirty_) {
        if (!merged.empty() && d.from <= merged.back().to + 1)
            merged.back().to = std::max(merged.back().to, d.to);
        else
            merged.push_back(d);
    }
    dirty_ = std::move(merged);
    if (dirty_.size() > kMostDirtyRanges) {
        built_ = false;
        Clear();
    }
}

void DeclarationIndex::Clear() {
    declarations_.clear();
    dirty_.clear();
    shiftFrom_ = 0;
    shiftBy_ = 0;
    widest_ = 0;
}

void DeclarationIndex::Build() {
    Clear();
    const std::string all = text_.read(0, text_.length());
    const auto at = [&](long p) {
        return p >= 0 && p < static_cast<long>(all.size()) ? static_cast<unsigned char>(all[static_cast<std::size_t>(p)]) : -1;
    };
    ScanDeclarations(at, 0, static_cast<long>(all.size()), declarations_);
    for (const Declaration& d : declarations_) widest_ = std::max(widest_, d.end - d.start);
    built_ = true;
}

void DeclarationIndex::Rescan() {
    ApplyShift();
    for (const Range& r : dirty_) {
        TextWindow at(text_, std::max(0L, r.from - 256));
        // A keyword whose heading reaches into the change: back over the
        // name being typed, the blanks before it and the word before those.
        long from = r.from;
        while (from > 0 && (IsWordByte(at(from - 1)) || at(from - 1) == '.')) --from;
        while (from > 0 && IsBlankByte(at(from - 1))) --from;
        for (long word = 0; from > 0 && word < kLongestKeyword && IsWordByte(at(from - 1)); ++word) --from;
        std::vector<Declaration> found;
        ScanDeclarations(at, from, r.to, found);
        for (const Declaration& d : found) widest_ = std::max(widest_, d.end - d.start);
        std::erase_if(declarations_, [&](const Declaration& d) { return d.start >= from && d.start <= r.to; });
        const auto place = std::lower_bound(declarations_.begin(), declarations_.end(), from,
                                            [](const Declaration& d, long p) { return d.start < p; });
        declarations_.insert(place, std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
    }
    dirty_.clear();
}

void DeclarationIndex::Prepare() {
    if (!built_)
        Build();
    else if (!dirty_.empty())
        Rescan();
    ApplyShift();
}

std::vector<Declaration> DeclarationIndex::Named(std::string_view lowerName) {
    Prepare();
    std::vector<Declaration> named;
    for (const Declaration& d : declarations_)
        if (d.name == lowerName) named.push_back(d);
    std::stable_sort(named.begin(), named.end(), [](const Declaration& a, const Declaration& b) { return a.keyword < b.keyword; });
    return named;
}

}  // namespace skrivo::host
