// The package's entry points: what the host calls when it loads and unloads Skrivo.
#pragma once

namespace skrivo {

// Creates the one expert, registers it with the running host and makes it
// ready (the package's Register routine).
void Register();

// Destroys the expert (the package is being unloaded or the IDE closes).
void Unregister();

// Whether the expert currently exists.
bool IsRegistered();

class TSkrivoExpert;
// The registered expert; nullptr when there is none.
TSkrivoExpert* RegisteredExpert();

}  // namespace skrivo
