// Loading and reloading the fixed dictionary file.
#include "completion/FixedDictionary.h"

#include "completion/DictionaryFiles.h"
#include "platform/FileIO.h"

namespace skrivo {

void FixedDictionary::LoadfixedDic(const std::string& directory) {
    ++version_;
    entries_.Clear();
    const auto path = FindDictionaryFile(directory, kFixedDictionaryName);
    if (!path) return;
    // The time is taken before the read, so a write that lands during the
    // read makes the file look newer and it is read again.
    const auto writeTime = GetFileWriteTime(*path);
    entries_.LoadFromFile(*path);
    if (writeTime) fixedDictTime_ = *writeTime;
}

bool FixedDictionary::ReloadIfNewer(const std::string& directory) {
    const auto path = FindDictionaryFile(directory, kFixedDictionaryName);
    if (!path) return false;
    const auto writeTime = GetFileWriteTime(*path);
    if (!writeTime || *writeTime <= fixedDictTime_) return false;
    LoadfixedDic(directory);
    return true;
}

}  // namespace skrivo
