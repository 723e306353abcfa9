// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Collecting a span of days of drawings for a grown-up: the drawings of one
// child or of all of them, as PNG files put into a folder, as one PDF
// booklet to print (a page a drawing, the child's name and the day under
// it), or as one WebP slideshow film.
//
// No widgets here: the settings window's page runs ExportDrawings on a
// worker thread, hears of the progress and may cancel.
//
// The galleries are anyone's folders: each is listed as the gallery lists
// it (regular PNGs only, a capped count), each file read and decoded with
// the picture reader's caps and time limit; a file it refuses is skipped
// and counted. Every file written goes to a new temporary name first and
// gets its real name only when complete, never through a link; the PNGs
// never replace a file that is there (" (2)" is added instead).
#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QPageSize>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <vector>

#include "ui/words/language.h"

namespace pintaloo {

enum class ExportKind {
    Pictures,  // PNG files into a folder (made when missing)
    Booklet,   // one PDF, a page a drawing
    Film,      // one animated WebP, a drawing after another
};

// One child's drawings: the name (empty when the account has no children)
// and the gallery folder they are filed in.
struct ExportChild {
    QString name;
    QString folder;
};

// A drawing not filed yet (the one on the paper), for the child named.
struct CurrentDrawing {
    QString child;
    QImage image;
};

// Drawings collected at most: a term of busy drawing fits; more would make a
// booklet no printer takes in one go.
inline constexpr int kMaxExportDrawings = 2000;

struct ExportRequest {
    std::vector<ExportChild> children;  // in the order they are collected
    QDate from, to;                     // local days, both included
    std::vector<CurrentDrawing> current;
    QDateTime now;  // the current drawings' time (the clock when invalid)
    ExportKind kind = ExportKind::Pictures;
    QString target;                // the folder for Pictures, the file otherwise
    double secondsPerPicture = 3;  // the film's speed, 0.5 to 20
    bool covers = false;           // the booklet starts each child's drawings with a page of their name
    QPageSize paper{QPageSize::A4};
    Language language = Language::English;
    int maxDrawings = kMaxExportDrawings;
    std::chrono::milliseconds readLimit{2000};  // each file's decoding time
};

struct ExportResult {
    enum class Outcome {
        Done,        // everything found was written (some may have been skipped)
        Nothing,     // no drawing in those days: nothing written
        Cancelled,   // stopped: no booklet or film written; PNGs already written stay
        NotWritten,  // the target could not be written: `why` says why, nothing half-written left
    };
    Outcome outcome = Outcome::Nothing;
    int written = 0;  // drawings written (files, booklet pages without covers, film pictures); 0 for a booklet or film
                      // not written
    int pages = 0;    // the booklet's pages, covers included
    int unreadable = 0;  // skipped: the picture reader refused the file
    int overLimit = 0;   // skipped: more drawings than maxDrawings
    QString path;        // the file written (Booklet, Film) or the folder (Pictures)
    QString why;         // the system's words when NotWritten
};

// One drawing found in the span, before it is read.
struct FoundDrawing {
    int child = 0;     // index into the request's children
    QString path;      // empty for a current drawing
    int current = -1;  // index into the request's current drawings, or -1
    QDateTime when;    // local time the drawing is dated by
};

// The drawings of the span, oldest first within each child, children in
// the request's order. A drawing is dated by the date and time in its name
// ("... 2026-12-07 14.03.png", as the gallery names them) when it has one,
// else by its file's modification time. A current drawing counts on the
// day of `now`, unless its gallery holds the same pixels already.
// `overLimit` gets how many were left out past the cap.
std::vector<FoundDrawing> FindDrawings(const ExportRequest& request, int* overLimit = nullptr);

struct ExportProgress {
    // Called after each drawing (done of total), on the thread working.
    std::function<void(int done, int total)> step;
    // Set from any thread to stop between two drawings.
    const std::atomic<bool>* cancel = nullptr;
};

// Finds and writes the span's drawings as asked.
ExportResult ExportDrawings(const ExportRequest& request, const ExportProgress& progress = {});

// A child's name as a piece of a file name: no slash, no control
// characters, no leading dot, at most 60 characters.
QString SafeNamePiece(const QString& name);

}  // namespace pintaloo
