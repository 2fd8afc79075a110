// TMacroList: the ordered list of owned macros kept in the configuration.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "macros/Macro.h"

namespace skrivo {

// Index 0 is the head (the macro being recorded, or the newest / last moved
// to the top). Each macro is owned through a unique_ptr so its address stays
// put while the list is reordered: the recorder and the player keep pointers.
// Copying the list copies every macro, which is what a snapshot of the
// configuration (the options dialog's Cancel) needs.
class TMacroList {
public:
    TMacroList() = default;
    TMacroList(const TMacroList& other);
    TMacroList& operator=(const TMacroList& other);
    TMacroList(TMacroList&&) noexcept = default;
    TMacroList& operator=(TMacroList&&) noexcept = default;

    std::size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    TMacro& operator[](std::size_t i) { return *items_.at(i); }
    const TMacro& operator[](std::size_t i) const { return *items_.at(i); }

    TMacro& Add(std::unique_ptr<TMacro> macro);
    TMacro& Insert(std::size_t index, std::unique_ptr<TMacro> macro);
    // Takes the macro out of the list and hands its ownership to the caller.
    std::unique_ptr<TMacro> Extract(std::size_t index);
    void Delete(std::size_t index) { Extract(index); }
    void Move(std::size_t from, std::size_t to);
    void Clear() { items_.clear(); }
    // Index of the macro object (by identity), or -1.
    int IndexOf(const TMacro* macro) const;

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<std::unique_ptr<TMacro>> items_;
};

}  // namespace skrivo
