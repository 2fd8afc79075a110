// The process-wide pointer to the running host.
#include "host/api/Host.h"

namespace skrivo::host {

namespace {
IHost* gHost = nullptr;
}

IHost* Host() { return gHost; }
void SetHost(IHost* host) { gHost = host; }

}  // namespace skrivo::host
