// The comment scan that turns source text into token text.
#include "bridge/TokenText.h"

#include <algorithm>

namespace skrivo {

namespace {

constexpr char kCR = '\r';

void Blank(std::string& text, std::size_t from, std::size_t to) {
  std::fill(text.begin() + static_cast<std::ptrdiff_t>(from),
            text.begin() + static_cast<std::ptrdiff_t>(to), ' ');
}

// Index just past the first occurrence of `closer` at or after `from`, or
// `end` when it does not occur before `end`.
std::size_t PastNext(std::string_view text, std::size_t from, std::size_t end,
                     std::string_view closer) {
  const std::size_t at = text.substr(0, end).find(closer, from);
  return at == std::string_view::npos ? end : at + closer.size();
}

}  // namespace

void RemoveCommentsInPlace(std::string& text) {
  // Everything after a NUL is outside the text as the editor delivers it, so
  // the scan leaves it alone.
  const std::size_t end = std::min(text.size(), text.find('\0'));
  const std::string_view view(text.data(), end);
  std::size_t i = 0;
  while (i < end) {
    const char c = text[i];
    const char next = i + 1 < end ? text[i + 1] : '\0';
    if (static_cast<unsigned char>(c) <= 32) {
      text[i] = ' ';
      ++i;
    } else if (c == '/' && next == '/') {
      const std::size_t stop = PastNext(view, i + 2, end, std::string_view(&kCR, 1));
      Blank(text, i, stop);
      i = stop;
    } else if (c == '{' && next == '$') {
      i = PastNext(view, i + 2, end, "}");
    } else if (c == '{') {
      const std::size_t stop = PastNext(view, i + 1, end, "}");
      Blank(text, i, stop);
      i = stop;
    } else if (c == '(' && next == '*') {
      const std::size_t stop = PastNext(view, i + 2, end, "*)");
      Blank(text, i, stop);
      i = stop;
    } else if (c == '\'') {
      // A literal ends at its closing quote, or at the line end when it is
      // left open, so an unclosed quote cannot blank the rest of the unit.
      text[i] = '#';
      std::size_t stop = i + 1;
      while (stop < end && text[stop] != '\'' && text[stop] != kCR) ++stop;
      if (stop < end) ++stop;
      Blank(text, i + 1, stop);
      i = stop;
    } else {
      ++i;
    }
  }
}

void MakeTokenTextInPlace(std::string& text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  RemoveCommentsInPlace(text);
}

std::string RemoveComments(std::string_view text) {
  std::string result(text);
  RemoveCommentsInPlace(result);
  return result;
}

std::string MakeTokenText(std::string_view source) {
  std::string result(source);
  MakeTokenTextInPlace(result);
  return result;
}

}  // namespace skrivo
