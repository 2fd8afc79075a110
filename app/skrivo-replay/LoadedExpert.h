// The expert the session's IDE loaded, for the commands that reach into it.
#pragma once

#include "CommandTable.h"
#include "Session.h"
#include "expert/SkrivoExpert.h"
#include "expert/SkrivoPackage.h"

namespace skrivo::replay {

// Starts the host (which loads Skrivo) when it is not running yet.
inline TSkrivoExpert& LoadedExpert(Session& s) {
    s.Host();
    TSkrivoExpert* expert = RegisteredExpert();
    if (!expert) throw ReplayError("Skrivo is not loaded");
    return *expert;
}

}  // namespace skrivo::replay
