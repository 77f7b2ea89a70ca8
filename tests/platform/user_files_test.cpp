// Where the user's files go. An installed program (the marker "installed" beside it) keeps them
// in the user's folder whoever runs it, root too, as these tests do; a copy that is not installed
// keeps beside it each file it can write there. XDG_DATA_HOME puts the user's folder into a
// scratch home.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "figure/generator.h"
#include "platform/paths.h"
#include "settings/launcher_copy.h"
#include "settings/profile_store.h"
#include "support/mounts.h"
#include "support/program_fixture.h"

using layouts::visible;
using platform::MessageIcon;

namespace {

QByteArray bytes_of(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

void put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
}

class UserFiles : public testing_support::WindowTest {
protected:
    explicit UserFiles(bool installed = true) : data_home_(qgetenv("XDG_DATA_HOME")) {
        if (installed)
            put(program.file("\\installed"), "");
        set_data_home(home_.path() + "/share");
    }
    ~UserFiles() override {
        if (data_home_.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", data_home_);
    }

    static void set_data_home(const QString& path) {
        qputenv("XDG_DATA_HOME", QFile::encodeName(path));
    }
    // Not there until the program first needs it.
    QString folder() const { return platform::user_directory(); }
    QString user_file(const QString& name) const { return folder() + '/' + name; }
    QString installed_profile() const { return program.file("\\vrendisar.ini"); }

    std::string read(const char* file, const char* section, const char* key) {
        settings::set_profile_file(platform::program_path(QLatin1String(file)).toStdString());
        settings::set_profile_section(section);
        settings::set_profile_key(key);
        return settings::read_profile();
    }
    std::string profile_value(const char* key) {
        return read("\\vrendisar.ini", "Vrendomaten", key);
    }

    QTemporaryDir home_;
    QByteArray data_home_;
};

class PortableCopy : public UserFiles {
protected:
    PortableCopy() : UserFiles(false) {}
};

}  // namespace

TEST_F(UserFiles, TheSplashChoiceIsTheOneKeyOfTheUsersCopyAndTheRestReadsThrough) {
    program.set_profile_value("Visa_splash", "1");
    const QByteArray installed = bytes_of(installed_profile());
    ASSERT_TRUE(visible(window().vrendis_splash));
    EXPECT_FALSE(QFileInfo::exists(folder()));  // reading makes nothing

    QTest::mouseClick(window().Check1, Qt::LeftButton, {}, window().Check1->rect().center());
    EXPECT_EQ(bytes_of(user_file("vrendisar.ini")), "[Vrendomaten]\r\nVisa_splash=0\r\n");
    EXPECT_EQ(bytes_of(installed_profile()), installed);
    EXPECT_EQ(profile_value("Visa_splash"), "0");
    EXPECT_EQ(profile_value("Antal_Huvuden"), "4");

    // A newer package's values reach the user, key by key.
    program.set_profile_value("Antal_Huvuden", "3");
    program.set_profile_value("Visa_splash", "1");
    EXPECT_EQ(profile_value("Antal_Huvuden"), "3");
    EXPECT_EQ(profile_value("Visa_splash"), "0");
}

TEST_F(UserFiles, EveryKeyTheUsersCopyHoldsWinsAndAnAbsoluteDirectoryStandsAsItIs) {
    // A catalogue of the user's own, outside the program directory; none left inside it.
    QTemporaryDir own;
    for (int n = 1; n <= testing_support::heads; ++n) {
        QFile::copy(program.picture_path('h', n), own.path() + "/h" + QString::number(n) + ".jpg");
        program.remove_picture('h', n);
    }
    // An old full copy of the profile, edited: an absolute head folder, an empty legs count.
    put(user_file("vrendisar.ini"),
        "[Vrendomaten]\r\nHuvuden=" + own.path().toUtf8() + "/\r\nAntal_Ben=\r\nVisa_splash=0\r\n");
    Vrendis2001& w = window();
    random.script(testing_support::draws_for({{2, 4}, {3, 3}}));
    functions::generate_figure(w, functions::NEW_FIGURE);
    EXPECT_EQ(w.image_head->picture_path(), own.path() + "/h2.jpg");
    EXPECT_EQ(w.image_head->picture().size(), program.picture_size('h', 2));
    EXPECT_EQ(w.Text2->text(), "h2");
    EXPECT_TRUE(shows(w.image_chest, 'c', 3));  // "\data\broest\" below the program

    EXPECT_EQ(profile_value("Antal_Ben"), "");  // held, though empty
    EXPECT_EQ(profile_value("Antal_Broest"), "3");
    settings::set_profile_section("Vrendomaten");
    const auto section = settings::read_profile_section();
    ASSERT_GE(section.size(), 3u);
    EXPECT_EQ(section[0].first, "Huvuden");
    EXPECT_EQ(section[1], (std::pair<std::string, std::string>{"Antal_Ben", ""}));

    // Taking a key out of the user's copy brings the installed value back.
    settings::set_profile_key("Antal_Ben");
    settings::delete_profile_key();
    EXPECT_EQ(profile_value("Antal_Ben"), "5");
}

TEST_F(UserFiles, BookmarksLiveInTheUsersFolderAlone) {
    // Whatever stands beside the program is not the user's.
    put(program.file("\\bookmark.dat"), "[Bookmarks]\r\nCounter=7\r\nbookmark_7=h4c3l5\r\n");
    const QByteArray installed = bytes_of(program.file("\\bookmark.dat"));
    EXPECT_EQ(window().bokmarken_list->count(), 0);

    window().mnubokmark->trigger();
    window().mnubokmark->trigger();
    EXPECT_EQ(bytes_of(user_file("bookmark.dat")),
              "[Bookmarks]\r\nCounter=2\r\nbookmark_1=h1c1l1\r\nbookmark_2=h1c1l1\r\n");
    EXPECT_EQ(window().bokmarken_list->count(), 2);
    EXPECT_EQ(bytes_of(program.file("\\bookmark.dat")), installed);
    EXPECT_EQ(QDir(program.path()).entryList(QDir::Files),
              (QStringList{"bookmark.dat", "installed", "vrendisar.ini"}));
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(UserFiles, AFolderThatCannotBeMadeFailsLikeAnyOtherWrite) {
    put(home_.path() + "/share", "a file where the folder would go");
    program.set_profile_value("Visa_splash", "1");
    QTest::mouseClick(window().Check1, Qt::LeftButton, {}, window().Check1->rect().center());
    EXPECT_TRUE(dialogs.boxes.empty());  // unnoticed
    EXPECT_EQ(profile_value("Visa_splash"), "1");

    functions::generate_figure(window(), functions::NEW_FIGURE);
    window().mnubokmark->trigger();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Bokmärket kunde inte sparas.");
    EXPECT_EQ(dialogs.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(window().bokmarken_list->count(), 0);
}

// The old launcher copied the executable into the user's folder and linked the installed
// pictures there. Only that goes: a file or link of the same name that is the user's own stays,
// and so does everything in a user's folder that is itself a link.
TEST_F(UserFiles, OnlyWhatTheOldLauncherMadeIsRemoved) {
    const QByteArray elf = "\177ELF a copied executable";
    QTemporaryDir own;  // pictures of the user's own, in no installed program
    QDir().mkpath(own.path() + "/data/huvuden");
    struct Scenario {
        const char* name;
        QByteArray executable;  // "vrendomaten", and "vrendomaten.new" when an executable
        QString pictures;       // where "data" links to
        bool folder_a_link;
        QStringList kept;
    };
    const Scenario scenarios[] = {
        {"the launcher's leftovers",
         elf,
         program.path() + "/data",
         false,
         {"bookmark.dat", "vrendisar.ini"}},
        {"a file of the user's by the executable's name",
         "my notes",
         program.path() + "/data",
         false,
         {"bookmark.dat", "vrendisar.ini", "vrendomaten"}},
        {"a link to pictures of the user's",
         elf,
         own.path() + "/data",
         false,
         {"bookmark.dat", "data", "vrendisar.ini", "vrendomaten", "vrendomaten.new"}},
        {"the user's folder a link",
         elf,
         program.path() + "/data",
         true,
         {"bookmark.dat", "data", "vrendisar.ini", "vrendomaten", "vrendomaten.new"}},
    };
    int n = 0;
    for (const Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        const QString data_home = home_.path() + "/home-" + QString::number(++n);
        set_data_home(data_home);
        const QString files = scenario.folder_a_link ? home_.path() + "/elsewhere" : folder();
        QDir().mkpath(files);
        QDir().mkpath(data_home);
        if (scenario.folder_a_link) {
            ASSERT_TRUE(QFile::link(files, folder()));
        }
        put(files + "/vrendomaten", scenario.executable);
        if (scenario.executable == elf)
            put(files + "/vrendomaten.new", elf.left(4));
        put(files + "/bookmark.dat", "[Bookmarks]\r\nCounter=0\r\n");
        put(files + "/vrendisar.ini", "[Vrendomaten]\r\nVisa_splash=0\r\n");
        ASSERT_TRUE(QFile::link(scenario.pictures, files + "/data"));

        platform::remove_launcher_leftovers();
        EXPECT_EQ(entries(files), scenario.kept);
        EXPECT_TRUE(QFileInfo::exists(program.path() + "/data/app"));
        EXPECT_TRUE(QFileInfo(own.path() + "/data/huvuden").isDir());
    }
}

// The whole profile the old launcher copied gives way to the splash choice it held, so that a
// newer package's counts reach the user; a profile the user made stays as it is.
TEST_F(UserFiles, TheOldLaunchersCopyOfTheProfileKeepsOnlyItsSplashChoice) {
    program.set_profile_value("Visa_splash", "1");
    QByteArray copy = bytes_of(installed_profile());  // Antal_Huvuden=4
    copy.replace("Visa_splash=1", "Visa_splash=0");
    // A newer package: one head fewer.
    program.set_profile_value("Antal_Huvuden", "3");

    struct Case {
        const char* name;
        QByteArray profile;
        bool retired;
    };
    const Case cases[] = {
        {"a copy of the installed profile", copy, true},
        {"a copy with a head folder of the user's",
         QByteArray(copy).replace("Huvuden=\\data\\huvuden\\", "Huvuden=/home/me/huvuden/"), false},
        {"a copy without one of the catalogue keys",
         QByteArray(copy).replace("Antal_vrendisar=3\r\n", ""), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(user_file("vrendisar.ini.old"));
        put(user_file("vrendisar.ini"), c.profile);
        settings::retire_launcher_copy();
        if (c.retired) {
            EXPECT_EQ(bytes_of(user_file("vrendisar.ini")), "[Vrendomaten]\r\nVisa_splash=0\r\n");
            EXPECT_EQ(bytes_of(user_file("vrendisar.ini.old")), c.profile);
            EXPECT_EQ(profile_value("Antal_Huvuden"), "3");
        } else {
            EXPECT_EQ(bytes_of(user_file("vrendisar.ini")), c.profile);
            EXPECT_FALSE(QFileInfo::exists(user_file("vrendisar.ini.old")));
            EXPECT_EQ(profile_value("Antal_Huvuden"), "4");
        }
        EXPECT_EQ(profile_value("Visa_splash"), "0");
    }
}

// A copy that is not installed, in a folder it can write, keeps each file it can write beside
// it; one it cannot write goes to the user's folder, the bookmarks starting from the file that
// could not be written.
TEST_F(PortableCopy, AFileThatCannotBeWrittenInPlaceIsWrittenInTheUsersFolder) {
    program.set_profile_value("Visa_splash", "1");
    put(program.file("\\bookmark.dat"), "[Bookmarks]\r\nCounter=1\r\nbookmark_1=h4c3l5\r\n");
    const QByteArray profile = bytes_of(installed_profile());
    const QByteArray bookmarks = bytes_of(program.file("\\bookmark.dat"));
    testing_support::ReadOnlyFile locked_profile(installed_profile());
    testing_support::ReadOnlyFile locked_bookmarks(program.file("\\bookmark.dat"));
    if (!locked_profile.read_only() || !locked_bookmarks.read_only())
        GTEST_SKIP() << "root needs to mount to make a file read-only";

    QTest::mouseClick(window().Check1, Qt::LeftButton, {}, window().Check1->rect().center());
    EXPECT_EQ(bytes_of(user_file("vrendisar.ini")), "[Vrendomaten]\r\nVisa_splash=0\r\n");
    EXPECT_EQ(profile_value("Visa_splash"), "0");
    EXPECT_EQ(profile_value("Antal_Huvuden"), "4");

    functions::generate_figure(window(), functions::NEW_FIGURE);
    window().mnubokmark->trigger();
    EXPECT_EQ(bytes_of(user_file("bookmark.dat")),
              "[Bookmarks]\r\nCounter=2\r\nbookmark_1=h4c3l5\r\nbookmark_2=h1c1l1\r\n");
    EXPECT_EQ(window().bokmarken_list->count(), 2);
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(bytes_of(installed_profile()), profile);
    EXPECT_EQ(bytes_of(program.file("\\bookmark.dat")), bookmarks);
}
