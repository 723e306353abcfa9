// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/story/story_player.h"

#include <QDir>

#include <deque>

#include "engine/canvas/surface.h"
#include "ui/actions/action_hub.h"
#include "ui/art/art_store.h"
#include "ui/platform/services.h"
#include "ui/story/recording_directives.h"
#include "ui/story/start_picture.h"
#include "ui/story/story_window.h"

namespace pintaloo {

namespace {
// Answers the open of the start picture; anything else is cancelled, so a
// story can never write a file.
class StartDialog final : public FileDialogPort {
public:
    std::deque<QString> answers;
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> openFileName(const QString&, const QString&, const QString&) override {
        if (answers.empty()) return std::nullopt;
        QString next = answers.front();
        answers.pop_front();
        return next;
    }
};
}  // namespace

struct StoryPlayer::Parts {
    explicit Parts(const StoryWindow& like) : window(like.windowForPlaying(dialog)) {}
    StartDialog dialog;  // declared first: the window answers its opens from it
    std::unique_ptr<StoryWindow> window;
};

StoryPlayer::StoryPlayer(Story story, const StoryWindow& like)
    : story_(std::move(story)), parts_(std::make_unique<Parts>(like)) {}

bool StoryPlayer::ShowsSomething(const Story& story) {
    return !story.calls.empty() || story.start.kind != RecordingStart::Kind::Blank;
}

std::vector<std::int64_t> StoryPlayer::times() const {
    std::vector<std::int64_t> out;
    out.reserve(story_.calls.size());
    for (const RecordedCall& c : story_.calls) out.push_back(c.atMs);
    return out;
}

StoryPlayer::~StoryPlayer() = default;

bool StoryPlayer::begin(QString* error) {
    if (story_.start.kind == RecordingStart::Kind::Blank) return true;
    if (story_.start.kind != RecordingStart::Kind::Picture) {
        if (error) *error = QStringLiteral("this story starts on a page this version cannot open");
        return false;
    }
    const QString path = PictureBeside(QDir(story_.folder).filePath(QStringLiteral("story")), story_.start);
    if (!StartPictureOpens(*parts_->window, path, error)) return false;
    return OpenStartPicture(
        *parts_->window, path, [this](const QString& answer) { parts_->dialog.answers.push_back(answer); }, error);
}

bool StoryPlayer::play(std::size_t index, QString* error) {
    const RecordedCall& c = story_.calls.at(index);
    if (c.name == kSeedWord) {
        parts_->window->reseed(c.args.empty() ? 0 : std::uint32_t(c.args[0]));
        return true;
    }
    if (c.name == kPictureWord) {  // the next open answers it
        parts_->dialog.answers.push_back(PictureBeside(
            QDir(story_.folder).filePath(QStringLiteral("story")), {RecordingStart::Kind::Picture, 0, c.file}));
        return true;
    }
    if (c.name == kStateWord || c.name == kChoicesWord) {
        if (BeginWithState(*parts_->window, c.args, c.name == kStateWord)) return true;
        if (error) *error = QStringLiteral("this story's editor state cannot be used by this version");
        return false;
    }
    std::string why;
    if (parts_->window->actions().run(c.name, c.args, &why)) return true;
    if (error) *error = QString::fromStdString(why);
    return false;
}

QImage StoryPlayer::canvas() const {
    const Surface& s = parts_->window->canvas();
    return ColoursToImage(s.data(), s.width(), s.height());
}

QImage StoryPlayer::canvasView() const {
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "a colour's bytes are red, green, blue, then nothing");
    const Surface& s = parts_->window->canvas();
    return QImage(reinterpret_cast<const uchar*>(s.data()), s.width(), s.height(), qsizetype(s.width()) * 4,
                  QImage::Format_RGBX8888);
}

bool MakeStoryFilm(const StoryWindow& like, const Story& story, const QString& path, FilmError* error,
                   const FilmBudget& budget, bool* cutShort) {
    StoryPlayer player(story, like);
    QString unopened;
    if (!player.begin(&unopened)) {
        if (error) *error = {FilmError::Kind::NotMade, unopened, {}};
        return false;
    }
    return MakeFilm(
        player.times(),
        FilmSource{[&](std::size_t i, QString* why) { return player.play(i, why); }, [&] { return player.canvasView(); }},
        path, error, {}, budget, cutShort);
}

}  // namespace pintaloo
