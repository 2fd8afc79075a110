// TMacroList: ownership and order of the configuration's macros.
#include "macros/MacroList.h"

#include <stdexcept>

namespace skrivo {

TMacroList::TMacroList(const TMacroList& other) {
    items_.reserve(other.items_.size());
    for (const auto& m : other.items_) items_.push_back(std::make_unique<TMacro>(*m));
}

TMacroList& TMacroList::operator=(const TMacroList& other) {
    if (this != &other) {
        TMacroList copy(other);
        items_ = std::move(copy.items_);
    }
    return *this;
}

TMacro& TMacroList::Add(std::unique_ptr<TMacro> macro) {
    return Insert(items_.size(), std::move(macro));
}

TMacro& TMacroList::Insert(std::size_t index, std::unique_ptr<TMacro> macro) {
    if (!macro) throw std::invalid_argument("TMacroList: no macro to insert");
    if (index > items_.size()) throw std::out_of_range("TMacroList: insert index out of range");
    auto it = items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), std::move(macro));
    return **it;
}

std::unique_ptr<TMacro> TMacroList::Extract(std::size_t index) {
    if (index >= items_.size()) throw std::out_of_range("TMacroList: index out of range");
    auto macro = std::move(items_[index]);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    return macro;
}

void TMacroList::Move(std::size_t from, std::size_t to) {
    if (from >= items_.size() || to >= items_.size())
        throw std::out_of_range("TMacroList: move index out of range");
    if (from == to) return;
    auto macro = Extract(from);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(to), std::move(macro));
}

int TMacroList::IndexOf(const TMacro* macro) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == macro) return static_cast<int>(i);
    return -1;
}

}  // namespace skrivo
