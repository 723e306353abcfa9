// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/story/story_file.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/actions/action_hub.h"
#include "ui/files/picture_reader.h"
#include "engine/recording/recording_reader.h"

namespace pintaloo {

namespace {

StoryFile Refuse(StoryRefusal refusal, std::string why) {
    StoryFile out;
    out.refusal = refusal;
    out.why = std::move(why);
    return out;
}

// A picture the story names (where it starts, or one it opens), by its
// name inside the story: a regular file, not a link, straight inside the
// story's folder, with a header the reader accepts. A story naming any
// other file would show that file in its film. Its whole path once
// checked, empty (with `why`) when refused.
QString PicturePath(const std::string& name, const QString& folder, QByteArray* bytes, std::string* why) {
    const QDir dir(folder);
    const QString path = QDir::cleanPath(dir.absoluteFilePath(QString::fromStdString(name)));
    if (QFileInfo(path).absolutePath() != QDir::cleanPath(dir.absolutePath())) {
        *why = "a picture outside the story's folder";
        return {};
    }
    PictureRefusal refusal = PictureRefusal::None;
    *bytes = ReadPictureFile(path, &refusal, PictureLimits::kMaxFileBytes, Links::Refuse);
    if (refusal == PictureRefusal::None) CheckPicture(*bytes, &refusal);
    if (refusal != PictureRefusal::None) {
        *why = "a picture of the story does not open";
        return {};
    }
    return path;
}

// Every picture the story names is decoded once to be sure it opens, on
// the window's thread: first all are read and their pixels added up from
// their headers, so a story naming dozens of huge pictures costs no
// decoding at all; then they are read again (not held: 64 files of the
// largest size would not fit in memory) and decoded, all within one time
// budget. `names` are the story's own names, unique; each becomes the
// picture's whole path.
StoryRefusal CheckPictures(std::vector<std::string>& names, const QString& folder, std::chrono::milliseconds limit,
                           std::string* why) {
    const auto deadline = std::chrono::steady_clock::now() + StoryLimits::kMaxPictureTime;
    const auto late = [&] {
        if (std::chrono::steady_clock::now() < deadline) return false;
        *why = "the story's pictures take longer to check than a story may";
        return true;
    };
    StoryPixels pixels;
    std::vector<QString> paths;
    for (const std::string& name : names) {
        QByteArray bytes;
        paths.push_back(PicturePath(name, folder, &bytes, why));
        if (paths.back().isEmpty()) return StoryRefusal::StartPicture;
        if (!pixels.add(bytes)) {
            *why = "more pixels in the story's pictures than a story may have";
            return StoryRefusal::TooLarge;
        }
        if (late()) return StoryRefusal::TooLarge;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        PictureRefusal refusal = PictureRefusal::None;
        const QByteArray bytes = ReadPictureFile(paths[i], &refusal, PictureLimits::kMaxFileBytes, Links::Refuse);
        if (refusal == PictureRefusal::None && left.count() <= 0) refusal = PictureRefusal::TooSlow;
        if (refusal == PictureRefusal::None) refusal = DecodePictureWithin(bytes, std::min(limit, left)).refusal;
        if (late() || refusal == PictureRefusal::TooSlow) {
            *why = "the story's pictures take longer to check than a story may";
            return StoryRefusal::TooLarge;
        }
        if (refusal != PictureRefusal::None) {
            *why = "a picture of the story does not open";
            return StoryRefusal::StartPicture;
        }
        names[i] = paths[i].toStdString();
    }
    return StoryRefusal::None;
}

}  // namespace

StoryFile CheckStory(std::string_view text, const QString& folder, const ActionHub& actions,
                     std::chrono::milliseconds pictureLimit) {
    Recording read = ReadRecording(text, StoryLimits::kMaxCalls);
    if (read.tooManyCalls) return Refuse(StoryRefusal::TooLarge, read.error);
    // A last line cut short (a save killed while writing) is left out, as
    // the recording's own reading does; any other bad line refuses it all.
    if (read.wholeLines == 0 || read.badLine != 0) return Refuse(StoryRefusal::NotAStory, read.error);
    // Every call as the window would take it, without running any: a name
    // it has, arguments its row accepts, a time the film and the recorder's
    // clock can count with. `seed` was checked by the reading.
    for (const RecordedCall& call : read.calls) {
        if (call.atMs < 0 || call.atMs > StoryLimits::kMaxTimeMs)
            return Refuse(StoryRefusal::CannotPlay, "a time beyond a story's: " + std::to_string(call.atMs));
        if (call.name == kSeedWord || call.name == kPictureWord) continue;  // read whole; pictures below
        if (call.name == kStateWord || call.name == kChoicesWord) {
            if (!StateNumbersFit(call.args)) return Refuse(StoryRefusal::CannotPlay, "a state the editor cannot take");
            continue;
        }
        const auto id = actions.find(call.name);
        if (!id) return Refuse(StoryRefusal::CannotPlay, "unknown handler '" + call.name + "'");
        std::string error;
        if (!actions.validate(*id, call.args, &error)) return Refuse(StoryRefusal::CannotPlay, error);
    }
    StoryFile out;
    out.start = read.start;
    if (out.start.kind == RecordingStart::Kind::Page)  // never written by the recorder, which cannot play it
        return Refuse(StoryRefusal::CannotPlay, "a story starts blank or at a picture");
    // The pictures it names, each once: a story naming the same copy again
    // costs nothing more.
    std::vector<std::string> names;
    const auto name = [&](const std::string& n) {
        if (std::find(names.begin(), names.end(), n) == names.end()) names.push_back(n);
        return names.size() <= StoryLimits::kMaxPictures;
    };
    bool fits = out.start.kind != RecordingStart::Kind::Picture || name(out.start.picture);
    for (const RecordedCall& call : read.calls)
        if (call.name == kPictureWord) fits = fits && name(call.file);
    if (!fits) return Refuse(StoryRefusal::TooLarge, "more pictures than a story may name");
    const std::vector<std::string> named = names;
    out.refusal = CheckPictures(names, folder, pictureLimit, &out.why);
    if (out.refusal != StoryRefusal::None) return Refuse(out.refusal, out.why);
    const auto whole = [&](std::string& n) {
        n = names[std::size_t(std::find(named.begin(), named.end(), n) - named.begin())];
    };
    if (out.start.kind == RecordingStart::Kind::Picture) whole(out.start.picture);
    for (RecordedCall& call : read.calls)
        if (call.name == kPictureWord) whole(call.file);
    out.calls = std::move(read.calls);
    return out;
}

StoryFile ReadStoryFile(const QString& path, const ActionHub& actions, std::chrono::milliseconds pictureLimit) {
    PictureRefusal refusal = PictureRefusal::None;
    const QByteArray bytes = ReadPictureFile(path, &refusal, StoryLimits::kMaxBytes);
    if (refusal == PictureRefusal::TooLarge) return Refuse(StoryRefusal::TooLarge, "more bytes than a story may have");
    if (refusal != PictureRefusal::None) return Refuse(StoryRefusal::Unreadable, "not a readable regular file");
    return CheckStory(std::string_view(bytes.constData(), std::size_t(bytes.size())), QFileInfo(path).absolutePath(),
                      actions, pictureLimit);
}

bool StateNumbersFit(const std::vector<double>& numbers, EditorState* into) {
    if (numbers.size() < kStateStrokeNumbers) return false;
    const auto cut = numbers.end() - std::ptrdiff_t(kStateStrokeNumbers);
    const std::vector<double> stroke(cut, numbers.end());
    const auto fits = [](double v, double limit) { return std::fabs(v) <= limit && v == std::floor(v); };
    if (!(stroke[0] == 0 || stroke[0] == 1) || !fits(stroke[1], 32767) || !fits(stroke[2], 32767) ||
        !fits(stroke[3], 1e9) || !fits(stroke[4], 1e9))
        return false;
    EditorState scratch;
    return SetEditorStateNumbers(std::vector<double>(numbers.begin(), cut), into ? *into : scratch);
}

}  // namespace pintaloo
