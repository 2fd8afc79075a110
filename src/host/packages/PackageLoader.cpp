// Design-time packages: loaded by calling their register routine, unloaded by calling their unregister routine.
#include "host/packages/PackageLoader.h"

#include <algorithm>
#include <exception>

#include "host/HostLog.h"
#include "host/api/ToolServices.h"

namespace skrivo::host {

namespace {
bool Call(const std::function<void()>& routine, const std::string& what) {
    if (!routine) return true;
    return GuardHostCall(what, routine);
}
}  // namespace

bool PackageLoader::Load(const std::string& name, std::function<void()> reg, std::function<void()> unreg) {
    if (IsLoaded(name) || loading_) return false;
    packages_.push_back({name, std::move(unreg), {}});
    loading_ = &packages_.back();
    const bool ok = Call(reg, "registering package " + name);
    loading_ = nullptr;
    if (!ok) {
        UnloadAt(packages_.size() - 1);
        return false;
    }
    return true;
}

bool PackageLoader::Unload(const std::string& name) {
    for (std::size_t i = 0; i < packages_.size(); ++i) {
        if (packages_[i].name == name) {
            UnloadAt(i);
            return true;
        }
    }
    return false;
}

void PackageLoader::UnloadAt(std::size_t index) {
    Package package = std::move(packages_[index]);
    packages_.erase(packages_.begin() + static_cast<std::ptrdiff_t>(index));
    Call(package.unreg, "unregistering package " + package.name);
}

void PackageLoader::UnloadAll() {
    while (!packages_.empty()) UnloadAt(packages_.size() - 1);
    unowned_.clear();
}

bool PackageLoader::IsLoaded(const std::string& name) const {
    return std::any_of(packages_.begin(), packages_.end(), [&](const Package& p) { return p.name == name; });
}

std::vector<std::string> PackageLoader::Names() const {
    std::vector<std::string> names;
    for (const Package& p : packages_) names.push_back(p.name);
    return names;
}

void PackageLoader::RegisterExpert(IExpert* expert) {
    if (!expert) return;
    ExpertInfo info;
    info.name = expert->GetName();
    info.idString = expert->GetIDString();
    info.author = expert->GetAuthor();
    info.comment = expert->GetComment();
    info.menuText = expert->GetMenuText();
    info.style = expert->GetStyle();
    info.state = expert->GetState();
    if (loading_) {
        info.package = loading_->name;
        loading_->experts.push_back(std::move(info));
    } else {
        unowned_.push_back(std::move(info));
    }
}

std::vector<ExpertInfo> PackageLoader::Experts() const {
    std::vector<ExpertInfo> all;
    for (const Package& p : packages_) all.insert(all.end(), p.experts.begin(), p.experts.end());
    all.insert(all.end(), unowned_.begin(), unowned_.end());
    return all;
}

}  // namespace skrivo::host
