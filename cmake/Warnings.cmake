# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Strict warnings for every target of ours; -Werror in CI.
add_library(pintaloo_warnings INTERFACE)
target_compile_options(pintaloo_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion-null)
if(PINTALOO_WERROR)
  target_compile_options(pintaloo_warnings INTERFACE -Werror)
endif()
# Stricter still, for code that is clean of them (the engine first): every
# narrowing and sign change spelled out, casts named for what they do.
set(PINTALOO_STRICT_WARNINGS -Wconversion -Wsign-conversion -Wold-style-cast -Wcast-qual -Woverloaded-virtual)
add_library(pintaloo_strict_warnings INTERFACE)
target_compile_options(pintaloo_strict_warnings INTERFACE ${PINTALOO_STRICT_WARNINGS})
if(PINTALOO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
# The fuzz tree (clang): the code a fuzz target reaches carries the fuzzer's
# coverage and the sanitizers, including float-to-int overflow, so a finding
# deep in the window's code shows where it happens.
if(PINTALOO_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined,float-cast-overflow -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()
