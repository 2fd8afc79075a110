// The heading index kept up to date edit by edit finds what a scan of the whole text finds.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "host/editor/DeclarationIndex.h"

namespace skrivo::host {
namespace {

auto Key(const Declaration& d) { return std::tuple(d.start, d.nameStart, d.end, d.keyword, d.name); }

std::vector<Declaration> ScannedWhole(const std::string& text, const std::string& name) {
    std::vector<Declaration> all, named;
    const auto at = [&](long p) { return p >= 0 && p < static_cast<long>(text.size()) ? static_cast<unsigned char>(text[p]) : -1; };
    ScanDeclarations(at, 0, static_cast<long>(text.size()), all);
    for (const Declaration& d : all)
        if (d.name == name) named.push_back(d);
    std::stable_sort(named.begin(), named.end(), [](const auto& a, const auto& b) { return a.keyword < b.keyword; });
    return named;
}

// Random edits of a unit made of the pieces headings are made of: after
// a few of them (at random) the index must agree with a fresh scan, for every name.
TEST(DeclarationIndex, AgreesWithAWholeScanAfterEveryEdit) {
    const std::array<const char*, 16> pieces = {"procedure ", "function ", "constructor ", "destructor ", "Foo", "bar",
                                                "TForm1.", ".", " ", "\r\n", "(a: Integer)", ";", "x", "P", "  ", "end;"};
    const std::array<const char*, 4> names = {"foo", "bar", "x", "p"};
    std::mt19937 rng(7);
    std::string text;
    for (int i = 0; i < 200; ++i) text += pieces[rng() % pieces.size()];
    DeclarationIndex index({[&] { return static_cast<long>(text.size()); },
                            [&](long from, long to) { return text.substr(from, to - from); }});
    for (int edit = 0; edit < 6000; ++edit) {
        // Now and then several edits pass unasked, so moves pile up between questions.
        if (rng() % 6 == 0 || !index.Built())
            for (const char* name : names) {
                const auto got = index.Named(name);
                const auto want = ScannedWhole(text, name);
                ASSERT_EQ(got.size(), want.size()) << "edit " << edit << " name " << name;
                for (std::size_t i = 0; i < got.size(); ++i) ASSERT_EQ(Key(got[i]), Key(want[i])) << "edit " << edit;
            }
        const long pos = static_cast<long>(rng() % (text.size() + 1));
        if (rng() % 2 == 0 || text.empty()) {
            // Mostly small pieces, now and then the line a user pastes.
            std::string piece = pieces[rng() % pieces.size()];
            if (rng() % 50 == 0)
                for (int i = 0; i < 20; ++i) piece += pieces[rng() % pieces.size()];
            index.BeforeInsert(pos, static_cast<long>(piece.size()));
            text.insert(static_cast<std::size_t>(pos), piece);
        } else {
            const long length = std::min<long>(1 + static_cast<long>(rng() % 6), static_cast<long>(text.size()) - pos);
            if (length <= 0) continue;
            index.BeforeDelete(pos, length);
            text.erase(static_cast<std::size_t>(pos), static_cast<std::size_t>(length));
        }
    }
}

}  // namespace
}  // namespace skrivo::host
