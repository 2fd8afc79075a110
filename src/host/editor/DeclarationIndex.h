// The routine headings of one editor's text, kept up to date edit by edit, so a parameter hint never reads the whole unit.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/editor/ParameterHints.h"

namespace skrivo::host {

// Byte positions throughout: the index is told of every insertion and
// deletion before it happens (as the editor's modification notices come),
// shifts what lies behind it and rescans only the text around the edits,
// the next time it is asked. It is built on first use,
// or when its editor asks for it at idle time after the text is loaded.
class DeclarationIndex {
public:
    // The text's length in bytes and the bytes of a range of it.
    struct Text {
        std::function<long()> length;
        std::function<std::string(long from, long to)> read;
    };

    explicit DeclarationIndex(Text text) : text_(std::move(text)) {}

    void BeforeInsert(long pos, long length);
    void BeforeDelete(long pos, long length);

    // The declarations named so (lower-cased), in the order the hint tries
    // them: by keyword, then by position.
    std::vector<Declaration> Named(std::string_view lowerName);

    bool Built() const { return built_; }
    // Brings the index up to date now (built, or rescanned where edited).
    void Prepare();

private:
    struct Range {
        long from, to;  // changed bytes [from, to); to == from for a deletion
    };
    void Build();
    void Rescan();
    void AddDirty(Range r);
    void Clear();
    long StartOf(std::size_t i) const { return declarations_[i].start + (i >= shiftFrom_ ? shiftBy_ : 0); }
    // The first declaration whose keyword starts after pos.
    std::size_t FirstAfter(long pos) const;
    // Moves where the pending shift begins, the positions staying what they are.
    void MoveShiftTo(std::size_t from);
    void ApplyShift();
    // Drops the declarations before index `before` that reach into [from, ...]:
    // their keyword starts no further back than the widest heading.
    void DropReaching(std::size_t before, long from, long lastStart);

    Text text_;
    bool built_ = false;
    std::vector<Declaration> declarations_;  // by position
    std::vector<Range> dirty_;               // by position, apart from each other
    // Declarations from shiftFrom_ on stand shiftBy_ bytes from where they
    // are stored: keys typed at one place move everything behind it once,
    // when it is next read, rather than on every key.
    std::size_t shiftFrom_ = 0;
    long shiftBy_ = 0;
    long widest_ = 0;  // the longest keyword-to-name-end span indexed since the last build
};

}  // namespace skrivo::host
