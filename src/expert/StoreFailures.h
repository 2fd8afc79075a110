// Saves and loads the registry's lock or the disk held up: what is pending, when it is retried, what the user was told.
#pragma once

#include <cstdint>
#include <string>

namespace skrivo {

struct TStoreFailures {
    std::string FLastConfigError;       // the last configuration error the IDE reported
    std::string FDictSaveError;         // the dictionary failure last reported to the user
    std::uint32_t FDictSaveFailedTick = 0;
    bool FConfigLoadPending = false;    // the start-up load found the registry locked
    bool FConfigLoadReported = false;
    bool FConfigSavePending = false;    // a save found the registry locked
    bool FConfigSaveReported = false;
    std::uint32_t FConfigSaveFailedTick = 0;
    std::uint32_t FConfigRetryTick = 0;
    std::string FConfigLockError;
};

}  // namespace skrivo
