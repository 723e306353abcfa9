// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a start's time goes: with PINTALOO_START_MARKS set in the
// environment, each mark prints to stderr the milliseconds since the
// process began (its start time as the kernel keeps it, so the loading of
// the libraries before main is counted) and since the mark before, then
// the main thread's processor time so far and since the mark before. Unset,
// a mark costs one test of a flag.

namespace pintaloo {

void StartMark(const char* what);

}  // namespace pintaloo
