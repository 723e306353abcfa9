#include "app/handler_registry.h"

namespace pintaloo {

void HandlerRegistry::add(const std::string& name, std::vector<std::string> params, Fn fn) {
    handlers_[name] = Entry{std::move(params), std::move(fn)};
}

bool HandlerRegistry::call(const std::string& name, const Args& args, std::string* error) const {
    const auto it = handlers_.find(name);
    if (it == handlers_.end()) {
        if (error) *error = "unknown handler '" + name + "'";
        return false;
    }
    if (args.size() > it->second.params.size()) {
        if (error) *error = name + " takes at most " + std::to_string(it->second.params.size()) + " arguments";
        return false;
    }
    Args full = args;
    full.resize(it->second.params.size(), 0.0);
    it->second.fn(full);
    return true;
}

std::size_t HandlerRegistry::arity(const std::string& name) const {
    const auto it = handlers_.find(name);
    return it == handlers_.end() ? 0 : it->second.params.size();
}

std::vector<std::string> HandlerRegistry::names() const {
    std::vector<std::string> out;
    for (const auto& [name, entry] : handlers_) out.push_back(name);
    return out;
}

}  // namespace pintaloo
