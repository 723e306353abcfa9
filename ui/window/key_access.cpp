// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/key_access.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPainterPath>

#include "engine/toolbox/tools_table.h"
#include "ui/window/window_actions.h"
#include "ui/words/texts.h"
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace pintaloo {

namespace {

// Drawn over everything and never in the way of the mouse. Three bands (a
// dark edge, a wide sunny yellow, a white edge) so some band stands out on
// every background the window has, light or dark, and on every swatch.
const QColor kRingDark(74, 20, 140);
const QColor kRingBright(255, 200, 0);
constexpr int kRingMargin = 6;

void PaintBands(QPainter& p, const QPainterPath& path) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRingDark, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(kRingBright, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(Qt::white, 1.5));
    p.drawPath(path);
}

class Ring : public QWidget {
public:
    explicit Ring(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QPainterPath path;
        path.addRoundedRect(QRectF(rect()).adjusted(5, 5, -5, -5), 10, 10);
        PaintBands(p, path);
    }
};

// A way to go, a turn at a time from along the row the way the language
// reads, clockwise (screen y grows down); the diagonals as long as the rest.
QPointF DirectionOf(int direction, bool rightToLeft) {
    constexpr double kDiagonal = 0.70710678118654752;
    static const QPointF kWays[KeyAccess::kDirections] = {
        {1, 0}, {kDiagonal, kDiagonal}, {0, 1}, {-kDiagonal, kDiagonal},
        {-1, 0}, {-kDiagonal, -kDiagonal}, {0, -1}, {kDiagonal, -kDiagonal}};
    const QPointF d = kWays[std::clamp(direction, 0, KeyAccess::kDirections - 1)];
    return rightToLeft ? QPointF(-d.x(), d.y()) : d;
}

// Things in bands, top to bottom: the topmost thing left starts a band and
// every thing that starts above the bottom of all in it joins; each band is
// read left to right, or right to left. `at` gives a thing's place.
template <class T, class At>
std::vector<std::vector<T>> Bands(std::vector<T> all, At at, bool rightToLeft) {
    std::stable_sort(all.begin(), all.end(), [&at](const T& a, const T& b) { return at(a).top() < at(b).top(); });
    std::vector<std::vector<T>> out;
    for (std::size_t i = 0; i < all.size();) {
        int bottom = at(all[i]).top() + at(all[i]).height();
        std::size_t j = i + 1;
        for (; j < all.size() && at(all[j]).top() < bottom; ++j)
            bottom = std::min(bottom, at(all[j]).top() + at(all[j]).height());
        std::vector<T> band(all.begin() + std::ptrdiff_t(i), all.begin() + std::ptrdiff_t(j));
        std::stable_sort(band.begin(), band.end(), [&at, rightToLeft](const T& a, const T& b) {
            return rightToLeft ? at(a).right() > at(b).right() : at(a).left() < at(b).left();
        });
        out.push_back(std::move(band));
        i = j;
    }
    return out;
}

// The painting pointer and the sweeping lines, over the canvas.
class Mark : public QWidget {
public:
    Mark(QWidget* canvas, const KeyAccess& keys) : QWidget(canvas), keys_(keys) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(canvas->rect());
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QPointF at = keys_.pointer();
        QPainterPath path;
        const KeyAccess::Sweep sweep = keys_.sweep();
        if (sweep == KeyAccess::Sweep::Turning || sweep == KeyAccess::Sweep::Going) {
            // The pen's ring, and the way it goes: an arrow, or none where a
            // press lifts the pen.
            path.addEllipse(at, 11, 11);
            if (keys_.direction() < KeyAccess::kDirections) {
                const QPointF d = DirectionOf(keys_.direction(), keys_.rightToLeft());
                const QPointF tip = at + d * 44, side(-d.y(), d.x());
                path.moveTo(at + d * 14);
                path.lineTo(tip);
                path.moveTo(tip - d * 12 + side * 9);
                path.lineTo(tip);
                path.lineTo(tip - d * 12 - side * 9);
            }
        } else if (sweep == KeyAccess::Sweep::None) {
            // A ring with a gap at its heart, so the child sees the pixel it paints.
            path.addEllipse(at, 11, 11);
            for (const QPointF d : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
                path.moveTo(at + d * 16);
                path.lineTo(at + d * 22);
            }
        } else {
            path.moveTo(0, at.y());
            path.lineTo(width(), at.y());
            if (keys_.sweep() == KeyAccess::Sweep::Columns) {
                path.moveTo(at.x(), 0);
                path.lineTo(at.x(), height());
            }
        }
        PaintBands(p, path);
    }

private:
    const KeyAccess& keys_;
};

bool IsPress(BoxEvent e) { return e != BoxEvent::MouseMove; }

// Every window's keys, so a screen reader's "press" finds the one that
// owns the control it names.
std::vector<KeyAccess*>& Everyone() {
    static std::vector<KeyAccess*> all;
    return all;
}

constexpr const char* kRole = "pintalooAccessibleRole";
// A control's name and description as nameControls gives them. Kept beside
// the control rather than set as Qt's accessible name: QWidget's setter
// makes and caches an accessibility interface for the control whether or
// not anything listens (over four hundred at start, a sixtieth of the
// start), while the interface below reads these whenever it is made.
constexpr const char* kName = "pintalooAccessibleName";
constexpr const char* kDescription = "pintalooAccessibleDescription";

// A control is a plain picture to Qt; a screen reader hears it as what the
// role set by nameControls says (a button, an item of a list, the list, the
// canvas), and its press action presses it as Space does.
class BoxAccessible : public QAccessibleWidget {
public:
    explicit BoxAccessible(QWidget* w) : QAccessibleWidget(w) {}
    // Read each time: a control is named (and given its role) after Qt may
    // already have made this interface for it.
    QAccessible::Role role() const override {
        named();
        const QVariant r = widget()->property(kRole);
        return r.isValid() ? QAccessible::Role(r.toInt()) : QAccessible::Client;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name || t == QAccessible::Description) {
            named();
            const QVariant v = widget()->property(t == QAccessible::Name ? kName : kDescription);
            if (v.isValid()) return v.toString();
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        const QAccessible::Role r = role();
        return r == QAccessible::Button || r == QAccessible::ListItem ? QStringList{pressAction()} : QStringList{};
    }
    // The controls are named only once something asks (a screen reader,
    // usually): named all at once the first time.
    void named() const {
        for (KeyAccess* k : Everyone())
            if (k->owns(widget())) k->nameOnFirstAsking();
    }
    void doAction(const QString& name) override {
        if (name != pressAction() || actionNames().isEmpty()) return;
        auto* box = static_cast<Box*>(widget());
        for (KeyAccess* k : Everyone())
            if (k->owns(box)) k->pressControl(box);
    }
};

QAccessibleInterface* BoxFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("pintaloo::Box") && className != QLatin1String("pintaloo::CanvasView"))
        return nullptr;
    return new BoxAccessible(static_cast<QWidget*>(object));
}

}  // namespace

KeyAccess::KeyAccess(QWidget& window, ActionHub& hub) : window_(window), hub_(hub) {
    static const bool factory = (QAccessible::installFactory(BoxFactory), true);
    (void)factory;
    Everyone().push_back(this);
    ring_ = new Ring(&window);
    timer_ = new QTimer(&window);
    QObject::connect(timer_, &QTimer::timeout, &window, [this] { tick(); });
    // An action may open a panel, close one or hide the control the ring is
    // on (Escape, a chosen stamp): the ring follows after every action.
    hub_.addObserver([this](const ActionCall& call) {
        if (call.stage == ActionCall::Stage::Ended && ring_->isVisible()) show();
    });
}

KeyAccess::~KeyAccess() { std::erase(Everyone(), this); }

bool KeyAccess::owns(const QWidget* w) const { return w && window_.isAncestorOf(w); }

// Straight to the control, which may be one the ring passes over (the
// window's close).
void KeyAccess::pressControl(Box* box) {
    if (painting_) canvasCall("PenUp", 1);
    sweep_ = Sweep::None;
    focused_ = box;
    press();
}

bool KeyAccess::pressable(const ActionHub::Binding& b) const {
    if (!b.box || !IsPress(b.event)) return false;
    const auto id = hub_.find(b.name);
    return id && hub_.action(*id).pressable;
}

bool KeyAccess::reaches(const ActionHub::Binding& b, bool forSwitch) const {
    if (!pressable(b)) return false;
    const WindowActionRow::Reach reach = ReachOf(b.name);
    return reach == WindowActionRow::Reach::Everyone || (reach == WindowActionRow::Reach::NoSwitch && !forSwitch);
}

Box* KeyAccess::canvas() const {
    for (const ActionHub::Binding& b : hub_.bindings())
        if (b.box && b.name == "PenDown") return b.box.data();
    return nullptr;
}

bool KeyAccess::onCanvas() const { return focused_ && focused_ == canvas(); }

// Units as the screen shows them: the controls of one action on the window
// (the palette, the tools) make one unit read line by line, a panel one
// unit of its own units; the units go in bands down the window. Costs a walk
// of the bindings (a few hundred) per key, nothing a child can feel.
std::vector<KeyAccess::Unit> KeyAccess::layout(bool forSwitch) const {
    struct Found {
        Box* box;
        QRect at;  // on the window
    };
    // Per panel (nullptr: the window itself), per action, in binding order.
    std::vector<std::pair<QWidget*, std::vector<std::pair<std::string, std::vector<Found>>>>> layers;
    std::vector<const Box*> seen;
    for (const ActionHub::Binding& b : hub_.bindings()) {
        if (!pressable(b)) continue;
        Box* box = b.box.data();
        if (std::find(seen.begin(), seen.end(), box) != seen.end()) continue;
        seen.push_back(box);  // a control's first pressing binding says what it is
        if (!reaches(b, forSwitch) || !box->isVisibleTo(&window_) || !box->isEnabled() || box->width() <= 0) continue;
        const QRect at(box->mapTo(&window_, QPoint(0, 0)), box->size());
        if (!window_.rect().intersects(at)) continue;  // beyond the window's edge: a ring there shows nothing
        QWidget* panel = box;
        while (panel->parentWidget() && panel->parentWidget() != &window_) panel = panel->parentWidget();
        if (panel == box) panel = nullptr;
        auto layer = std::find_if(layers.begin(), layers.end(), [panel](const auto& l) { return l.first == panel; });
        if (layer == layers.end()) {
            layers.emplace_back();
            layer = std::prev(layers.end());
            layer->first = panel;
        }
        auto& rows = layer->second;
        auto row = std::find_if(rows.begin(), rows.end(), [&b](const auto& r) { return r.first == b.name; });
        if (row == rows.end()) {
            rows.emplace_back();
            row = std::prev(rows.end());
            row->first = b.name;
        }
        row->second.push_back({box, at});
    }
    const auto place = [](const auto& thing) { return thing.at; };
    const auto unitsOf = [this, &place](const std::vector<std::pair<std::string, std::vector<Found>>>& rows) {
        std::vector<Unit> units;
        for (const auto& [name, found] : rows) {
            Unit u;
            for (const Found& f : found) u.at |= f.at;
            for (const std::vector<Found>& line : Bands(found, place, rightToLeft_)) {
                u.lines.emplace_back();
                for (const Found& f : line) u.lines.back().push_back(f.box);
            }
            units.push_back(std::move(u));
        }
        return units;
    };
    std::vector<Unit> units;
    for (const auto& [panel, rows] : layers) {
        if (!panel) {
            for (Unit& u : unitsOf(rows)) units.push_back(std::move(u));
            continue;
        }
        Unit whole;
        for (const std::vector<Unit>& band : Bands(unitsOf(rows), place, rightToLeft_))
            for (const Unit& u : band) {
                whole.at |= u.at;
                whole.lines.insert(whole.lines.end(), u.lines.begin(), u.lines.end());
            }
        units.push_back(std::move(whole));
    }
    std::vector<Unit> out;
    int band = 0;
    for (std::vector<Unit>& units_in_band : Bands(std::move(units), place, rightToLeft_)) {
        for (Unit& u : units_in_band) {
            u.band = band;
            out.push_back(std::move(u));
        }
        ++band;
    }
    return out;
}

std::vector<Box*> KeyAccess::stops(bool forSwitch) const {
    std::vector<Box*> out;
    for (const Unit& u : layout(forSwitch))
        for (const std::vector<Box*>& line : u.lines) out.insert(out.end(), line.begin(), line.end());
    return out;
}

// The paper alone, then the units in reading order: small units side by
// side in a band share a group while it holds kGroupMost, a bigger one gives
// a group a line (cut at kGroupMost), so a control is at most about as many
// ticks away as there are groups and controls in the longest one.
std::vector<std::vector<Box*>> KeyAccess::scanGroups() const {
    std::vector<std::vector<Box*>> groups;
    constexpr std::size_t most = kGroupMost;
    Box* paper = canvas();
    bool open = false;  // the last group takes more of its band
    int band = -1;
    for (const Unit& u : layout(true)) {
        std::vector<Box*> all;
        for (const std::vector<Box*>& line : u.lines)
            for (Box* b : line)
                if (b != paper) all.push_back(b);
        if (all.empty()) continue;
        if (all.size() > most) {
            for (const std::vector<Box*>& line : u.lines)
                for (std::size_t i = 0; i < line.size(); i += most) {
                    std::vector<Box*> part;
                    for (std::size_t k = i; k < std::min(line.size(), i + most); ++k)
                        if (line[k] != paper) part.push_back(line[k]);
                    if (!part.empty()) groups.push_back(std::move(part));
                }
            open = false;
        } else if (open && u.band == band && groups.back().size() + all.size() <= most) {
            groups.back().insert(groups.back().end(), all.begin(), all.end());
        } else {
            groups.push_back(std::move(all));
            open = true;
        }
        band = u.band;
    }
    if (paper && paper->isVisibleTo(&window_)) groups.insert(groups.begin(), {paper});
    return groups;
}

void KeyAccess::focus(Box* box) {
    if (focused_ && focused_ != box && painting_) canvasCall("PenUp", 1);  // leaving the canvas lifts the pen
    sweep_ = Sweep::None;
    focused_ = box;
    if (box && box == canvas() && pointer_.x() < 0) pointer_ = QPointF(box->width() / 2.0, box->height() / 2.0);
    timeScan();
    show();
}

// Puts the ring on the focused control (or round its group, when scanning
// lights groups); a control gone from the screen hands the ring back to the
// button that opened its panel, or to the paper.
void KeyAccess::show() {
    const std::vector<Box*> all = stops(scan_ != Scan::Off);
    const auto shown = [&all](const Box* b) { return b && std::find(all.begin(), all.end(), b) != all.end(); };
    if (!shown(focused_)) {
        Box* paper = canvas();
        focused_ = shown(before_) ? before_.data() : shown(paper) ? paper : all.empty() ? nullptr : all.front();
        before_ = nullptr;
        if (painting_) canvasCall("PenUp", 1);
        sweep_ = Sweep::None;
        timeScan();
    }
    if (!focused_) {
        ring_->hide();
        return;
    }
    QRect at(focused_->mapTo(&window_, QPoint(0, 0)), focused_->size());
    if (scan_ != Scan::Off && atGroups_ && sweep_ == Sweep::None)
        for (const std::vector<Box*>& group : scanGroups())
            if (std::find(group.begin(), group.end(), focused_.data()) != group.end())
                for (const Box* b : group) at |= QRect(b->mapTo(&window_, QPoint(0, 0)), b->size());
    ring_->setGeometry(at.adjusted(-kRingMargin, -kRingMargin, kRingMargin, kRingMargin));
    ring_->show();
    ring_->raise();
    if (Box* c = canvas()) {
        if (!mark_) mark_ = new Mark(c, *this);
        mark_->setVisible(onCanvas());
        mark_->raise();
        mark_->update();
    }
}

void KeyAccess::next() {
    const std::vector<Box*> all = stops();
    if (all.empty()) return;
    const auto it = std::find(all.begin(), all.end(), focused_.data());
    focus(it == all.end() || it + 1 == all.end() ? all.front() : *(it + 1));
}

void KeyAccess::previous() {
    const std::vector<Box*> all = stops();
    if (all.empty()) return;
    const auto it = std::find(all.begin(), all.end(), focused_.data());
    focus(it == all.end() || it == all.begin() ? all.back() : *(it - 1));
}

void KeyAccess::canvasCall(const char* name, int button) {
    if (std::string(name) == "PenUp") painting_ = false;
    if (std::string(name) == "PenDown") {
        painting_ = button == 1;
        if (beforePaintDown) beforePaintDown();
    }
    hub_.run(name, {double(button), pointer_.x(), pointer_.y()});
}

void KeyAccess::press() { pressFocused(scan_ != Scan::Off); }

// A press runs what a click on the control runs, in a click's order (the
// button goes down, comes up, and that makes a click), with the left button
// in the middle of the control. A panel the press opens takes the ring, and
// remembers the window's button that opened it (a press inside the panel
// that opens more keeps it).
bool KeyAccess::pressFocused(bool forSwitch) {
    if (!focused_) {
        show();
        return false;
    }
    if (onCanvas()) {
        // A shape: the first press puts its middle down, the arrows pull it
        // out, and the next press lands it.
        if (ToolButton(chosenTool_) == ToolButton::Shapes) {
            canvasCall(painting_ ? "PenUp" : "PenDown", 1);
            return false;
        }
        if (painting_) return false;
        canvasCall("PenDown", 1);
        canvasCall("PenUp", 1);
        return false;
    }
    const QPointer<Box> box = focused_;
    const std::vector<Box*> was = stops(forSwitch);
    std::vector<ActionHub::Binding> runs;
    for (const BoxEvent event : {BoxEvent::MouseDown, BoxEvent::MouseUp, BoxEvent::Click})
        for (const ActionHub::Binding& b : hub_.bindings())
            if (b.box == box && b.event == event && pressable(b)) runs.push_back(b);
    // Through the control's own handlers, as a click would go: a control
    // may count its index from what it shows now (the gallery's page).
    for (const ActionHub::Binding& b : runs) {
        if (!box) break;  // the press took the control away (a new page of stamps)
        if (b.event == BoxEvent::Click) {
            if (const auto click = box->onClick) click();  // a copy: the click may hand the box a new one
            continue;
        }
        const Box::MouseHandler handler = b.event == BoxEvent::MouseDown ? box->onMouseDown : box->onMouseUp;
        if (handler) handler(1, box->width() / 2.0, box->height() / 2.0);
    }
    // Only a panel's controls take the ring: a button of the window that
    // wakes up (undo, after the first step) is no panel opening.
    const std::vector<Box*> now = stops(forSwitch);
    // A strip that opens beside a panel (the stamps' sizes and turns) gives
    // the ring to the panel itself, where the choice is.
    const auto beside = [this](const Box* b) {
        const QWidget* p = b;
        while (p->parentWidget() && p->parentWidget() != &window_) p = p->parentWidget();
        return p->property("besidePanel").toBool();
    };
    for (const bool strips : {false, true})
        for (Box* b : now)
            if (b->parentWidget() != &window_ && std::find(was.begin(), was.end(), b) == was.end() &&
                (strips || !beside(b))) {
                const bool openerShown = before_ && std::find(now.begin(), now.end(), before_.data()) != now.end();
                if (box && (box->parentWidget() == &window_ || !openerShown)) before_ = box;
                focus(b);
                return true;
            }
    show();
    return false;
}

void KeyAccess::movePointer(int dx, int dy) {
    const Box* c = canvas();
    if (!c) return;
    const int step = std::min(kLongestStep, kFirstStep + 2 * repeats_);
    pointer_.setX(std::clamp(pointer_.x() + dx * step, 0.0, double(c->width() - 1)));
    pointer_.setY(std::clamp(pointer_.y() + dy * step, 0.0, double(c->height() - 1)));
    // Without a button it is the mouse passing over: the stamp outline follows.
    canvasCall("PenMove", painting_ ? 1 : 0);
    show();
}

bool KeyAccess::keyPress(const QKeyEvent& e) {
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const int key = e.key();
    const bool repeat = e.isAutoRepeat();
    if (scan_ != Scan::Off) {
        // A switch held down presses once.
        if (repeat) return true;
        const bool presses =
            scan_ == Scan::OneSwitch || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_2;
        presses ? switchPress() : tick();
        return true;
    }
    repeats_ = repeat ? repeats_ + 1 : 0;
    switch (key) {
        case Qt::Key_Tab:
            if (!repeat || !painting_) next();
            return true;
        case Qt::Key_Backtab:
            if (!repeat || !painting_) previous();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down: {
            const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
            const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
            if (onCanvas())
                movePointer(dx, dy);
            else
                (dx + dy > 0) ? next() : previous();
            return true;
        }
        case Qt::Key_Space:
            if (repeat) return true;
            if (onCanvas())
                canvasCall("PenDown", 1);  // held: a stroke along the pointer's path
            else
                press();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!repeat) press();
            return true;
        default:
            return false;
    }
}

bool KeyAccess::keyRelease(const QKeyEvent& e) {
    if (e.isAutoRepeat() || e.key() != Qt::Key_Space || scan_ != Scan::Off) return false;
    if (painting_) canvasCall("PenUp", 1);
    return true;
}

void KeyAccess::letGo() {
    if (painting_) canvasCall("PenUp", 1);
}

void KeyAccess::nameControls(Language language, int chosenTool) {
    chosenTool_ = chosenTool;
    language_ = language;
    rightToLeft_ = RightToLeft(language);
    // Asking Qt is cheap once its bridge to the screen readers is made,
    // which showing the window does.
    if (named_ || QAccessible::isActive()) nameEveryControl();
}

void KeyAccess::nameOnFirstAsking() {
    if (named_) return;
    quiet_ = true;  // nothing had a name to change from
    nameEveryControl();
    quiet_ = false;
}

void KeyAccess::nameEveryControl() {
    named_ = true;
    const Language language = language_;
    const int chosenTool = chosenTool_;
    QString toolName;
    for (const ActionHub::Binding& b : hub_.bindings())
        if (b.box && b.name == "ChooseTool" && b.index == chosenTool) toolName = b.box->toolTip();
    const auto numbered = [language](TextId id, const ActionHub::Binding& b) {
        return Text(id, language).arg(b.index.value_or(0) + 1);
    };
    std::vector<const Box*> named;
    for (const ActionHub::Binding& b : hub_.bindings()) {
        if (!pressable(b)) continue;
        Box* box = b.box.data();
        if (std::find(named.begin(), named.end(), box) != named.end()) continue;
        named.push_back(box);
        QString name;
        if (b.name == "PenDown") {
            name = Text(TextId::CanvasWithTool, language).arg(toolName);
        } else if (b.name == "TakePage" || b.name == "NextPage" || b.name == "PreviousPage") {
            name = Text(b.name == "TakePage"   ? TextId::TakeThisPage
                        : b.name == "NextPage" ? TextId::NextPicture
                                               : TextId::PreviousPicture,
                        language);
        } else if (b.name == "CloseAnimations") {
            name = Text(TextId::ClosePanel, language);
        } else if (b.name == "OpenAnimations") {
            name = Text(TextId::Cartoons, language);
        } else if (b.name == "ChooseColour") {
            const QColor c = box->backColor().value_or(Qt::black);
            name = Text(ColourWord(c.red(), c.green(), c.blue()), language);
        } else if (b.name == "ChooseSize") {
            name = Text(TextId::BrushSize, language) + QStringLiteral(" %1").arg(*b.index + 1);
        } else if (b.name == "ChooseStamp") {
            name = numbered(TextId::StampNumber, b);
        } else if (b.name == "ChooseModel" || b.name == "ChooseStampCategory") {
            // A tool with a name of its own (its row's) has it as its tooltip.
            name = !box->toolTip().isEmpty()     ? box->toolTip()
                   : b.name == "ChooseModel" ? numbered(TextId::PatternNumber, b)
                                             : numbered(TextId::StampGroupNumber, b);
        } else if (b.name == "PlayAnimation") {
            name = numbered(TextId::AnimationNumber, b);
        }
        // Any other control says what its tool tip or caption says, so a
        // new button is named once its part gives it its texts.
        if (name.isEmpty()) name = box->toolTip();
        if (name.isEmpty()) name = box->caption().simplified();
        if (name.isEmpty() || name.size() < 2) name = QString::fromStdString(b.name);
        // Set only where they change: this runs after nearly every action
        // and at start, over four hundred controls. A screen reader
        // listening hears of each change.
        const QString description = box->toolTip().isEmpty() ? name : box->toolTip();
        const auto tell = [this, box](const char* key, QAccessible::Event change, const QString& words) {
            if (box->property(key).toString() == words) return;
            box->setProperty(key, words);
            if (quiet_ || !QAccessible::isActive()) return;
            QAccessibleEvent event(box, change);
            QAccessible::updateAccessibility(&event);
        };
        tell(kName, QAccessible::NameChanged, name);
        tell(kDescription, QAccessible::DescriptionChanged, description);
        // A row of controls inside a panel of its own is a list a screen
        // reader can walk; every other control is a button.
        auto* panel = qobject_cast<Box*>(box->parentWidget());
        const bool listed = panel && b.index;
        const int role = int(b.name == "PenDown" ? QAccessible::Canvas
                             : listed            ? QAccessible::ListItem
                                                 : QAccessible::Button);
        if (box->property(kRole) != QVariant(role)) box->setProperty(kRole, role);
        if (listed && !panel->property(kRole).isValid()) panel->setProperty(kRole, int(QAccessible::List));
    }
}

void KeyAccess::setScan(Scan mode, int seconds, bool timed) {
    letGo();
    scan_ = mode;
    seconds_ = std::clamp(seconds, 1, 5);
    timed_ = timed;
    sweep_ = Sweep::None;
    atGroups_ = true;
    if (Box* paper = canvas(); mode != Scan::Off && paper) {
        focused_ = paper;  // the paper is the first group
        if (pointer_.x() < 0) pointer_ = QPointF(paper->width() / 2.0, paper->height() / 2.0);
    }
    timeScan();
    if (mode != Scan::Off) show();
}

// One switch: a tick every few seconds; a going pen, with one or two
// switches, steps much oftener.
void KeyAccess::timeScan() {
    if (timed_ && sweep_ == Sweep::Going)
        timer_->start(kGoMilliseconds);
    else if (timed_ && scan_ == Scan::OneSwitch)
        timer_->start(seconds_ * 1000);
    else
        timer_->stop();
}

void KeyAccess::tick() {
    if (sweep_ != Sweep::None) {
        paperTick();
        return;
    }
    if (scan_ == Scan::Off) {
        next();
        return;
    }
    const std::vector<std::vector<Box*>> groups = scanGroups();
    if (groups.empty()) return;
    const auto in = [](const std::vector<Box*>& g, const Box* b) { return std::find(g.begin(), g.end(), b) != g.end(); };
    const auto g = std::find_if(groups.begin(), groups.end(), [&](const auto& group) { return in(group, focused_); });
    if (g == groups.end()) {
        atGroups_ = true;
        focus(groups.front().front());
    } else if (atGroups_) {
        focus((g + 1 == groups.end() ? groups.front() : *(g + 1)).front());
    } else if (focused_ == g->back()) {
        atGroups_ = true;  // a round of the group without a press: the groups again, from this one
        show();
    } else {
        focus(*(std::find(g->begin(), g->end(), focused_.data()) + 1));
    }
}

void KeyAccess::switchPress() {
    if (scan_ == Scan::Off) {
        press();
        return;
    }
    if (sweep_ != Sweep::None) {
        paperPress();
        return;
    }
    if (!focused_) {
        show();
        return;
    }
    if (atGroups_) {
        atGroups_ = false;
        for (const std::vector<Box*>& group : scanGroups())
            if (group.size() > 1 && std::find(group.begin(), group.end(), focused_.data()) != group.end()) {
                focus(group.front());
                return;
            }
        // A group of one is its control: pressed at once.
    }
    if (onCanvas()) {
        paperPress();
        return;
    }
    const std::vector<Box*> scanned = stops(true);
    if (std::find(scanned.begin(), scanned.end(), focused_.data()) == scanned.end()) {
        toPaper();  // never a control out of the scan, whatever left the ring there
        return;
    }
    const QPointer<Box> pressed = focused_;
    const bool inPanel = pressed->parentWidget() != &window_;
    if (pressFocused(true)) return;  // a panel opened: its controls are scanned at once
    const std::vector<Box*> all = stops(true);
    if (inPanel && pressed && std::find(all.begin(), all.end(), pressed.data()) != all.end()) {
        focus(pressed);  // still in the panel (a page turned): pressed again with no ticks
        return;
    }
    toPaper();
}

// Done on a control or on the paper: scanning starts again at the paper.
void KeyAccess::toPaper() {
    if (painting_) canvasCall("PenUp", 1);
    atGroups_ = true;
    Box* paper = canvas();
    focus(paper && paper->isVisibleTo(&window_) ? paper : focused_.data());
}

void KeyAccess::paperPress() {
    const Box* c = canvas();
    if (!c) return;
    switch (sweep_) {
        case Sweep::None:
            sweep_ = Sweep::Rows;
            line_ = 0;
            pointer_.setY(std::floor(0.5 / kSweepSteps * c->height()));
            break;
        case Sweep::Rows:
            sweep_ = Sweep::Columns;
            line_ = 0;
            pointer_.setX(std::floor((rightToLeft_ ? kSweepSteps - 0.5 : 0.5) / kSweepSteps * c->width()));
            break;
        case Sweep::Columns: {
            // Stamps and fills land where the lines cross; the other tools
            // put the pen down there and draw from it.
            const auto tool = ToolButton(chosenTool_);
            if (tool == ToolButton::Stamps || tool == ToolButton::Fill) {
                canvasCall("PenDown", 1);
                canvasCall("PenUp", 1);
                toPaper();
                return;
            }
            canvasCall("PenDown", 1);
            sweep_ = Sweep::Turning;
            direction_ = 0;
            turns_ = 0;
            break;
        }
        case Sweep::Turning:
            if (direction_ >= kDirections) {
                toPaper();  // lifts the pen: the line is one step
                return;
            }
            sweep_ = Sweep::Going;
            break;
        case Sweep::Going:
            // Stopped: the first choice is to lift the pen, then the ways again.
            sweep_ = Sweep::Turning;
            direction_ = kDirections;
            turns_ = 0;
            break;
    }
    timeScan();
    show();
}

void KeyAccess::paperTick() {
    const Box* c = canvas();
    if (!c) return;
    switch (sweep_) {
        case Sweep::None:
            return;
        case Sweep::Rows:
        case Sweep::Columns: {
            line_ = (line_ + 1) % kSweepSteps;
            const bool rows = sweep_ == Sweep::Rows;
            const double along = ((rows || !rightToLeft_ ? line_ : kSweepSteps - 1 - line_) + 0.5) / kSweepSteps;
            (rows ? pointer_.ry() : pointer_.rx()) = std::floor(along * (rows ? c->height() : c->width()));
            break;
        }
        case Sweep::Turning:
            // A whole turn without a press lifts the pen.
            if (++turns_ > kDirections) {
                toPaper();
                return;
            }
            direction_ = (direction_ + 1) % (kDirections + 1);
            break;
        case Sweep::Going: {
            const QPointF to = pointer_ + DirectionOf(direction_, rightToLeft_) * (kGoPixels / seconds_);
            const QPointF kept(std::clamp(to.x(), 0.0, c->width() - 1.0), std::clamp(to.y(), 0.0, c->height() - 1.0));
            pointer_ = kept;
            canvasCall("PenMove", 1);
            if (kept != to) {  // the edge of the paper stops the pen
                sweep_ = Sweep::Turning;
                direction_ = kDirections;
                turns_ = 0;
                timeScan();
            }
            break;
        }
    }
    show();
}

}  // namespace pintaloo
