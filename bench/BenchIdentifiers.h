// Object Pascal-like identifiers from a fixed seed, so every benchmark run reads the same data.
#pragma once

#include <iterator>
#include <random>
#include <string>

namespace skrivo::bench {

class IdentifierMaker {
public:
    explicit IdentifierMaker(unsigned seed) : rng_(seed) {}
    std::string Next() {
        static const char* const parts[] = {"Form", "Caption", "Item", "Count", "Value", "Data", "List",
                                            "Index", "Text", "Width", "Height", "Color", "Font", "Name",
                                            "Button", "Edit", "Panel", "Get", "Set", "Create", "Update",
                                            "Draw", "Load", "Save", "Memo", "Grid", "Cell", "Row", "Col"};
        std::string id;
        const int n = 1 + static_cast<int>(rng_() % 3);
        for (int i = 0; i < n; ++i) id += parts[rng_() % std::size(parts)];
        if (rng_() % 4 == 0) id += std::to_string(rng_() % 100);
        return id;
    }
    unsigned Pick(unsigned n) { return static_cast<unsigned>(rng_() % n); }

private:
    std::mt19937 rng_;
};

}  // namespace skrivo::bench
