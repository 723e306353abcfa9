#include "media_test_support.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace pintaloo {
namespace {

using test::exists;
using test::modeOf;
using test::ScratchDir;
using test::writeFile;

TEST(TempFolder, FirstUsableCandidateIsCreatedPrivate) {
    ScratchDir scratch;
    writeFile(scratch / "plain-file", "x");
    // A folder cannot be made inside a plain file, so the second one is used.
    TempFolder folder({scratch / "plain-file/pintaloo-tmp", scratch / "cache/pintaloo-tmp"});

    EXPECT_EQ(folder.path(), scratch / "cache/pintaloo-tmp");
    EXPECT_EQ(modeOf(folder.path()), 0700u);
    EXPECT_EQ(folder.fileFor(102, ".$$$"), scratch / "cache/pintaloo-tmp/tmpfile102.$$$");
    EXPECT_EQ(folder.fileFor(77, ".mp3"), scratch / "cache/pintaloo-tmp/tmpfile77.mp3");
}

TEST(TempFolder, WithoutAnyUsableCandidateEverythingIsEmpty) {
    ScratchDir scratch;
    writeFile(scratch / "plain-file", "x");
    TempFolder folder({scratch / "plain-file/a", scratch / "plain-file/b"});

    EXPECT_EQ(folder.path(), "");
    EXPECT_EQ(folder.fileFor(102, ".$$$"), "");
    folder.removeAll();
}

TEST(TempFolder, WhatStandsInTheWayIsFixedOrRefused) {
    ScratchDir scratch;

    // Too open a folder is closed up.
    ASSERT_EQ(::mkdir((scratch / "open").c_str(), 0755), 0);
    EXPECT_TRUE(ensurePrivateFolder(scratch / "open"));
    EXPECT_EQ(modeOf(scratch / "open"), 0700u);

    // A stray file is replaced by the folder.
    writeFile(scratch / "stray", "x");
    EXPECT_TRUE(ensurePrivateFolder(scratch / "stray"));
    EXPECT_EQ(modeOf(scratch / "stray"), 0700u);

    // A link is replaced, not followed: what it pointed to is left alone.
    ASSERT_EQ(::mkdir((scratch / "elsewhere").c_str(), 0755), 0);
    writeFile(scratch / "elsewhere/keep", "x");
    ASSERT_EQ(::symlink((scratch / "elsewhere").c_str(), (scratch / "link").c_str()), 0);
    EXPECT_TRUE(ensurePrivateFolder(scratch / "link"));
    struct stat st {};
    ASSERT_EQ(::lstat((scratch / "link").c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(modeOf(scratch / "elsewhere"), 0755u);
    EXPECT_TRUE(exists(scratch / "elsewhere/keep"));

    // Someone else's folder is refused, so the next candidate is used.
    std::string foreign = "/";  // owned by root
    if (::geteuid() == 0) {
        foreign = scratch / "foreign";
        ASSERT_EQ(::mkdir(foreign.c_str(), 0700), 0);
        ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
    }
    EXPECT_FALSE(ensurePrivateFolder(foreign));
    TempFolder folder({foreign, scratch / "mine"});
    EXPECT_EQ(folder.path(), scratch / "mine");
}

TEST(TempFolder, RemoveAllTakesReadOnlyContentsAndIsQuietWhenMissing) {
    ScratchDir scratch;
    writeFile(scratch / "outside", "keep me");
    TempFolder folder({scratch / "pintaloo-tmp"});
    const std::string dir = folder.path();
    ASSERT_FALSE(dir.empty());

    writeFile(dir + "/read-only", "x");
    ASSERT_EQ(::chmod((dir + "/read-only").c_str(), 0400), 0);
    ASSERT_EQ(::mkdir((dir + "/sub").c_str(), 0700), 0);
    writeFile(dir + "/sub/inner", "x");
    ASSERT_EQ(::chmod((dir + "/sub").c_str(), 0500), 0);
    ASSERT_EQ(::symlink((scratch / "outside").c_str(), (dir + "/link").c_str()), 0);
    ASSERT_EQ(::chmod(dir.c_str(), 0500), 0);

    folder.removeAll();
    EXPECT_FALSE(exists(dir));
    EXPECT_EQ(test::readFile(scratch / "outside"), "keep me");

    folder.removeAll();
    EXPECT_FALSE(exists(dir));
}

TEST(TempFolder, PrefersTheRuntimeFolder) {
    ScratchDir scratch;
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string previous = saved ? saved : "";
    ::setenv("XDG_RUNTIME_DIR", scratch.path().c_str(), 1);
    TempFolder folder;
    const std::string chosen = folder.path();
    if (saved)
        ::setenv("XDG_RUNTIME_DIR", previous.c_str(), 1);
    else
        ::unsetenv("XDG_RUNTIME_DIR");

    EXPECT_EQ(chosen, scratch / "pintaloo-tmp");
    // The shared system temp folder comes last, with a folder per user.
    EXPECT_TRUE(TempFolder::defaultCandidates().back().ends_with("/pintaloo-tmp-" + std::to_string(::geteuid())));
}

}  // namespace
}  // namespace pintaloo
