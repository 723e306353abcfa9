// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/sounds.h"
#include "ui/platform/fake_audio_backend.h"
#include "ui/platform/temp_folder.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace pintaloo {
namespace {

using Calls = std::vector<FakeAudioBackend::Call>;

class SoundsTest : public ::testing::Test {
protected:
    test::Scratch scratch;
    TempFolder folder{{scratch / "tmp"}};
    FakeAudioBackend backend;
    std::vector<std::pair<std::string, int>> heard;
    Sounds sounds{backend, folder, [this](const char* kind, int number) { heard.emplace_back(kind, number); }};
};

TEST_F(SoundsTest, SoundsAreUnpackedAndPlayedByPathInOrder) {
    sounds.PlayWaveSound(102);
    sounds.PlayMp3Sound(77);
    backend.mp3Opens = false;
    sounds.PlayMp3Sound(5);  // still run: the last tone that opened replays
    sounds.RunMp3();         // not a request for a numbered sound
    EXPECT_EQ(backend.calls, (Calls{{"playWave", scratch / "tmp/tmpfile102.$$$"},
                                    {"openMp3", scratch / "tmp/tmpfile77.mp3"},
                                    {"runMp3", ""},
                                    {"openMp3", scratch / "tmp/tmpfile5.mp3"},
                                    {"runMp3", ""},
                                    {"runMp3", ""}}));
    EXPECT_EQ(heard, (std::vector<std::pair<std::string, int>>{{"wave", 102}, {"mp3", 77}, {"mp3", 5}}));
    EXPECT_EQ(test::readFile(scratch / "tmp/tmpfile102.$$$").left(4), "RIFF");
    EXPECT_EQ(test::readFile(scratch / "tmp/tmpfile77.mp3"),
              test::readFile(test::originalMedia("sounds/snd_077_tone.mp3")));
}

TEST_F(SoundsTest, OnlyExactMp3NamesAreOpened) {
    for (const char* refused : {"tone.MP3", "tone.Mp3", "x.mp3 ", "tone.mp", "mp3", "", "tone.mp3.wav"})
        EXPECT_FALSE(sounds.OpenMp3File(refused)) << '"' << refused << '"';
    EXPECT_TRUE(backend.calls.empty());
    EXPECT_TRUE(sounds.OpenMp3File("tone.mp3"));
    EXPECT_TRUE(sounds.OpenMp3File(".mp3"));
    EXPECT_EQ(backend.calls, (Calls{{"openMp3", "tone.mp3"}, {"openMp3", ".mp3"}}));
}

}  // namespace
}  // namespace pintaloo
