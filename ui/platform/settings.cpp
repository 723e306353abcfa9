// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/settings.h"

#include <QSettings>
#include <algorithm>

#include "ui/words/language.h"

namespace pintaloo {

namespace {

constexpr const char* kSound = "sound/on";
constexpr const char* kLanguage = "language/override";
constexpr const char* kFullScreen = "window/fullScreen";
constexpr const char* kFolder = "files/lastFolder";
constexpr const char* kScanSeconds = "scan/seconds";
constexpr const char* kScanSwitches = "scan/switches";
constexpr const char* kStartBlank = "start/blank";
constexpr const char* kSaveFolder = "files/saveFolder";
constexpr const char* kNoQuit = "lock/noQuit";
constexpr const char* kNoPrint = "lock/noPrint";
constexpr const char* kNoFileDialogs = "lock/noFileDialogs";
constexpr const char* kKeepFullScreen = "lock/keepFullScreen";
constexpr const char* kChildren = "children";
constexpr int kMaxChildren = 40;  // a class and then some; more is a damaged file

}  // namespace

QSettingsPort::QSettingsPort()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("pintaloo"),
                                            QStringLiteral("pintaloo"))) {}

QSettingsPort::QSettingsPort(const QString& file)
    : settings_(std::make_unique<QSettings>(file, QSettings::IniFormat)) {}

QSettingsPort::~QSettingsPort() = default;

QString QSettingsPort::fileName() const { return settings_->fileName(); }

bool QSettingsPort::readBool(const char* key, bool fallback) const {
    // Only the words QSettings itself writes count; anything else a hand or a
    // broken disk left there is the default.
    const QString text = settings_->value(QLatin1String(key)).toString().trimmed().toLower();
    if (text == QLatin1String("true")) return true;
    if (text == QLatin1String("false")) return false;
    return fallback;
}

int QSettingsPort::readInt(const char* key, int low, int high, int fallback) const {
    bool ok = false;
    const int n = settings_->value(QLatin1String(key)).toString().trimmed().toInt(&ok);
    return ok && n >= low && n <= high ? n : fallback;
}

void QSettingsPort::write(const char* key, const QVariant& value) {
    // Every start tells the settings how the window is shown; rewriting the
    // file with what it already holds cost 2-3 ms of every start (and a
    // write to disk), so only a change is written.
    const QVariant stored = settings_->value(QLatin1String(key));
    if (stored.isValid() && stored.toString() == value.toString()) return;
    settings_->setValue(QLatin1String(key), value);
    // Written at once: a child may well end the session with the power button.
    settings_->sync();
}

bool QSettingsPort::soundOn() const { return readBool(kSound, true); }
void QSettingsPort::setSoundOn(bool on) {
    if (soundOn() != on) write(kSound, on);  // the default is kept without a file
}

std::optional<QString> QSettingsPort::languageOverride() const {
    // Only a language the program speaks, in its own code.
    const auto language = LanguageFromCode(settings_->value(QLatin1String(kLanguage)).toString());
    if (!language) return std::nullopt;
    return LanguageCode(*language);
}

void QSettingsPort::setLanguageOverride(const std::optional<QString>& code) {
    // Kept in the program's own code; a code it does not know forgets the choice.
    const auto language = code ? LanguageFromCode(*code) : std::nullopt;
    if (language) {
        write(kLanguage, LanguageCode(*language));
    } else {
        settings_->remove(QLatin1String(kLanguage));
        settings_->sync();
    }
}

bool QSettingsPort::fullScreen() const { return readBool(kFullScreen, false); }
void QSettingsPort::setFullScreen(bool on) {
    if (fullScreen() != on) write(kFullScreen, on);  // the default is kept without a file
}

QString QSettingsPort::lastFolder() const {
    const QVariant v = settings_->value(QLatin1String(kFolder));
    return v.typeId() == QMetaType::QString ? v.toString() : QString();
}
void QSettingsPort::setLastFolder(const QString& folder) { write(kFolder, folder); }

// Scanning is off (0) until a grown-up turns it on; a number out of range reads as off.
int QSettingsPort::scanSeconds() const { return readInt(kScanSeconds, 0, 5, 0); }
void QSettingsPort::setScanSeconds(int seconds) { write(kScanSeconds, seconds); }
int QSettingsPort::scanSwitches() const { return readInt(kScanSwitches, 1, 2, 1); }
void QSettingsPort::setScanSwitches(int switches) { write(kScanSwitches, switches); }

bool QSettingsPort::startBlank() const { return readBool(kStartBlank, false); }
void QSettingsPort::setStartBlank(bool on) {
    if (startBlank() != on) write(kStartBlank, on);
}

QString QSettingsPort::saveFolder() const {
    const QVariant v = settings_->value(QLatin1String(kSaveFolder));
    return v.typeId() == QMetaType::QString ? v.toString() : QString();
}
void QSettingsPort::setSaveFolder(const QString& folder) { write(kSaveFolder, folder); }

bool QSettingsPort::noQuit() const { return readBool(kNoQuit, false); }
void QSettingsPort::setNoQuit(bool on) {
    if (noQuit() != on) write(kNoQuit, on);
}
bool QSettingsPort::noPrint() const { return readBool(kNoPrint, false); }
void QSettingsPort::setNoPrint(bool on) {
    if (noPrint() != on) write(kNoPrint, on);
}
bool QSettingsPort::noFileDialogs() const { return readBool(kNoFileDialogs, false); }
void QSettingsPort::setNoFileDialogs(bool on) {
    if (noFileDialogs() != on) write(kNoFileDialogs, on);
}
bool QSettingsPort::keepFullScreen() const { return readBool(kKeepFullScreen, false); }
void QSettingsPort::setKeepFullScreen(bool on) {
    if (keepFullScreen() != on) write(kKeepFullScreen, on);
}

std::vector<ChildEntry> QSettingsPort::children() const {
    std::vector<ChildEntry> found;
    const int n = settings_->beginReadArray(QLatin1String(kChildren));
    for (int i = 0; i < std::min(n, kMaxChildren); ++i) {
        settings_->setArrayIndex(i);
        ChildEntry child;
        child.name = settings_->value(QStringLiteral("name")).toString().trimmed().left(40);
        child.picture = std::clamp(settings_->value(QStringLiteral("picture")).toInt(), 1, 40);
        if (!child.name.isEmpty()) found.push_back(child);
    }
    settings_->endArray();
    return found;
}
void QSettingsPort::setChildren(const std::vector<ChildEntry>& children) {
    if (this->children() == children) return;
    settings_->remove(QLatin1String(kChildren));
    settings_->beginWriteArray(QLatin1String(kChildren), int(children.size()));
    for (int i = 0; i < int(children.size()); ++i) {
        settings_->setArrayIndex(i);
        settings_->setValue(QStringLiteral("name"), children[std::size_t(i)].name);
        settings_->setValue(QStringLiteral("picture"), children[std::size_t(i)].picture);
    }
    settings_->endArray();
    settings_->sync();
}

bool QSettingsPort::locked(SettingKey) const { return false; }

}  // namespace pintaloo
