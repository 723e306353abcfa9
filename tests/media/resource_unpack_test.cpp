// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/resource_unpack.h"
#include "test_support.h"

#include <QDir>

#include <gtest/gtest.h>

#include <map>

namespace pintaloo {
namespace {

// What the program asks for, and where each one comes from.
const std::map<int16_t, std::string> kMedia = {
    {102, "sounds/snd_102_click.wav"},      {103, "sounds/snd_103_magic.wav"},   {104, "sounds/snd_104_pop.wav"},
    {1011, "sounds/snd_1011_pageturn.wav"}, {1021, "sounds/snd_1021_start.wav"}, {77, "sounds/snd_077_tone.mp3"},
    {81, "sounds/snd_081_tone.mp3"},        {85, "sounds/snd_085_tone.mp3"},     {87, "sounds/snd_087_tone.mp3"},
    {91, "sounds/snd_091_tone.mp3"},        {95, "sounds/snd_095_tone.mp3"},     {99, "sounds/snd_099_tone.mp3"},
    {101, "sounds/snd_101_tone.mp3"},       {1020, "sounds/snd_1020_size.mp3"},  {1016, "animations/anim_1016.json"},
    {1017, "animations/anim_1017.json"},    {1018, "animations/anim_1018.json"}, {105, "sounds/snd_105_sparkle.wav"}, {115, "sounds/snd_115_dab.wav"},
    {122, "sounds/snd_122_hello.wav"}, {123, "sounds/snd_123_who.wav"},
};

TEST(ExtractResource, UnpacksEachItemAsItsOriginalIntoAPrivateFolder) {
    test::Scratch scratch;
    const std::string folder = scratch / "missing/pintaloo-tmp";
    for (const auto& [number, original] : kMedia) {
        const QByteArray expected = test::readFile(test::originalMedia(original));
        ASSERT_FALSE(expected.isEmpty()) << original << " is missing";
        const std::string path = folder + "/tmpfile" + std::to_string(number);
        EXPECT_TRUE(ExtractResource(number, path)) << original;
        EXPECT_EQ(test::readFile(path), expected) << original;
    }
    EXPECT_EQ(test::modeOf(folder), 0700u);
    // Nothing half-written left behind.
    EXPECT_EQ(
        QDir(QString::fromStdString(folder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(),
        static_cast<qsizetype>(kMedia.size()));
}

TEST(ExtractResource, AnExistingFileIsUsedOnlyWhenItHoldsTheOriginal) {
    test::Scratch scratch;
    const std::string path = scratch / "tmpfile102.$$$";
    ASSERT_TRUE(ExtractResource(102, path));
    struct stat before {};
    ::stat(path.c_str(), &before);
    EXPECT_TRUE(ExtractResource(102, path));
    struct stat after {};
    ::stat(path.c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino) << "a good file was written again";

    // Whatever else stands there is replaced by the original.
    const QByteArray tone = test::readFile(test::originalMedia("sounds/snd_077_tone.mp3"));
    ASSERT_GT(tone.size(), 100);
    QByteArray sameSizeOtherBytes = tone;
    sameSizeOtherBytes[tone.size() / 2] = char(sameSizeOtherBytes[tone.size() / 2] ^ 0x5A);
    struct Case {
        const char* what;
        QByteArray there;
    };
    const Case cases[] = {
        {"another file", "not the tone"},
        {"the original cut short", tone.left(tone.size() - 1)},
        {"the original with more after it", tone + "x"},
        {"an empty file", QByteArray()},
        {"the same size, other bytes", sameSizeOtherBytes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = scratch / "tmpfile77.mp3";
        test::writeFile(file, c.there);
        EXPECT_TRUE(ExtractResource(77, file));
        EXPECT_EQ(test::readFile(file), tone);
    }
    // A link in its place is replaced, its target left alone.
    const std::string target = scratch / "someone_elses_file";
    test::writeFile(target, "keep me");
    ASSERT_EQ(::symlink(target.c_str(), (scratch / "tmpfile81.mp3").c_str()), 0);
    EXPECT_TRUE(ExtractResource(81, scratch / "tmpfile81.mp3"));
    EXPECT_EQ(test::readFile(target), "keep me");
    EXPECT_EQ(test::readFile(scratch / "tmpfile81.mp3"),
              test::readFile(test::originalMedia("sounds/snd_081_tone.mp3")));
}

TEST(ExtractResource, UnknownNumbersAndUnusablePathsFail) {
    test::Scratch scratch;
    for (const int16_t number : {0, 5, 100, -102, 1019})
        EXPECT_FALSE(ExtractResource(number, scratch / "unknown")) << number;
    EXPECT_FALSE(test::exists(scratch / "unknown"));
    EXPECT_FALSE(ExtractResource(102, ""));
    EXPECT_FALSE(ExtractResource(102, scratch.path()));  // a folder is no sound
}

}  // namespace
}  // namespace pintaloo
