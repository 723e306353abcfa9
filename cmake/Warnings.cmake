# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Strict warnings for every target of ours; -Werror in CI.
add_library(pintaloo_warnings INTERFACE)
target_compile_options(pintaloo_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion-null)
if(PINTALOO_WERROR)
  target_compile_options(pintaloo_warnings INTERFACE -Werror)
endif()
# Stricter still, for the engine and the window (tests stay on the first
# set): every narrowing and sign change spelled out, casts named for what
# they do.
set(PINTALOO_STRICT_WARNINGS -Wconversion -Wsign-conversion -Wold-style-cast -Wcast-qual -Woverloaded-virtual)
add_library(pintaloo_strict_warnings INTERFACE)
target_compile_options(pintaloo_strict_warnings INTERFACE ${PINTALOO_STRICT_WARNINGS})
# Float-to-int overflow is not part of "undefined" in GCC: asked for by name,
# so a NaN or 1e300 that slips past the checks where actions are taken is
# caught wherever it is turned into a pixel position.
if(PINTALOO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined,float-cast-overflow)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()
# The fuzz tree (clang): the code a fuzz target reaches carries the fuzzer's
# coverage and the sanitizers, including float-to-int overflow, so a finding
# deep in the window's code shows where it happens.
if(PINTALOO_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined,float-cast-overflow -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()
