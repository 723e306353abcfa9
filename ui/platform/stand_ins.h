// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stand-ins for what the window asks of the desktop: the file dialogs, the
// browser and the message box. Each keeps what it was asked, so a test can
// check it; the dialog answers from a queue, and with nothing queued it
// cancels. Shared by every test suite and by the replay tool.
#include <QImage>
#include <QString>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "ui/platform/services.h"

namespace pintaloo::standin {

class ScriptedDialog final : public FileDialogPort {
public:
    struct Ask {
        QString kind;   // "save" or "open"
        QString start;  // the proposed or starting path
        QString filter;
    };
    std::vector<Ask> asks;
    std::deque<std::optional<QString>> answers;  // nothing, or an empty name: cancel

    std::optional<QString> saveFileName(const QString& proposed, const QString& filter) override {
        asks.push_back({QStringLiteral("save"), proposed, filter});
        return next();
    }
    std::optional<QString> openFileName(const QString& start, const QString& filter) override {
        asks.push_back({QStringLiteral("open"), start, filter});
        return next();
    }
    // How many times a dialog of a kind was opened.
    int asked(const QString& kind) const {
        int n = 0;
        for (const Ask& a : asks) n += a.kind == kind ? 1 : 0;
        return n;
    }

private:
    std::optional<QString> next() {
        if (answers.empty()) return std::nullopt;
        const QString name = answers.front().value_or(QString());
        answers.pop_front();
        if (name.isEmpty()) return std::nullopt;
        return name;
    }
};

// Keeps the addresses it was asked to open instead of starting a browser.
class RecordingHelp final : public HelpPort {
public:
    std::vector<Language> shown;
    void show(Language language) override { shown.push_back(language); }
};

// Keeps every message; `echo` also prints it (the replay tool's errors).
class RecordingMessages final : public MessagePort {
public:
    explicit RecordingMessages(void (*echo)(const QString& title, const QString& text) = nullptr) : echo_(echo) {}
    std::vector<std::pair<QString, QString>> told;
    std::vector<std::pair<QString, QString>> asked;
    std::deque<bool> answers;  // nothing queued: no
    void tell(const QString& title, const QString& text) override {
        told.emplace_back(title, text);
        if (echo_) echo_(title, text);
    }
    bool ask(const QString& title, const QString& text) override {
        asked.emplace_back(title, text);
        if (answers.empty()) return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }

private:
    void (*echo_)(const QString&, const QString&);
};

// Keeps every picture sent to the printer.
class RecordingPrinter final : public PrintPort {
public:
    bool print(const QImage& picture) override {
        printed.push_back(picture);
        return true;
    }
    std::vector<QImage> printed;
};

}  // namespace pintaloo::standin
