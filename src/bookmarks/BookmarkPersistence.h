// Saving a unit's ten bookmarks beside it after a save, and setting them again from that file.
#pragma once

#include <string>

namespace skrivo {

namespace host {
class IEditView;
}

enum class BookmarkLoad {
    Finished,  // done, or nothing to load: not tried again for this unit
    Retry,     // the unit's editor is not there yet: try on a later tick
};

class TBookmarkPersistence {
public:
    // Writes the bookmarks of the unit's first view to its ".bm" file when
    // at least one is set; with none set an existing file stays as it was.
    // Throws FileError when the file cannot be written.
    void SaveBookmarks(const std::string& unitFileName);

    // Sets the bookmarks the unit's ".bm" file names, leaving the user's
    // cursor and first visible line where they were. Lines beyond the text,
    // and lines of a damaged file, are skipped; a file that cannot be read
    // is a finished load with nothing restored.
    BookmarkLoad LoadBookmarks(const std::string& unitFileName);

private:
    // The first view of the unit's source editor; nullptr when not open.
    static host::IEditView* UnitView(const std::string& unitFileName, int* linesInBuffer);
};

}  // namespace skrivo
