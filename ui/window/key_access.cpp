// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/key_access.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPainterPath>

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
        if (keys_.sweep() == KeyAccess::Sweep::None) {
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

// A control is a plain picture to Qt; a screen reader hears it as what the
// role set by nameControls says (a button, an item of a list, the list, the
// canvas), and its press action presses it as Space does.
class BoxAccessible : public QAccessibleWidget {
public:
    explicit BoxAccessible(QWidget* w) : QAccessibleWidget(w) {}
    // Read each time: a control is named (and given its role) after Qt may
    // already have made this interface for it.
    QAccessible::Role role() const override {
        const QVariant r = widget()->property(kRole);
        return r.isValid() ? QAccessible::Role(r.toInt()) : QAccessible::Client;
    }
    QStringList actionNames() const override {
        const QAccessible::Role r = role();
        return r == QAccessible::Button || r == QAccessible::ListItem ? QStringList{pressAction()} : QStringList{};
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

void KeyAccess::pressControl(Box* box) {
    focus(box);
    press();
}

bool KeyAccess::pressable(const ActionHub::Binding& b) const {
    if (!b.box || !IsPress(b.event)) return false;
    const auto id = hub_.find(b.name);
    return id && hub_.action(*id).pressable;
}

Box* KeyAccess::canvas() const {
    for (const ActionHub::Binding& b : hub_.bindings())
        if (b.box && b.name == "PenDown") return b.box.data();
    return nullptr;
}

bool KeyAccess::onCanvas() const { return focused_ && focused_ == canvas(); }

std::vector<Box*> KeyAccess::stops() const {
    struct Stop {
        Box* box;
        int group;  // the first row of controls it belongs to, in binding order
        int index;
    };
    std::vector<Stop> found;
    std::map<std::string, int> groups;
    for (const ActionHub::Binding& b : hub_.bindings()) {
        if (!pressable(b)) continue;
        Box* box = b.box.data();
        if (!box->isVisibleTo(&window_) || !box->isEnabled() || box->width() <= 0) continue;
        if (std::any_of(found.begin(), found.end(), [box](const Stop& s) { return s.box == box; })) continue;
        const int group = groups.try_emplace(b.name, int(groups.size())).first->second;
        found.push_back({box, group, b.index.value_or(0)});
    }
    // A row of controls goes where its first control stands: bands of the
    // window's height top to bottom, left to right within a band.
    std::map<int, std::pair<int, int>> place;  // group -> (band, left) of its first control
    for (const Stop& s : found) {
        const QPoint at = s.box->mapTo(&window_, QPoint(0, 0));
        const auto key = std::pair{at.y() / 48, at.x()};
        place.try_emplace(s.group, key);
    }
    std::stable_sort(found.begin(), found.end(), [&place](const Stop& a, const Stop& b) {
        return std::tuple(place[a.group], a.group, a.index) < std::tuple(place[b.group], b.group, b.index);
    });
    std::vector<Box*> out;
    out.reserve(found.size());
    for (const Stop& s : found) out.push_back(s.box);
    return out;
}

void KeyAccess::focus(Box* box) {
    if (focused_ && focused_ != box && painting_) canvasCall("PenUp", 1);  // leaving the canvas lifts the pen
    sweep_ = Sweep::None;
    focused_ = box;
    if (box && box == canvas() && pointer_.x() < 0) pointer_ = QPointF(box->width() / 2.0, box->height() / 2.0);
    show();
}

// Puts the ring on the focused control; a control gone from the screen
// hands the ring back to where it was before, or to the first control.
void KeyAccess::show() {
    const std::vector<Box*> all = stops();
    if (!focused_ || std::find(all.begin(), all.end(), focused_.data()) == all.end()) {
        const bool back = before_ && std::find(all.begin(), all.end(), before_.data()) != all.end();
        focused_ = back ? before_.data() : (all.empty() ? nullptr : all.front());
        before_ = nullptr;
        sweep_ = Sweep::None;
    }
    if (!focused_) {
        ring_->hide();
        return;
    }
    const QRect at(focused_->mapTo(&window_, QPoint(0, 0)), focused_->size());
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
    if (std::string(name) == "PenDown") painting_ = button == 1;
    hub_.run(name, {double(button), pointer_.x(), pointer_.y()});
}

// A press runs what a click on the control runs, in a click's order (the
// button goes down, comes up, and that makes a click), with the left button
// in the middle of the control. A panel the press opens takes the ring.
void KeyAccess::press() {
    if (!focused_) {
        show();
        return;
    }
    if (onCanvas()) {
        if (painting_) return;
        canvasCall("PenDown", 1);
        canvasCall("PenUp", 1);
        return;
    }
    const QPointer<Box> box = focused_;
    const std::vector<Box*> was = stops();
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
    for (Box* now : stops())
        if (std::find(was.begin(), was.end(), now) == was.end()) {
            before_ = box;
            focus(now);
            return;
        }
    show();
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
        } else if (b.name == "ChooseModel") {
            name = numbered(TextId::PatternNumber, b);
        } else if (b.name == "ChooseStampCategory") {
            name = numbered(TextId::StampGroupNumber, b);
        } else if (b.name == "PlayAnimation") {
            name = numbered(TextId::AnimationNumber, b);
        }
        // Any other control says what its tool tip or caption says, so a
        // new button is named once its part gives it its texts.
        if (name.isEmpty()) name = box->toolTip();
        if (name.isEmpty()) name = box->caption().simplified();
        if (name.isEmpty() || name.size() < 2) name = QString::fromStdString(b.name);
        box->setAccessibleName(name);
        box->setAccessibleDescription(box->toolTip().isEmpty() ? name : box->toolTip());
        // A row of controls inside a panel of its own is a list a screen
        // reader can walk; every other control is a button.
        auto* panel = qobject_cast<Box*>(box->parentWidget());
        const bool listed = panel && b.index;
        box->setProperty(kRole, int(b.name == "PenDown" ? QAccessible::Canvas
                                    : listed            ? QAccessible::ListItem
                                                        : QAccessible::Button));
        if (listed && !panel->property(kRole).isValid()) panel->setProperty(kRole, int(QAccessible::List));
    }
}

void KeyAccess::setScan(Scan mode, int seconds, bool timed) {
    letGo();
    scan_ = mode;
    seconds_ = std::clamp(seconds, 1, 5);
    sweep_ = Sweep::None;
    if (mode == Scan::OneSwitch && timed)
        timer_->start(seconds_ * 1000);
    else
        timer_->stop();
    if (mode != Scan::Off) show();
}

void KeyAccess::tick() {
    if (sweep_ == Sweep::None) {
        next();
        return;
    }
    const Box* c = canvas();
    if (!c) return;
    line_ = (line_ + 1) % kSweepSteps;
    const double along = (line_ + 0.5) / kSweepSteps;
    (sweep_ == Sweep::Rows ? pointer_.ry() : pointer_.rx()) =
        std::floor(along * (sweep_ == Sweep::Rows ? c->height() : c->width()));
    show();
}

void KeyAccess::switchPress() {
    if (!onCanvas()) {
        press();
        return;
    }
    const Box* c = canvas();
    switch (sweep_) {
        case Sweep::None:
            sweep_ = Sweep::Rows;
            line_ = 0;
            pointer_.setY(std::floor(0.5 / kSweepSteps * c->height()));
            break;
        case Sweep::Rows:
            sweep_ = Sweep::Columns;
            line_ = 0;
            pointer_.setX(std::floor(0.5 / kSweepSteps * c->width()));
            break;
        case Sweep::Columns:
            sweep_ = Sweep::None;
            canvasCall("PenDown", 1);
            canvasCall("PenUp", 1);
            break;
    }
    show();
}

}  // namespace pintaloo
