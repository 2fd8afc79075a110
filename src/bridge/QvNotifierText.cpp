// TQvNotifier: the cursor's line and whether the cursor stands at the end of it.
#include <algorithm>
#include <cctype>

#include "bridge/LineScan.h"
#include "bridge/QvNotifier.h"

namespace skrivo {

namespace {

// Local reads near the cursor go in small chunks so a large unit is never
// read whole for them.
constexpr int kLineChunk = 256;
constexpr int kEolChunk = 1000;

std::string Read(host::IEditReader& reader, int pos, int count) {
    std::string text(static_cast<std::size_t>(count), '\0');
    text.resize(std::clamp(reader.GetText(pos, text.data(), count), 0, count));
    return text;
}

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsEolStop(char c) {
    switch (c) {
        case '\n': case '\r': case ')': case ',': case '.': case ':':
        case ';': case '<': case '=': case '>': case ']':
            return true;
        default:
            return false;
    }
}

}  // namespace

std::string TQvNotifier::CurrentLine(bool before, bool after) {
    std::string result;
    const int cursor = GetPosition();
    if (cursor < 0) return result;
    host::IEditorInterface* editor = Editor();
    if (!editor) return result;
    std::unique_ptr<host::IEditReader> reader = editor->CreateReader();
    if (!reader) return result;

    if (before) {
        int end = cursor;
        while (end > 0) {
            const int start = std::max(end - kLineChunk, 0);
            result.insert(0, Read(*reader, start, end - start));
            end = start;
            if (result.find('\r') != std::string::npos) break;
        }
        if (const auto cr = result.rfind('\r'); cr != std::string::npos) {
            std::size_t cut = cr + 1;
            if (cut < result.size() && result[cut] == '\n') ++cut;
            result.erase(0, cut);
        }
    }
    if (after) {
        std::string tail;
        for (int pos = cursor;; pos += kLineChunk) {
            std::string chunk = Read(*reader, pos, kLineChunk);
            if (chunk.empty()) break;
            tail += chunk;
            if (chunk.find('\r') != std::string::npos) break;
        }
        if (const auto cr = tail.find('\r'); cr != std::string::npos) tail.erase(cr);
        result += tail;
    }
    return result;
}

bool TQvNotifier::AtEOL() {
    const int cursor = GetPosition();
    if (cursor < 0) return true;
    host::IEditorInterface* editor = Editor();
    std::unique_ptr<host::IEditReader> reader = editor ? editor->CreateReader() : nullptr;
    if (!reader) return AtEOLFromSource(cursor);

    for (int from = cursor;; from += kEolChunk) {
        const std::string chunk = Read(*reader, from, kEolChunk);
        for (std::size_t i = 0; i < chunk.size(); ++i) {
            const char c = chunk[i];
            if (IsEolStop(c)) return true;
            if (c == ' ' || c == '\t') continue;
            std::string word;
            for (std::size_t j = i; j < chunk.size() && IsAsciiLetter(chunk[j]); ++j)
                word += static_cast<char>(std::tolower(static_cast<unsigned char>(chunk[j])));
            return IsLineEndingKeyword(word);
        }
        if (static_cast<int>(chunk.size()) < kEolChunk) return true;
    }
}

bool TQvNotifier::AtEOLFromSource(int pos) {
    const std::string& source = GetSource();
    for (std::size_t i = static_cast<std::size_t>(pos); i < source.size(); ++i) {
        switch (source[i]) {
            case '\r': case '\n': case ')': case ']':
                return true;
            case ' ': case '\t':
                continue;
            default:
                return false;
        }
    }
    return true;
}

}  // namespace skrivo
