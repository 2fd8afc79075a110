// The loaded sounds of the twelve events: a wave file's bytes or a beep melody, read once, played from memory.
#include "sounds/SoundBank.h"

#include <filesystem>

#include "bridge/Diagnostics.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "sounds/BeepFile.h"

namespace skrivo {

namespace {
void LoadOne(const std::string& fileName, LoadedSound& sound) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(fileName, ec);
    if (ec) return;  // a missing sound is a silent event
    if (size > kMaxSoundFileBytes) {
        Rpt("Sound file too large, not loaded: ", fileName);
        return;
    }
    if (win::AsciiLower(ExtractFileExt(fileName)) == ".wav") {
        sound.wave = ReadFileBytes(fileName);
        return;
    }
    BeepFileContent beeps = ParseBeepFile(ReadFileBytes(fileName));
    if (beeps.badLine != 0)
        Rpt("Beep file ", fileName, " line ", std::to_string(beeps.badLine), " is not an integer: ", beeps.badText);
    sound.melody = std::move(beeps.notes);
}
}  // namespace

void TSoundBank::Clear() { sounds_.fill({}); }

void TSoundBank::ReLoad(const SoundPaths& paths, const std::string& soundHome) {
    Clear();
    for (std::size_t event = 0; event < paths.size(); ++event) {
        if (paths[event].empty()) continue;
        const std::string fileName = ResolveSoundPath(paths[event], soundHome);
        try {
            LoadOne(fileName, sounds_[event]);
        } catch (const FileError& e) {
            Rpt("fin028 ", fileName, ": ", e.what());
            sounds_[event] = {};
        }
    }
}

}  // namespace skrivo
