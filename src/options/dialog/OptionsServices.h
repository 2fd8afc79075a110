// IOptionsExpert: what the options dialog asks of the expert that opened it.
#pragma once

#include <string>

namespace skrivo {

struct TExpertConfig;

// The dialog lives below the expert, so it reaches the expert only through
// this interface (the expert implements it beside DoShowOptions).
class IOptionsExpert {
public:
    virtual ~IOptionsExpert() = default;
    // The running configuration record. The dialog edits copies in its
    // controls and writes them here only on OK (or just before saving them to
    // a file); the expert restores its snapshot on Cancel.
    virtual TExpertConfig& Cfg() = 0;
    // Moves the record to or from a ".sk" file.
    virtual void LoadSaveConfig(bool save, const std::string& fileName) = 0;
    // Puts the default configuration into the record.
    virtual void ResetDefaultConfig() = 0;
    // Copies the record into the dialog's controls.
    virtual void PrepareOptionsForm() = 0;
    // The editor-services way of reading text, kept by the expert base
    // beside the record.
    virtual bool FastReadText() = 0;
    virtual void SetFastReadText(bool fast) = 0;
    // The program folder, with a trailing separator: schemes, macro and
    // substitution files start there.
    virtual std::string AppPath() = 0;
    // Opens a web page in the user's browser; false when none could be started.
    virtual bool OpenUrl(const std::string& url) = 0;
};

}  // namespace skrivo
