// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/grownup_settings.h"

#include <algorithm>

#include <QButtonGroup>
#include <QDir>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ui/art/art_store.h"
#include "ui/window/grownup_look.h"
#include "ui/words/texts.h"

namespace pintaloo {

namespace {

constexpr int kIconSide = 56;

QPixmap Art(const char* name, int side) {
    return ArtStore::instance().pixmap(QStringLiteral(":/art/ui/%1.svg").arg(QLatin1String(name)), {side, side});
}

// Each language in its own name, so a grown-up finds theirs whatever the
// window speaks now.
QString OwnName(Language language) {
    switch (language) {
    case Language::English: return QStringLiteral("English");
    case Language::Romanian: return QStringLiteral("Română");
    case Language::French: return QStringLiteral("Français");
    case Language::German: return QStringLiteral("Deutsch");
    case Language::Italian: return QStringLiteral("Italiano");
    case Language::Spanish: return QStringLiteral("Español");
    case Language::Arabic: return QStringLiteral("العربية");
    case Language::Chinese: return QStringLiteral("简体中文");
    case Language::Japanese: return QStringLiteral("日本語");
    case Language::Korean: return QStringLiteral("한국어");
    case Language::Dutch: return QStringLiteral("Nederlands");
    case Language::Polish: return QStringLiteral("Polski");
    case Language::Portuguese: return QStringLiteral("Português (Brasil)");
    case Language::Russian: return QStringLiteral("Русский");
    case Language::Turkish: return QStringLiteral("Türkçe");
    case Language::Ukrainian: return QStringLiteral("Українська");
    }
    return {};
}

// A row's box: a soft card on the page, so each setting stands apart.
QWidget* Card() {
    auto* card = new QWidget;
    card->setProperty("card", true);
    card->setAttribute(Qt::WA_StyledBackground);
    return card;
}

// The same picture whether or not its page is chosen (Qt would pale it).
QIcon PageIcon(const QPixmap& picture) {
    QIcon icon;
    icon.addPixmap(picture, QIcon::Normal);
    icon.addPixmap(picture, QIcon::Selected);
    return icon;
}

QLabel* Wrapped(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    return label;
}

// Adds a row to the page's column, above the stretch that keeps rows at the top.
void AddRow(QWidget* page, QWidget* row) {
    auto* column = static_cast<QVBoxLayout*>(page->layout());
    column->insertWidget(column->count() - 1, row);
}

}  // namespace

GrownUpSettings::GrownUpSettings(Roles roles, QWidget* parent) : QDialog(parent), roles_(std::move(roles)) {
    setObjectName(QStringLiteral("grownUpSettings"));
    setModal(true);
    setStyleSheet(GrownUpStyleSheet());
    resize(980, 680);

    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("pages"));
    list_->setIconSize({kIconSide, kIconSide});
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setWordWrap(true);
    pages_ = new QStackedWidget;
    connect(list_, &QListWidget::currentRowChanged, pages_, &QStackedWidget::setCurrentIndex);

    done_ = new QPushButton;
    done_->setObjectName(QStringLiteral("done"));
    done_->setProperty("role", QStringLiteral("go"));
    done_->setAutoDefault(false);
    connect(done_, &QPushButton::clicked, this, &QDialog::accept);
    texts_.push_back([this](Language l) {
        done_->setText(Text("grownup.done", l));
        setWindowTitle(Text("grownup.settings.title", l));
    });

    auto* right = new QVBoxLayout;
    right->setContentsMargins(28, 20, 28, 20);
    right->addWidget(pages_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(done_);
    right->addLayout(bottom);
    auto* whole = new QHBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->setSpacing(0);
    whole->addWidget(list_);
    whole->addLayout(right, 1);

    SettingsPort& s = *roles_.settings;

    QWidget* page = newPage("grownup.page.sound", "grownup_sound");
    switchRow(page, "grownup.sound.on", SettingKey::Sound, "sound", [&s] { return s.soundOn(); },
              [this, &s](bool on) {
                  s.setSoundOn(on);
                  if (roles_.applySound) roles_.applySound(on);
              });

    page = newPage("grownup.page.language", "grownup_language");
    std::vector<Choice> languages;
    for (int i = 0; i < kLanguageCount; ++i) languages.push_back({OwnName(Language(i)), nullptr, i});
    choiceRow(page, nullptr, SettingKey::Language, "language", std::move(languages), 3,
              [this] { return int(roles_.language); }, [this, &s](int i) {
                  s.setLanguageOverride(LanguageCode(Language(i)));
                  if (roles_.applyLanguage) roles_.applyLanguage(Language(i));
                  setLanguage(Language(i));
              });

    page = newPage("grownup.page.screen", "grownup_screen");
    switchRow(page, "grownup.screen.full", SettingKey::FullScreen, "fullScreen", [&s] { return s.fullScreen(); },
              [this, &s](bool on) {
                  s.setFullScreen(on);
                  if (roles_.applyFullScreen) roles_.applyFullScreen(on);
              });

    page = newPage("grownup.page.start", "grownup_start");
    choiceRow(page, "grownup.start.heading", SettingKey::StartBlank, "startBlank",
              {{{}, "grownup.start.last", 0}, {{}, "grownup.start.blank", 1}}, 2, [&s] { return int(s.startBlank()); },
              [&s](int blank) { s.setStartBlank(blank != 0); });

    page = newPage("grownup.page.folder", "grownup_folder");
    folderRows(page);

    page = newPage("grownup.page.switches", "grownup_switches");
    std::vector<Choice> speeds{{{}, "grownup.scan.off", 0}};
    for (int seconds = 1; seconds <= 5; ++seconds) speeds.push_back({QString::number(seconds), nullptr, seconds});
    const auto scan = [this, &s] {
        if (roles_.applyScan) roles_.applyScan(s.scanSeconds(), s.scanSwitches());
    };
    choiceRow(page, "grownup.scan.speed", SettingKey::ScanSeconds, "scanSeconds", std::move(speeds), 6,
              [&s] { return s.scanSeconds(); }, [&s, scan](int seconds) {
                  s.setScanSeconds(seconds);
                  scan();
              });
    choiceRow(page, "grownup.scan.switches", SettingKey::ScanSwitches, "scanSwitches",
              {{{}, "grownup.scan.one", 1}, {{}, "grownup.scan.two", 2}}, 2, [&s] { return s.scanSwitches(); },
              [&s, scan](int switches) {
                  s.setScanSwitches(switches);
                  scan();
              });

    page = newPage("grownup.page.lockdown", "grownup_lockdown");
    switchRow(page, "grownup.lock.noQuit", SettingKey::NoQuit, "noQuit", [&s] { return s.noQuit(); },
              [&s](bool on) { s.setNoQuit(on); });
    switchRow(page, "grownup.lock.noPrint", SettingKey::NoPrint, "noPrint", [&s] { return s.noPrint(); },
              [&s](bool on) { s.setNoPrint(on); });
    switchRow(page, "grownup.lock.noFileDialogs", SettingKey::NoFileDialogs, "noFileDialogs",
              [&s] { return s.noFileDialogs(); }, [&s](bool on) { s.setNoFileDialogs(on); });
    switchRow(page, "grownup.lock.keepFullScreen", SettingKey::KeepFullScreen, "keepFullScreen",
              [&s] { return s.keepFullScreen(); }, [&s](bool on) { s.setKeepFullScreen(on); });

    setLanguage(roles_.language);
    list_->setCurrentRow(0);
}

// A page: its heading with the page's picture, then its rows from the
// top, in a scroll area in case a language's words run long.
QWidget* GrownUpSettings::newPage(const char* titleKey, const char* art) {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setSpacing(18);
    auto* heading = new QLabel;
    heading->setObjectName(QStringLiteral("heading"));
    column->addWidget(heading);
    column->addStretch();

    auto* scroll = new QScrollArea;
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pages_->addWidget(scroll);
    auto* item = new QListWidgetItem(PageIcon(Art(art, kIconSide)), QString(), list_);
    item->setSizeHint({0, kIconSide + 28});
    texts_.push_back([heading, item, titleKey](Language l) {
        heading->setText(Text(titleKey, l));
        item->setText(Text(titleKey, l));
    });
    return page;
}

void GrownUpSettings::addPage(const QString& title, const QIcon& icon, QWidget* page) {
    auto* frame = new QWidget;
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(18);
    auto* heading = new QLabel(title);
    heading->setObjectName(QStringLiteral("heading"));
    column->addWidget(heading);
    column->addWidget(page, 1);
    pages_->addWidget(frame);
    auto* item = new QListWidgetItem(icon.isNull() ? icon : PageIcon(icon.pixmap(kIconSide, kIconSide)), title, list_);
    item->setSizeHint({0, kIconSide + 28});
    fitList();
}

int GrownUpSettings::pageCount() const { return pages_->count(); }
void GrownUpSettings::showPage(int index) { list_->setCurrentRow(index); }

QWidget* GrownUpSettings::schoolLine(SettingKey key) {
    auto* line = new QWidget;
    line->setObjectName(QStringLiteral("school"));
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    auto* padlock = new QLabel;
    padlock->setPixmap(Art("grownup_padlock", 26));
    auto* words = new QLabel;
    words->setObjectName(QStringLiteral("school"));
    row->addWidget(padlock);
    row->addWidget(words, 1);
    texts_.push_back([words](Language l) { words->setText(Text("grownup.locked", l)); });
    line->setVisible(roles_.settings->locked(key));
    return line;
}

QWidget* GrownUpSettings::switchRow(QWidget* page, const char* textKey, SettingKey key, const char* name,
                                    std::function<bool()> get, std::function<void(bool)> set) {
    const bool locked = roles_.settings->locked(key);
    auto* box = Card();
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(22, 14, 18, 14);
    column->setSpacing(4);
    auto* row = new QHBoxLayout;
    auto* words = Wrapped(box);
    auto* toggle = new BigSwitch;
    toggle->setObjectName(QString::fromLatin1(name));
    toggle->setChecked(get());
    toggle->setEnabled(!locked);
    words->setEnabled(!locked);
    words->setBuddy(toggle);
    row->addWidget(words, 1);
    row->addWidget(toggle);
    column->addLayout(row);
    column->addWidget(schoolLine(key));
    texts_.push_back([words, toggle, textKey](Language l) {
        words->setText(Text(textKey, l));
        toggle->setAccessibleName(Text(textKey, l));
    });
    connect(toggle, &QAbstractButton::toggled, this, [this, key, toggle, get, set](bool on) {
        if (roles_.settings->locked(key)) {
            const QSignalBlocker quiet(toggle);
            toggle->setChecked(get());
            return;
        }
        set(on);
    });
    AddRow(page, box);
    return box;
}

QWidget* GrownUpSettings::choiceRow(QWidget* page, const char* headingKey, SettingKey key, const char* name,
                                    std::vector<Choice> choices, int columns, std::function<int()> get,
                                    std::function<void(int)> set) {
    const bool locked = roles_.settings->locked(key);
    auto* box = Card();
    box->setObjectName(QString::fromLatin1(name));
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(18, 14, 18, 18);
    column->setSpacing(10);
    if (headingKey) {
        auto* heading = Wrapped(box);
        heading->setEnabled(!locked);
        column->addWidget(heading);
        texts_.push_back([heading, headingKey](Language l) { heading->setText(Text(headingKey, l)); });
    }
    auto* grid = new QGridLayout;
    grid->setSpacing(10);
    auto* group = new QButtonGroup(box);
    group->setExclusive(true);
    const int now = get();
    int at = 0;
    for (const Choice& c : choices) {
        auto* b = new QPushButton(c.literal);
        b->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(c.value));
        b->setProperty("role", QStringLiteral("choice"));
        b->setCheckable(true);
        b->setChecked(c.value == now);
        b->setEnabled(!locked);
        b->setAutoDefault(false);
        group->addButton(b, c.value);
        grid->addWidget(b, at / columns, at % columns);
        ++at;
        if (c.textKey) texts_.push_back([b, k = c.textKey](Language l) { b->setText(Text(k, l)); });
    }
    column->addLayout(grid);
    column->addWidget(schoolLine(key));
    connect(group, &QButtonGroup::idClicked, this, [this, key, group, get, set](int value) {
        if (roles_.settings->locked(key)) {
            if (QAbstractButton* was = group->button(get())) was->setChecked(true);
            return;
        }
        set(value);
    });
    AddRow(page, box);
    return box;
}

QWidget* GrownUpSettings::folderRows(QWidget* page) {
    const bool locked = roles_.settings->locked(SettingKey::SaveFolder);
    auto* box = Card();
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(18, 14, 18, 18);
    column->setSpacing(12);
    auto* heading = Wrapped(box);
    heading->setEnabled(!locked);
    folder_ = Wrapped(box);
    folder_->setObjectName(QStringLiteral("folder"));
    folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A path reads left to right in every language.
    folder_->setLayoutDirection(Qt::LeftToRight);
    folder_->setEnabled(!locked);
    auto* choose = new QPushButton;
    choose->setObjectName(QStringLiteral("chooseFolder"));
    choose->setIcon(QIcon(Art("grownup_folder", 40)));
    choose->setIconSize({40, 40});
    choose->setAutoDefault(false);
    auto* usual = new QPushButton;
    usual->setObjectName(QStringLiteral("usualFolder"));
    usual->setAutoDefault(false);
    choose->setEnabled(!locked);
    usual->setEnabled(!locked);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(choose, 0, Qt::AlignLeading);
    buttons->addWidget(usual, 0, Qt::AlignLeading);
    column->addWidget(heading);
    column->addWidget(folder_);
    column->addLayout(buttons);
    column->addWidget(schoolLine(SettingKey::SaveFolder));
    texts_.push_back([heading, choose, usual](Language l) {
        heading->setText(Text("grownup.folder.heading", l));
        choose->setText(Text("grownup.folder.choose", l));
        usual->setText(Text("grownup.folder.usual", l));
    });
    SettingsPort& s = *roles_.settings;
    connect(choose, &QPushButton::clicked, this, [this, &s] {
        if (s.locked(SettingKey::SaveFolder) || !roles_.chooseFolder) return;
        const QString now = s.saveFolder().isEmpty() ? roles_.usualFolder : s.saveFolder();
        if (const auto chosen = roles_.chooseFolder(Text("grownup.folder.choose", roles_.language), now)) {
            s.setSaveFolder(*chosen);
            showFolder();
        }
    });
    connect(usual, &QPushButton::clicked, this, [this, &s] {
        if (s.locked(SettingKey::SaveFolder)) return;
        s.setSaveFolder(QString());
        showFolder();
    });
    AddRow(page, box);
    showFolder();
    return box;
}

void GrownUpSettings::showFolder() {
    const QString chosen = roles_.settings->saveFolder();
    folder_->setText(QDir::toNativeSeparators(chosen.isEmpty() ? roles_.usualFolder : chosen));
}

void GrownUpSettings::setLanguage(Language language) {
    roles_.language = language;
    setLayoutDirection(RightToLeft(language) ? Qt::RightToLeft : Qt::LeftToRight);
    retext();
}

void GrownUpSettings::retext() {
    for (const auto& f : texts_) f(roles_.language);
    fitList();
}

// The side list as wide as its longest word needs, so no page's name is
// cut short in a language with long words.
void GrownUpSettings::fitList() {
    QFont font = list_->font();
    font.setPixelSize(22);  // as the style sheet sets it
    font.setBold(true);
    const QFontMetrics metrics(font);
    int widest = 0;
    for (int i = 0; i < list_->count(); ++i) widest = std::max(widest, metrics.horizontalAdvance(list_->item(i)->text()));
    list_->setFixedWidth(std::max(250, widest + kIconSide + 80));
}

}  // namespace pintaloo
