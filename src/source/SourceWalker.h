// TSourceWalker: a cursor that steps token by token through a token text.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

namespace skrivo {

// Tokens are a run of '#' (opening quotes of string literals), a run of
// token characters (a word or a number), a brace group (a compiler
// directive) or any other single character above code 32; characters of
// code 32 or less only separate tokens.
//
// The walker only views its text: the text must outlive it. It is made for
// one navigation over one text and holds no other resource, so copying it
// to remember a place is cheap.
class TSourceWalker {
 public:
  // Marks the letter table for rebuilding (the code page may have changed
  // since the last walk) and stands at the token that holds `position`.
  TSourceWalker(std::string_view text, int position);
  // A walker over a temporary string would dangle at once.
  template <class T>
    requires std::is_same_v<T, std::string>
  TSourceWalker(T&& text, int position) = delete;

  // Stands at the start of the word or '#' run that holds `position`, or at
  // the last token before a run of blanks; clamped to the text.
  void SetPosition(int position);
  // Start of the next token; the end of the text after the last one.
  void Next();
  // Start of the previous token; stays at 0.
  void Prev();
  // Past the last token ("EOF" would collide with the C library's macro).
  bool Eof() const;
  // On a letter of the active code page (or '_', '@', '$').
  bool AtAlpha() const;
  // `s` stands at `position` and, when it starts with a token character,
  // is not just the front of a longer word.
  bool TokenAtPosIs(int position, std::string_view s) const;
  bool CurTokenIs(std::string_view s) const { return TokenAtPosIs(FPos, s); }
  std::string GetCurrentToken() const;

  int Pos() const { return FPos; }
  std::string_view Text() const { return FText; }

 private:
  char At(int i) const { return FText[static_cast<std::size_t>(i)]; }
  int Length() const { return static_cast<int>(FText.size()); }
  // Back to the first character of the token that holds FPos.
  void ToTokenStart();

  int FPos = 0;
  std::string_view FText;
};

}  // namespace skrivo
