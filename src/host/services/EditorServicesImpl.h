// The editor services: the buffer and view of the editor in front, and all open buffers.
#pragma once

#include "host/api/EditorServices.h"

namespace skrivo::host {

class ModuleManager;

class EditorServicesImpl final : public IEditorServices {
public:
    explicit EditorServicesImpl(ModuleManager& modules) : modules_(modules) {}
    IEditBuffer* TopBuffer() override;
    IEditView* TopView() override;
    IEditActions* TopViewActions() override;
    void MoveViewToCursor() override;
    int BufferCount() override;
    IEditBuffer* Buffer(int index) override;

private:
    ModuleManager& modules_;
};

}  // namespace skrivo::host
