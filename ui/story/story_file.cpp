// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/story/story_file.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

#include "ui/actions/action_hub.h"
#include "ui/story/session_recorder.h"
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
// story's folder, and a picture that opens. A story naming any other file
// would show that file in its film. Named by its whole path once checked.
StoryRefusal CheckPicture(std::string& name, const QString& folder, std::chrono::milliseconds limit,
                          std::string* why) {
    const QDir dir(folder);
    const QString path = QDir::cleanPath(dir.absoluteFilePath(QString::fromStdString(name)));
    if (QFileInfo(path).absolutePath() != QDir::cleanPath(dir.absolutePath())) {
        *why = "a picture outside the story's folder";
        return StoryRefusal::StartPicture;
    }
    PictureRefusal refusal = PictureRefusal::None;
    const QByteArray bytes = ReadPictureFile(path, &refusal, PictureLimits::kMaxFileBytes, Links::Refuse);
    if (refusal == PictureRefusal::None) refusal = DecodePictureWithin(bytes, limit).refusal;
    if (refusal != PictureRefusal::None) {
        *why = "a picture of the story does not open";
        return StoryRefusal::StartPicture;
    }
    name = path.toStdString();
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
    if (out.start.kind == RecordingStart::Kind::Picture) {
        out.refusal = CheckPicture(out.start.picture, folder, pictureLimit, &out.why);
        if (out.refusal != StoryRefusal::None) return Refuse(out.refusal, out.why);
    }
    // Each picture is decoded once to be sure it opens: a story naming the
    // same copy again costs nothing more.
    std::vector<std::pair<std::string, std::string>> checked;  // name in the story, whole path
    for (RecordedCall& call : read.calls) {
        if (call.name != kPictureWord) continue;
        const auto seen = std::find_if(checked.begin(), checked.end(), [&](const auto& c) { return c.first == call.file; });
        if (seen != checked.end()) {
            call.file = seen->second;
            continue;
        }
        if (checked.size() >= StoryLimits::kMaxPictures)
            return Refuse(StoryRefusal::TooLarge, "more pictures than a story may name");
        const std::string name = call.file;
        out.refusal = CheckPicture(call.file, folder, pictureLimit, &out.why);
        if (out.refusal != StoryRefusal::None) return Refuse(out.refusal, out.why);
        checked.emplace_back(name, call.file);
    }
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

}  // namespace pintaloo
