#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Pintaloo contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a checking tool and passes on its verdict; status 77 (ctest's "skip")
# only when the tool itself is not installed.
#   tool_check.sh TOOL ARG...
set -u
tool=${1:?usage: tool_check.sh TOOL ARG...}
if ! command -v "$tool" >/dev/null; then
    echo "$tool is not installed (scripts/deps.sh installs it): skipped"
    exit 77
fi
"$@"
status=$?
# desktop-file-validate prints hints even when the file is valid; any
# "error:" line is a failure whatever the status says.
if [[ $tool == desktop-file-validate ]] && "$@" 2>&1 | grep -q ': error: '; then
    exit 1
fi
exit "$status"
