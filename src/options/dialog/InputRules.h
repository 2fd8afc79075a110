// The numeric fields' keyboard rules: which typed characters they take, and the beep for a refused one.
#pragma once

#include <functional>

class QLineEdit;

namespace skrivo {

// Typed characters only (what a key press would insert): navigation,
// deletion and the dialog's Enter, Escape and Tab keys pass untouched.
// Backspace counts as a typed character, as it does on Windows.

// Digits and Backspace, and no more than maxDigits digits after the key;
// anything else is refused with refused().
void AcceptDigitsOnly(QLineEdit* edit, int maxDigits, std::function<void()> refused);

// One digit 1..9: a digit replaces the whole text and is selected; Enter is
// swallowed silently; any other character is refused with refused().
void AcceptOneDigit(QLineEdit* edit, std::function<void()> refused);

}  // namespace skrivo
