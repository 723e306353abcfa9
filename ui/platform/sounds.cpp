// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/sounds.h"

#include "ui/platform/audio_backend.h"
#include "ui/platform/resource_unpack.h"
#include "ui/platform/temp_folder.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

namespace pintaloo {

Sounds::Sounds(AudioBackend& backend, TempFolder& folder, Observer observer)
    : m_backend(backend), m_folder(folder), m_observer(std::move(observer)) {}

void Sounds::setObserver(Observer observer) { m_observer = std::move(observer); }

void Sounds::PlayWaveSound(int16_t number) {
    if (m_observer) m_observer("wave", number);
    // Wave sounds are unpacked under a neutral extension: SDL_mixer tells
    // the format from the contents.
    const std::string path = m_folder.fileFor(number, ".$$$");
    ExtractResource(number, path);
    m_backend.playWave(path);
}

void Sounds::PlayMp3Sound(int16_t number) {
    if (m_observer) m_observer("mp3", number);
    const std::string path = m_folder.fileFor(number, ".mp3");
    ExtractResource(number, path);
    // RunMp3 even if this one did not open: the last tone that did replays,
    // which beats a silent key.
    OpenMp3File(path);
    RunMp3();
}

void Sounds::PlayFile(int16_t number, const std::string& path, bool alongside) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    if (error || !std::filesystem::is_regular_file(status)) return;
    const auto bytes = std::filesystem::file_size(path, error);
    if (error || bytes == 0 || bytes > std::uintmax_t(kMostFileBytes)) return;
    if (m_observer) m_observer("wave", number);
    if (!alongside) return m_backend.playWave(path);
    if (m_backend.openMp3(path)) m_backend.runMp3();
}

bool Sounds::OpenMp3File(const std::string& path) {
    static constexpr std::string_view kExtension = ".mp3";
    if (!path.ends_with(kExtension)) return false;
    return m_backend.openMp3(path);
}

bool Sounds::RunMp3() { return m_backend.runMp3(); }

}  // namespace pintaloo
