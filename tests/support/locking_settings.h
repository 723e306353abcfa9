// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Settings in memory with keys a school has locked: a locked key keeps its
// value whatever a setter asks, as the real settings do.
#include <set>

#include "ui/platform/settings.h"

namespace pintaloo::testkit {

class LockingSettings final : public SettingsPort {
public:
    void lock(SettingKey key) { locked_.insert(key); }

    bool soundOn() const override { return m_.soundOn(); }
    void setSoundOn(bool on) override { put(SettingKey::Sound, [&] { m_.setSoundOn(on); }); }
    std::optional<QString> languageOverride() const override { return m_.languageOverride(); }
    void setLanguageOverride(const std::optional<QString>& code) override {
        put(SettingKey::Language, [&] { m_.setLanguageOverride(code); });
    }
    bool fullScreen() const override { return m_.fullScreen(); }
    void setFullScreen(bool on) override { put(SettingKey::FullScreen, [&] { m_.setFullScreen(on); }); }
    QString lastFolder() const override { return m_.lastFolder(); }
    void setLastFolder(const QString& f) override { put(SettingKey::LastFolder, [&] { m_.setLastFolder(f); }); }
    int scanSeconds() const override { return m_.scanSeconds(); }
    void setScanSeconds(int s) override { put(SettingKey::ScanSeconds, [&] { m_.setScanSeconds(s); }); }
    int scanSwitches() const override { return m_.scanSwitches(); }
    void setScanSwitches(int s) override { put(SettingKey::ScanSwitches, [&] { m_.setScanSwitches(s); }); }
    bool startBlank() const override { return m_.startBlank(); }
    void setStartBlank(bool on) override { put(SettingKey::StartBlank, [&] { m_.setStartBlank(on); }); }
    QString saveFolder() const override { return m_.saveFolder(); }
    void setSaveFolder(const QString& f) override { put(SettingKey::SaveFolder, [&] { m_.setSaveFolder(f); }); }
    bool noQuit() const override { return m_.noQuit(); }
    void setNoQuit(bool on) override { put(SettingKey::NoQuit, [&] { m_.setNoQuit(on); }); }
    bool noPrint() const override { return m_.noPrint(); }
    void setNoPrint(bool on) override { put(SettingKey::NoPrint, [&] { m_.setNoPrint(on); }); }
    bool noFileDialogs() const override { return m_.noFileDialogs(); }
    void setNoFileDialogs(bool on) override { put(SettingKey::NoFileDialogs, [&] { m_.setNoFileDialogs(on); }); }
    bool keepFullScreen() const override { return m_.keepFullScreen(); }
    void setKeepFullScreen(bool on) override { put(SettingKey::KeepFullScreen, [&] { m_.setKeepFullScreen(on); }); }
    std::vector<ChildEntry> children() const override { return m_.children(); }
    void setChildren(const std::vector<ChildEntry>& c) override { put(SettingKey::Children, [&] { m_.setChildren(c); }); }
    bool locked(SettingKey key) const override { return locked_.count(key) != 0; }

private:
    template <class F>
    void put(SettingKey key, F f) {
        if (!locked(key)) f();
    }
    MemorySettings m_;
    std::set<SettingKey> locked_;
};

}  // namespace pintaloo::testkit
