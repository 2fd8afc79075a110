// Bookmark files: the ".bm" file beside a unit, ten "LINE INDEX" lines for bookmarks 0 to 9.
#include "bookmarks/BookmarkFile.h"

#include "platform/FileIO.h"
#include "platform/IntegerText.h"

namespace skrivo {

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
        if (TryStrToInt(std::string_view(line).substr(0, blank), place.line) &&
            TryStrToInt(std::string_view(line).substr(blank + 1), place.charIndex))
            places[id] = place;
    }
    return places;
}

}  // namespace skrivo
