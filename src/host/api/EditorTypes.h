// Position records, block types and notification codes of the host's editor interfaces.
#pragma once

#include <cstdint>
#include <string>

namespace skrivo::host {

// 1-based line, 0-based character index, no tab expansion.
struct TCharPos {
    std::int16_t CharIndex = 0;
    std::int32_t Line = 0;
    friend bool operator==(const TCharPos&, const TCharPos&) = default;
};

// 1-based line, 1-based screen column with tabs expanded to the tab stops.
struct TEditPos {
    std::int16_t Col = 0;
    std::int32_t Line = 0;
    friend bool operator==(const TEditPos&, const TEditPos&) = default;
};

struct TViewSize {
    int cx = 0;  // columns
    int cy = 0;  // lines
};

enum class TBlockType { btInclusive, btLine, btColumn, btNonInclusive, btUnknown };

// Module notifications.
enum TNotifyCode : int {
    ncModuleDeleted = 0,
    ncModuleRenamed = 1,
    ncEditorModified = 2,
    ncFormModified = 3,
    ncEditorSelected = 4,
    ncFormSelected = 5,
    ncBeforeSave = 6,
    ncAfterSave = 7,
    ncFormSaving = 8,
    ncProjResModified = 9,
};

// Add-in notifications.
enum TFileNotification : int {
    fnFileOpening = 0,
    fnFileOpened = 1,
    fnFileClosing = 2,
    fnProjectOpening = 3,
    fnProjectOpened = 4,
    fnProjectClosing = 5,
    fnAddedToProject = 6,
    fnRemovedFromProject = 7,
    fnDefaultDesktopLoad = 8,
    fnDefaultDesktopSave = 9,
    fnProjectDesktopLoad = 10,
    fnProjectDesktopSave = 11,
    fnPackageInstalled = 12,
    fnPackageUninstalled = 13,
};

enum TEventNotification : int { enBeforeCompile = 0, enAfterCompile = 1 };

// The editor's search options, kept per edit buffer; search-again uses them.
struct TSearchOptions {
    std::string SearchText;
    bool CaseSensitive = false;
    bool WordBoundary = false;     // whole words only
    bool RegularExpression = false;
    bool WholeFile = true;         // scope: the whole file ("Global"), else the selected text
    bool Forward = true;           // direction
    bool FromCursor = true;        // origin: from the cursor, else the entire scope
};

}  // namespace skrivo::host
