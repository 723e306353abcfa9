#include "fake_audio_backend.h"
#include "media_test_support.h"
#include "sounds.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace pintaloo {
namespace {

using Call = FakeAudioBackend::Call;

class SoundsTest : public ::testing::Test {
protected:
    test::ScratchDir scratch;
    TempFolder folder{{scratch / "pintaloo-tmp"}};
    FakeAudioBackend backend;
    std::vector<std::pair<std::string, int>> heard;
    Sounds sounds{backend, folder, [this](const char* kind, int number) { heard.emplace_back(kind, number); }};
};

TEST_F(SoundsTest, WaveSoundsAreUnpackedAndPlayedByPath) {
    sounds.PlayWaveSound(102);
    const std::string path = scratch / "pintaloo-tmp/tmpfile102.$$$";
    EXPECT_EQ(backend.calls, (std::vector<Call>{{"playWave", path}}));
    EXPECT_EQ(test::readFile(path).substr(0, 4), "RIFF");
}

TEST_F(SoundsTest, Mp3SoundsAreOpenedThenRunEvenIfOpeningFailed) {
    sounds.PlayMp3Sound(77);
    const std::string path = scratch / "pintaloo-tmp/tmpfile77.mp3";
    EXPECT_EQ(test::readFile(path), test::readFile(test::originalMedia("sounds/snd_077_tone.mp3")));

    backend.mp3Opens = false;
    sounds.PlayMp3Sound(81);
    EXPECT_EQ(backend.calls, (std::vector<Call>{{"openMp3", path},
                                                {"runMp3", ""},
                                                {"openMp3", scratch / "pintaloo-tmp/tmpfile81.mp3"},
                                                {"runMp3", ""}}));
}

TEST_F(SoundsTest, OnlyExactMp3NamesAreOpened) {
    for (const char* refused : {"tone.MP3", "tone.Mp3", "x.mp3 ", "tone.mp", "mp3", "", "tone.mp3.wav"})
        EXPECT_FALSE(sounds.OpenMp3File(refused)) << '"' << refused << '"';
    EXPECT_TRUE(backend.calls.empty());

    EXPECT_TRUE(sounds.OpenMp3File("tone.mp3"));
    EXPECT_TRUE(sounds.OpenMp3File(".mp3"));
    EXPECT_EQ(backend.calls, (std::vector<Call>{{"openMp3", "tone.mp3"}, {"openMp3", ".mp3"}}));
}

TEST_F(SoundsTest, TheObserverSeesEveryRequestInOrder) {
    sounds.PlayWaveSound(102);
    sounds.PlayMp3Sound(77);
    sounds.PlayWaveSound(104);
    sounds.PlayMp3Sound(5);  // unknown numbers are requests too
    sounds.RunMp3();         // not a request for a sound by number
    EXPECT_EQ(heard, (std::vector<std::pair<std::string, int>>{{"wave", 102}, {"mp3", 77}, {"wave", 104}, {"mp3", 5}}));
}

TEST(Sounds, WithoutATempFolderTheBackendGetsNoFile) {
    test::ScratchDir scratch;
    test::writeFile(scratch / "plain-file", "x");
    TempFolder folder({scratch / "plain-file/pintaloo-tmp"});
    FakeAudioBackend backend;
    Sounds sounds(backend, folder);
    sounds.PlayWaveSound(102);
    sounds.PlayMp3Sound(77);
    EXPECT_EQ(backend.calls, (std::vector<Call>{{"playWave", ""}, {"runMp3", ""}}));
}

}  // namespace
}  // namespace pintaloo
