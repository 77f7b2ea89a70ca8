#include "catalogue/own_part_store.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <functional>

#include "catalogue/own_part.h"
#include "platform/paths.h"
#include "settings/program_profile.h"
#include "support/mounts.h"
#include "support/program_fixture.h"

namespace {

using catalogue::OwnPartPlace;
using catalogue::Part;
using testing_support::ProgramDirectory;

QByteArray bytes_of(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Every file below a folder with a hash of its bytes.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[path] = QCryptographicHash::hash(bytes_of(path), QCryptographicHash::Md5);
    }
    return files;
}

// The bytes of every picture each old ID shows, as the catalogue names them now.
QMap<QString, QByteArray> shown_pictures() {
    const catalogue::Catalogue read = catalogue::Catalogue::read();
    QMap<QString, QByteArray> shown;
    const int counts[] = {testing_support::heads, testing_support::chests, testing_support::legs};
    for (Part part : catalogue::parts) {
        for (int n = 1; n <= counts[catalogue::index(part)]; ++n) {
            shown[catalogue::part_id(part, std::int16_t(n))] =
                bytes_of(read.picture_path(part, std::int16_t(n)));
        }
    }
    return shown;
}

struct Case {
    const char* name;
    std::function<void(ProgramDirectory&)> setup;
    Part part;
    OwnPartPlace place;
    // The new part's ID, or the refusal ("{dir}": the program directory).
    const char* id;
    const char* problem;
    // Where the pictures are read from afterwards: the user's own catalogue or the program's.
    bool own_catalogue = false;
};

void installed(ProgramDirectory& program) {
    put(program.file("\\installed"), "");
}

// The held mount, for as long as the case runs.
std::unique_ptr<testing_support::ReadOnlyFile> read_only;
void heads_read_only(ProgramDirectory& program) {
    read_only = std::make_unique<testing_support::ReadOnlyFile>(program.file("\\data\\huvuden"));
}

const Case cases[] = {
    {"InPlace", [](ProgramDirectory&) {}, Part::head, OwnPartPlace::usual, "h5", nullptr},
    {"InstalledMakesTheUsersOwnCatalogue", installed, Part::chest, OwnPartPlace::usual, "c4",
     nullptr, true},
    {"UnwritableFolderMakesTheUsersOwnCatalogue", heads_read_only, Part::head, OwnPartPlace::usual,
     "h5", nullptr, true},
    {"UnwritableFolderOfANamedCatalogue", heads_read_only, Part::head,
     OwnPartPlace::program_directory, nullptr, "Mappen {dir}/data/huvuden går inte att skriva."},
    {"FileForTheNextNumberExists", [](ProgramDirectory& p) { p.write_picture('l', 6); }, Part::legs,
     OwnPartPlace::usual, nullptr, "{dir}/data/ben/l6.jpg finns redan; inget ändrades."},
    {"FullKind", [](ProgramDirectory& p) { p.set_profile_value("Antal_Broest", "32767"); },
     Part::chest, OwnPartPlace::usual, nullptr, "Det finns redan 32767 bröst."},
    {"CountThatIsNone", [](ProgramDirectory& p) { p.set_profile_value("Antal_Ben", "x"); },
     Part::legs, OwnPartPlace::usual, nullptr,
     "Antal_Ben = \"x\" i {dir}/vrendisar.ini är inget heltal från 1 till 32767."},
    {"FolderKeyMissing", [](ProgramDirectory& p) { p.remove_profile_value("Huvuden"); }, Part::head,
     OwnPartPlace::usual, nullptr, "Nyckeln Huvuden saknas eller är tom i {dir}/vrendisar.ini."},
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class OwnPartStore : public testing::TestWithParam<Case> {
protected:
    OwnPartStore() : data_home_(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", QFile::encodeName(home_.path()));
    }
    ~OwnPartStore() override {
        read_only.reset();
        if (data_home_.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", data_home_);
    }
    QTemporaryDir home_;
    QByteArray data_home_;
    ProgramDirectory program;
};

// A part stored twice where it may be, each a picture the catalogue reads and a count raised
// after it; or refused, changing nothing. The pictures every old ID showed stay the same, and an
// installed tree is never written.
TEST_P(OwnPartStore, StoresTheNextNumberOrChangesNothing) {
    const Case& c = GetParam();
    c.setup(program);
    if (read_only && !read_only->read_only())
        GTEST_SKIP() << "no read-only folder here";
    const bool installed_tree = QFileInfo::exists(program.file("\\installed"));
    const QMap<QString, QByteArray> program_before = snapshot(program.path());
    const QMap<QString, QByteArray> shown_before = shown_pictures();
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(QColor(250, 160, 30));
    const QByteArray jpeg = catalogue::part_jpeg(catalogue::fit(picture, c.part));

    const catalogue::StoredPart first = catalogue::store_own_part(c.part, jpeg, c.place);
    if (c.problem) {
        EXPECT_EQ(first.problem, QString::fromUtf8(c.problem).replace("{dir}", program.path()));
        EXPECT_TRUE(first.part_id.isEmpty());
        EXPECT_EQ(snapshot(program.path()), program_before);
        EXPECT_TRUE(snapshot(home_.path()).isEmpty());
        return;
    }
    ASSERT_EQ(first.part_id, QString::fromLatin1(c.id)) << first.problem.toStdString();
    const catalogue::StoredPart second = catalogue::store_own_part(c.part, jpeg, c.place);
    ASSERT_EQ(second.number, first.number + 1) << second.problem.toStdString();

    const catalogue::Catalogue read = catalogue::Catalogue::read();
    EXPECT_EQ(read.count_of(c.part), QString::number(second.number));
    for (std::int16_t number : {first.number, second.number})
        EXPECT_EQ(bytes_of(read.picture_path(c.part, number)), jpeg) << number;
    EXPECT_EQ(read.picture_path(c.part, 1).startsWith(catalogue::own_catalogue_directory() + '/'),
              c.own_catalogue);
    EXPECT_EQ(shown_pictures(), shown_before);
    if (installed_tree) {
        EXPECT_EQ(snapshot(program.path()), program_before);
        // A newer package's counts would name pictures the copy lacks: they do not reach it.
        for (const char* key : {"Antal_Huvuden", "Antal_Broest", "Antal_Ben"})
            program.set_profile_value(key, "30");
        for (Part part : catalogue::parts) {
            EXPECT_EQ(catalogue::Catalogue::read().count_of(part), read.count_of(part));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Places, OwnPartStore, testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
