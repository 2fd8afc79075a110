// The editor services: the buffer and view of the editor in front, and all open buffers.
#include "host/services/EditorServicesImpl.h"

#include "host/services/ModuleManager.h"

namespace skrivo::host {

IEditBuffer* EditorServicesImpl::TopBuffer() {
    Module* module = modules_.Current();
    return module ? module->Buffer() : nullptr;
}

IEditView* EditorServicesImpl::TopView() {
    Module* module = modules_.Current();
    return module && module->Source() ? &module->Source()->View() : nullptr;
}

IEditActions* EditorServicesImpl::TopViewActions() {
    Module* module = modules_.Current();
    return module && module->Buffer() ? &module->Buffer()->Actions() : nullptr;
}

void EditorServicesImpl::MoveViewToCursor() {
    Module* module = modules_.Current();
    if (module && module->Source()) module->Source()->View().ShowCursor();
}

int EditorServicesImpl::BufferCount() { return static_cast<int>(modules_.Modules().size()); }

IEditBuffer* EditorServicesImpl::Buffer(int index) {
    const auto& modules = modules_.Modules();
    if (index < 0 || index >= static_cast<int>(modules.size())) return nullptr;
    return modules[static_cast<std::size_t>(index)]->Buffer();
}

}  // namespace skrivo::host
