#pragma once

#include <cstdint>
#include <string>

namespace pintaloo::test {

// A fresh folder for one test, removed with everything in it afterwards.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + '/' + name; }

private:
    std::string m_path;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
bool exists(const std::string& path);
// Permission bits of `path` itself (links not followed).
unsigned modeOf(const std::string& path);

// The original of an embedded file, e.g. "sounds/snd_102_click.wav".
std::string originalMedia(const std::string& relative);

// A Lottie movie: a full-stage background with a ball rolling across it, so
// every frame differs from the one before.
std::string testMovieJson(int frames, double fps);

// A 16-bit stereo wave holding one constant sample value, which makes it easy
// to tell in the output whether it played once, twice, or mixed with itself.
std::string constantWave(int rate, double seconds, int16_t value);

}  // namespace pintaloo::test
