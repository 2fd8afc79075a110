// Bookmark files: the ".bm" file beside a unit, ten "LINE INDEX" lines for bookmarks 0 to 9.
#include "bookmarks/BookmarkFile.h"

#include <charconv>

#include "platform/FileIO.h"

namespace skrivo {

namespace {
bool ToInt32(std::string_view s, std::int32_t& value) {
    if (s.empty()) return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size();
}
}  // namespace

std::optional<std::string> BookmarkFileName(const std::string& unitFileName) {
    const std::string folder = ExtractFilePath(unitFileName);
    const std::string name = ExtractFileName(unitFileName);
    const std::size_t dot = name.find('.');
    if (dot == std::string::npos) return std::nullopt;
    return folder + name.substr(0, dot + 1) + "bm";
}

StringList FormatBookmarks(const BookmarkPlaces& places) {
    StringList lines;
    for (const BookmarkPlace& place : places)
        lines.Add(std::to_string(place.line) + " " + std::to_string(place.charIndex));
    return lines;
}

bool AnyBookmarkSet(const BookmarkPlaces& places) {
    for (const BookmarkPlace& place : places)
        if (place.line != 0 || place.charIndex != 0) return true;
    return false;
}

BookmarkPlaces ParseBookmarks(const StringList& lines) {
    BookmarkPlaces places{};
    for (std::size_t id = 0; id < places.size() && id < lines.Count(); ++id) {
        const std::string& line = lines[id];
        const std::size_t blank = line.find(' ');
        if (blank == std::string::npos) continue;
        BookmarkPlace place;
        if (ToInt32(std::string_view(line).substr(0, blank), place.line) &&
            ToInt32(std::string_view(line).substr(blank + 1), place.charIndex))
            places[id] = place;
    }
    return places;
}

}  // namespace skrivo
