// Sound scheme files (".ss"): any file assigns only sound files that exist, keeps the events it does not name,
// and a scheme written from what was read is listed and reads back the same.
#include <algorithm>

#include "FuzzSupport.h"
#include "platform/FileIO.h"
#include "platform/StringList.h"
#include "sounds/SoundScheme.h"

using namespace skrivo;

namespace {

struct Folders {
    std::string schemes, sounds, kept;
    Folders() {
        const std::string& dir = fuzz::ScratchFolder();
        schemes = dir + "schemes";
        sounds = dir + "sounds";
        std::filesystem::create_directories(schemes);
        std::filesystem::create_directories(sounds + "/sub");
        for (const char* name : {"/a.wav", "/Ding 1.wav", "/sub/b.wav"}) WriteFileAtomic(sounds + name, "RIFF");
        kept = sounds + "/a.wav";
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Folders folders;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string in = folders.schemes + "/in.ss", out = folders.schemes + "/out.ss";
    DeleteFileIfExists(out);
    WriteFileAtomic(in, bytes);

    SoundPaths paths;
    paths.fill(folders.kept);
    ReadSoundScheme(folders.schemes, "in", folders.sounds, paths);
    StringList lines;
    lines.SetText(bytes);
    for (std::size_t k = 0; k < paths.size(); ++k) {
        if (k + 1 >= lines.Count()) {
            FUZZ_CHECK(paths[k] == folders.kept);
            continue;
        }
        FUZZ_CHECK(paths[k].size() <= kMaxSoundPathLength);
        FUZZ_CHECK(paths[k].empty() || FileExists(ResolveSoundPath(paths[k], folders.sounds)));
    }

    const bool isScheme = size > 0 && size <= kMaxSoundSchemeBytes && !lines.Empty() && lines[0] == kSoundSchemeHeader;
    WriteSoundScheme(out, paths);
    const std::vector<std::string> listed = ScanSoundSchemes(folders.schemes);
    FUZZ_CHECK(std::count(listed.begin(), listed.end(), "out") == 1);
    FUZZ_CHECK(std::count(listed.begin(), listed.end(), "in") == (isScheme ? 1 : 0));

    SoundPaths again;
    again.fill("unset");
    ReadSoundScheme(folders.schemes, "out", folders.sounds, again);
    FUZZ_CHECK(again == paths);
    return 0;
}
