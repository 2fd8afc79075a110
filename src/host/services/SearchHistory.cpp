// The IDE's history of searched texts, kept in the registry where the IDE has always kept it.
#include "host/services/SearchHistory.h"

#include <algorithm>

#include "host/api/EditorServices.h"
#include "platform/Registry.h"

namespace skrivo::host {

namespace {
// As many texts as the find dialog's drop-down offers.
constexpr std::size_t kHistoryLength = 25;
}  // namespace

std::vector<std::string> ReadSearchHistory() {
    std::vector<std::string> items;
    try {
        Registry registry;
        if (!registry.OpenKeyReadOnly(kSearchHistoryKey) || !registry.ValueExists("Count")) return items;
        const std::int32_t count = registry.ReadInteger("Count");
        for (std::int32_t i = 0; i < count; ++i) items.push_back(registry.ReadString("Item" + std::to_string(i)));
    } catch (const ERegistryException&) {
        items.clear();
    }
    return items;
}

void AddToSearchHistory(const std::string& text) {
    if (text.empty()) return;
    std::vector<std::string> items = ReadSearchHistory();
    items.erase(std::remove(items.begin(), items.end(), text), items.end());
    items.insert(items.begin(), text);
    if (items.size() > kHistoryLength) items.resize(kHistoryLength);
    try {
        Registry registry;
        if (!registry.OpenKey(kSearchHistoryKey, true)) return;
        registry.WriteInteger("Count", static_cast<std::int32_t>(items.size()));
        for (std::size_t i = 0; i < items.size(); ++i) registry.WriteString("Item" + std::to_string(i), items[i]);
    } catch (const ERegistryException&) {
        // A history that cannot be kept costs the user nothing but the drop-down.
    }
}

}  // namespace skrivo::host
