#include "media_test_support.h"
#include "resource_unpack.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include <sys/stat.h>

namespace pintaloo {
namespace {

using test::readFile;
using test::ScratchDir;

// What the program's pages and tools ask for, and where each one comes from.
const std::map<int16_t, std::string> kMedia = {
    {102, "sounds/snd_102_click.wav"},     {103, "sounds/snd_103_magic.wav"},
    {104, "sounds/snd_104_pop.wav"},       {1011, "sounds/snd_1011_pageturn.wav"},
    {1021, "sounds/snd_1021_start.wav"},   {77, "sounds/snd_077_tone.mp3"},
    {81, "sounds/snd_081_tone.mp3"},       {85, "sounds/snd_085_tone.mp3"},
    {87, "sounds/snd_087_tone.mp3"},       {91, "sounds/snd_091_tone.mp3"},
    {95, "sounds/snd_095_tone.mp3"},       {99, "sounds/snd_099_tone.mp3"},
    {101, "sounds/snd_101_tone.mp3"},      {1020, "sounds/snd_1020_size.mp3"},
    {1016, "animations/anim_1016.json"},   {1017, "animations/anim_1017.json"},
    {1018, "animations/anim_1018.json"},
};

TEST(ExtractResource, UnpacksEveryKnownItemAsItsOriginal) {
    ScratchDir scratch;
    for (const auto& [number, original] : kMedia) {
        SCOPED_TRACE(original);
        const std::string path = scratch / ("tmpfile" + std::to_string(number));
        const std::string expected = readFile(test::originalMedia(original));
        ASSERT_FALSE(expected.empty()) << "missing from the resources folder";
        EXPECT_TRUE(ExtractResource(number, path));
        EXPECT_EQ(readFile(path), expected);
    }
    // Nothing half-written is left lying around.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.path()), {}),
              static_cast<std::ptrdiff_t>(kMedia.size()));
}

TEST(ExtractResource, AnExistingFileIsUsedUnchanged) {
    ScratchDir scratch;
    const std::string path = scratch / "tmpfile102.$$$";
    ASSERT_TRUE(ExtractResource(102, path));
    struct stat first {};
    ASSERT_EQ(::stat(path.c_str(), &first), 0);
    EXPECT_TRUE(ExtractResource(102, path));
    struct stat second {};
    ASSERT_EQ(::stat(path.c_str(), &second), 0);
    EXPECT_EQ(first.st_ino, second.st_ino);

    // Even when it holds something else.
    const std::string other = scratch / "tmpfile77.mp3";
    test::writeFile(other, "not the tone");
    EXPECT_TRUE(ExtractResource(77, other));
    EXPECT_EQ(readFile(other), "not the tone");
}

TEST(ExtractResource, CreatesAMissingFolderPrivate) {
    ScratchDir scratch;
    const std::string folder = scratch / "gone/pintaloo-tmp";
    EXPECT_TRUE(ExtractResource(1016, folder + "/tmpfile1016.json"));
    EXPECT_EQ(test::modeOf(folder), 0700u);
    EXPECT_TRUE(test::exists(folder + "/tmpfile1016.json"));
}

TEST(ExtractResource, UnknownNumbersAndBadPathsFail) {
    ScratchDir scratch;
    for (const int16_t number : {0, 5, 100, -102, 1019}) {
        EXPECT_FALSE(ExtractResource(number, scratch / "unknown")) << number;
        EXPECT_EQ(embeddedMediaPath(number), nullptr) << number;
    }
    EXPECT_FALSE(test::exists(scratch / "unknown"));
    EXPECT_FALSE(ExtractResource(102, ""));
    // A folder in the file's place is not a file to play.
    EXPECT_FALSE(ExtractResource(102, scratch.path()));
}

}  // namespace
}  // namespace pintaloo
