// Sets a variable for the length of a scope and puts its previous value back on every way out.
#pragma once

#include <utility>

namespace skrivo {

// Restoring rather than clearing keeps nested guards of the same flag right:
// the inner scope's end leaves the flag as the outer scope still needs it.
template <class T>
class ScopedValue {
public:
    ScopedValue(T& target, T value) : target_(target), previous_(std::exchange(target, std::move(value))) {}
    ~ScopedValue() { target_ = std::move(previous_); }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& target_;
    T previous_;
};

}  // namespace skrivo
