# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Strict warnings for every target of ours; -Werror in CI.
add_library(pintaloo_warnings INTERFACE)
target_compile_options(pintaloo_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion-null)
if(PINTALOO_WERROR)
  target_compile_options(pintaloo_warnings INTERFACE -Werror)
endif()
if(PINTALOO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
