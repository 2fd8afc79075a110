// Switches the active ANSI code page for one test and puts the previous one back.
#pragma once

#include "platform/CodePage.h"
#include "source/CharClasses.h"

namespace skrivo::test {

class CodePageGuard {
 public:
  explicit CodePageGuard(win::CodePage cp) : saved_(win::GetACP()) {
    win::SetACP(cp);
    InvalidateLetterTable();
  }
  ~CodePageGuard() {
    win::SetACP(saved_);
    InvalidateLetterTable();
  }
  CodePageGuard(const CodePageGuard&) = delete;
  CodePageGuard& operator=(const CodePageGuard&) = delete;

 private:
  win::CodePage saved_;
};

}  // namespace skrivo::test
