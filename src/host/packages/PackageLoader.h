// Design-time packages: loaded by calling their register routine, unloaded by calling their unregister routine.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace skrivo::host {

class IExpert;

// What the host reads of an expert when it is registered.
struct ExpertInfo {
    std::string name, idString, author, comment, menuText;
    int style = 0;
    int state = 0;
    std::string package;  // the package that registered it; empty when none was loading
};

// The experts a package registers while it loads belong to it. The host
// reads them once, at registration, and keeps only what it read: an expert
// is the package's to destroy, and its unregister routine does.
class PackageLoader {
public:
    PackageLoader() = default;
    PackageLoader(const PackageLoader&) = delete;
    PackageLoader& operator=(const PackageLoader&) = delete;

    // False when a package of that name is loaded already or its register
    // routine failed (the package is then unregistered again).
    bool Load(const std::string& name, std::function<void()> reg, std::function<void()> unreg);
    bool Unload(const std::string& name);
    // Last loaded first.
    void UnloadAll();
    bool IsLoaded(const std::string& name) const;
    std::vector<std::string> Names() const;

    void RegisterExpert(IExpert* expert);
    std::vector<ExpertInfo> Experts() const;

private:
    struct Package {
        std::string name;
        std::function<void()> unreg;
        std::vector<ExpertInfo> experts;
    };
    void UnloadAt(std::size_t index);

    std::vector<Package> packages_;
    std::vector<ExpertInfo> unowned_;  // registered outside any package load
    Package* loading_ = nullptr;
};

}  // namespace skrivo::host
