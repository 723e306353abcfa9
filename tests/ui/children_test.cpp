// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Children sharing one account: their folder names, and random sessions in
// which they take turns, quit and start again while the drawings' folder
// comes and goes: every drawing ends in its own child's gallery (or waits in
// that child's state folder), never in another's, and each child's own
// drawing comes back to them.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <map>
#include <optional>
#include <random>
#include <set>

#include "tests/support/window_rig.h"
#include "ui/files/child_folders.h"
#include "ui/files/gallery_folder.h"
#include "ui/parts/child_picker.h"
#include "ui/parts/children_page.h"
#include "ui/parts/drawing_files.h"
#include "ui/story/gallery_keeper.h"
#include "ui/story/session_recorder.h"
#include "ui/window/child_sessions.h"
#include "ui/window/state_dump.h"

namespace pintaloo {
namespace {

TEST(ChildFolders, HostileNamesComeOutSafe) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const struct {
        QString name, safe;
    } table[] = {
        {"Anna", "Anna"},          {"../x", "-x"},      {"a/b", "a-b"},          {".", "child"},
        {"", "child"},             {"..", "child"},     {" .hidden. ", "hidden"}, {QString("a\x01" "b\nc\x7f"), "abc"},
        {"C:\\x?*|<>\"", "C--x------"}, {QString(300, QChar(0xE9)), QString(kMaxFolderChars, QChar(0xE9))},
        {QString(kMaxFolderChars - 1, 'a') + emoji + "b", QString(kMaxFolderChars - 1, 'a') + emoji},
        {QString("Zo") + QChar(0x200B) + "e", "Zoe"},  // a format character hides a look-alike
    };
    for (const auto& t : table) EXPECT_EQ(SafeChildName(t.name), t.safe) << t.name.toStdString();
}

TEST(ChildFolders, NoTwoChildrenShareAFolderWhateverTheOrder) {
    const std::vector<std::vector<QString>> lists{
        {"a/b", "a-b"}, {"Anna", "anna", "ANNA"}, {"Tom", "Tom"}, {".", "", "child"}, {"Mia", "Leo", "Ava"}};
    for (const auto& names : lists) {
        std::vector<ChildEntry> children;
        for (const QString& n : names) children.push_back({n, 1});
        const std::vector<QString> folders = ChildFolderNames(children);
        std::set<QString> folded;
        for (const QString& f : folders) {
            EXPECT_TRUE(folded.insert(f.toCaseFolded()).second) << f.toStdString() << " twice";
            EXPECT_FALSE(f.startsWith('.') || f.contains('/')) << f.toStdString();
            EXPECT_LE(f.toUtf8().size(), 255);
        }
        // Moving children up and down the list never swaps their folders.
        std::vector<ChildEntry> reversed(children.rbegin(), children.rend());
        const std::vector<QString> back = ChildFolderNames(reversed);
        if (std::set<QString>(names.begin(), names.end()).size() == names.size()) {
            EXPECT_EQ(std::vector<QString>(back.rbegin(), back.rend()), folders);
        }
        if (names.size() == 3 && names[0] == "Mia") {
            EXPECT_EQ(folders, names) << "a safe name stays as it is";
        }
    }
}

bool OneColour(const Surface& s) {
    const Colour* p = s.data();
    return std::all_of(p, p + std::size_t(s.width()) * std::size_t(s.height()), [p](Colour c) { return c == p[0]; });
}

// The drawings a child's places hold: their gallery and the ones waiting in
// their state folder, by their pixels.
std::set<QByteArray> Held(const QStringList& folders) {
    std::set<QByteArray> out;
    for (const QString& folder : folders) {
        QDirIterator it(folder, {QStringLiteral("*.png")}, QDir::Files);
        while (it.hasNext()) out.insert(GalleryFolder::PixelKey(QImage(it.next())));
    }
    return out;
}

struct Turns {
    testkit::WindowRig rig;
    std::optional<SessionRecorder> recorder;
    std::optional<ChildSessions> sessions;
    Turns(const std::vector<ChildEntry>& children, const QString& root, const QString& state, bool blank) {
        rig.settings.setChildren(children);
        rig.settings.setStartBlank(blank);
        rig.settings.setSaveFolder(root);
        recorder.emplace(rig.w().storyWindow(), state);
        sessions.emplace(rig.w(), *recorder, rig.settings, state);
        sessions->start();
    }
    QByteArray page() { return GalleryFolder::PixelKey(DrawingFiles::CanvasImage(rig.w().canvas)); }
};

TEST(ChildTurns, RandomSessionsFileEveryDrawingIntoItsOwnChildsGallery) {
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        const auto pick = [&random](int n) { return int(random() % std::uint32_t(n)); };
        QTemporaryDir scratch;
        const QString root = scratch.filePath("share"), away = scratch.filePath("unmounted"),
                      state = scratch.filePath("state");
        QDir().mkpath(root);
        QDir().mkpath(state);
        const std::vector<ChildEntry> children{{"Mia", 3}, {"Leo/..", 7}, {"mia", 12}};
        const std::vector<QString> names = ChildFolderNames(children);
        std::map<int, std::set<QByteArray>> made;  // by child: drawings that left the page
        std::map<int, QByteArray> onPage;          // by child: the drawing they left on the paper
        const bool blank = seed % 2 == 0;  // start blank: each child's first turn of a run files what they left
        auto turns = std::make_unique<Turns>(children, root, state, blank);
        const QByteArray blankPage = turns->page();
        std::set<int> seen;  // children whose turn came since the last start
        int child = -1;
        const auto choose = [&](int k) {
            if (child >= 0 && k != child) {
                onPage[child] = turns->page();
                if (!OneColour(turns->rig.w().canvas)) made[child].insert(onPage[child]);
            }
            turns->rig.call("ChildSwitch");
            turns->rig.call("ChildChoose", {double(k)});
            if (k != child && onPage.count(k)) {
                if (blank && !seen.count(k)) {
                    EXPECT_EQ(turns->page(), blankPage) << "child " << k << " starts blank";
                    if (onPage[k] != blankPage) made[k].insert(onPage[k]);
                } else {
                    EXPECT_EQ(turns->page(), onPage[k]) << "child " << k << "'s drawing is back";
                }
            }
            seen.insert(k);
            child = k;
            EXPECT_EQ(turns->rig.w().childPicker().current(), k);
            const QStringList dump = DumpState(turns->rig.w());
            EXPECT_TRUE(dump.contains("Child.Name=" + children[std::size_t(k)].name) && dump.contains("Child.Count=3") &&
                        dump.contains("Child.PickerOpen=False"));
        };
        choose(pick(3));
        for (int step = 0; step < 40; ++step) {
            switch (pick(7)) {
                case 0:
                case 1:
                case 2: {  // a stroke in a colour of its own
                    turns->rig.call("ChooseColour", {double(pick(24))});
                    const double x = pick(800), y = pick(530);
                    turns->rig.call("PenDown", {1, x, y});
                    turns->rig.call("PenMove", {1, double(pick(800)), double(pick(530))});
                    turns->rig.call("PenUp", {1, x + 3, y + 3});
                    break;
                }
                case 3:  // a new page files the drawing
                    if (!OneColour(turns->rig.w().canvas)) made[child].insert(turns->page());
                    turns->rig.call("NewPage", {1, 0, 0});
                    break;
                case 4:
                    choose(pick(3));
                    break;
                case 5: {  // quit and start again: the picker asks, the chosen child's drawing comes back
                    onPage[child] = turns->page();
                    turns->rig.w().Unload();
                    turns.reset();
                    turns = std::make_unique<Turns>(children, root, state, blank);
                    seen.clear();
                    EXPECT_TRUE(turns->rig.w().childPicker().isOpen());
                    child = -1;
                    choose(pick(3));
                    break;
                }
                case 6:  // the drawings' folder goes (a share unmounted) or comes back
                    ASSERT_TRUE(QFileInfo(root).isDir() ? QDir().rename(root, away) : QDir().rename(away, root));
                    break;
            }
        }
        if (!QFileInfo(root).isDir()) {
            ASSERT_TRUE(QDir().rename(away, root));
        }
        for (int k = 0; k < 3; ++k) {
            const QString kept = ChildKeptFolder(state, names[std::size_t(k)]);
            const std::set<QByteArray> own =
                Held({ChildDrawingsFolder(root, names[std::size_t(k)]), QDir(kept).filePath(GalleryKeeper::kUnfiledFolder)});
            for (const QByteArray& d : made[k]) EXPECT_TRUE(own.count(d)) << "child " << k << " lost a drawing";
            for (int other = 0; other < 3; ++other) {
                if (other == k) continue;
                for (const QByteArray& d : made[other]) {
                    EXPECT_TRUE(!own.count(d) || made[k].count(d)) << "child " << other << "'s drawing went to " << k;
                }
            }
        }
    }
}

// The grown-up's page writes every change at once, in the list's order.
TEST(ChildrenPage, EditsAreWrittenAsTheyAreMade) {
    MemorySettings settings;
    settings.setChildren({{"Mia", 3}});
    ChildrenPage page(settings, Language::English);
    page.addChild();
    page.rename(1, "  Leo   the  lion ");
    page.addChild();
    page.rename(2, "Ava");
    page.choosePicture(2, 40);
    page.choosePicture(2, 41);  // no such stamp: left as it was
    page.moveChild(2, -1);
    page.moveChild(0, -1);  // already first
    page.removeChild(0);
    const std::vector<ChildEntry> want{{"Ava", 40}, {"Leo the lion", 1}};
    EXPECT_EQ(settings.children(), want);
    EXPECT_EQ(page.children(), want);
    for (int i = 0; i < kMostChildren + 2; ++i) page.addChild();
    EXPECT_EQ(int(settings.children().size()), kMostChildren);
}

}  // namespace
}  // namespace pintaloo
