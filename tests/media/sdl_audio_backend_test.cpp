// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/sdl_audio_backend.h"
#include <algorithm>
#include "ui/platform/sounds.h"
#include "ui/platform/temp_folder.h"
#include "test_support.h"

#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

// These tests open a real SDL audio device. Each picks its SDL driver itself
// (SDL reads SDL_AUDIODRIVER when audio starts), so none makes a sound.

namespace pintaloo {
namespace {

void waitMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// SDL's "disk" driver writes what would be heard to a file, in real time.
class DiskAudio : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        // The variable's name changed across SDL versions.
        ::setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        ::setenv("SDL_DISK_FILE", output.c_str(), 1);
    }
    void readDeviceFormat(SdlAudioBackend& backend) {
        rate = backend.deviceFormat().rate;
        channels = backend.deviceFormat().channels;
        ASSERT_GT(rate, 0) << "the disk driver did not open";
        ASSERT_GT(channels, 0);
    }
    // The mixer, coming in, opens the device anew, and the disk driver then
    // starts its file again: from here on it writes another file, and what
    // was heard is the two files one after the other.
    void nextDeviceWritesAnotherFile() {
        earlier = output;
        output = scratch / "heard-later.raw";
        ::setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        ::setenv("SDL_DISK_FILE", output.c_str(), 1);
    }
    // What was heard, once the backend is gone and the file complete.
    std::vector<int16_t> heard() const {
        const QByteArray bytes = (earlier.empty() ? QByteArray() : test::readFile(earlier)) + test::readFile(output);
        std::vector<int16_t> samples(static_cast<size_t>(bytes.size()) / 2);
        if (!samples.empty()) std::memcpy(samples.data(), bytes.data(), samples.size() * 2);  // none yet: no copy from null
        return samples;
    }
    size_t frames(double seconds) const { return static_cast<size_t>(seconds * rate); }

    test::Scratch scratch;
    std::string output = scratch / "heard.raw";
    std::string earlier;  // the file the first device wrote, once another is written
    TempFolder folder{{scratch / "tmp"}};
    int rate = 0;
    int channels = 0;
};

TEST_F(DiskAudio, AClickAndAToneAreHeardWholeOneAfterTheOther) {
    {
        SdlAudioBackend backend;
        Sounds sounds(backend, folder);
        ASSERT_NO_FATAL_FAILURE(readDeviceFormat(backend));
        sounds.PlayWaveSound(102);
        waitMs(400);
        nextDeviceWritesAnotherFile();  // the tone brings the mixer in
        sounds.PlayMp3Sound(77);
        ASSERT_TRUE(backend.mixerIsIn());
        waitMs(900);
    }
    // Stretches of sound, as [first, end) frames; gaps under 50 ms (zero
    // crossings, quiet moments) do not split one.
    struct Stretch {
        size_t first, end;
    };
    std::vector<Stretch> sounds;
    const std::vector<int16_t> samples = heard();
    for (size_t i = 0; i < samples.size(); ++i) {
        const size_t frame = i / static_cast<size_t>(channels);
        if (std::abs(samples[i]) <= 300) continue;
        if (!sounds.empty() && frame <= sounds.back().end + frames(0.05))
            sounds.back().end = frame + 1;
        else
            sounds.push_back({frame, frame + 1});
    }
    ASSERT_EQ(sounds.size(), 2u);
    EXPECT_LT(sounds[0].end - sounds[0].first, frames(0.15));  // the click
    EXPECT_GT(sounds[1].end - sounds[1].first, frames(0.3));   // the tone
    EXPECT_LT(sounds[1].end - sounds[1].first, frames(0.8));
    EXPECT_GT(sounds[1].first - sounds[0].first, frames(0.3));
}

// The program opens the device in the background at start-up and asks for
// the start sound straight away: the request must neither wait nor be lost.
TEST_F(DiskAudio, ASoundAskedForWhileTheDeviceOpensIsPlayedWhenReady) {
    {
        SdlAudioBackend backend;
        Sounds sounds(backend, folder);
        backend.openInBackground();
        sounds.PlayWaveSound(1021);
        ASSERT_NO_FATAL_FAILURE(readDeviceFormat(backend));  // waits for the opening
        waitMs(600);
    }
    const std::vector<int16_t> samples = heard();
    const auto loud = std::count_if(samples.begin(), samples.end(), [](int16_t v) { return std::abs(v) > 300; });
    EXPECT_GT(loud, static_cast<long>(frames(0.2)));
}

TEST_F(DiskAudio, ASecondWaveRestartsTheFirstInsteadOfMixing) {
    constexpr int16_t kLevel = 8000;
    {
        SdlAudioBackend backend;
        ASSERT_NO_FATAL_FAILURE(readDeviceFormat(backend));
        test::writeFile(scratch / "level.wav", test::constantWave(rate, 0.3, kLevel));
        backend.playWave(scratch / "level.wav");
        // The second copy goes in once the first is being heard, not after a
        // fixed wait: on a loaded machine the driver's thread may not have run
        // at all in the first tenth of a second.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        auto beingHeard = [&] { return std::ranges::count(heard(), kLevel) > 0; };
        while (!beingHeard() && std::chrono::steady_clock::now() < deadline) waitMs(5);
        backend.playWave(scratch / "level.wav");
        waitMs(700);
    }
    size_t atLevel = 0;
    size_t other = 0;
    for (const int16_t sample : heard()) {
        if (sample == kLevel)
            ++atLevel;
        else if (sample != 0)
            ++other;
    }
    EXPECT_EQ(other, 0u);  // two copies mixing would add up
    // Cut off part way, then played in full: more than one copy's length
    // (the first was heard in part), less than two (it did not play on).
    const size_t full = frames(0.3);
    EXPECT_GT(atLevel / static_cast<size_t>(channels), full);
    EXPECT_LT(atLevel / static_cast<size_t>(channels), 2 * full);
}

// A wave sound still playing when the first tone brings the mixer in goes
// on from the mixer where it was: heard once, whole, not restarted or cut.
TEST_F(DiskAudio, AWavePlayingWhenTheMixerComesInGoesOn) {
    constexpr int16_t kLevel = 6000;
    {
        SdlAudioBackend backend;
        Sounds sounds(backend, folder);
        ASSERT_NO_FATAL_FAILURE(readDeviceFormat(backend));
        test::writeFile(scratch / "level.wav", test::constantWave(rate, 0.6, kLevel));
        backend.playWave(scratch / "level.wav");
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::ranges::count(heard(), kLevel) == 0 && std::chrono::steady_clock::now() < deadline) waitMs(5);
        nextDeviceWritesAnotherFile();
        backend.openMp3(scratch / "no-tone.mp3");  // brings the mixer in, with nothing to run
        ASSERT_TRUE(backend.mixerIsIn());
        waitMs(900);
    }
    const std::vector<int16_t> samples = heard();
    const auto atLevel = size_t(std::ranges::count(samples, kLevel)) / size_t(channels);
    // Within a few buffers of 23 ms either way: what the old device had taken
    // but not yet played, and what the mixer began on.
    EXPECT_GT(atLevel, frames(0.5));
    EXPECT_LT(atLevel, frames(0.72));
}

// A tone and a wave sound at once: the tone as the mixer's music, the wave
// on its channel. Both last seconds: the program's own pop and tone are
// over in a fraction of one, which a machine busy with other tests could
// let pass between their start and this check.
TEST_F(DiskAudio, AToneAndAWaveSoundTogether) {
    SdlAudioBackend backend;
    ASSERT_NO_FATAL_FAILURE(readDeviceFormat(backend));
    // The mixer reads a tone in any format it knows, a wave file too.
    test::writeFile(scratch / "tone.wav", test::constantWave(rate, 5, 3000));
    test::writeFile(scratch / "wave.wav", test::constantWave(rate, 5, 5000));
    ASSERT_TRUE(backend.openMp3(scratch / "tone.wav"));
    ASSERT_TRUE(backend.runMp3());
    backend.playWave(scratch / "wave.wav");
    ASSERT_TRUE(backend.mixerIsIn());
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST(DummyAudio, EverythingWorksWithoutAnyoneHearingIt) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    test::Scratch scratch;
    TempFolder folder({scratch / "tmp"});
    {
        SdlAudioBackend backend;
        Sounds sounds(backend, folder);
        EXPECT_TRUE(backend.isAudible());
        sounds.PlayWaveSound(102);
        sounds.PlayWaveSound(5);
        sounds.PlayMp3Sound(77);
        EXPECT_TRUE(sounds.OpenMp3File(folder.fileFor(77, ".mp3")));
        EXPECT_TRUE(sounds.RunMp3());
        EXPECT_FALSE(sounds.OpenMp3File(scratch / "missing.mp3"));
        // SDL_mixer is one per process: a second backend keeps quiet.
        EXPECT_FALSE(SdlAudioBackend().isAudible());
    }
    EXPECT_TRUE(SdlAudioBackend().isAudible());
}

TEST(NoAudio, WithoutADeviceTheProgramGoesOnSilently) {
    ::setenv("SDL_AUDIODRIVER", "pintaloo-no-such-driver", 1);
    test::Scratch scratch;
    TempFolder folder({scratch / "tmp"});
    SdlAudioBackend backend;
    Sounds sounds(backend, folder);
    sounds.PlayWaveSound(102);
    sounds.PlayMp3Sound(77);
    EXPECT_FALSE(backend.isAudible());
    EXPECT_FALSE(sounds.OpenMp3File(folder.fileFor(77, ".mp3")));
    EXPECT_FALSE(sounds.RunMp3());
}

}  // namespace
}  // namespace pintaloo
