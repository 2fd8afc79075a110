// The string list: lines of 8-bit text with the file rules of the system's list files.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace skrivo {

// Reading: a line ends at CR, at LF or at CR LF; a NUL character ends the
// text; a final line break does not make an empty last line. Writing: every
// line followed by CR LF, the last one included. No header, no conversion:
// bytes stay in the code page they were read in.
class StringList {
public:
    StringList() = default;
    StringList(std::initializer_list<std::string> lines) : lines_(lines) {}

    std::size_t Count() const { return lines_.size(); }
    bool Empty() const { return lines_.empty(); }
    const std::string& operator[](std::size_t i) const { return lines_[i]; }
    std::string& operator[](std::size_t i) { return lines_[i]; }

    void Add(std::string line) { lines_.push_back(std::move(line)); }
    void Insert(std::size_t index, std::string line);
    void Delete(std::size_t index);
    void Move(std::size_t from, std::size_t to);
    void Clear() { lines_.clear(); }
    // Index of the first line equal to s (exact), or -1.
    int IndexOf(std::string_view s) const;

    // Text: every line followed by CR LF.
    std::string Text() const;
    // Replaces the lines by those of text, by the reading rules above.
    void SetText(std::string_view text);

    // Throw FileError when the file cannot be read or written. SaveToFile
    // writes atomically.
    void LoadFromFile(const std::string& path);
    void SaveToFile(const std::string& path) const;

    const std::vector<std::string>& Lines() const { return lines_; }
    std::vector<std::string>& Lines() { return lines_; }

    friend bool operator==(const StringList&, const StringList&) = default;

private:
    std::vector<std::string> lines_;
};

}  // namespace skrivo
