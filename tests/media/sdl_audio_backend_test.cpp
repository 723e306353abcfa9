#include "media_test_support.h"
#include "sdl_audio_backend.h"
#include "sounds.h"
#include "temp_folder.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

// These tests open a real SDL audio device. Each fixture picks its SDL driver
// itself (SDL reads SDL_AUDIODRIVER when audio starts), so none of them ever
// makes a sound on the machine running them.

namespace pintaloo {
namespace {

void waitMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Runs of output frames that are not silent, as [first, end) frame indices.
// Gaps shorter than `bridge` frames (zero crossings, quiet moments inside
// one sound) do not split a run.
struct SoundRun {
    size_t first;
    size_t end;
};
std::vector<SoundRun> soundRuns(const std::vector<int16_t>& samples, int channels, size_t bridge) {
    std::vector<SoundRun> runs;
    const size_t frames = samples.size() / static_cast<size_t>(channels);
    for (size_t frame = 0; frame < frames; ++frame) {
        bool loud = false;
        for (int c = 0; c < channels; ++c)
            loud = loud || std::abs(samples[frame * static_cast<size_t>(channels) + static_cast<size_t>(c)]) > 300;
        if (!loud)
            continue;
        if (!runs.empty() && frame - runs.back().end <= bridge)
            runs.back().end = frame + 1;
        else
            runs.push_back({frame, frame + 1});
    }
    return runs;
}

// SDL's "disk" driver writes what would be heard to a file, in real time.
class DiskAudio : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        // The variable's name changed across SDL versions.
        ::setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        ::setenv("SDL_DISK_FILE", output.c_str(), 1);
    }

    // The device format, read while the device is open.
    void readDeviceFormat() {
        Uint16 format = 0;
        ASSERT_EQ(Mix_QuerySpec(&rate, &format, &channels), 1);
        ASSERT_EQ(format, AUDIO_S16SYS);
    }

    // Everything written, once the backend is gone and the file complete.
    std::vector<int16_t> written() const {
        const std::string bytes = test::readFile(output);
        std::vector<int16_t> samples(bytes.size() / 2);
        std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        return samples;
    }

    size_t frames(double seconds) const { return static_cast<size_t>(seconds * rate); }

    test::ScratchDir scratch;
    std::string output = scratch / "heard.raw";
    TempFolder folder{{scratch / "pintaloo-tmp"}};
    int rate = 0;
    int channels = 0;
};

TEST_F(DiskAudio, AClickAndAToneAreHeardWhole) {
    {
        SdlAudioBackend backend;
        Sounds sounds(backend, folder);
        ASSERT_TRUE(backend.isAudible());
        readDeviceFormat();
        sounds.PlayWaveSound(102);
        waitMs(400);
        sounds.PlayMp3Sound(77);
        waitMs(900);
    }
    const std::vector<SoundRun> runs = soundRuns(written(), channels, frames(0.05));
    ASSERT_EQ(runs.size(), 2u);
    // The click is short, the tone about half a second, and they follow
    // each other as they were asked for.
    EXPECT_LT(runs[0].end - runs[0].first, frames(0.15));
    EXPECT_GT(runs[1].end - runs[1].first, frames(0.3));
    EXPECT_LT(runs[1].end - runs[1].first, frames(0.8));
    EXPECT_GT(runs[1].first - runs[0].first, frames(0.3));
}

TEST_F(DiskAudio, ASecondWaveRestartsTheFirstInsteadOfMixing) {
    constexpr int16_t kLevel = 8000;
    {
        SdlAudioBackend backend;
        ASSERT_TRUE(backend.isAudible());
        readDeviceFormat();
        const std::string wave = scratch / "level.wav";
        test::writeFile(wave, test::constantWave(rate, 0.3, kLevel));
        backend.playWave(wave);
        waitMs(100);
        backend.playWave(wave);
        waitMs(700);
    }
    size_t atLevel = 0;
    size_t other = 0;
    for (const int16_t sample : written()) {
        if (sample == kLevel)
            ++atLevel;
        else if (sample != 0)
            ++other;
    }
    // Two copies mixing would add up to twice the level.
    EXPECT_EQ(other, 0u);
    // Cut off after about 0.1 s, then played in full: about 0.4 s in all.
    const size_t heard = atLevel / static_cast<size_t>(channels);
    EXPECT_GT(heard, frames(0.35));
    EXPECT_LT(heard, frames(0.55));
}

TEST_F(DiskAudio, AToneAndAWaveSoundTogether) {
    SdlAudioBackend backend;
    Sounds sounds(backend, folder);
    sounds.PlayMp3Sound(77);
    sounds.PlayWaveSound(104);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST(DummyAudio, EverythingWorksWithoutAnyoneHearingIt) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    test::ScratchDir scratch;
    TempFolder folder({scratch / "pintaloo-tmp"});
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
        EXPECT_FALSE(sounds.OpenMp3File(folder.fileFor(102, ".$$$")));

        // SDL_mixer is one per process: a second backend keeps quiet.
        SdlAudioBackend second;
        EXPECT_FALSE(second.isAudible());
    }
    SdlAudioBackend again;
    EXPECT_TRUE(again.isAudible());
}

TEST(NoAudio, WithoutADeviceTheProgramGoesOnSilently) {
    ::setenv("SDL_AUDIODRIVER", "pintaloo-no-such-driver", 1);
    test::ScratchDir scratch;
    TempFolder folder({scratch / "pintaloo-tmp"});
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
