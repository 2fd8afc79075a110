// INI files: sections and keys read and changed in memory, the whole file written back atomically.
#include "platform/IniFile.h"

#include "platform/FileIO.h"
#include "platform/StringList.h"

namespace skrivo {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] + 32) : a[i];
        char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] + 32) : b[i];
        if (x != y) return false;
    }
    return true;
}

bool QuotedPair(std::string_view s) {
    return s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front();
}

// As read: blanks trimmed, then one pair of matching quotes removed.
std::string DecodeValue(std::string_view raw) {
    std::string_view v = Trim(raw);
    if (QuotedPair(v)) v = v.substr(1, v.size() - 2);
    return std::string(v);
}

// The inverse of DecodeValue for any single-line text: quote what the reader
// would otherwise trim or unquote. Line breaks and NULs (a macro name from a
// ".km" file may hold any byte) become blanks: the one would forge entries,
// the other ends the file for the reader and would hide every line after it.
std::string EncodeValue(std::string_view value) {
    std::string v(value);
    for (char& c : v) {
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    }
    bool edgeBlank = !v.empty() && (v.front() == ' ' || v.front() == '\t' || v.back() == ' ' || v.back() == '\t');
    if (edgeBlank || QuotedPair(v)) return '"' + v + '"';
    return v;
}

bool ParseInteger(std::string_view text, std::int32_t& out) {
    std::string_view s = Trim(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    } else if (s.size() > 1 && s[0] == '$') {
        base = 16;
        s.remove_prefix(1);
    }
    if (s.empty()) return false;
    std::uint64_t value = 0;
    for (char c : s) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return false;
        value = value * base + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFULL) return false;
    }
    if (base == 16) {
        // Eight hex digits are a bit pattern: "$FFFFFFFF" is -1.
        auto bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
        out = negative ? -bits : bits;
        return true;
    }
    std::uint64_t limit = negative ? 0x80000000ULL : 0x7FFFFFFFULL;
    if (value > limit) return false;
    out = negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(value)) : static_cast<std::int32_t>(value);
    return true;
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    if (!FileExists(path_) && !DirectoryExists(path_)) return;
    StringList text;
    text.SetText(ReadFileBytes(path_));
    lines_.reserve(text.Count());
    for (const std::string& raw : text.Lines()) {
        Line line;
        line.text = raw;
        std::string_view t = Trim(raw);
        if (!t.empty() && t.front() == '[') {
            auto close = t.find(']');
            line.kind = Line::Kind::Section;
            line.name = std::string(Trim(t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
        } else if (auto eq = t.find('='); eq != std::string_view::npos && t.front() != ';') {
            std::string_view key = Trim(t.substr(0, eq));
            if (!key.empty()) {
                line.kind = Line::Kind::Entry;
                line.name = std::string(key);
                line.value = DecodeValue(t.substr(eq + 1));
            }
        }
        lines_.push_back(std::move(line));
    }
}

bool IniFile::FindSection(std::string_view section, SectionSpan& span) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != Line::Kind::Section || !SameName(lines_[i].name, Trim(section))) continue;
        span.header = i;
        span.end = i + 1;
        while (span.end < lines_.size() && lines_[span.end].kind != Line::Kind::Section) ++span.end;
        return true;
    }
    return false;
}

std::size_t IniFile::FindEntry(std::string_view section, std::string_view key) const {
    SectionSpan span;
    if (!FindSection(section, span)) return lines_.size();
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (lines_[i].kind == Line::Kind::Entry && SameName(lines_[i].name, Trim(key))) return i;
    }
    return lines_.size();
}

bool IniFile::SectionExists(std::string_view section) const {
    SectionSpan span;
    return FindSection(section, span);
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindEntry(section, key) < lines_.size();
}

std::vector<std::string> IniFile::ReadSection(std::string_view section) const {
    std::vector<std::string> keys;
    SectionSpan span;
    if (!FindSection(section, span)) return keys;
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (lines_[i].kind != Line::Kind::Entry) continue;
        bool seen = false;
        for (const auto& k : keys) seen = seen || SameName(k, lines_[i].name);
        if (!seen) keys.push_back(lines_[i].name);
    }
    return keys;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    std::size_t at = FindEntry(section, key);
    return at < lines_.size() ? lines_[at].value : std::string(def);
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string encoded = EncodeValue(value);
    Line entry;
    entry.kind = Line::Kind::Entry;
    entry.name = std::string(Trim(key));
    entry.value = DecodeValue(encoded);

    if (std::size_t found = FindEntry(section, key); found < lines_.size()) {
        Line& line = lines_[found];
        std::string text = line.name + "=" + encoded;
        if (line.text == text) return;
        line.text = std::move(text);
        line.value = std::move(entry.value);
        modified_ = true;
        return;
    }
    entry.text = entry.name + "=" + encoded;
    SectionSpan span;
    if (FindSection(section, span)) {
        // After the section's last entry, so blank lines and comments that
        // close the section stay where they are.
        std::size_t at = span.header + 1;
        for (std::size_t i = span.header + 1; i < span.end; ++i) {
            if (lines_[i].kind == Line::Kind::Entry) at = i + 1;
        }
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
    } else {
        Line header;
        header.kind = Line::Kind::Section;
        header.name = std::string(Trim(section));
        header.text = "[" + header.name + "]";
        lines_.push_back(std::move(header));
        lines_.push_back(std::move(entry));
    }
    modified_ = true;
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const {
    return ReadNumber(section, key).value_or(def);
}

std::optional<std::int32_t> IniFile::ReadNumber(std::string_view section, std::string_view key) const {
    std::size_t at = FindEntry(section, key);
    std::int32_t value = 0;
    if (at < lines_.size() && ParseInteger(lines_[at].value, value)) return value;
    return std::nullopt;
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
    SectionSpan span;
    if (!FindSection(section, span)) return;
    // Every copy of the key goes, or a duplicate further down would surface.
    for (std::size_t i = span.end; i-- > span.header + 1;) {
        if (lines_[i].kind == Line::Kind::Entry && SameName(lines_[i].name, Trim(key))) {
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
            modified_ = true;
        }
    }
}

void IniFile::EraseSection(std::string_view section) {
    SectionSpan span;
    while (FindSection(section, span)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(span.header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(span.end));
        modified_ = true;
    }
}

void IniFile::UpdateFile() {
    if (!modified_) return;
    std::string text;
    for (const Line& line : lines_) {
        text += line.text;
        text += "\r\n";
    }
    keptBackup_ = KeepBackupOfUnreadText(path_);
    WriteFileAtomic(path_, text);
    modified_ = false;
}

}  // namespace skrivo
