// The host as a whole: every service the expert may reach, from one place.
#pragma once

#include <memory>

#include "host/api/Application.h"
#include "host/api/EditorServices.h"
#include "host/api/KeyboardServices.h"
#include "host/api/Sound.h"
#include "host/api/ToolServices.h"

namespace skrivo::host {

class IHost {
public:
    virtual ~IHost() = default;
    virtual IApplication& Application() = 0;
    virtual IScreen& Screen() = 0;
    virtual IWindows& Windows() = 0;
    virtual IToolServices& ToolServices() = 0;
    // The newer services; nullptr when not available.
    virtual IEditorServices* EditorServices() = 0;
    virtual IKeyboardServices* KeyboardServices() = 0;
    virtual ISoundDevice& Sound() = 0;
    virtual std::unique_ptr<ITimer> CreateTimer() = 0;
    // The host keeps a registered expert until the expert's package unloads.
    virtual void RegisterLibraryExpert(IExpert* expert) = 0;
};

// The running host; nullptr before the host starts and after it stops. The
// host sets it; the expert only reads it.
IHost* Host();
void SetHost(IHost* host);

}  // namespace skrivo::host
