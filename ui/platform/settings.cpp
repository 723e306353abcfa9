// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
// A school's file is a few dozen lines; anything far bigger is not one.
constexpr qint64 kMostSystemBytes = 64 * 1024;
// The user's own file: a long list of children is a few KiB.
constexpr qint64 kMostUserBytes = 1024 * 1024;
constexpr int kMostConfigDirs = 16;  // more in $XDG_CONFIG_DIRS is a damaged environment

// In the order of SettingKey.
constexpr const char* kNames[kSettingKeyCount] = {kSound,     kLanguage,   kFullScreen,    kFolder,
                                                  kScanSeconds, kScanSwitches, kStartBlank, kSaveFolder,
                                                  kNoQuit,    kNoPrint,    kNoFileDialogs, kKeepFullScreen,
                                                  kChildren};

std::optional<bool> ParseBool(const QString& value) {
    // Only the words QSettings itself writes count; anything else a hand or a
    // broken disk left there is the default.
    const QString text = value.trimmed().toLower();
    if (text == QLatin1String("true")) return true;
    if (text == QLatin1String("false")) return false;
    return std::nullopt;
}

std::optional<int> ParseInt(const QString& value, int low, int high) {
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    if (ok && n >= low && n <= high) return n;
    return std::nullopt;
}

// The bytes of a plain file of at most `most` bytes, read without following
// a link and without waiting on a pipe; nothing for anything else.
std::optional<QByteArray> ReadPlainFile(const QString& path, qint64 most) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::optional<QByteArray> bytes;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= most) {
        QByteArray data(qsizetype(most) + 1, Qt::Uninitialized);
        qsizetype got = 0;
        while (got < data.size()) {
            const ssize_t n = ::read(fd, data.data() + got, std::size_t(data.size() - got));
            if (n <= 0) break;
            got += n;
        }
        if (got <= most) bytes = data.left(got);  // a file that grew past the cap while read is refused
    }
    ::close(fd);
    return bytes;
}

// The school's file in the few words of INI a grown-up writes by hand:
// [group] lines, key=value lines, # and ; comments; "\" in a key is "/" as
// QSettings writes it. A NUL byte means it is not text at all: nothing counts.
std::map<QString, QString> ParseIni(const QByteArray& bytes) {
    std::map<QString, QString> values;
    if (bytes.contains('\0')) return values;
    QString group;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';'))) continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2).trimmed();
            if (group.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0) group.clear();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) continue;
        QString key = line.left(eq).trimmed().replace(QLatin1Char('\\'), QLatin1Char('/'));
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        values[group.isEmpty() ? key : group + QLatin1Char('/') + key] = value;
    }
    return values;
}

QString UserFilePath() {
    QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (home.isEmpty() || !QDir::isAbsolutePath(home)) home = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(home) + QStringLiteral("/pintaloo/pintaloo.conf");
}

}  // namespace

const char* SettingName(SettingKey key) { return kNames[std::size_t(key)]; }

std::optional<SettingKey> SettingFromName(const QString& name) {
    for (int i = 0; i < kSettingKeyCount; ++i)
        if (name.compare(QLatin1String(kNames[i]), Qt::CaseInsensitive) == 0) return SettingKey(i);
    return std::nullopt;
}

QString QSettingsPort::UserFile() { return UserFilePath(); }

QString QSettingsPort::SystemFile() {
    // The freedesktop rule: the folders in order of importance, the first
    // that has the file wins.
    QStringList dirs = qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (dirs.isEmpty()) dirs << QStringLiteral("/etc/xdg");
    for (const QString& dir : dirs.mid(0, kMostConfigDirs)) {
        if (!QDir::isAbsolutePath(dir)) continue;
        const QString file = QDir::cleanPath(dir) + QStringLiteral("/pintaloo/pintaloo.conf");
        if (QFileInfo(file).exists() || QFileInfo(file).isSymLink()) return file;
    }
    return {};
}

QSettingsPort::QSettingsPort() : QSettingsPort(UserFilePath(), SystemFile()) {}

QSettingsPort::QSettingsPort(const QString& file) : QSettingsPort(file, QString()) {}

QSettingsPort::QSettingsPort(const QString& file, const QString& systemFile) {
    // QSettings would open a pipe and wait for a writer forever, and read a
    // huge file whole: such a file is left as it is and this run keeps its
    // choices in a scratch file instead.
    const QFileInfo info(file);
    QString usable = file;
    if (info.exists() && !info.isDir() && (!info.isFile() || info.size() > kMostUserBytes)) {
        scratch_ = std::make_unique<QTemporaryDir>();
        usable = scratch_->filePath(QStringLiteral("pintaloo.conf"));
    }
    settings_ = std::make_unique<QSettings>(usable, QSettings::IniFormat);
    settings_->setFallbacksEnabled(false);  // the system file is read here, with care, not by QSettings
    if (!systemFile.isEmpty()) readSystemFile(systemFile);
}

void QSettingsPort::readSystemFile(const QString& path) {
    const auto bytes = ReadPlainFile(path, kMostSystemBytes);
    if (!bytes) return;
    system_ = ParseIni(*bytes);
    for (const auto& [key, value] : system_) {
        if (!key.startsWith(QLatin1String("locked/"), Qt::CaseInsensitive)) continue;
        const auto setting = SettingFromName(key.mid(7));
        if (setting && ParseBool(value).value_or(false)) locked_.set(std::size_t(*setting));
    }
}

bool QSettingsPort::isLocked(const char* key) const {
    const auto setting = SettingFromName(QLatin1String(key));
    return setting && locked_.test(std::size_t(*setting));
}

std::optional<QString> QSettingsPort::userText(const char* key) const {
    if (isLocked(key)) return std::nullopt;
    const QVariant v = settings_->value(QLatin1String(key));
    if (!v.isValid()) return std::nullopt;
    return v.toString();
}

std::optional<QString> QSettingsPort::systemText(const char* key) const {
    // Keys read case-blind, as a hand may write them.
    for (const auto& [name, value] : system_)
        if (name.compare(QLatin1String(key), Qt::CaseInsensitive) == 0) return value;
    return std::nullopt;
}

QSettingsPort::~QSettingsPort() = default;

QString QSettingsPort::fileName() const { return settings_->fileName(); }

// The school's value is the default the user's file may change; a value
// that does not read is the one below it.
bool QSettingsPort::readBool(const char* key, bool fallback) const {
    const auto system = systemText(key);
    const bool school = system ? ParseBool(*system).value_or(fallback) : fallback;
    const auto user = userText(key);
    return user ? ParseBool(*user).value_or(school) : school;
}

int QSettingsPort::readInt(const char* key, int low, int high, int fallback) const {
    const auto system = systemText(key);
    const int school = system ? ParseInt(*system, low, high).value_or(fallback) : fallback;
    const auto user = userText(key);
    return user ? ParseInt(*user, low, high).value_or(school) : school;
}

QString QSettingsPort::readText(const char* key) const {
    if (!isLocked(key)) {
        const QVariant v = settings_->value(QLatin1String(key));
        if (v.typeId() == QMetaType::QString) return v.toString();
        if (v.isValid()) return {};  // a list or a number where a folder belongs
    }
    return systemText(key).value_or(QString()).left(4096);
}

void QSettingsPort::write(const char* key, const QVariant& value) {
    if (isLocked(key)) return;  // the school's choice stays
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
    // Only a language the program speaks, in its own code; the user's choice
    // over the school's when it is one.
    for (const auto& text : {userText(kLanguage), systemText(kLanguage)}) {
        if (!text) continue;
        if (const auto language = LanguageFromCode(*text)) return LanguageCode(*language);
        if (isLocked(kLanguage)) break;
    }
    return std::nullopt;
}

void QSettingsPort::setLanguageOverride(const std::optional<QString>& code) {
    if (isLocked(kLanguage)) return;
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

QString QSettingsPort::lastFolder() const { return readText(kFolder); }
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

QString QSettingsPort::saveFolder() const { return readText(kSaveFolder); }
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
    // The school's list when it is locked or the user's file has none
    // (children/size=2, children/1/name=..., as QSettings writes an array).
    if (isLocked(kChildren) || !settings_->contains(QStringLiteral("children/size"))) {
        const int size = ParseInt(systemText("children/size").value_or(QString()), 0, kMaxChildren).value_or(0);
        for (int i = 1; i <= size; ++i) {
            const QString at = QStringLiteral("children/%1/").arg(i);
            ChildEntry child;
            child.name = systemText((at + QStringLiteral("name")).toUtf8().constData()).value_or(QString()).trimmed().left(40);
            child.picture = ParseInt(systemText((at + QStringLiteral("picture")).toUtf8().constData()).value_or(QString()), 1, 40)
                                .value_or(1);
            if (!child.name.isEmpty()) found.push_back(child);
        }
        if (isLocked(kChildren) || !found.empty()) return found;
    }
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
    if (isLocked(kChildren) || this->children() == children) return;
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

bool QSettingsPort::locked(SettingKey key) const { return locked_.test(std::size_t(key)); }

bool RunSettings::setForThisRun(SettingKey key, const QVariant& value) {
    if (kept_.locked(key)) return false;
    run_[key] = value;
    return true;
}

bool RunSettings::runBool(SettingKey key, bool kept) const {
    const auto it = run_.find(key);
    return it == run_.end() || kept_.locked(key) ? kept : it->second.toBool();
}

int RunSettings::runInt(SettingKey key, int kept) const {
    const auto it = run_.find(key);
    return it == run_.end() || kept_.locked(key) ? kept : it->second.toInt();
}

QString RunSettings::saveFolder() const {
    const auto it = run_.find(SettingKey::SaveFolder);
    return it == run_.end() || kept_.locked(SettingKey::SaveFolder) ? kept_.saveFolder() : it->second.toString();
}

}  // namespace pintaloo
