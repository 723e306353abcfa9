// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace pintaloo {

class AudioBackend;
class TempFolder;

// The sounds the window plays, by what they mean. The numbers are the
// embedded sounds' own, and the replay tool logs them: they never change.
enum class WaveSound : std::int16_t {
    Click = 102,      // every button and page command
    Oil = 103,        // the oil command starting
    Chosen = 104,     // a model or a stamp taken from its picker
    Sparkle = 105,    // a magic brush taken from its picker
    Dab = 115,        // a colour picked from the rainbow or taken by the dropper
    Hello = 122,      // a child chose their picture: their turn begins
    Who = 123,        // the picker asks who is painting
    StampOwn = 116,   // a collection's stamp: its own sound (a file beside it)
    StampName = 117,  // a collection's stamp: its name spoken (a file beside it)
    PageTurn = 1011,  // the page picker's arrows, undo and redo
    Start = 1021,     // the window opening
};
enum class Mp3Sound : std::int16_t {
    SizeChosen = 1020,  // a brush size bar
};

// The sounds the program asks for by number. Each embedded sound is unpacked
// into the temp folder on first use and handed to the audio backend by path.
// Nothing here reports failure to the program: a sound that cannot play is
// simply not heard.
class Sounds {
public:
    // Told of every request, in order, as ("wave", n) or ("mp3", n); the
    // replay tool writes them out as "wave 102" / "mp3 77".
    using Observer = std::function<void(const char* kind, int number)>;

    Sounds(AudioBackend& backend, TempFolder& folder, Observer observer = {});

    void setObserver(Observer observer);

    // Plays wave sound `number`, cutting off the wave sound still playing.
    void PlayWaveSound(int16_t number);
    // Plays MP3 sound `number` once; it mixes with any wave sound.
    void PlayMp3Sound(int16_t number);

    // Plays a sound file of someone else's (a stamp's Ogg or WAV), logged as
    // `number`: only a regular file of at most kMostFileBytes, so a huge or
    // odd file never stalls the window while it loads. A wave file cuts off
    // the wave playing; `alongside` plays it beside it instead (the name
    // after the stamp's sound), in the MP3 player's place.
    static constexpr long long kMostFileBytes = 1 << 20;
    void PlayFile(int16_t number, const std::string& path, bool alongside = false);

    // Loads an MP3 by path. Refuses (false, nothing loaded) any path whose
    // last four characters are not exactly ".mp3".
    bool OpenMp3File(const std::string& path);
    // Starts the loaded MP3 from its beginning; false when none is loaded.
    bool RunMp3();

private:
    AudioBackend& m_backend;
    TempFolder& m_folder;
    Observer m_observer;
};

}  // namespace pintaloo
