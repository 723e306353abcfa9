// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/temp_folder.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <unistd.h>

namespace pintaloo {
namespace {

using test::exists;
using test::modeOf;

TEST(TempFolder, TheFirstUsableCandidateIsCreatedPrivate) {
    test::Scratch scratch;
    test::writeFile(scratch / "file", "x");
    TempFolder folder({scratch / "file/pintaloo-tmp", scratch / "cache/pintaloo-tmp"});
    EXPECT_EQ(folder.path(), scratch / "cache/pintaloo-tmp");
    EXPECT_EQ(modeOf(folder.path()), 0700u);
    EXPECT_EQ(folder.fileFor(102, ".$$$"), scratch / "cache/pintaloo-tmp/tmpfile102.$$$");

    TempFolder nowhere({scratch / "file/a", scratch / "file/b"});
    EXPECT_EQ(nowhere.path(), "");
    EXPECT_EQ(nowhere.fileFor(102, ".$$$"), "");

    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string previous = saved ? saved : "";
    ::setenv("XDG_RUNTIME_DIR", scratch.path().c_str(), 1);
    EXPECT_EQ(TempFolder().path(), scratch / "pintaloo-tmp");
    saved ? ::setenv("XDG_RUNTIME_DIR", previous.c_str(), 1) : ::unsetenv("XDG_RUNTIME_DIR");
}

TEST(TempFolder, WhatStandsInTheWayIsFixedOrRefused) {
    test::Scratch scratch;
    ASSERT_EQ(::mkdir((scratch / "open").c_str(), 0755), 0);
    EXPECT_TRUE(ensurePrivateFolder(scratch / "open"));
    EXPECT_EQ(modeOf(scratch / "open"), 0700u);

    test::writeFile(scratch / "stray", "x");
    EXPECT_TRUE(ensurePrivateFolder(scratch / "stray"));
    EXPECT_EQ(modeOf(scratch / "stray"), 0700u);

    // A link is replaced, never followed.
    ASSERT_EQ(::mkdir((scratch / "elsewhere").c_str(), 0755), 0);
    ASSERT_EQ(::symlink((scratch / "elsewhere").c_str(), (scratch / "link").c_str()), 0);
    EXPECT_TRUE(ensurePrivateFolder(scratch / "link"));
    EXPECT_EQ(modeOf(scratch / "link"), 0700u);
    EXPECT_EQ(modeOf(scratch / "elsewhere"), 0755u);

    // Someone else's folder is refused and the next candidate used.
    std::string foreign = "/";
    if (::geteuid() == 0) {
        foreign = scratch / "foreign";
        ASSERT_EQ(::mkdir(foreign.c_str(), 0700), 0);
        ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
    }
    EXPECT_FALSE(ensurePrivateFolder(foreign));
    EXPECT_EQ(TempFolder({foreign, scratch / "mine"}).path(), scratch / "mine");
}

TEST(TempFolder, RemoveAllTakesReadOnlyContentsAndIsQuietWhenMissing) {
    test::Scratch scratch;
    test::writeFile(scratch / "outside", "keep me");
    TempFolder folder({scratch / "pintaloo-tmp"});
    const std::string dir = folder.path();
    test::writeFile(dir + "/read-only", "x");
    ASSERT_EQ(::chmod((dir + "/read-only").c_str(), 0400), 0);
    ASSERT_EQ(::mkdir((dir + "/sub").c_str(), 0700), 0);
    test::writeFile(dir + "/sub/inner", "x");
    ASSERT_EQ(::chmod((dir + "/sub").c_str(), 0500), 0);
    ASSERT_EQ(::symlink((scratch / "outside").c_str(), (dir + "/link").c_str()), 0);
    ASSERT_EQ(::chmod(dir.c_str(), 0500), 0);

    folder.removeAll();
    EXPECT_FALSE(exists(dir));
    EXPECT_EQ(test::readFile(scratch / "outside"), "keep me");
    folder.removeAll();
    EXPECT_FALSE(exists(dir));
}

}  // namespace
}  // namespace pintaloo
