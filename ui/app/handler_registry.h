#pragma once
// Every event handler of the window by its name, so the replay tool (and the
// tests) call `bColor_Click 14` exactly as a click on the swatch does.
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace pintaloo {

class HandlerRegistry {
public:
    using Args = std::vector<double>;
    using Fn = std::function<void(const Args&)>;

    // `params` names the arguments in order, leaving out Shift; a call may
    // give fewer (the rest are 0) but never more.
    void add(const std::string& name, std::vector<std::string> params, Fn fn);
    bool has(const std::string& name) const { return handlers_.count(name) != 0; }
    // How many arguments the handler takes (0 for an unknown name).
    std::size_t arity(const std::string& name) const;
    // False with a reason when the name is unknown or there are too many arguments.
    bool call(const std::string& name, const Args& args, std::string* error = nullptr) const;
    std::vector<std::string> names() const;

private:
    struct Entry {
        std::vector<std::string> params;
        Fn fn;
    };
    std::map<std::string, Entry> handlers_;
};

}  // namespace pintaloo
