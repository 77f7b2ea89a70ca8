#pragma once

#include <QFile>
#include <QTest>

#include "layouts/loader.h"
#include "platform/window_system.h"
#include "shell/handlers.h"
#include "support/program_fixture.h"

namespace shell_testing {

// The main window, shown and active, with helpers for what the shell tests look at.
class ShellTest : public testing_support::WindowTest {
protected:
    // Minimising as on X11, whatever the platform the tests run on; a test may choose Wayland's.
    ShellTest() { platform::set_minimising(platform::Minimising::by_program); }
    ~ShellTest() override { platform::set_minimising(std::nullopt); }

    void move_over(QWidget* control) {
        testing_support::move_pointer(control, control->rect().center());
    }
    void click(QWidget* control) {
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    }

    bool minimised() { return window().windowState() & Qt::WindowMinimized; }
    bool figure_shown() {
        return window().image_head->has_picture() && !window().Text2->text().isEmpty();
    }

    // The profile value as it stands in the file.
    QString stored_profile_value(const QString& key) {
        QFile file(program.file("\\vrendisar.ini"));
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("<no file>");
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QString text = QString::fromUtf8(line).trimmed();
            if (text.startsWith(key + '='))
                return text.mid(key.size() + 1);
        }
        return QStringLiteral("<no key>");
    }
};

}  // namespace shell_testing
