// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps of a `dense` line: a run of pen moves range-coded into one word
// of base64url characters, about a character and a half a step where
// `packed` takes three, so an hour of a pen at a thousand moves a second
// stays well under two megabytes.
//
// Each step is three numbers: how far x and y moved, and the milliseconds
// since the step before. What is coded is how each differs from the step
// before (a stroke's speed and its timing change slowly, so these are
// nearly always 0 or 1 either way): whether it is zero, its sign, its bit
// length in unary, then the bits below the top one. Every one of those
// binary choices has its own probability, which starts at one half and
// moves a sixteenth of the way towards each choice made, so a line learns
// the stroke it holds; the three numbers learn apart. The coder is the
// classic binary range coder (32-bit range, a carry kept back a byte at a
// time, eleven-bit probabilities). Its first byte is always 0 and is left
// out; at the end it settles on the number in its last range with the most
// trailing zero bits, and trailing zero bytes are left out too, since a
// reader takes what is missing as zeros. The bytes go as base64url (A-Z
// a-z 0-9 - _, no padding).
//
// Differences are taken and added back modulo 2^64, so any steps at all
// come back exactly; whether their sums make sense is the reader's check.
// Every constant here is part of the story format: stories already written
// decode by them, so none of them may ever change.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pintaloo {

struct MoveStep {
    std::int64_t dx = 0, dy = 0, dt = 0;
    friend bool operator==(const MoveStep&, const MoveStep&) = default;
};

std::string EncodeDenseSteps(const std::vector<MoveStep>& steps);

// The `count` steps `code` holds. Nothing for a character not of the 64 or
// a length no whole bytes make. The caller bounds `count`: any code decodes
// to as many steps as asked for.
std::optional<std::vector<MoveStep>> DecodeDenseSteps(std::string_view code, std::size_t count);

}  // namespace pintaloo
