// Reads ANSI text out of a module's editor at linear positions.
#pragma once

#include <QPointer>

#include "host/api/Editor.h"
#include "host/editor/EditorControl.h"

namespace skrivo::host {

class EditReader final : public IEditReader {
public:
    explicit EditReader(EditorControl& editor) : editor_(&editor) {}
    int GetText(int pos, char* buf, int count) override;

private:
    QPointer<EditorControl> editor_;  // the module may close while a reader is held
};

}  // namespace skrivo::host
