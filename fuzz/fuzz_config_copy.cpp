// The ".sk" configuration copy: whatever loads, saving it and loading that again gives the same file.
#include "FuzzSupport.h"
#include "config/ConfigStore.h"
#include "platform/FileIO.h"

using namespace skrivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& dir = fuzz::ScratchFolder();
    const std::string in = dir + "in.sk", first = dir + "first.sk", second = dir + "second.sk";
    for (const std::string& f : {in, in + ".bak", first, second}) DeleteFileIfExists(f);
    WriteFileAtomic(in, std::string_view(reinterpret_cast<const char*>(data), size));

    ConfigStore loaded;
    try {
        loaded.LoadSaveConfig(false, in);
    } catch (const std::exception&) {
        // A value that cannot be taken is reported; the rest loaded.
    }
    loaded.LoadSaveConfig(true, first);
    ConfigStore again;
    again.LoadSaveConfig(false, first);
    again.LoadSaveConfig(true, second);
    FUZZ_CHECK(ReadFileBytes(first) == ReadFileBytes(second));
    return 0;
}
