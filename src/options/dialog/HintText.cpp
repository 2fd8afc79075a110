// The bilingual hint of an options control: its help texts and captions in English and Russian, and how each part is read.
#include "options/dialog/HintText.h"

namespace skrivo {

namespace {

constexpr std::string_view kSeparator = "||";
constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

std::string MakeHint(std::string_view english, std::string_view russian, std::string_view ruCaption, std::string_view enCaption) {
    std::string hint;
    hint.append(english).append(kLineBreak).append(kSeparator).append(kLineBreak).append(russian);
    if (ruCaption.empty() && enCaption.empty()) return hint;
    hint.append(kLineBreak).append(kSeparator).append(kLineBreak);
    hint.append(ruCaption).append(kLineBreak).append(enCaption);
    return hint;
}

std::string TrimText(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return std::string(text.substr(first, last - first));
}

std::optional<std::string> HintCaption(std::string_view hint, int language) {
    std::size_t at = hint.find(kSeparator);
    if (at == std::string_view::npos) return std::nullopt;
    hint.remove_prefix(at + kSeparator.size());
    at = hint.find(kSeparator);
    if (at == std::string_view::npos) return std::nullopt;
    hint.remove_prefix(at + kSeparator.size());
    const std::string captions = TrimText(hint);
    const std::size_t cr = captions.find('\r');
    if (cr == std::string::npos) return std::nullopt;
    return TrimText(language == kRussian ? std::string_view(captions).substr(0, cr) : std::string_view(captions).substr(cr + 1));
}

std::string HintHelp(std::string_view hint, int language) {
    const std::size_t at = hint.find(kSeparator);
    if (at == std::string_view::npos) return TrimText(hint);
    if (language != kRussian) return TrimText(hint.substr(0, at));
    std::string_view russian = hint.substr(at + kSeparator.size());
    const std::size_t end = russian.find(kSeparator);
    if (end != std::string_view::npos) russian = russian.substr(0, end);
    return TrimText(russian);
}

std::string BilingualPart(std::string_view text, int language) {
    const std::size_t at = text.find(kSeparator);
    if (at == std::string_view::npos) return std::string(text);
    return std::string(language == kRussian ? text.substr(at + kSeparator.size()) : text.substr(0, at));
}

std::string PageHintCaption(std::string_view hint, int language) {
    const std::size_t at = hint.find(kSeparator);
    if (at == std::string_view::npos) return {};
    return TrimText(language == kRussian ? hint.substr(0, at) : hint.substr(at + kSeparator.size()));
}

TAcceleratedText SplitAccelerator(std::string_view caption) {
    TAcceleratedText out{std::string(caption), -1};
    const std::size_t amp = out.text.find('&');
    if (amp == std::string::npos) return out;
    out.text.erase(amp, 1);
    if (amp < out.text.size()) out.accelerator = static_cast<int>(amp);
    return out;
}

}  // namespace skrivo
