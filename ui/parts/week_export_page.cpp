// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts/week_export_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/files/printing.h"
#include "ui/words/texts.h"

namespace pintaloo {

namespace {

QString Words(const char* key, Language language) { return Text(key, language); }

// Big enough for a grown-up in a hurry, and for a finger on a touch screen.
constexpr int kControlHeight = 52;

QFont Bigger(QFont font, double factor, bool bold = false) {
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

}  // namespace

QString WeekExportPage::title(Language language) { return Words("week.title", language); }

QIcon WeekExportPage::icon() { return QIcon(QStringLiteral(":/art/ui/week_page.svg")); }

WeekExportPage::WeekExportPage(const SettingsPort& settings, Language language, std::vector<ExportChild> galleries,
                               std::function<std::vector<CurrentDrawing>()> current, FileDialogPort* dialog,
                               QWidget* parent, std::function<QDate()> today)
    : QWidget(parent),
      settings_(settings),
      language_(language),
      galleries_(std::move(galleries)),
      current_(std::move(current)),
      dialog_(dialog) {
    setLayoutDirection(RightToLeft(language) ? Qt::RightToLeft : Qt::LeftToRight);
    setFont(Bigger(font(), 1.3));
    auto* column = new QVBoxLayout(this);
    column->setSpacing(14);

    auto* heading = new QLabel(title(language), this);
    heading->setFont(Bigger(font(), 1.5, true));
    column->addWidget(heading);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);
    column->addLayout(grid);

    // Whose drawings: everyone, or one of the children the account names.
    grid->addWidget(new QLabel(Words("week.whose", language), this), 0, 0);
    whose_ = new QComboBox(this);
    whose_->setMinimumHeight(kControlHeight);
    if (galleries_.size() >= 2) {
        whose_->addItem(Words("week.everyone", language), -1);
        for (const ChildEntry& child : settings_.children())
            for (int i = 0; i < int(galleries_.size()); ++i)
                if (galleries_[std::size_t(i)].name == child.name) whose_->addItem(child.name, i);
    } else {
        whose_->addItem(Words("week.all", language), -1);
        whose_->setEnabled(false);
    }
    whose_->setAccessibleName(Words("week.whose", language));
    grid->addWidget(whose_, 0, 1, 1, 3);

    // Which days: this week, Monday to today, unless changed.
    const QDate day = today ? today() : QDate::currentDate();
    const auto dateEdit = [&](const QDate& date, const char* key) {
        auto* edit = new QDateEdit(date, this);
        edit->setCalendarPopup(true);
        // The locale's short order of day, month and year, with the whole year.
        QString format = QLocale(SystemLanguageCode(language)).dateFormat(QLocale::ShortFormat);
        if (!format.contains(QStringLiteral("yyyy"))) format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
        edit->setDisplayFormat(format);
        edit->setMinimumHeight(kControlHeight);
        edit->setAccessibleName(Words(key, language));
        return edit;
    };
    from_ = dateEdit(day.addDays(1 - day.dayOfWeek()), "week.from");
    to_ = dateEdit(day, "week.to");
    grid->addWidget(new QLabel(Words("week.from", language), this), 1, 0);
    grid->addWidget(from_, 1, 1);
    grid->addWidget(new QLabel(Words("week.to", language), this), 1, 2);
    grid->addWidget(to_, 1, 3);
    // A span the wrong way round is no span: the other end follows.
    connect(from_, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (to_->date() < d) to_->setDate(d);
    });
    connect(to_, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (from_->date() > d) from_->setDate(d);
    });

    // What to make: three big pictures with their words.
    auto* choices = new QHBoxLayout;
    choices->setSpacing(12);
    kinds_ = new QButtonGroup(this);
    const struct {
        ExportKind kind;
        const char* art;
        const char* key;
    } kinds[] = {
        {ExportKind::Pictures, "week_pictures", "week.pictures"},
        {ExportKind::Booklet, "week_booklet", "week.booklet"},
        {ExportKind::Film, "week_film", "week.film"},
    };
    for (const auto& k : kinds) {
        auto* b = new QToolButton(this);
        b->setCheckable(true);
        b->setIcon(QIcon(QStringLiteral(":/art/ui/%1.svg").arg(QLatin1String(k.art))));
        b->setIconSize(QSize(72, 72));
        b->setText(Words(k.key, language));
        b->setAccessibleName(b->text());
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setMinimumSize(170, 130);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        kinds_->addButton(b, int(k.kind));
        choices->addWidget(b);
    }
    column->addLayout(choices);

    // The film's speed and the booklet's covers, shown with their choice.
    auto* extras = new QHBoxLayout;
    speedLabel_ = new QLabel(Words("week.speed", language), this);
    speed_ = new QDoubleSpinBox(this);
    speed_->setRange(0.5, 20);
    speed_->setSingleStep(0.5);
    speed_->setDecimals(1);
    speed_->setValue(3);
    speed_->setMinimumHeight(kControlHeight);
    speed_->setAccessibleName(speedLabel_->text());
    covers_ = new QCheckBox(Words(galleries_.size() >= 2 ? "week.covers" : "week.cover.one", language), this);
    covers_->setMinimumHeight(kControlHeight);
    extras->addWidget(speedLabel_);
    extras->addWidget(speed_);
    extras->addWidget(covers_);
    extras->addStretch();
    column->addLayout(extras);

    makeButton_ = new QPushButton(Words("week.make", language), this);
    makeButton_->setFont(Bigger(font(), 1.2, true));
    makeButton_->setMinimumHeight(kControlHeight + 12);
    column->addWidget(makeButton_);
    progress_ = new QProgressBar(this);
    progress_->setMinimumHeight(28);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    column->addWidget(progress_);
    result_ = new QLabel(this);
    result_->setWordWrap(true);
    result_->setFont(Bigger(font(), 1.1, true));
    column->addWidget(result_);
    column->addStretch();

    // The chosen picture stands out with the warm ring the window's buttons glow with.
    setStyleSheet(
        QStringLiteral("QToolButton { border: 2px solid #c8c8c8; border-radius: 14px; background: #fafafa; }"
                       "QToolButton:checked { border: 4px solid #ffa02e; background: #fff4d6; }"
                       "QCheckBox::indicator { width: 28px; height: 28px; }"));
    connect(kinds_, &QButtonGroup::idClicked, this, [this](int id) { chooseKind(ExportKind(id)); });
    connect(makeButton_, &QPushButton::clicked, this, [this] { make(); });
    chooseKind(ExportKind::Booklet);
}

WeekExportPage::~WeekExportPage() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
}

void WeekExportPage::chooseKind(ExportKind kind) {
    kind_ = kind;
    kinds_->button(int(kind))->setChecked(true);
    speed_->setVisible(kind == ExportKind::Film);
    speedLabel_->setVisible(kind == ExportKind::Film);
    covers_->setVisible(kind == ExportKind::Booklet);
}

ExportRequest WeekExportPage::request() const {
    ExportRequest r;
    const int one = whose_->currentData().toInt();
    for (int i = 0; i < int(galleries_.size()); ++i)
        if (one < 0 || one == i) r.children.push_back(galleries_[std::size_t(i)]);
    r.from = from_->date();
    r.to = to_->date();
    r.kind = kind_;
    r.target = target_;
    r.secondsPerPicture = speed_->value();
    r.covers = covers_->isChecked();
    r.language = language_;
    return r;
}

QString WeekExportPage::resultLine() const { return result_->text(); }

QString WeekExportPage::proposedPath() const {
    const ExportRequest r = request();
    QString who = r.children.size() == 1 ? SafeNamePiece(r.children.front().name) : QString();
    if (who.isEmpty()) who = SafeNamePiece(Words("week.cover", language_));
    QString name = who + QLatin1Char(' ') + r.from.toString(Qt::ISODate);
    if (r.to != r.from) name += QStringLiteral(" – ") + r.to.toString(Qt::ISODate);
    if (kind_ == ExportKind::Booklet) name += QStringLiteral(".pdf");
    if (kind_ == ExportKind::Film) name += QStringLiteral(".webp");
    QString folder = settings_.saveFolder();
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    return QDir(folder).absoluteFilePath(name);
}

void WeekExportPage::make() {
    if (working()) {
        cancel_ = true;  // the button reads "Stop" while the work runs
        return;
    }
    if (worker_.joinable()) worker_.join();
    if (!dialog_) return;
    const char* ask = kind_ == ExportKind::Pictures  ? "week.where.pictures"
                      : kind_ == ExportKind::Booklet ? "week.where.booklet"
                                                     : "week.where.film";
    const QString filter = kind_ == ExportKind::Booklet ? QStringLiteral("PDF (*.pdf)")
                           : kind_ == ExportKind::Film  ? QStringLiteral("WebP (*.webp)")
                                                        : QString();
    const std::optional<QString> target = dialog_->saveFileName(Words(ask, language_), proposedPath(), filter);
    if (!target || target->isEmpty()) return;
    target_ = *target;

    ExportRequest r = request();
    // The printer's own paper when there is one (Letter in America), else A4.
    // Asked here, not when the page opens: the print system may be slow to answer.
    if (const std::optional<QPageSize> paper = DefaultPrinterPaper()) r.paper = *paper;
    taken_ = current_ ? current_() : std::vector<CurrentDrawing>{};
    r.current = taken_;
    cancel_ = false;
    finished_ = false;
    result_->clear();
    progress_->setRange(0, 0);  // busy until the drawings are counted
    makeButton_->setText(Words("week.stop", language_));
    worker_ = std::thread([this, r] {
        ExportProgress progress;
        progress.cancel = &cancel_;
        progress.step = [this](int done, int total) {
            QMetaObject::invokeMethod(
                this,
                [this, done, total] {
                    progress_->setRange(0, total);
                    progress_->setValue(done);
                },
                Qt::QueuedConnection);
        };
        const ExportResult result = ExportDrawings(r, progress);
        finished_ = true;
        QMetaObject::invokeMethod(
            this, [this, result] { finished(result); }, Qt::QueuedConnection);
    });
}

void WeekExportPage::finished(const ExportResult& result) {
    if (worker_.joinable()) worker_.join();
    taken_.clear();
    makeButton_->setText(Words("week.make", language_));
    progress_->setRange(0, 1);
    progress_->setValue(result.outcome == ExportResult::Outcome::Done ? 1 : 0);
    QString line;
    switch (result.outcome) {
        case ExportResult::Outcome::Done: {
            const char* key = kind_ == ExportKind::Pictures  ? "week.done.pictures"
                              : kind_ == ExportKind::Booklet ? "week.done.booklet"
                                                             : "week.done.film";
            line = Words(key, language_).arg(result.written);
            break;
        }
        case ExportResult::Outcome::Nothing:
            line = Words("week.nothing", language_);
            break;
        case ExportResult::Outcome::Cancelled:
            line = Words("week.stopped", language_);
            break;
        case ExportResult::Outcome::NotWritten:
            line = Words("week.failed", language_).arg(result.why);
            break;
    }
    if (result.unreadable > 0) line += QLatin1Char('\n') + Words("week.unreadable", language_).arg(result.unreadable);
    if (result.overLimit > 0) line += QLatin1Char('\n') + Words("week.toomany", language_).arg(result.overLimit);
    result_->setText(line);
}

}  // namespace pintaloo
