// Dictionary files and the merge: the reading rule, the file round trip, and no entry lost by a merge.
#include <algorithm>
#include <set>

#include "FuzzSupport.h"
#include "completion/DictionaryMerge.h"
#include "completion/SelfTeachingDictionary.h"
#include "platform/FileIO.h"
#include "platform/StringList.h"

using namespace skrivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const std::string_view memory = in.Take(in.Word() % 2048);
    const std::string_view file = in.Rest();

    StringList entries;
    entries.SetText(memory);
    StringList onDisk;
    onDisk.SetText(file);
    for (const std::string& line : onDisk.Lines())
        FUZZ_CHECK(line.find_first_of(std::string_view("\0\r\n", 3)) == std::string::npos);

    // What is written reads back as the same lines.
    const std::string path = fuzz::ScratchFolder() + "Skrivo.dic";
    WriteFileAtomic(path, onDisk.Text());
    StringList reread;
    reread.LoadFromFile(path);
    FUZZ_CHECK(reread.Lines() == onDisk.Lines());

    // A merge keeps every entry it had, at the end in its order, and adds
    // every line of the file it did not have.
    const std::vector<std::string> before = entries.Lines();
    const MergeOutcome merged = MergeLines(entries, onDisk.Lines());
    FUZZ_CHECK(merged.Completed());
    FUZZ_CHECK(entries.Count() == before.size() + merged.inserted);
    FUZZ_CHECK(std::equal(before.rbegin(), before.rend(), entries.Lines().rbegin()));
    const std::set<std::string> have(entries.Lines().begin(), entries.Lines().end());
    for (const std::string& line : onDisk.Lines()) FUZZ_CHECK(line.empty() || have.count(line) == 1);

    // Learning a line of the file moves or adds it to the top and never
    // leaves more than the limit.
    SelfTeachingDictionary dict;
    dict.Entries() = entries;
    const std::string word = onDisk.Empty() ? std::string("w") : onDisk[0];
    const std::size_t count = dict.Entries().Count();
    if (dict.Collect(word, {true, 64})) {
        FUZZ_CHECK(dict.Entries()[0] == word);
        FUZZ_CHECK(dict.Entries().Count() <= std::max<std::size_t>(count, 64));
    }
    return 0;
}
