#include "layouts/accessible.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QMetaMethod>
#include <QTest>
#include <map>

#include "support/program_fixture.h"

using layouts::Exposed;
using layouts::visible;

namespace {

// Whether anything listens to a control's signal: QObject keeps the question to the control
// itself, and its subclasses.
struct Listeners : QObject {
    static bool any(const QObject* object, const QMetaMethod& signal) {
        return (object->*(&Listeners::isSignalConnected))(signal);
    }
};

// Whether a click on the control, or a press or a double click, runs a handler.
bool takes_clicks(const QObject* control) {
    if (!qobject_cast<const layouts::Control*>(control) &&
        !qobject_cast<const layouts::StatusBar*>(control))
        return false;
    const char* events[] = {"clicked()", "double_clicked()", "mouse_down(Qt::MouseButton,QPoint)",
                            "mouse_up(Qt::MouseButton,QPoint)"};
    for (const char* signal : events) {
        const int index = control->metaObject()->indexOfSignal(signal);
        if (index >= 0 && Listeners::any(control, control->metaObject()->method(index)))
            return true;
    }
    return false;
}

// A caption as a screen reader speaks it: no "::" decoration, no access-key "&", no blanks
// around it.
QString spoken(QString caption) {
    return caption.remove(QLatin1Char('&')).remove(QStringLiteral("::")).simplified();
}

// The tree below an interface, depth first, as an assistive technology walks it.
void walk(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& all) {
    all.push_back(node);
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        EXPECT_NE(child, nullptr) << node->text(QAccessible::Name).toStdString();
        if (!child)
            continue;
        EXPECT_EQ(node->indexOfChild(child), i);
        EXPECT_EQ(child->parent(), node);
        walk(child, all);
    }
}

std::vector<QAccessibleInterface*> tree_of(QWidget* window) {
    std::vector<QAccessibleInterface*> all;
    walk(QAccessible::queryAccessibleInterface(window), all);
    return all;
}

// The first interface of the window's tree with this name, as a screen reader finds it.
QAccessibleInterface* named(QWidget* window, const QString& name) {
    for (QAccessibleInterface* node : tree_of(window)) {
        if (node->text(QAccessible::Name) == name)
            return node;
    }
    return nullptr;
}

class Accessible : public testing_support::WindowTest {
protected:
    void SetUp() override {
        show_window();
        // An assistive technology starting up: the fields get their names.
        QAccessible::setActive(true);
    }

    // Runs an action of the control named so, as a screen reader or voice control does.
    void act(const QString& name, const QString& action = QAccessibleActionInterface::pressAction(),
             QWidget* in = nullptr) {
        QAccessibleInterface* control = named(in ? in : &window(), name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        ASSERT_TRUE(control->actionInterface()->actionNames().contains(action))
            << name.toStdString() << ": " << action.toStdString();
        control->actionInterface()->doAction(action);
    }

    QString figure_name(QWidget* in = nullptr) {
        for (QAccessibleInterface* node : tree_of(in ? in : &window())) {
            if (node->role() == QAccessible::Graphic && node->object() &&
                node->object()->objectName() == QLatin1String(layouts::figure_object_name))
                return node->text(QAccessible::Name);
        }
        return QStringLiteral("<no figure>");
    }
};

TEST_F(Accessible, EveryControlThatTakesClicksIsNamedInTheTableOrListedWithItsReason) {
    Vrendis2001& w = window();
    const layouts::AccessibleTable& table = Vrendis2001::accessible();
    std::map<QObject*, QAccessibleInterface*> tree;
    for (QAccessibleInterface* node : tree_of(&w)) {
        // Qt's list rows have no object of their own.
        if (node->object())
            tree[node->object()] = node;
    }
    const std::map<QString, const char*> field_captions{
        {"Text5", "Label18"}, {"Text6", "Label19"}, {"Text7", "Label20"}};

    for (const layouts::AccessibleRow& row : table.rows) {
        SCOPED_TRACE(row.control);
        if (row.as == Exposed::window || row.as == Exposed::figure)
            continue;
        QWidget* control = w.findChild<QWidget*>(QLatin1String(row.control));
        ASSERT_NE(control, nullptr);
        ASSERT_TRUE(tree.count(control)) << "not in the tree";
        QAccessibleInterface* node = tree[control];
        EXPECT_EQ(node->text(QAccessible::Name), QString::fromUtf8(row.name));
        if (const auto* label = qobject_cast<layouts::Label*>(control)) {
            EXPECT_EQ(QString::fromUtf8(row.name), spoken(label->caption()));
        }
        if (field_captions.count(row.control)) {
            const auto* caption = w.findChild<layouts::Label*>(field_captions.at(row.control));
            EXPECT_EQ(QString::fromUtf8(row.name), spoken(caption->caption()).remove(':'));
        }
        if (row.as == Exposed::field)
            continue;
        const QStringList actions = node->actionInterface()->actionNames();
        EXPECT_TRUE(actions.contains(QAccessibleActionInterface::pressAction())) << "no Press";
        if (row.as == Exposed::lock) {
            EXPECT_EQ(node->role(), QAccessible::CheckBox);
            EXPECT_TRUE(actions.contains(QAccessibleActionInterface::toggleAction()));
            EXPECT_TRUE(node->state().checkable);
        } else {
            EXPECT_EQ(node->role(), QAccessible::Button);
        }
    }

    // A control added later with a click handler must say what it is to a screen reader.
    const auto listed = [&table](const QString& name) {
        for (const layouts::AccessibleRow& row : table.rows) {
            if ((row.as == Exposed::command || row.as == Exposed::lock) && name == row.control)
                return true;
        }
        for (const layouts::UnexposedRow& row : table.unexposed) {
            if (name == row.control)
                return true;
        }
        return false;
    };
    for (QWidget* control : w.findChildren<QWidget*>()) {
        if (takes_clicks(control)) {
            EXPECT_TRUE(listed(control->objectName())) << control->objectName().toStdString();
        }
    }

    // No decoration, shape or hidden ID holder stands in the tree; no text is unnamed.
    for (const auto& [object, node] : tree) {
        const QString name = object->objectName();
        EXPECT_FALSE(qobject_cast<layouts::Rectangle*>(object)) << name.toStdString();
        EXPECT_NE(node->role(), QAccessible::NoRole) << name.toStdString();
        if (node->role() == QAccessible::StaticText) {
            EXPECT_FALSE(node->text(QAccessible::Name).isEmpty()) << name.toStdString();
        }
        for (QWidget* holder : {static_cast<QWidget*>(w.Text2), static_cast<QWidget*>(w.Command3),
                                static_cast<QWidget*>(w.vrendis_splash)})
            EXPECT_NE(object, holder) << name.toStdString();
    }
}

// Press and Toggle, found by name as voice control finds them, do what a click does.
TEST_F(Accessible, ActionsDoWhatAClickDoes) {
    Vrendis2001& w = window();
    const auto id = [&w] { return w.Text2->text() + w.Text3->text() + w.Text4->text(); };
    ASSERT_EQ(figure_name(), QStringLiteral("Vrendis ") + id());

    random.script(testing_support::draws_for(
        {{2, testing_support::heads}, {3, testing_support::chests}, {4, testing_support::legs}}));
    act(QStringLiteral("Generera en ny vrendis"));
    EXPECT_EQ(id(), QStringLiteral("h2c3l4"));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(figure_name(), QStringLiteral("Vrendis h2c3l4"));

    act(QStringLiteral("Lås huvud"), QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(visible(w.bock1));
    EXPECT_FALSE(w.Text5->isEnabled());
    EXPECT_TRUE(named(&w, QStringLiteral("Lås huvud"))->state().checked);
    random.script(
        testing_support::draws_for({{1, testing_support::chests}, {1, testing_support::legs}}));
    act(QStringLiteral("Generera en ny vrendis"));
    EXPECT_EQ(id(), QStringLiteral("h2c1l1"));
    act(QStringLiteral("Lås huvud"));
    EXPECT_FALSE(named(&w, QStringLiteral("Lås huvud"))->state().checked);

    act(QStringLiteral("Starta bildspel"));
    EXPECT_TRUE(w.Slideshow_Clock->enabled());
    act(QStringLiteral("Stoppa bildspel"));
    EXPECT_FALSE(w.Slideshow_Clock->enabled());

    // The about panel starts to scroll; it shows from the first tick on.
    act(QStringLiteral("Om Programmet"));
    EXPECT_TRUE(w.aboutscroller->enabled());

    // The ID menu pops up on the arrow's press, as under the mouse.
    act(QStringLiteral("Vrendis ID-meny"));
    EXPECT_TRUE(w.mnuid->isVisible());
    w.mnuid->close();

    // A command that is not on screen cannot be pressed: the ID panel is closed.
    ASSERT_FALSE(w.Image13->isVisible());
    const QString shown = id();
    act(QStringLiteral("Visa vrendis med ID"));
    EXPECT_EQ(id(), shown);

    // Minimised and back through the loader's Press.
    act(QStringLiteral("Minimera Vrendomaten"));
    ASSERT_TRUE(w.loader);
    EXPECT_FALSE(w.isVisible());
    act(QStringLiteral("Vrendomaten v6.9"), QAccessibleActionInterface::pressAction(), w.loader);
    EXPECT_FALSE(w.loader);
    EXPECT_TRUE(w.isVisible());

    // The full-screen view: its figure, its slideshow and its way back.
    act(QStringLiteral("Helskärm"));
    ASSERT_TRUE(w.fullscreen);
    Fullscreen* view = w.fullscreen;
    EXPECT_EQ(figure_name(view), QStringLiteral("Ingen vrendis"));
    act(QStringLiteral("Stoppa bildspel"), QAccessibleActionInterface::pressAction(), view);
    EXPECT_FALSE(view->Slideshow_Clock->enabled());
    random.script(testing_support::draws_for({{3, testing_support::chests}}));
    act(QStringLiteral("Byt bröst"), QAccessibleActionInterface::pressAction(), view);
    EXPECT_TRUE(view->image_chest->picture_path().endsWith(QStringLiteral("c3.jpg")));
    act(QStringLiteral("Återgå till fönsterläge"), QAccessibleActionInterface::pressAction(), view);
    EXPECT_FALSE(w.fullscreen);
}

}  // namespace
