// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few choices kept between runs: sound on or off, the language chosen
// with --lang or in the window, full screen, and the folder last used to save
// or open a picture. Nothing else about a session is kept.
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

class QSettings;

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
// ~/.config when unset). A damaged or unreadable file reads as the defaults,
// and a value of the wrong kind as its default: the program always starts.
class QSettingsPort final : public SettingsPort {
public:
    QSettingsPort();                              // the usual place
    explicit QSettingsPort(const QString& file);  // a given file (tests, portable runs)
    ~QSettingsPort() override;

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
    bool readBool(const char* key, bool fallback) const;
    int readInt(const char* key, int low, int high, int fallback) const;
    void write(const char* key, const QVariant& value);

    std::unique_ptr<QSettings> settings_;
};

// Kept only in memory: for tests and for a run that must leave no trace.
class MemorySettings final : public SettingsPort {
public:
    bool soundOn() const override { return sound_; }
    void setSoundOn(bool on) override { sound_ = on; }
    std::optional<QString> languageOverride() const override { return language_; }
    void setLanguageOverride(const std::optional<QString>& code) override { language_ = code; }
    bool fullScreen() const override { return fullScreen_; }
    void setFullScreen(bool on) override { fullScreen_ = on; }
    QString lastFolder() const override { return folder_; }
    void setLastFolder(const QString& folder) override { folder_ = folder; }
    int scanSeconds() const override { return scanSeconds_; }
    void setScanSeconds(int seconds) override { scanSeconds_ = seconds; }
    int scanSwitches() const override { return scanSwitches_; }
    void setScanSwitches(int switches) override { scanSwitches_ = switches; }
    bool startBlank() const override { return startBlank_; }
    void setStartBlank(bool on) override { startBlank_ = on; }
    QString saveFolder() const override { return saveFolder_; }
    void setSaveFolder(const QString& folder) override { saveFolder_ = folder; }
    bool noQuit() const override { return noQuit_; }
    void setNoQuit(bool on) override { noQuit_ = on; }
    bool noPrint() const override { return noPrint_; }
    void setNoPrint(bool on) override { noPrint_ = on; }
    bool noFileDialogs() const override { return noFileDialogs_; }
    void setNoFileDialogs(bool on) override { noFileDialogs_ = on; }
    bool keepFullScreen() const override { return keepFullScreen_; }
    void setKeepFullScreen(bool on) override { keepFullScreen_ = on; }
    std::vector<ChildEntry> children() const override { return children_; }
    void setChildren(const std::vector<ChildEntry>& children) override { children_ = children; }
    bool locked(SettingKey) const override { return false; }

private:
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
