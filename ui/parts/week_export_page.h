// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grown-up's page for collecting drawings: whose (everyone or one
// child), which days (this week unless changed), what to make (pictures in
// a folder, a booklet to print, a film and its speed), then "Make it", a
// progress bar and one friendly line saying what came of it.
//
// The work runs on a thread of its own (ui/files/week_export.h), so the
// settings window keeps answering; closing the page stops it and waits.
#include <QWidget>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "ui/files/week_export.h"
#include "ui/platform/services.h"
#include "ui/platform/settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace pintaloo {

class WeekExportPage final : public QWidget {
public:
    // `galleries`: each child's name and drawings folder (one entry with an
    // empty name when the account has no children). `current` gives the
    // drawing(s) on the paper now, asked when "Make it" is pressed. `today`
    // gives the day the page starts from (the clock when empty).
    WeekExportPage(const SettingsPort& settings, Language language, std::vector<ExportChild> galleries,
                   std::function<std::vector<CurrentDrawing>()> current, FileDialogPort* dialog,
                   QWidget* parent = nullptr, std::function<QDate()> today = {});
    ~WeekExportPage() override;

    // The page's name and icon for the settings window's side.
    static QString title(Language language);
    static QIcon icon();

    // For tests and the window: the choices as the controls show them.
    ExportRequest request() const;
    QString resultLine() const;
    bool working() const { return worker_.joinable() && !finished_; }
    // Presses "Make it" (the button does the same).
    void make();

private:
    void chooseKind(ExportKind kind);
    void finished(const ExportResult& result);
    QString proposedPath() const;

    const SettingsPort& settings_;
    Language language_;
    std::vector<ExportChild> galleries_;
    std::function<std::vector<CurrentDrawing>()> current_;
    FileDialogPort* dialog_;
    ExportKind kind_ = ExportKind::Booklet;
    QComboBox* whose_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QButtonGroup* kinds_ = nullptr;
    QDoubleSpinBox* speed_ = nullptr;
    QLabel* speedLabel_ = nullptr;
    QCheckBox* covers_ = nullptr;
    QPushButton* makeButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* result_ = nullptr;
    QString target_;
    std::vector<CurrentDrawing> taken_;  // the drawings on the paper, held while the work runs
    std::thread worker_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> finished_{false};
};

}  // namespace pintaloo
