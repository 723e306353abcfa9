// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/files/recording_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "ui/files/safe_write.h"

namespace pintaloo {

namespace {

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return true;
}

}  // namespace

RecordingFile::RecordingFile(const QString& path) : path_(path) {
    if (path_.isEmpty()) return;
    // A new file put at the name, readable by the user alone like the kept
    // drawing beside it: a link or another file's hard link planted under
    // the name is replaced, never truncated or written through.
    fd_ = OpenFreshFile(path_);
    failed_ = fd_ < 0;
    if (fd_ >= 0) worker_ = std::thread([this] { work(); });
}

RecordingFile::~RecordingFile() {
    if (!worker_.joinable()) return;
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    worker_.join();
    ::close(fd_);
}

void RecordingFile::append(std::string lines) {
    if (fd_ < 0 || lines.empty()) return;
    {
        std::lock_guard lock(mutex_);
        // Joined with the job still waiting, so a busy disk means fewer, larger writes.
        if (!jobs_.empty() && !jobs_.back().truncate)
            jobs_.back().text += lines;
        else
            jobs_.push_back({false, std::move(lines)});
    }
    wake_.notify_one();
}

void RecordingFile::restart(std::string lines) {
    if (fd_ < 0) return;
    {
        std::lock_guard lock(mutex_);
        jobs_.clear();  // whatever was waiting belongs to the story that ends here
        jobs_.push_back({true, std::move(lines)});
    }
    wake_.notify_one();
}

void RecordingFile::sync() {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

bool RecordingFile::healthy() const {
    std::lock_guard lock(mutex_);
    return !failed_;
}

void RecordingFile::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || !jobs_.empty(); });
        if (jobs_.empty()) return;  // stopping, with everything written
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        bool ok = true;
        if (job.truncate) ok = ::ftruncate(fd_, 0) == 0 && ::lseek(fd_, 0, SEEK_SET) == 0;
        ok = ok && WriteAll(fd_, job.text);
        lock.lock();
        busy_ = false;
        failed_ = failed_ || !ok;
        if (jobs_.empty()) done_.notify_all();
    }
}

}  // namespace pintaloo
