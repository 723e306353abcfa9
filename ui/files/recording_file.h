// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The story of the drawing on disk: whole lines appended by a worker thread,
// so the window never waits for the disk while a child draws. Each handful
// of lines reaches the kernel with one write(), which a SIGKILL of the
// program cannot undo; the reader drops a last line cut off by a power cut.
//
//   RecordingFile file(folder + "/drawing.rec");   // replaces an older story
//   file.append(writer.take());                    // UI thread: whole lines
//   file.restart(startLine);                       // a new story from here
//   file.sync();                                   // before copying the file
#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace pintaloo {

class RecordingFile {
public:
    // An empty path keeps nothing (the replay tool without a state folder).
    explicit RecordingFile(const QString& path);
    ~RecordingFile();  // writes what was handed over, then ends the worker
    RecordingFile(const RecordingFile&) = delete;
    RecordingFile& operator=(const RecordingFile&) = delete;

    void append(std::string lines);
    // Empties the file and starts it again with `lines`.
    void restart(std::string lines);
    // Returns once everything handed over is written.
    void sync();
    // False once a write failed (a full disk): the drawing goes on, unrecorded.
    bool healthy() const;
    const QString& path() const { return path_; }

private:
    struct Job {
        bool truncate = false;
        std::string text;
    };
    void work();

    QString path_;
    int fd_ = -1;
    mutable std::mutex mutex_;
    std::condition_variable wake_, done_;
    std::deque<Job> jobs_;
    bool busy_ = false, stop_ = false, failed_ = false;
    std::thread worker_;
};

}  // namespace pintaloo
