// The text on one side of the cursor, as the pattern matcher takes it: character by character, away from the cursor.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace skrivo::subst {

// Where the text handed to the matcher ends. For a substitution the text is
// one line, so its end is the line's edge; for a condition at the cursor the
// text is the whole module, whose start and end are no line breaks.
enum class TextEdge { LineEdge, ModuleEdge };

// Characters indexed from the cursor outwards: index 0 is the character
// right before the cursor (Before) or right after it (After).
class MatchText {
public:
    virtual ~MatchText() = default;
    // The character at index i as 0..255, or -1 past the end of the text.
    virtual int At(std::size_t i) = 0;
};

// A text held in memory; Before is taken backwards from its end.
class StringMatchText final : public MatchText {
public:
    enum Direction { Backward, Forward };
    StringMatchText(std::string_view text, Direction direction) : text_(text), direction_(direction) {}
    int At(std::size_t i) override {
        if (i >= text_.size()) return -1;
        const char c = direction_ == Forward ? text_[i] : text_[text_.size() - 1 - i];
        return static_cast<unsigned char>(c);
    }

private:
    std::string_view text_;
    Direction direction_;
};

// A module's text read on demand around a cursor in blocks of kBlock
// characters, only as far as the matcher asks. read(pos, count) returns the
// characters from pos (fewer at the end of the text).
class BlockMatchText final : public MatchText {
public:
    static constexpr int kBlock = 256;
    using Reader = std::function<std::string(int pos, int count)>;
    enum Direction { Backward, Forward };
    BlockMatchText(Reader read, int cursor, Direction direction)
        : read_(std::move(read)), cursor_(cursor), direction_(direction) {}

    int At(std::size_t i) override;
    // Characters read so far (for tests of how far a match looks).
    std::size_t CharactersRead() const { return held_.size(); }

private:
    Reader read_;
    int cursor_;
    Direction direction_;
    std::string held_;   // in match order: held_[0] is next to the cursor
    bool atEnd_ = false;
};

}  // namespace skrivo::subst
