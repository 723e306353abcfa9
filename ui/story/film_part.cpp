// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/story/film_part.h"

#include "ui/actions/layout.h"
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMouseEvent>
#include <QStandardPaths>

#include "ui/actions/action_hub.h"
#include "ui/actions/box.h"
#include "ui/platform/services.h"
#include "ui/story/story_player.h"
#include "ui/story/story_window.h"
#include "ui/words/texts.h"
#include "engine/recording/film_timing.h"
#include "ui/art/art_store.h"
#include "ui/files/gallery_folder.h"

namespace pintaloo {

namespace {

QPixmap Face(const char* name) { return ArtStore::instance().pixmap(QString::fromLatin1(name), {49, 49}); }

}  // namespace

FilmPart::FilmPart(StoryWindow& w, const SessionRecorder& recorder)
    : w_(w), recorder_(recorder), alive_(std::make_shared<FilmPart*>(this)) {
    filmButton_ = new Box(&w.widget(), QStringLiteral("bFilm"), PlaceOf("PlayFilm"));
    filmButton_->setHandCursor(true);
    const QRect canvas = w.canvasPlace();
    screen_ = new Box(&w.widget(), QStringLiteral("pctFilm"), canvas);
    screen_->hide();
    saveButton_ =
        new Box(&w.widget(), QStringLiteral("bSaveFilm"), PlaceOf("SaveFilm"));
    saveButton_->setPicture(Face(":/art/ui/film_save.svg"));
    saveButton_->setHandCursor(true);
    saveButton_->hide();
    filmButton_->installEventFilter(this);
    saveButton_->installEventFilter(this);

    // The rows are the window's (window_actions.cpp); the members are ours.
    // The hub may outlive this part: a call after it is gone does nothing.
    const auto plug = [&w, alive = std::weak_ptr<FilmPart*>(alive_)](const char* name, void (FilmPart::*m)()) {
        w.actions().plug(name, [alive, m](const ActionHub::Args&) {
            if (const auto self = alive.lock()) ((*self)->*m)();
        });
    };
    plug("PlayFilm", &FilmPart::PlayFilm);
    plug("StopFilm", &FilmPart::StopFilm);
    plug("SaveFilm", &FilmPart::SaveFilm);
    w.actions().bind(*filmButton_, BoxEvent::Click, "PlayFilm");
    w.actions().bind(*saveButton_, BoxEvent::Click, "SaveFilm");
    // The button wakes up with the first thing drawn.
    w.actions().addObserver([alive = std::weak_ptr<FilmPart*>(alive_)](const ActionCall& c) {
        if (const auto self = alive.lock(); self && c.stage == ActionCall::Stage::Ended)
            (*self)->showFace((*self)->hot_);
    });

    steady_.start();
    timer_.setInterval(1000 / kFramesPerSecond);
    connect(&timer_, &QTimer::timeout, this, &FilmPart::advance);

    applyTexts(Language::English);
    showFace(false);
}

FilmPart::~FilmPart() {
    alive_.reset();
    StopFilm();
}

void FilmPart::applyTexts(Language language) {
    filmButton_->setToolTip(Text(TextId::PlayFilm, language));
    saveButton_->setToolTip(Text(TextId::SaveFilm, language));
}

void FilmPart::showFace(bool hot) {
    hot_ = hot;
    const bool ready = recorder_.hasStory();
    filmButton_->setEnabled(ready);
    filmButton_->setPicture(Face(!ready ? ":/art/ui/film_play_off.svg"
                                 : hot  ? ":/art/ui/film_play_hot.svg"
                                        : ":/art/ui/film_play.svg"));
}

std::int64_t FilmPart::now() const { return workClock ? workClock() : steady_.elapsed(); }

void FilmPart::PlayFilm() {
    if (playing() || !recorder_.hasStory()) return;
    dismissSave();
    auto player = std::make_unique<StoryPlayer>(recorder_.story(), w_);
    if (!player->begin()) return;  // the start picture is gone: there is nothing true to show
    FilmClock clock;
    clock.framesPerSecond = kFramesPerSecond;
    callsByFrame_ = CallsByFrame(PlanFilm(player->times(), clock), clock);
    player_ = std::move(player);
    played_ = 0;
    frame_ = 0;
    worked_ = 0;
    stopAfterStep_ = false;
    screen_->setPicture(QPixmap::fromImage(player_->canvas()));
    screen_->show();
    screen_->raise();
    saveButton_->show();
    saveButton_->raise();
    qApp->installEventFilter(this);
    timer_.start();
}

// A frame shows once all its calls have played. Calls that take longer
// than a slice go on at the next tick, so the film slows down there and the
// window handles presses in between; nothing runs in the middle of a call.
void FilmPart::advance() {
    if (!playing() || inStep_) return;
    const std::int64_t began = now();
    if (frame_ < frameCount()) {
        const std::size_t upTo = callsByFrame_[std::size_t(frame_)];
        const std::size_t before = played_;
        bool ok = true;
        while (ok && !stopAfterStep_ && played_ < upTo) {
            inStep_ = true;
            ok = player_->play(played_++);
            inStep_ = false;
            if (now() - began >= kSliceMs) break;
        }
        worked_ += now() - began;
        // A call this window no longer knows, a stop asked for during the
        // call, or a story beyond the budget: the drawing shows as it is.
        if (!ok || stopAfterStep_ || worked_ >= kPlayWorkMs) {
            StopFilm();
            return;
        }
        if (played_ != before) screen_->setPicture(QPixmap::fromImage(player_->canvas()));
        if (played_ < upTo) return;
    }
    ++frame_;
    if (frame_ >= frameCount() + kHoldFrames) endFilm();
}

// The button shows only over the film, and a child reaches for it late:
// it stays where it stood, the filter still catching the press that would
// otherwise land on the canvas under it.
void FilmPart::endFilm() {
    StopFilm();
    lingering_ = true;
    saveButton_->show();
    saveButton_->raise();
    qApp->installEventFilter(this);
}

void FilmPart::dismissSave() {
    if (!lingering_) return;
    lingering_ = false;
    saveButton_->hide();
    qApp->removeEventFilter(this);
}

void FilmPart::StopFilm() {
    dismissSave();
    if (inStep_) {  // never under the call that is playing: advance() stops once it is done
        stopAfterStep_ = true;
        return;
    }
    timer_.stop();
    stopAfterStep_ = false;
    if (!player_) return;
    qApp->removeEventFilter(this);
    player_.reset();
    screen_->hide();
    screen_->clearPicture();
    saveButton_->hide();
}

void FilmPart::SaveFilm() {
    const Story story = recorder_.story();
    if (saving_ || !StoryPlayer::ShowsSomething(story) || !w_.fileDialog()) return;
    const bool wasRunning = timer_.isActive();
    timer_.stop();
    // The dialog's own presses must reach it, and the film waits meanwhile.
    saving_ = true;
    const Language language = w_.language();
    const QString name = proposedName();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    std::optional<QString> chosen = w_.fileDialog()->saveFileName(
        Text(TextId::SaveFilm, language), QDir(folder).filePath(name + QStringLiteral(".webp")),
        Text(TextId::FilterFilm, language) + QStringLiteral(" (*.webp)"));
    if (chosen && !chosen->isEmpty()) {
        QString path = *chosen;
        if (QFileInfo(path).suffix().compare(QLatin1String("webp"), Qt::CaseInsensitive) != 0)
            path += QStringLiteral(".webp");
        QApplication::setOverrideCursor(Qt::WaitCursor);
        FilmError why;
        bool cut = false;
        const bool ok = MakeStoryFilm(w_, story, path, &why, FilmBudget{kSaveWorkMs, workClock}, &cut);
        QApplication::restoreOverrideCursor();
        if (!ok)
            w_.tell(Text(TextId::FilmNotSavedTitle, language),
                    Text(TextId::FilmNotSaved, language).arg(QDir::toNativeSeparators(path), why.say(language)));
        else if (cut)
            w_.tell(Text(TextId::FilmSavedTitle, language), Text(TextId::FilmCutShort, language));
    }
    saving_ = false;
    if (wasRunning && playing()) timer_.start();
}

// The Pictures folder and the drawing's own name: the one a grown-up saved
// it under, else the gallery's file it was opened from, else the dated name
// the gallery gives it when it is filed (a film found beside its drawing).
QString FilmPart::proposedName() const {
    for (const QString& path : {w_.lastDialogPath(), w_.openedPicture()})
        if (const QString name = QFileInfo(path).completeBaseName(); !name.isEmpty()) return name;
    return QFileInfo(GalleryFolder::DatedName(QDateTime::currentDateTime(), w_.language())).completeBaseName();
}

// The press's own place on the screen, so it counts however it comes: to
// the window first (as from the window system) or straight to the button.
bool FilmPart::onSaveButton(const QMouseEvent& press) const {
    return saveButton_->isVisible() &&
           saveButton_->rect().contains(saveButton_->mapFromGlobal(press.globalPosition().toPoint()));
}

bool FilmPart::eventFilter(QObject* watched, QEvent* event) {
    if (watched == filmButton_ && (event->type() == QEvent::Enter || event->type() == QEvent::Leave)) {
        showFace(event->type() == QEvent::Enter);
        return false;
    }
    if ((!playing() && !lingering_) || saving_) return false;
    const QEvent::Type t = event->type();
    if (t != QEvent::MouseButtonPress && t != QEvent::KeyPress) return false;
    if (t == QEvent::MouseButtonPress && onSaveButton(*static_cast<const QMouseEvent*>(event)))
        return false;  // the save button saves, and the film goes on after
    // The press only stops the film or takes its button away; it must not
    // draw or start anything.
    StopFilm();
    return true;
}

}  // namespace pintaloo
