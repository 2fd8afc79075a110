// The texts of the tips, as rich text (HTML of the subset Qt's text documents show).
#include "tips/TipTexts.h"

namespace skrivo {

namespace {
// The body in the dialog font; code in Courier New, red for what appears in
// the text, green for the key to press.
constexpr const char* kBody = "<body style=\"font-family:'MS Sans Serif',sans-serif; font-size:10pt\">";
constexpr const char* kCodeRed = "<span style=\"font-family:'Courier New',monospace; font-size:12pt; font-weight:bold; color:#ff0000\">";
constexpr const char* kCodeGreen = "<span style=\"font-family:'Courier New',monospace; font-size:12pt; font-weight:bold; color:#008000\">";
constexpr const char* kEnd = "</span>";
constexpr const char* kMore = "Even more auto-substitutions are available on 'Substitutions' tab in the options dialog.";
}  // namespace

std::string TipRichText(int tip) {
    std::string html = kBody;
    switch (tip) {
    case 1:
        html += std::string("<p>You can enter ") + kCodeRed + ":=" + kEnd + " much easier pressing " + kCodeGreen +
                "'='" + kEnd + " just after typing <span style=\"color:#000080; font-style:italic\">left side of assignment statement</span>.</p>";
        html += std::string("<p style=\"color:#800080\">") + kMore + "</p>";
        break;
    case 2:
        html += std::string("<p>You can enter stroke ") + kCodeRed + "': Integer'" + kEnd + " much easier just typing " +
                kCodeGreen + "':i'" + kEnd + "</p>";
        html += std::string("<p style=\"color:#000080\">") + kMore + "</p>";
        break;
    default: return {};
    }
    return html + "</body>";
}

}  // namespace skrivo
