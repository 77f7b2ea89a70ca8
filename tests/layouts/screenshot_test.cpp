#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "figure/generator.h"
#include "platform/paths.h"
#include "support/program_fixture.h"

namespace {

// Figure-sized pictures, or the demo catalogue of the built program when it has one.
class Screenshot : public testing_support::WindowTest {
protected:
    Screenshot() : WindowTest(285) {
        if (QFile::exists(QStringLiteral(VRENDIS_PROGRAM_DIR "/vrendisar.ini")))
            platform::set_program_directory(QStringLiteral(VRENDIS_PROGRAM_DIR));
    }

    void save(QWidget& widget, const QString& name) {
        ASSERT_TRUE(QDir().mkpath(QStringLiteral(VRENDIS_SCREENSHOT_DIR)));
        const QString path = QStringLiteral(VRENDIS_SCREENSHOT_DIR "/") + name;
        EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
    }
};

}  // namespace

TEST_F(Screenshot, MainWindowWithAFigure) {
    random.script(testing_support::draws_for({{2, 4}, {3, 3}, {1, 5}}));
    Vrendis2001& w = window();
    w.bookmarks->setVisible(true);
    w.Image17->setVisible(true);
    functions::generate_figure(w, functions::NEW_FIGURE);
    ASSERT_FALSE(layouts::visible(w.vrendis_splash));
    save(w, "vrendis2001.png");
}

TEST_F(Screenshot, MainWindowWithTheSplashAndTheIdPanel) {
    program.set_profile_value("Visa_splash", "1");
    Vrendis2001& w = window();
    save(w, "vrendis2001_splash.png");
    w.editid->setVisible(true);
    save(w, "vrendis2001_editid.png");
}
