// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few choices kept between runs: sound on or off, the language chosen
// with --lang or in the window, full screen, and the folder last used to save
// or open a picture. Nothing else about a session is kept.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <bitset>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QSettings;
class QTemporaryDir;

namespace pintaloo {

// Every choice a grown-up can make, each one key in the settings file and
// in the system-wide defaults (where it can be locked).
enum class SettingKey {
    Sound,
    Language,
    FullScreen,
    LastFolder,
    ScanSeconds,
    ScanSwitches,
    StartBlank,      // start on a blank page (the last drawing filed first)
    SaveFolder,      // where drawings are kept; empty for the usual Pictures/Pintaloo
    NoQuit,          // closing asks the grown-up question
    NoPrint,         // no printing
    NoFileDialogs,   // open and save reach only the child's own drawings
    KeepFullScreen,  // full screen cannot be left
    Children,        // the children who share this account
};
inline constexpr int kSettingKeyCount = int(SettingKey::Children) + 1;

// A key's name in the settings files ("lock/noPrint"), as a grown-up writes
// it in the system-wide file and under its [locked] group.
const char* SettingName(SettingKey key);
std::optional<SettingKey> SettingFromName(const QString& name);

// A child on a shared account: a name and one of the program's own stamps
// (1..40) as the picture they press at start.
struct ChildEntry {
    QString name;
    int picture = 1;
    bool operator==(const ChildEntry&) const = default;
};

class SettingsPort {
public:
    virtual ~SettingsPort() = default;

    virtual bool soundOn() const = 0;  // true until turned off
    virtual void setSoundOn(bool on) = 0;
    virtual std::optional<QString> languageOverride() const = 0;  // a program code ("ge"), or none
    virtual void setLanguageOverride(const std::optional<QString>& code) = 0;
    virtual bool fullScreen() const = 0;  // false until chosen
    virtual void setFullScreen(bool on) = 0;
    virtual QString lastFolder() const = 0;  // empty until a save or an open
    virtual void setLastFolder(const QString& folder) = 0;
    // Switch scanning: seconds between steps (1 to 5), 0 when off; one switch or two.
    virtual int scanSeconds() const = 0;
    virtual void setScanSeconds(int seconds) = 0;
    virtual int scanSwitches() const = 0;
    virtual void setScanSwitches(int switches) = 0;
    virtual bool startBlank() const = 0;  // false: start with the last drawing
    virtual void setStartBlank(bool on) = 0;
    virtual QString saveFolder() const = 0;  // empty: the usual folder
    virtual void setSaveFolder(const QString& folder) = 0;
    virtual bool noQuit() const = 0;
    virtual void setNoQuit(bool on) = 0;
    virtual bool noPrint() const = 0;
    virtual void setNoPrint(bool on) = 0;
    virtual bool noFileDialogs() const = 0;
    virtual void setNoFileDialogs(bool on) = 0;
    virtual bool keepFullScreen() const = 0;
    virtual void setKeepFullScreen(bool on) = 0;
    virtual std::vector<ChildEntry> children() const = 0;  // none or one: one pile of drawings, as always
    virtual void setChildren(const std::vector<ChildEntry>& children) = 0;
    // Set by the school (the system-wide file) and not to be changed: the
    // setters leave a locked key as it is.
    virtual bool locked(SettingKey key) const = 0;
};

// Kept in the user's settings folder ($XDG_CONFIG_HOME/pintaloo/pintaloo.conf,
// ~/.config when unset), over the school's defaults in the system-wide file
// (pintaloo/pintaloo.conf in the first folder of $XDG_CONFIG_DIRS that has
// one, /etc/xdg when unset). The system file's [locked] group names the keys
// the user's file cannot change:
//     [lock]
//     noPrint=true
//     [locked]
//     lock/noPrint=true
// A damaged or unreadable file reads as the defaults, and a value of the
// wrong kind as its default: the program always starts. The system file is
// read only when it is a plain file (no link, pipe or device) of at most
// 64 KiB without NUL bytes; a user's file that is a pipe, a device or over
// 1 MiB is left alone and this run keeps its choices in a scratch file.
class QSettingsPort final : public SettingsPort {
public:
    QSettingsPort();                              // the usual places
    explicit QSettingsPort(const QString& file);  // a given file and no system file (tests, portable runs)
    QSettingsPort(const QString& file, const QString& systemFile);  // both given (tests)
    ~QSettingsPort() override;

    // The user's file and the system file the usual places give (the system
    // file is empty when none of the folders has one).
    static QString UserFile();
    static QString SystemFile();

    bool soundOn() const override;
    void setSoundOn(bool on) override;
    std::optional<QString> languageOverride() const override;
    void setLanguageOverride(const std::optional<QString>& code) override;
    bool fullScreen() const override;
    void setFullScreen(bool on) override;
    QString lastFolder() const override;
    void setLastFolder(const QString& folder) override;
    int scanSeconds() const override;
    void setScanSeconds(int seconds) override;
    int scanSwitches() const override;
    void setScanSwitches(int switches) override;
    bool startBlank() const override;
    void setStartBlank(bool on) override;
    QString saveFolder() const override;
    void setSaveFolder(const QString& folder) override;
    bool noQuit() const override;
    void setNoQuit(bool on) override;
    bool noPrint() const override;
    void setNoPrint(bool on) override;
    bool noFileDialogs() const override;
    void setNoFileDialogs(bool on) override;
    bool keepFullScreen() const override;
    void setKeepFullScreen(bool on) override;
    std::vector<ChildEntry> children() const override;
    void setChildren(const std::vector<ChildEntry>& children) override;
    bool locked(SettingKey key) const override;

    // Where the values live, for messages and tests.
    QString fileName() const;

private:
    void readSystemFile(const QString& path);
    bool isLocked(const char* key) const;
    // The user's value as text when the key is not locked and the user's file has it.
    std::optional<QString> userText(const char* key) const;
    std::optional<QString> systemText(const char* key) const;
    bool readBool(const char* key, bool fallback) const;
    int readInt(const char* key, int low, int high, int fallback) const;
    QString readText(const char* key) const;
    void write(const char* key, const QVariant& value);

    std::unique_ptr<QTemporaryDir> scratch_;  // only when the user's file is unusable
    std::unique_ptr<QSettings> settings_;
    std::map<QString, QString> system_;  // "group/key" -> value as written
    std::bitset<kSettingKeyCount> locked_;
};

// The settings with this run's command line over them: an option changes
// the run, not the user's file, and never a locked key. A setter (the
// settings window) is passed on and ends the option's hold on that key.
class RunSettings final : public SettingsPort {
public:
    explicit RunSettings(SettingsPort& kept) : kept_(kept) {}
    // False when the key is locked: the option is refused.
    bool setForThisRun(SettingKey key, const QVariant& value);

    bool soundOn() const override { return runBool(SettingKey::Sound, kept_.soundOn()); }
    void setSoundOn(bool on) override {
        pass(SettingKey::Sound);
        kept_.setSoundOn(on);
    }
    std::optional<QString> languageOverride() const override { return kept_.languageOverride(); }
    void setLanguageOverride(const std::optional<QString>& code) override { kept_.setLanguageOverride(code); }
    bool fullScreen() const override { return kept_.fullScreen(); }
    void setFullScreen(bool on) override { kept_.setFullScreen(on); }
    QString lastFolder() const override { return kept_.lastFolder(); }
    void setLastFolder(const QString& folder) override { kept_.setLastFolder(folder); }
    int scanSeconds() const override { return runInt(SettingKey::ScanSeconds, kept_.scanSeconds()); }
    void setScanSeconds(int seconds) override {
        pass(SettingKey::ScanSeconds);
        kept_.setScanSeconds(seconds);
    }
    int scanSwitches() const override { return runInt(SettingKey::ScanSwitches, kept_.scanSwitches()); }
    void setScanSwitches(int switches) override {
        pass(SettingKey::ScanSwitches);
        kept_.setScanSwitches(switches);
    }
    bool startBlank() const override { return runBool(SettingKey::StartBlank, kept_.startBlank()); }
    void setStartBlank(bool on) override {
        pass(SettingKey::StartBlank);
        kept_.setStartBlank(on);
    }
    QString saveFolder() const override;
    void setSaveFolder(const QString& folder) override {
        pass(SettingKey::SaveFolder);
        kept_.setSaveFolder(folder);
    }
    bool noQuit() const override { return runBool(SettingKey::NoQuit, kept_.noQuit()); }
    void setNoQuit(bool on) override {
        pass(SettingKey::NoQuit);
        kept_.setNoQuit(on);
    }
    bool noPrint() const override { return runBool(SettingKey::NoPrint, kept_.noPrint()); }
    void setNoPrint(bool on) override {
        pass(SettingKey::NoPrint);
        kept_.setNoPrint(on);
    }
    bool noFileDialogs() const override { return runBool(SettingKey::NoFileDialogs, kept_.noFileDialogs()); }
    void setNoFileDialogs(bool on) override {
        pass(SettingKey::NoFileDialogs);
        kept_.setNoFileDialogs(on);
    }
    bool keepFullScreen() const override { return runBool(SettingKey::KeepFullScreen, kept_.keepFullScreen()); }
    void setKeepFullScreen(bool on) override {
        pass(SettingKey::KeepFullScreen);
        kept_.setKeepFullScreen(on);
    }
    std::vector<ChildEntry> children() const override { return kept_.children(); }
    void setChildren(const std::vector<ChildEntry>& children) override { kept_.setChildren(children); }
    bool locked(SettingKey key) const override { return kept_.locked(key); }

private:
    bool runBool(SettingKey key, bool kept) const;
    int runInt(SettingKey key, int kept) const;
    void pass(SettingKey key) { run_.erase(key); }

    SettingsPort& kept_;
    std::map<SettingKey, QVariant> run_;
};

// Kept only in memory: for tests and for a run that must leave no trace.
// A test may lock a key as the school's file would: its setter then does nothing.
class MemorySettings final : public SettingsPort {
public:
    void lock(SettingKey key) { locked_.set(std::size_t(key)); }

    bool soundOn() const override { return sound_; }
    void setSoundOn(bool on) override { if (!locked(SettingKey::Sound)) sound_ = on; }
    std::optional<QString> languageOverride() const override { return language_; }
    void setLanguageOverride(const std::optional<QString>& code) override { if (!locked(SettingKey::Language)) language_ = code; }
    bool fullScreen() const override { return fullScreen_; }
    void setFullScreen(bool on) override { if (!locked(SettingKey::FullScreen)) fullScreen_ = on; }
    QString lastFolder() const override { return folder_; }
    void setLastFolder(const QString& folder) override { if (!locked(SettingKey::LastFolder)) folder_ = folder; }
    int scanSeconds() const override { return scanSeconds_; }
    void setScanSeconds(int seconds) override { if (!locked(SettingKey::ScanSeconds)) scanSeconds_ = seconds; }
    int scanSwitches() const override { return scanSwitches_; }
    void setScanSwitches(int switches) override { if (!locked(SettingKey::ScanSwitches)) scanSwitches_ = switches; }
    bool startBlank() const override { return startBlank_; }
    void setStartBlank(bool on) override { if (!locked(SettingKey::StartBlank)) startBlank_ = on; }
    QString saveFolder() const override { return saveFolder_; }
    void setSaveFolder(const QString& folder) override { if (!locked(SettingKey::SaveFolder)) saveFolder_ = folder; }
    bool noQuit() const override { return noQuit_; }
    void setNoQuit(bool on) override { if (!locked(SettingKey::NoQuit)) noQuit_ = on; }
    bool noPrint() const override { return noPrint_; }
    void setNoPrint(bool on) override { if (!locked(SettingKey::NoPrint)) noPrint_ = on; }
    bool noFileDialogs() const override { return noFileDialogs_; }
    void setNoFileDialogs(bool on) override { if (!locked(SettingKey::NoFileDialogs)) noFileDialogs_ = on; }
    bool keepFullScreen() const override { return keepFullScreen_; }
    void setKeepFullScreen(bool on) override { if (!locked(SettingKey::KeepFullScreen)) keepFullScreen_ = on; }
    std::vector<ChildEntry> children() const override { return children_; }
    void setChildren(const std::vector<ChildEntry>& children) override { if (!locked(SettingKey::Children)) children_ = children; }
    bool locked(SettingKey key) const override { return locked_.test(std::size_t(key)); }

private:
    std::bitset<kSettingKeyCount> locked_;
    bool startBlank_ = false;
    bool noQuit_ = false;
    bool noPrint_ = false;
    bool noFileDialogs_ = false;
    bool keepFullScreen_ = false;
    QString saveFolder_;
    std::vector<ChildEntry> children_;
    int scanSeconds_ = 0;
    int scanSwitches_ = 1;
    bool sound_ = true;
    std::optional<QString> language_;
    bool fullScreen_ = false;
    QString folder_;
};

}  // namespace pintaloo
