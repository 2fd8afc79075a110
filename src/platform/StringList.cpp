// String list editing and its text and file forms.
#include "platform/StringList.h"

#include <stdexcept>

#include "platform/FileIO.h"

namespace skrivo {

void StringList::Insert(std::size_t index, std::string line) {
    if (index > lines_.size()) throw std::out_of_range("StringList::Insert: index out of range");
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
}

void StringList::Delete(std::size_t index) {
    if (index >= lines_.size()) throw std::out_of_range("StringList::Delete: index out of range");
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
}

void StringList::Move(std::size_t from, std::size_t to) {
    if (from >= lines_.size() || to >= lines_.size()) throw std::out_of_range("StringList::Move: index out of range");
    if (from == to) return;
    std::string line = std::move(lines_[from]);
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(from));
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(to), std::move(line));
}

int StringList::IndexOf(std::string_view s) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i] == s) return static_cast<int>(i);
    }
    return -1;
}

std::string StringList::Text() const {
    std::size_t size = 0;
    for (const auto& line : lines_) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void StringList::SetText(std::string_view text) {
    lines_.clear();
    if (auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines_.emplace_back(text.substr(start));
            break;
        }
        lines_.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
}

void StringList::LoadFromFile(const std::string& path) { SetText(ReadFileBytes(path)); }

void StringList::SaveToFile(const std::string& path) const { WriteFileAtomic(path, Text()); }

}  // namespace skrivo
