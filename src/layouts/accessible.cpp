#include "layouts/accessible.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "layouts/controls.h"
#include "layouts/event_hook.h"
#include "layouts/fullscreen.h"
#include "layouts/loader.h"
#include "layouts/vrendis2001.h"

namespace layouts {
namespace {

const AccessibleTable* table_of(const QWidget* window) {
    if (qobject_cast<const Vrendis2001*>(window))
        return &Vrendis2001::accessible();
    if (qobject_cast<const Loader*>(window))
        return &Loader::accessible();
    if (qobject_cast<const Fullscreen*>(window))
        return &Fullscreen::accessible();
    return nullptr;
}

bool is_control_row(const AccessibleRow& row) {
    return row.as == Exposed::command || row.as == Exposed::lock || row.as == Exposed::field;
}

bool is_window_row(const AccessibleRow& row) {
    return row.as == Exposed::window || row.as == Exposed::pressable_window;
}

const AccessibleRow* control_row(const AccessibleTable& table, const QString& name) {
    for (const AccessibleRow& row : table.rows) {
        if (is_control_row(row) && name == QLatin1String(row.control))
            return &row;
    }
    return nullptr;
}

const AccessibleRow* window_row(const AccessibleTable& table) {
    const auto found = std::find_if(table.rows.begin(), table.rows.end(), is_window_row);
    return found == table.rows.end() ? nullptr : &*found;
}

// The figure shown in `container`.
const AccessibleRow* figure_row(const AccessibleTable& table, const QWidget& container) {
    const QString name = container.isWindow() ? QString() : container.objectName();
    for (const AccessibleRow& row : table.rows) {
        if (row.as == Exposed::figure && name == QLatin1String(row.control))
            return &row;
    }
    return nullptr;
}

// A timer is on while enabled, a control while visible.
bool state_on(const QWidget& window, const AccessibleRow& row) {
    const QObject* state = window.findChild<QObject*>(QLatin1String(row.state));
    if (const auto* timer = qobject_cast<const Timer*>(state))
        return timer->enabled();
    if (state && state->isWidgetType())
        return visible(static_cast<const QWidget*>(state));
    return false;
}

// Whether a control stands in the tree its container shows.
bool exposed(const QWidget& control, const AccessibleTable& table) {
    if (control.isWindow() || qobject_cast<const QMenu*>(&control))
        return false;
    // Placed below the window's client area, never seen.
    const QWidget* container = control.parentWidget();
    if (container && container->isWindow() && !container->rect().intersects(control.geometry()))
        return false;
    if (control_row(table, control.objectName()))
        return true;
    // Groups and texts.
    if (qobject_cast<const Panel*>(&control) || qobject_cast<const Label*>(&control) ||
        qobject_cast<const StatusBar*>(&control))
        return true;
    // Decorations, hot zones that are no command, the hidden ID holders.
    if (qobject_cast<const Image*>(&control) || qobject_cast<const Rectangle*>(&control) ||
        qobject_cast<const TextBox*>(&control) || qobject_cast<const CommandButton*>(&control))
        return false;
    return true;
}

// Where a control or the figure lies in its window: the tree lists a container's children in
// reading order, top to bottom, then left to right.
QPoint place_in_window(const QWidget& control) {
    return control.mapTo(control.window(), QPoint());
}

void notify(QAccessibleEvent&& event) {
    QAccessible::updateAccessibility(&event);
}

void left_click_window(QWidget& window) {
    const QPointF middle = QRectF(window.rect()).center();
    const QPointF global = window.mapToGlobal(middle);
    QMouseEvent press(QEvent::MouseButtonPress, middle, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QPointer<QWidget> alive(&window);
    QCoreApplication::sendEvent(&window, &press);
    if (!alive)
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, middle, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &release);
}

// The figure: no widget of its own, its three part pictures side by side in a container.
class FigureAccessible : public QAccessibleObject {
public:
    FigureAccessible(QObject* figure, QWidget& container, const AccessibleRow& row)
        : QAccessibleObject(figure), container_(container), row_(row) {
        for (std::size_t i = 0; i < parts_.size(); ++i) {
            parts_[i] = container.findChild<Image*>(QLatin1String(part_names[i]));
            if (!parts_[i])
                continue;
            // A figure changes part by part within one handler: its name is looked at once
            // the handler is done.
            QObject::connect(parts_[i], &Image::picture_changed, figure, [this, figure] {
                if (std::exchange(pending_, true))
                    return;
                QMetaObject::invokeMethod(
                    figure,
                    [this] {
                        pending_ = false;
                        announce();
                    },
                    Qt::QueuedConnection);
            });
        }
        announced_ = text(QAccessible::Name);
    }

    QWindow* window() const override { return container_.window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(&container_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return {};
        const QString id = row_.figure_id ? row_.figure_id(*container_.window()) : QString();
        return id.isEmpty() ? QString::fromUtf8(row_.name) : QStringLiteral("Vrendis ") + id;
    }

    QRect rect() const override {
        QRect united;
        for (const Image* part : parts_) {
            if (part && part->isVisible())
                united |= QRect(part->mapToGlobal(QPoint()), part->size());
        }
        return united;
    }

    QAccessible::Role role() const override { return QAccessible::Graphic; }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = rect().isEmpty();
        return state;
    }

    // Where the tree lists it: where its head is.
    QPoint place() const { return parts_[0] ? place_in_window(*parts_[0]) : QPoint(); }

private:
    // Only a name that really changed is announced.
    void announce() {
        const QString name = text(QAccessible::Name);
        if (name == announced_)
            return;
        announced_ = name;
        notify(QAccessibleEvent(object(), QAccessible::NameChanged));
    }

    static constexpr std::array<const char*, 3> part_names{"image_head", "image_chest",
                                                           "image_legs"};
    QWidget& container_;
    const AccessibleRow& row_;
    std::array<Image*, 3> parts_{};
    QString announced_;
    bool pending_ = false;
};

// A window, one of our controls, or a group of them: its role and name from the table, or from
// its class (groups, texts) when the table has no row for it.
class ControlAccessible : public QAccessibleWidget {
public:
    ControlAccessible(QWidget* control, QAccessible::Role role, const AccessibleTable& table,
                      const AccessibleRow* row)
        : QAccessibleWidget(control, role), table_(table), row_(row) {
        // The figure has no widget: an object of its own stands for it, made when first
        // asked for.
        if (figure_row(table, *control)) {
            figure_ = control->findChild<QObject*>(QLatin1String(figure_object_name),
                                                   Qt::FindDirectChildrenOnly);
            if (!figure_) {
                figure_ = new QObject(control);
                figure_->setObjectName(QLatin1String(figure_object_name));
            }
        }
        if (row_ && *row_->state)
            watch_state();
    }

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<QObject*> all = children();
        if (index < 0 || index >= static_cast<int>(all.size()))
            return nullptr;
        return QAccessible::queryAccessibleInterface(all[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        const std::vector<QObject*> all = children();
        const auto found = std::find(all.begin(), all.end(), child->object());
        return found == all.end() ? -1 : static_cast<int>(found - all.begin());
    }

    QString text(QAccessible::Text t) const override {
        // The tool tips of the part pictures say what their names say.
        if (t == QAccessible::Description && row_) {
            const QString tip = QAccessibleWidget::text(t);
            return tip.compare(text(QAccessible::Name), Qt::CaseInsensitive) == 0 ? QString() : tip;
        }
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (row_) {
            if (*row_->name_while && state_on(*widget()->window(), *row_))
                return QString::fromUtf8(row_->name_while);
            return QString::fromUtf8(row_->name);
        }
        if (const auto* label = qobject_cast<const Label*>(widget()))
            return QString(label->caption()).remove(QLatin1Char('&')).simplified();
        if (const auto* bar = qobject_cast<const StatusBar*>(widget())) {
            QStringList panels;
            for (int panel = 1; panel <= bar->panel_count(); ++panel) {
                const QString text = bar->panel_text(panel).simplified();
                if (!text.isEmpty())
                    panels << text;
            }
            return panels.join(QStringLiteral(", "));
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (row_ && row_->as == Exposed::lock) {
            state.checkable = true;
            state.checked = checked();
        }
        return state;
    }

    QStringList actionNames() const override {
        if (!row_ || !(row_->as == Exposed::command || row_->as == Exposed::lock ||
                       row_->as == Exposed::pressable_window))
            return QAccessibleWidget::actionNames();
        if (!widget()->isEnabled())
            return {};
        if (row_->as == Exposed::lock)
            return {toggleAction(), pressAction()};
        return {pressAction()};
    }

    void doAction(const QString& action) override {
        if (!actionNames().contains(action))
            return;
        if (action != pressAction() && action != toggleAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // A click cannot reach a control that is not on screen.
        if (!widget()->isVisible())
            return;
        if (row_->as == Exposed::pressable_window) {
            left_click_window(*widget());
        } else if (auto* control = qobject_cast<Control*>(widget())) {
            control->left_click();
        }
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    bool checked() const { return state_on(*widget()->window(), *row_); }

    // The name or the check follows a timer or a control; each change is announced.
    void watch_state() {
        announced_name_ = text(QAccessible::Name);
        announced_checked_ = checked();
        QObject* state = widget()->window()->findChild<QObject*>(QLatin1String(row_->state));
        QPointer<QWidget> control(widget());
        const auto changed = [control] {
            if (control) {
                static_cast<ControlAccessible*>(QAccessible::queryAccessibleInterface(control))
                    ->announce();
            }
        };
        if (auto* timer = qobject_cast<Timer*>(state)) {
            QObject::connect(timer, &Timer::enabled_changed, widget(), changed);
        } else if (state && state->isWidgetType()) {
            new EventHook(state, [changed](QEvent* event) {
                if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
                    changed();
            });
        }
    }

    void announce() {
        const QString name = text(QAccessible::Name);
        if (name != announced_name_) {
            announced_name_ = name;
            notify(QAccessibleEvent(widget(), QAccessible::NameChanged));
        }
        if (row_->as == Exposed::lock && checked() != announced_checked_) {
            announced_checked_ = checked();
            QAccessible::State changed;
            changed.checked = true;
            notify(QAccessibleStateChangeEvent(widget(), changed));
        }
    }

    std::vector<QObject*> children() const {
        std::vector<std::pair<QPoint, QObject*>> found;
        for (QObject* child : widget()->children()) {
            if (child == figure_) {
                const auto* figure = static_cast<const FigureAccessible*>(
                    QAccessible::queryAccessibleInterface(figure_));
                found.emplace_back(figure->place(), child);
            } else if (child->isWidgetType() && exposed(*static_cast<QWidget*>(child), table_)) {
                found.emplace_back(place_in_window(*static_cast<QWidget*>(child)), child);
            }
        }
        std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
            return std::pair(a.first.y(), a.first.x()) < std::pair(b.first.y(), b.first.x());
        });
        std::vector<QObject*> ordered;
        ordered.reserve(found.size());
        for (const auto& [place, child] : found) ordered.push_back(child);
        return ordered;
    }

    const AccessibleTable& table_;
    const AccessibleRow* row_;
    QObject* figure_ = nullptr;
    QString announced_name_;
    bool announced_checked_ = false;
};

QAccessibleInterface* figure_interface(QObject* figure) {
    auto* container = qobject_cast<QWidget*>(figure->parent());
    const AccessibleTable* table = container ? table_of(container->window()) : nullptr;
    const AccessibleRow* row = table ? figure_row(*table, *container) : nullptr;
    return row ? new FigureAccessible(figure, *container, *row) : nullptr;
}

// Qt asks once per class from the object's own up to QObject; we answer for the object's own
// class or not at all, so that Qt's interfaces serve the classes we leave alone.
QAccessibleInterface* make_interface(const QString& key, QObject* object) {
    if (key != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (object->objectName() == QLatin1String(figure_object_name))
        return figure_interface(object);
    if (!object->isWidgetType())
        return nullptr;
    auto* control = static_cast<QWidget*>(object);
    const AccessibleTable* table = table_of(control->window());
    if (!table)
        return nullptr;
    if (control->isWindow())
        return new ControlAccessible(control, QAccessible::Window, *table, window_row(*table));
    // The hidden button that holds the focus at start and after a click does nothing: no button
    // for a screen reader to announce, nothing to press.
    if (control->objectName() == QLatin1String("Command4"))
        return new ControlAccessible(control, QAccessible::Client, *table, nullptr);
    if (const AccessibleRow* row = control_row(*table, control->objectName())) {
        switch (row->as) {
            case Exposed::command:
                return new ControlAccessible(control, QAccessible::Button, *table, row);
            case Exposed::lock:
                return new ControlAccessible(control, QAccessible::CheckBox, *table, row);
            default:  // Qt's own control, named
                return nullptr;
        }
    }
    if (qobject_cast<Panel*>(control))
        return new ControlAccessible(control, QAccessible::Grouping, *table, nullptr);
    if (qobject_cast<Label*>(control))
        return new ControlAccessible(control, QAccessible::StaticText, *table, nullptr);
    if (qobject_cast<StatusBar*>(control))
        return new ControlAccessible(control, QAccessible::StatusBar, *table, nullptr);
    if (qobject_cast<Image*>(control) || qobject_cast<Rectangle*>(control))
        return new ControlAccessible(control, QAccessible::NoRole, *table, nullptr);
    return nullptr;
}

void name_fields(QWidget& window, const AccessibleTable& table) {
    for (const AccessibleRow& row : table.rows) {
        if (row.as != Exposed::field)
            continue;
        if (auto* field = window.findChild<QWidget*>(QLatin1String(row.control)))
            field->setAccessibleName(QString::fromUtf8(row.name));
    }
}

class FieldNamer : public QAccessible::ActivationObserver {
public:
    void add(QWidget& window, const AccessibleTable& table) {
        std::erase_if(windows_, [](const auto& entry) { return entry.first.isNull(); });
        windows_.emplace_back(&window, &table);
    }
    void accessibilityActiveChanged(bool active) override {
        if (!active)
            return;
        for (const auto& [window, table] : windows_) {
            if (window)
                name_fields(*window, *table);
        }
    }

private:
    std::vector<std::pair<QPointer<QWidget>, const AccessibleTable*>> windows_;
};

}  // namespace

void install_accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(make_interface);
        return true;
    }();
    Q_UNUSED(installed);
}

void name_fields_when_accessible(QWidget& window, const AccessibleTable& table) {
    if (QAccessible::isActive()) {
        name_fields(window, table);
        return;
    }
    static FieldNamer* namer = [] {
        auto* observer = new FieldNamer;
        QAccessible::installActivationObserver(observer);
        return observer;
    }();
    namer->add(window, table);
}

}  // namespace layouts
