// Bookmark files: the ".bm" file beside a unit, ten "LINE INDEX" lines for bookmarks 0 to 9.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/StringList.h"

namespace skrivo {

inline constexpr int kBookmarkCount = 10;

// A bookmark's place: 1-based line, 0-based character index; line 0 = not set.
struct BookmarkPlace {
    std::int32_t line = 0;
    std::int32_t charIndex = 0;
    friend bool operator==(const BookmarkPlace&, const BookmarkPlace&) = default;
};
using BookmarkPlaces = std::array<BookmarkPlace, kBookmarkCount>;

// The unit's name up to and including the first "." of its file-name part,
// then "bm", in the unit's folder (a "." in a folder name does not count);
// nullopt for a file name without ".".
std::optional<std::string> BookmarkFileName(const std::string& unitFileName);

// Ten lines "LINE INDEX", "0 0" for a bookmark not set.
StringList FormatBookmarks(const BookmarkPlaces& places);
bool AnyBookmarkSet(const BookmarkPlaces& places);

// The bookmarks the lines of a file give; a line that is missing, has no
// blank, or whose two fields are not decimal integers gives a bookmark not
// set (line 0), so a damaged file restores what is still readable.
BookmarkPlaces ParseBookmarks(const StringList& lines);

}  // namespace skrivo
