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

class QSettings;

namespace pintaloo {

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

private:
    int scanSeconds_ = 0;
    int scanSwitches_ = 1;
    bool sound_ = true;
    std::optional<QString> language_;
    bool fullScreen_ = false;
    QString folder_;
};

}  // namespace pintaloo
