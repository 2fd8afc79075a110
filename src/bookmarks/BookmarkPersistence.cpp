// Saving a unit's ten bookmarks beside it after a save, and setting them again from that file.
#include "bookmarks/BookmarkPersistence.h"

#include <limits>

#include "bookmarks/BookmarkFile.h"
#include "bridge/Diagnostics.h"
#include "host/api/Host.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

namespace skrivo {

namespace {
bool SameFileName(std::string_view a, std::string_view b) { return win::AsciiLower(a) == win::AsciiLower(b); }

// Puts the view's cursor and scroll position back however the load ends.
class ViewPlaceKeeper {
public:
    explicit ViewPlaceKeeper(host::IEditView& view) : view_(view), cursor_(view.GetPos(0)), top_(view.GetPos(1)) {}
    ~ViewPlaceKeeper() {
        view_.SetPos(0, cursor_);
        view_.SetPos(1, top_);
        view_.Paint();
    }
    ViewPlaceKeeper(const ViewPlaceKeeper&) = delete;
    ViewPlaceKeeper& operator=(const ViewPlaceKeeper&) = delete;

private:
    host::IEditView& view_;
    host::TEditPos cursor_;
    host::TEditPos top_;
};
}  // namespace

host::IEditView* TBookmarkPersistence::UnitView(const std::string& unitFileName, int* linesInBuffer) {
    host::IHost* h = host::Host();
    if (!h) return nullptr;
    host::IModuleInterface* module = h->ToolServices().GetModuleInterface(unitFileName);
    if (!module || !SameFileName(module->FileName(), unitFileName)) return nullptr;
    host::IEditorInterface* editor = module->GetEditorInterface();
    if (!editor || !SameFileName(editor->FileName(), unitFileName) || editor->GetViewCount() < 1) return nullptr;
    if (linesInBuffer) *linesInBuffer = editor->LinesInBuffer();
    return editor->GetView(0);
}

void TBookmarkPersistence::SaveBookmarks(const std::string& unitFileName) {
    const auto fileName = BookmarkFileName(unitFileName);
    if (!fileName) return;
    host::IEditView* view = UnitView(unitFileName, nullptr);
    if (!view) return;
    BookmarkPlaces places{};
    for (int id = 0; id < kBookmarkCount; ++id) {
        const host::TCharPos at = view->GetBookmarkPos(id);
        places[static_cast<std::size_t>(id)] = {at.Line, at.CharIndex};
    }
    if (!AnyBookmarkSet(places)) return;
    FormatBookmarks(places).SaveToFile(*fileName);
}

BookmarkLoad TBookmarkPersistence::LoadBookmarks(const std::string& unitFileName) {
    const auto fileName = BookmarkFileName(unitFileName);
    if (!fileName || !FileExists(*fileName)) return BookmarkLoad::Finished;
    StringList lines;
    try {
        lines.LoadFromFile(*fileName);
    } catch (const FileError& e) {
        Rpt("Bookmarks not read: ", e.what());
        return BookmarkLoad::Finished;
    }
    int linesInBuffer = 0;
    host::IEditView* view = UnitView(unitFileName, &linesInBuffer);
    if (!view) return BookmarkLoad::Retry;
    const BookmarkPlaces places = ParseBookmarks(lines);
    ViewPlaceKeeper keeper(*view);
    for (int id = 0; id < kBookmarkCount; ++id) {
        const BookmarkPlace& place = places[static_cast<std::size_t>(id)];
        // The editor's character index is 16 bits wide.
        if (place.line <= 0 || place.line > linesInBuffer || place.charIndex < 0 ||
            place.charIndex > std::numeric_limits<std::int16_t>::max())
            continue;
        host::TCharPos charPos{static_cast<std::int16_t>(place.charIndex), place.line};
        host::TEditPos editPos;
        view->ConvertPos(false, editPos, charPos);
        view->SetPos(0, editPos);
        view->BookmarkRecord(id);
    }
    return BookmarkLoad::Finished;
}

}  // namespace skrivo
