// The bilingual hint of an options control: its help texts and captions in English and Russian, and how each part is read.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace skrivo {

// Languages by their Language option value.
inline constexpr int kEnglish = 0;
inline constexpr int kRussian = 1;

// A control's hint is, line by line (CR LF between lines): the English help,
// "||", the Russian help, "||", the Russian caption, the English caption.
// Either help may be empty, and a hint may stop after the second "||" (help
// only: the control keeps whatever caption it has). Texts are UTF-8.
std::string MakeHint(std::string_view english, std::string_view russian, std::string_view ruCaption = {},
                     std::string_view enCaption = {});

// Trims what Windows' Trim trims: control characters and blanks at both ends.
std::string TrimText(std::string_view text);

// The caption a hint gives its control in a language; nullopt when the hint
// carries no captions (the control keeps its own).
std::optional<std::string> HintCaption(std::string_view hint, int language);

// The help a right-click shows: the English help, or the Russian one (up to
// the next "||", or to the end), trimmed.
std::string HintHelp(std::string_view hint, int language);

// Bilingual strings "English||Russian" (command descriptions): the part of
// a language; the whole text when it has no "||".
std::string BilingualPart(std::string_view text, int language);

// A page's hint is "Russian caption||English caption": the caption of a
// language, trimmed, with its "&" still in; empty when there is no "||".
std::string PageHintCaption(std::string_view hint, int language);

// A caption with its accelerator: the text without the first "&", and the
// byte index of the letter it marked (-1 when none).
struct TAcceleratedText {
    std::string text;
    int accelerator = -1;
};
TAcceleratedText SplitAccelerator(std::string_view caption);

}  // namespace skrivo
