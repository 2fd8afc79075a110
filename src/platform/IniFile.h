// INI files read and written the way Windows' profile functions do, the rest of the file kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skrivo {

// Sections "[Name]" with "Key=Value" lines. Section and key names compare
// without regard to ASCII case; values are taken up to the end of the line
// with surrounding blanks removed, and one pair of matching quotes around a
// value is removed too (so a value with blanks at either end is written
// quoted and reads back unchanged). Line breaks inside a written value
// become blanks: they would otherwise split the line and forge entries. Lines the reader does not understand
// (comments, blank lines) and sections and keys nobody touched are written
// back as they were. Changes stay in memory until UpdateFile, which writes the
// whole file atomically; a missing file reads as empty.
class IniFile {
public:
    explicit IniFile(std::string path);  // reads the file; throws FileError when it exists but cannot be read
    const std::string& FileName() const { return path_; }

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    std::vector<std::string> ReadSection(std::string_view section) const;  // key names

    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Text that is not a decimal (or "0x" / "$" hexadecimal) 32-bit number
    // reads as def; eight hexadecimal digits are a bit pattern ("$FFFFFFFF" = -1).
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;
    // The same reading without a fallback: nothing for a missing key or a text that is not a number.
    std::optional<std::int32_t> ReadNumber(std::string_view section, std::string_view key) const;
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    // "1"/"0" written; a non-zero number reads as true.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    void WriteBool(std::string_view section, std::string_view key, bool value);

    void DeleteKey(std::string_view section, std::string_view key);
    void EraseSection(std::string_view section);

    bool Modified() const { return modified_; }
    // Writes the file atomically when anything changed (FileError on failure).
    // A file holding text after a NUL (which reading stops at) is first kept
    // beside itself (see KeepBackupOfUnreadText); KeptBackup names the copy.
    void UpdateFile();
    const std::optional<std::string>& KeptBackup() const { return keptBackup_; }

private:
    // One line of the file. Only section headers and "key=value" lines are
    // understood; every other line is kept as text and written back as read.
    struct Line {
        enum class Kind { Other, Section, Entry };
        Kind kind = Kind::Other;
        std::string text;   // the line as it stands in the file
        std::string name;   // section name or key name, as spelled in the file
        std::string value;  // an entry's value, blanks and quotes removed
    };
    // Lines [first, last) of a section: its header and everything up to the next one.
    struct SectionSpan {
        std::size_t header = 0;
        std::size_t end = 0;
    };
    bool FindSection(std::string_view section, SectionSpan& span) const;
    // Index of the key's first line in the section; lines_.size() when absent.
    std::size_t FindEntry(std::string_view section, std::string_view key) const;

    std::string path_;
    std::vector<Line> lines_;
    bool modified_ = false;
    std::optional<std::string> keptBackup_;
};

}  // namespace skrivo
