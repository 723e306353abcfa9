// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The grown-up's settings window over every key off, on and locked; the
// question's answers; the two ways in and the presses that must not open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>

#include "tests/support/locking_settings.h"
#include "ui/window/grownup_door.h"
#include "ui/window/grownup_question.h"
#include "ui/window/grownup_settings.h"

namespace pintaloo {
namespace {

using testkit::LockingSettings;

// One key as the window shows it: a switch (one control, checked when on)
// or two choices (the control for off, the one for on).
struct KeyCase {
    SettingKey key;
    const char* off;
    const char* on;  // null: `off` names a switch
    std::function<bool(const SettingsPort&)> isOn;
    std::function<void(SettingsPort&, bool)> put;
    const char* applied;  // the apply function the change runs at once, or null
};

const std::vector<KeyCase>& Keys() {
    static const std::vector<KeyCase> keys = {
        {SettingKey::Sound, "sound", nullptr, [](auto& s) { return s.soundOn(); },
         [](auto& s, bool v) { s.setSoundOn(v); }, "sound"},
        {SettingKey::FullScreen, "fullScreen", nullptr, [](auto& s) { return s.fullScreen(); },
         [](auto& s, bool v) { s.setFullScreen(v); }, "fullScreen"},
        {SettingKey::NoQuit, "noQuit", nullptr, [](auto& s) { return s.noQuit(); },
         [](auto& s, bool v) { s.setNoQuit(v); }, nullptr},
        {SettingKey::NoPrint, "noPrint", nullptr, [](auto& s) { return s.noPrint(); },
         [](auto& s, bool v) { s.setNoPrint(v); }, nullptr},
        {SettingKey::NoFileDialogs, "noFileDialogs", nullptr, [](auto& s) { return s.noFileDialogs(); },
         [](auto& s, bool v) { s.setNoFileDialogs(v); }, nullptr},
        {SettingKey::KeepFullScreen, "keepFullScreen", nullptr, [](auto& s) { return s.keepFullScreen(); },
         [](auto& s, bool v) { s.setKeepFullScreen(v); }, nullptr},
        {SettingKey::StartBlank, "startBlank0", "startBlank1", [](auto& s) { return s.startBlank(); },
         [](auto& s, bool v) { s.setStartBlank(v); }, nullptr},
        {SettingKey::ScanSeconds, "scanSeconds0", "scanSeconds3", [](auto& s) { return s.scanSeconds() == 3; },
         [](auto& s, bool v) { s.setScanSeconds(v ? 3 : 0); }, "scan"},
        {SettingKey::ScanSwitches, "scanSwitches1", "scanSwitches2", [](auto& s) { return s.scanSwitches() == 2; },
         [](auto& s, bool v) { s.setScanSwitches(v ? 2 : 1); }, "scan"},
        {SettingKey::Language, "language0", "language3",
         [](auto& s) { return s.languageOverride() == LanguageCode(Language::German); },
         [](auto& s, bool v) { s.setLanguageOverride(LanguageCode(v ? Language::German : Language::English)); },
         "language"},
    };
    return keys;
}

struct Rig {
    LockingSettings settings;
    std::map<std::string, int> applied;
    std::optional<QString> folderChosen = QStringLiteral("/school/drawings");

    GrownUpSettings::Roles roles() {
        GrownUpSettings::Roles r;
        r.settings = &settings;
        r.language = settings.languageOverride() == LanguageCode(Language::German) ? Language::German
                                                                                   : Language::English;
        r.applySound = [this](bool) { ++applied["sound"]; };
        r.applyFullScreen = [this](bool) { ++applied["fullScreen"]; };
        r.applyLanguage = [this](Language) { ++applied["language"]; };
        r.applyScan = [this](int, int) { ++applied["scan"]; };
        r.chooseFolder = [this](const QString&, const QString&) { return folderChosen; };
        r.usualFolder = QStringLiteral("/home/child/Pictures/Pintaloo");
        return r;
    }
};

// The padlock line of the row a control stands in (its page may be behind another).
bool PadlockShown(QWidget* control) {
    auto* line = control->parentWidget()->findChild<QWidget*>(QStringLiteral("school"));
    return line && !line->isHidden();
}

TEST(GrownUpSettings, EveryKeyOffOnOrLockedShowsItsValueAndTakesAChangeOnlyWhenFree) {
    for (const KeyCase& k : Keys())
        for (const bool value : {false, true})
            for (const bool locked : {false, true}) {
                SCOPED_TRACE(testing::Message() << k.off << (value ? " on" : " off") << (locked ? " locked" : ""));
                Rig rig;
                k.put(rig.settings, value);
                if (locked) rig.settings.lock(k.key);
                GrownUpSettings window(rig.roles());
                window.show();
                auto* shown = window.findChild<QAbstractButton*>(QLatin1String(k.on && value ? k.on : k.off));
                auto* other = window.findChild<QAbstractButton*>(QLatin1String(k.on && !value ? k.on : k.off));
                ASSERT_TRUE(shown && other);
                EXPECT_EQ(shown->isChecked(), k.on ? true : value);
                EXPECT_EQ(shown->isEnabled(), !locked);
                EXPECT_EQ(PadlockShown(shown), locked);
                // The page holding the control comes up first, as a grown-up would open it.
                for (int page = 0; page < window.pageCount() && !other->isVisible(); ++page) window.showPage(page);
                ASSERT_TRUE(other->isVisible());
                QTest::mouseClick(other, Qt::LeftButton);
                EXPECT_EQ(k.isOn(rig.settings), locked ? value : !value);
                EXPECT_EQ(k.on ? other->isChecked() : other->isChecked() != value, !locked);
                if (k.applied) {
                    EXPECT_EQ(rig.applied[k.applied], locked ? 0 : 1);
                }
            }
}

TEST(GrownUpSettings, TheFolderIsChosenOrForgottenUnlessLocked) {
    for (const bool locked : {false, true}) {
        Rig rig;
        if (locked) rig.settings.lock(SettingKey::SaveFolder);
        GrownUpSettings window(rig.roles());
        window.show();
        window.showPage(4);
        auto* folder = window.findChild<QLabel*>(QStringLiteral("folder"));
        EXPECT_EQ(folder->text(), QStringLiteral("/home/child/Pictures/Pintaloo"));
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("chooseFolder")), Qt::LeftButton);
        EXPECT_EQ(rig.settings.saveFolder(), locked ? QString() : QStringLiteral("/school/drawings"));
        EXPECT_EQ(folder->text(), locked ? QStringLiteral("/home/child/Pictures/Pintaloo")
                                         : QStringLiteral("/school/drawings"));
        rig.folderChosen.reset();  // a cancelled dialog changes nothing
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("chooseFolder")), Qt::LeftButton);
        EXPECT_EQ(rig.settings.saveFolder(), locked ? QString() : QStringLiteral("/school/drawings"));
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("usualFolder")), Qt::LeftButton);
        EXPECT_EQ(rig.settings.saveFolder(), QString());
    }
}

TEST(GrownUpSettings, PagesAddedLaterComeAfterTheOwnAndShow) {
    Rig rig;
    GrownUpSettings window(rig.roles());
    const int own = window.pageCount();
    auto* page = new QLabel(QStringLiteral("children"));
    window.addPage(QStringLiteral("Children"), QIcon(), page);
    window.show();
    window.showPage(own);
    EXPECT_EQ(window.pageCount(), own + 1);
    EXPECT_TRUE(page->isVisible());
}

// Every question a grown-up meets: the answer is the sum shown, never one
// a small child can guess by counting fingers.
TEST(GrownUpQuestion, RandomSumsShowTheirAnswer) {
    std::mt19937 random(7);
    const QRegularExpression form(QStringLiteral("^(\\d+) ([×+]) (\\d+)$"));
    for (int i = 0; i < 500; ++i) {
        const GrownUpSum sum = RandomGrownUpSum(random);
        const auto m = form.match(sum.shown);
        ASSERT_TRUE(m.hasMatch()) << sum.shown.toStdString();
        const int a = m.captured(1).toInt(), b = m.captured(3).toInt();
        EXPECT_EQ(sum.answer, m.captured(2) == QStringLiteral("×") ? a * b : a + b);
        EXPECT_GE(sum.answer, 36);
    }
}

void Type(GrownUpQuestionDialog& d, const QString& digits) {
    for (const QChar c : digits) QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("digit") + c), Qt::LeftButton);
}

TEST(GrownUpQuestion, OnlyTheRightAnswerOpens) {
    struct Case {
        const char* typed;
        bool cancel;
        int result;  // -1: still open
        bool wrong;
    };
    for (const Case c : {Case{"42", false, QDialog::Accepted, false}, Case{"41", false, QDialog::Rejected, true},
                         Case{"420", false, QDialog::Rejected, true}, Case{"42", true, QDialog::Rejected, false},
                         Case{"", false, -1, false}}) {
        SCOPED_TRACE(c.typed);
        GrownUpQuestionDialog d({QStringLiteral("7 × 6"), 42}, Language::English, 0);
        d.show();
        Type(d, QString::fromLatin1(c.typed));
        EXPECT_EQ(d.field().text(), QString::fromLatin1(c.typed));
        QTest::mouseClick(c.cancel ? &d.cancelButton() : &d.answerButton(), Qt::LeftButton);
        EXPECT_EQ(d.isVisible(), c.result == -1);
        if (c.result != -1) {
            EXPECT_EQ(d.result(), c.result);
        }
        EXPECT_EQ(d.answeredWrong(), c.wrong);
    }
}

// Three wrong answers in a row: the next question takes none for a while;
// a right answer or the wait starts the count again.
TEST(GrownUpQuestion, ThreeWrongAnswersMakeTheNextQuestionWait) {
    GrownUpQuestions port(nullptr);
    port.nextSum = [] { return GrownUpSum{QStringLiteral("8 + 9"), 17}; };
    port.waitMs = 60'000;
    std::vector<bool> waited;
    const auto answer = [&](const char* typed) {
        QTimer::singleShot(0, [&waited, typed] {
            auto* d = dynamic_cast<GrownUpQuestionDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(d);
            waited.push_back(d->waiting());
            Type(*d, QString::fromLatin1(typed));
            QTest::mouseClick(d->waiting() ? &d->cancelButton() : &d->answerButton(), Qt::LeftButton);
        });
        return port.confirm(Language::English);
    };
    EXPECT_FALSE(answer("16"));
    EXPECT_FALSE(answer("18"));
    EXPECT_FALSE(answer("1"));
    EXPECT_EQ(port.wrongInARow(), 3);
    EXPECT_FALSE(answer("17"));  // waiting: the keys take nothing
    EXPECT_TRUE(answer("17"));
    EXPECT_EQ(waited, (std::vector<bool>{false, false, false, true, false}));
}

// The door on a stand-in window: a logo in the corner, a clock of the test's.
struct DoorRig {
    QWidget window;
    QWidget* logo = new QWidget(&window);
    qint64 now = 0;
    int opened = 0, dragged = 0;
    GrownUpDoor door{window, *logo, QRect(10, 10, 100, 40), [this] { ++opened; }, [this] { ++dragged; }};
    DoorRig() {
        window.resize(400, 300);
        logo->setGeometry(0, 0, 200, 60);
        door.clock = [this] { return now; };
        window.show();
    }
    void wait(qint64 ms) {
        now += ms;
        door.tick();
    }
    void move(QPoint to) {
        QMouseEvent e(QEvent::MouseMove, to, logo->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(logo, &e);
    }
};

TEST(GrownUpDoor, OnlyALongHoldOnTheLogoOrCtrlAltSOpens) {
    struct Case {
        const char* what;
        QPoint at;
        int heldMs;
        int moveBy;
        int opened, dragged;
    };
    for (const Case c : {Case{"held three seconds", {50, 30}, 3000, 0, 1, 0},
                         Case{"let go before", {50, 30}, 2900, 0, 0, 0},
                         Case{"wobbling a little", {50, 30}, 3000, 5, 1, 0},
                         Case{"dragged away", {50, 30}, 1000, 30, 0, 1},
                         Case{"beside the logo", {150, 30}, 3000, 0, 0, 0}}) {
        SCOPED_TRACE(c.what);
        DoorRig rig;
        QTest::mousePress(rig.logo, Qt::LeftButton, {}, c.at);
        rig.wait(c.heldMs / 2);
        if (c.moveBy) rig.move(c.at + QPoint(c.moveBy, 0));
        rig.wait(c.heldMs - c.heldMs / 2);
        QTest::mouseRelease(rig.logo, Qt::LeftButton, {}, c.at);
        rig.wait(5000);  // nothing more after the release
        EXPECT_EQ(rig.opened, c.opened);
        EXPECT_EQ(rig.dragged, c.dragged);
    }
    DoorRig rig;
    QTest::keyClick(&rig.window, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&rig.window, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(rig.opened, 0);
    QTest::keyClick(rig.logo, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(rig.opened, 1);
}

}  // namespace
}  // namespace pintaloo
