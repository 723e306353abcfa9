#include "media_test_support.h"

#include <QDir>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace pintaloo::test {

ScratchDir::ScratchDir() {
    std::string pattern = QDir::tempPath().toStdString() + "/pintaloo-media-test-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!::mkdtemp(name.data()))
        throw std::runtime_error("cannot create a scratch folder");
    m_path = name.data();
}

ScratchDir::~ScratchDir() {
    // Tests leave read-only files and folders behind on purpose.
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(m_path, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (it->is_directory() && !it->is_symlink())
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(m_path, ec);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

unsigned modeOf(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777u : 0u;
}

std::string originalMedia(const std::string& relative) {
    return std::string(PINTALOO_RESOURCE_DIR) + '/' + relative;
}

std::string testMovieJson(int frames, double fps) {
    const std::string op = std::to_string(frames);
    const std::string last = std::to_string(frames - 1);
    const std::string transform =
        R"({"ty":"tr","p":{"a":0,"k":[0,0]},"a":{"a":0,"k":[0,0]},"s":{"a":0,"k":[100,100]},"r":{"a":0,"k":0},"o":{"a":0,"k":100}})";
    const auto layer = [&](int index, const std::string& position, const std::string& shape, const std::string& rgb) {
        return R"({"ddd":0,"ind":)" + std::to_string(index) + R"(,"ty":4,"sr":1,"ao":0,"ip":0,"op":)" + op +
               R"(,"st":0,"bm":0,"ks":{"o":{"a":0,"k":100},"r":{"a":0,"k":0},"a":{"a":0,"k":[0,0,0]},)" +
               R"("s":{"a":0,"k":[100,100,100]},"p":)" + position + R"(},"shapes":[{"ty":"gr","it":[)" + shape +
               R"(,{"ty":"fl","o":{"a":0,"k":100},"c":{"a":0,"k":[)" + rgb + R"(,1]}},)" + transform + "]}]}";
    };
    const std::string ball = layer(
        1,
        R"({"a":1,"k":[{"t":0,"s":[100,244,0],"i":{"x":[1],"y":[1]},"o":{"x":[0],"y":[0]}},{"t":)" + last +
            R"(,"s":[677,244,0]}]})",
        R"({"ty":"el","p":{"a":0,"k":[0,0]},"s":{"a":0,"k":[120,120]}})", "0.9,0.3,0.2");
    const std::string background = layer(2, R"({"a":0,"k":[388.5,244.5,0]})",
                                          R"({"ty":"rc","p":{"a":0,"k":[0,0]},"s":{"a":0,"k":[777,489]},"r":{"a":0,"k":0}})",
                                          "0.85,0.93,0.98");
    std::ostringstream fr;
    fr << fps;
    return R"({"v":"5.7.4","fr":)" + fr.str() + R"(,"ip":0,"op":)" + op +
           R"(,"w":777,"h":489,"ddd":0,"assets":[],"layers":[)" + ball + "," + background + "]}";
}

std::string constantWave(int rate, double seconds, int16_t value) {
    const auto frames = static_cast<uint32_t>(rate * seconds);
    const uint32_t dataBytes = frames * 4;
    std::string wave;
    const auto put = [&wave](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wave.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
    };
    wave += "RIFF";
    put(36 + dataBytes, 4);
    wave += "WAVEfmt ";
    put(16, 4);
    put(1, 2);  // PCM
    put(2, 2);  // stereo
    put(static_cast<uint32_t>(rate), 4);
    put(static_cast<uint32_t>(rate) * 4, 4);
    put(4, 2);
    put(16, 2);
    wave += "data";
    put(dataBytes, 4);
    for (uint32_t i = 0; i < frames * 2; ++i)
        put(static_cast<uint16_t>(value), 2);
    return wave;
}

}  // namespace pintaloo::test
