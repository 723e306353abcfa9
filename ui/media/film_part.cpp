// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/film_part.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/box.h"
#include "app/main_window.h"
#include "app/story_player.h"
#include "canvas/canvas_part.h"
#include "canvas/canvas_view.h"
#include "media/captions.h"
#include "media/film_texts.h"
#include "pages/drawing_files.h"
#include "recording/film_timing.h"
#include "resources/art_store.h"

namespace pintaloo {

namespace {

QPixmap Face(const char* name) { return ArtStore::instance().pixmap(QString::fromLatin1(name), {49, 49}); }

bool HasStory(const Story& s) { return !s.calls.empty() || s.start.kind != RecordingStart::Kind::Blank; }

}  // namespace

FilmPart::FilmPart(MainWindow& w, const SessionRecorder& recorder)
    : w_(w), recorder_(recorder), alive_(std::make_shared<FilmPart*>(this)) {
    filmButton_ = new Box(&w, QStringLiteral("bFilm"), {392, 20, 49, 49});
    filmButton_->setHandCursor(true);
    const QRect canvas = w.canvasPart().placeOnWindow();
    screen_ = new Box(&w, QStringLiteral("pctFilm"), canvas);
    screen_->hide();
    saveButton_ =
        new Box(&w, QStringLiteral("bSaveFilm"), {canvas.right() - 49 - 10, canvas.bottom() - 49 - 10, 49, 49});
    saveButton_->setPicture(Face(":/art/ui/film_save.svg"));
    saveButton_->setHandCursor(true);
    saveButton_->hide();
    filmButton_->installEventFilter(this);
    saveButton_->installEventFilter(this);

    const auto declare = [&w](const char* name, void (FilmPart::*m)(), FilmPart* self) {
        w.actions.declare({name, {}, [self, m](const ActionHub::Args&) { (self->*m)(); }, Effect::None});
    };
    declare("PlayFilm", &FilmPart::PlayFilm, this);
    declare("StopFilm", &FilmPart::StopFilm, this);
    declare("SaveFilm", &FilmPart::SaveFilm, this);
    w.actions.bind(*filmButton_, BoxEvent::Click, "PlayFilm");
    w.actions.bind(*saveButton_, BoxEvent::Click, "SaveFilm");
    // The button wakes up with the first thing drawn.
    w.actions.addObserver([alive = std::weak_ptr<FilmPart*>(alive_)](const ActionCall& c) {
        if (const auto self = alive.lock(); self && c.stage == ActionCall::Stage::Ended)
            (*self)->showFace((*self)->hot_);
    });

    timer_.setInterval(1000 / kFramesPerSecond);
    connect(&timer_, &QTimer::timeout, this, &FilmPart::advance);

    CaptionTexts english;
    english.set(Caption::PlayFilm, PlayFilmText());
    english.set(Caption::SaveFilm, SaveFilmText());
    applyCaptions(english);
    showFace(false);
}

FilmPart::~FilmPart() {
    alive_.reset();
    StopFilm();
}

void FilmPart::applyCaptions(const CaptionTexts& texts) {
    if (texts[Caption::PlayFilm]) filmButton_->setToolTip(*texts[Caption::PlayFilm]);
    if (texts[Caption::SaveFilm]) saveButton_->setToolTip(*texts[Caption::SaveFilm]);
}

void FilmPart::showFace(bool hot) {
    hot_ = hot;
    const bool ready = recorder_.hasStory();
    filmButton_->setEnabled(ready);
    filmButton_->setPicture(Face(!ready ? ":/art/ui/film_play_off.svg"
                                 : hot  ? ":/art/ui/film_play_hot.svg"
                                        : ":/art/ui/film_play.svg"));
}

void FilmPart::PlayFilm() {
    if (playing() || !recorder_.hasStory()) return;
    const Story story = recorder_.story();
    auto player = std::make_unique<StoryPlayer>(story);
    if (!player->begin()) return;  // the start picture is gone: there is nothing true to show
    std::vector<std::int64_t> times;
    times.reserve(story.calls.size());
    for (const RecordedCall& c : story.calls) times.push_back(c.atMs);
    FilmClock clock;
    clock.framesPerSecond = kFramesPerSecond;
    callsByFrame_ = CallsByFrame(PlanFilm(times, clock), clock);
    player_ = std::move(player);
    played_ = 0;
    frame_ = 0;
    screen_->setPicture(QPixmap::fromImage(player_->canvas()));
    screen_->show();
    screen_->raise();
    saveButton_->show();
    saveButton_->raise();
    qApp->installEventFilter(this);
    timer_.start();
}

void FilmPart::advance() {
    if (!playing()) return;
    if (frame_ < frameCount()) {
        bool ok = true;
        while (ok && played_ < callsByFrame_[std::size_t(frame_)]) ok = player_->play(played_++);
        if (!ok) {  // a call this window no longer knows: show the drawing as it is
            StopFilm();
            return;
        }
        screen_->setPicture(QPixmap::fromImage(player_->canvas()));
    }
    ++frame_;
    if (frame_ >= frameCount() + kHoldFrames) StopFilm();
}

void FilmPart::StopFilm() {
    timer_.stop();
    if (!player_) return;
    qApp->removeEventFilter(this);
    player_.reset();
    screen_->hide();
    screen_->clearPicture();
    saveButton_->hide();
}

void FilmPart::SaveFilm() {
    const Story story = recorder_.story();
    if (!HasStory(story) || !w_.services.dialog) return;
    const bool wasRunning = timer_.isActive();
    timer_.stop();
    // The Pictures folder and the drawing's own name, when it has one.
    const QString saved = QFileInfo(w_.files().dialogFileName).completeBaseName();
    const QString name = saved.isEmpty() ? SaveFilmText() : saved;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    std::optional<QString> chosen = w_.services.dialog->saveFileName(
        QDir(folder).filePath(name + QStringLiteral(".webp")), QStringLiteral("WebP film (*.webp)"));
    if (chosen && !chosen->isEmpty()) {
        QString path = *chosen;
        if (QFileInfo(path).suffix().compare(QLatin1String("webp"), Qt::CaseInsensitive) != 0)
            path += QStringLiteral(".webp");
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QString why;
        const bool ok = MakeStoryFilm(story, path, &why);
        QApplication::restoreOverrideCursor();
        if (!ok && w_.services.messages)
            w_.services.messages->tell(QStringLiteral("Pintaloo"),
                                       QStringLiteral("Pintaloo could not save the film as\n%1\n\n%2\n\nPlease try "
                                                      "another folder.")
                                           .arg(QDir::toNativeSeparators(path), why));
    }
    if (wasRunning && playing()) timer_.start();
}

bool FilmPart::eventFilter(QObject* watched, QEvent* event) {
    if (watched == filmButton_ && (event->type() == QEvent::Enter || event->type() == QEvent::Leave)) {
        showFace(event->type() == QEvent::Enter);
        return false;
    }
    if (!playing()) return false;
    const QEvent::Type t = event->type();
    if (t != QEvent::MouseButtonPress && t != QEvent::KeyPress) return false;
    if (watched == saveButton_) return false;  // saving keeps the film playing
    // The press only stops the film; it must not draw or start anything.
    StopFilm();
    return true;
}

}  // namespace pintaloo
