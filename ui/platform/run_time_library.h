// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Libraries opened when first needed instead of linked: SDL2_mixer, rlottie
// and libwebp. A linked library is mapped, relocated and searched for symbols
// before main() runs, on every start, however rarely its work is wanted.
// Each is described by a table of function pointers that a function of its
// own fills in by name.
#include <dlfcn.h>

#include <mutex>

namespace pintaloo {

// `name` looked up in the library as a function of out's type; false when
// the library has no such function.
template <typename Fn>
bool FindFunction(void* library, const char* name, Fn& out) {
    out = reinterpret_cast<Fn>(dlsym(library, name));
    return out != nullptr;
}

// Opens `file` on the first call (from any thread) and fills the table with
// `findAll`; the table, or null when the library or one of its functions is
// missing. The library stays loaded until the process ends: the three keep
// threads or caches of their own that may outlive our objects. Functions are
// bound lazily, as they are first called: SDL2_mixer alone brings some sixty
// libraries for formats never played, and binding all their functions up
// front took longer than everything we call.
template <typename Table>
const Table* OpenOnce(const char* file, bool (*findAll)(void* library, Table& table)) {
    static std::once_flag once;
    static Table table;
    static bool found = false;
    std::call_once(once, [file, findAll] {
        void* library = dlopen(file, RTLD_LAZY | RTLD_LOCAL);
        found = library && findAll(library, table);
    });
    return found ? &table : nullptr;
}

}  // namespace pintaloo
