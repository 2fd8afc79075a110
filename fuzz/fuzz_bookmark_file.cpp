// Bookmark files (".bm"): any file gives ten places, those places saved and loaded again are the same,
// and the file's name stays beside the unit.
#include "FuzzSupport.h"
#include "bookmarks/BookmarkFile.h"
#include "platform/FileIO.h"

using namespace skrivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const std::string unit(in.Piece());
    const std::string_view file = in.Rest();

    if (const auto name = BookmarkFileName(unit)) {
        const std::string folder = ExtractFilePath(unit);
        FUZZ_CHECK(name->size() > 2 && name->compare(name->size() - 3, 3, ".bm") == 0);
        FUZZ_CHECK(name->compare(0, folder.size(), folder) == 0);
        FUZZ_CHECK(ExtractFilePath(*name) == folder);
    }

    const std::string& dir = fuzz::ScratchFolder();
    WriteFileAtomic(dir + "in.bm", file);
    StringList lines;
    lines.LoadFromFile(dir + "in.bm");
    const BookmarkPlaces places = ParseBookmarks(lines);

    FormatBookmarks(places).SaveToFile(dir + "out.bm");
    StringList saved;
    saved.LoadFromFile(dir + "out.bm");
    FUZZ_CHECK(saved.Count() == kBookmarkCount);
    FUZZ_CHECK(ParseBookmarks(saved) == places);
    // A line that does not read is a bookmark not set, never half of one.
    for (std::size_t id = lines.Count(); id < places.size(); ++id) FUZZ_CHECK(places[id] == BookmarkPlace{});
    return 0;
}
