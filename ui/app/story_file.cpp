// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/story_file.h"

#include <QDir>
#include <QFileInfo>

#include "actions/action_hub.h"
#include "pages/picture_reader.h"
#include "recording/recording_reader.h"

namespace pintaloo {

namespace {

StoryFile Refuse(StoryRefusal refusal, std::string why) {
    StoryFile out;
    out.refusal = refusal;
    out.why = std::move(why);
    return out;
}

// The start picture, by its name inside the story: a regular file, not a
// link, straight inside the story's folder, and a picture that opens. A
// story naming any other file would show that file as its first frame.
StoryRefusal CheckStartPicture(RecordingStart& start, const QString& folder, std::chrono::milliseconds limit,
                               std::string* why) {
    const QDir dir(folder);
    const QString path = QDir::cleanPath(dir.absoluteFilePath(QString::fromStdString(start.picture)));
    if (QFileInfo(path).absolutePath() != QDir::cleanPath(dir.absolutePath())) {
        *why = "the start picture is outside the story's folder";
        return StoryRefusal::StartPicture;
    }
    PictureRefusal refusal = PictureRefusal::None;
    const QByteArray bytes = ReadPictureFile(path, &refusal, PictureLimits::kMaxFileBytes, Links::Refuse);
    if (refusal == PictureRefusal::None) refusal = DecodePictureWithin(bytes, limit).refusal;
    if (refusal != PictureRefusal::None) {
        *why = "the start picture does not open";
        return StoryRefusal::StartPicture;
    }
    start.picture = path.toStdString();
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
        if (call.name == kSeedWord) continue;
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
        out.refusal = CheckStartPicture(out.start, folder, pictureLimit, &out.why);
        if (out.refusal != StoryRefusal::None) return Refuse(out.refusal, out.why);
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
