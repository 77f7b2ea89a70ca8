#include "settings/profile_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <set>

// The profile store on real files: the Part's edge cases, the file on disk after a write, and
// what happens around it (other programs, a second copy of this one, files that are not files).
namespace {

using namespace settings;

class ProfileStore : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    std::string path(const char* name = "vrendisar.ini") const {
        return dir.filePath(name).toStdString();
    }

    static void put(const std::string& file, const QByteArray& bytes) {
        QFile out(QString::fromStdString(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }

    static QByteArray contents(const std::string& file) {
        QFile in(QString::fromStdString(file));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    static std::string read(const std::string& file, const char* section, const std::string& key) {
        set_profile_file(file);
        set_profile_section(section);
        set_profile_key(key);
        return read_profile();
    }

    static bool write(const std::string& file, const char* section, const std::string& key,
                      const std::string& value) {
        set_profile_file(file);
        set_profile_section(section);
        set_profile_key(key);
        return write_profile(value);
    }

    QStringList entries() const {
        return QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
    }

    QTemporaryDir dir;
};

TEST_F(ProfileStore, MissingFileSectionOrKeyReadsEmpty) {
    EXPECT_EQ(read(path(), "Vrendomaten", "Antal_Ben"), "");
    put(path(), "[Vrendomaten]\r\nAntal_Ben=12\r\n");
    EXPECT_EQ(read(path(), "Vrendomaten", "Antal_Broest"), "");
    EXPECT_EQ(read(path(), "Bookmarks", "Antal_Ben"), "");
    EXPECT_EQ(read(path(), "Vrendomaten", "Antal_Ben"), "12");
}

TEST_F(ProfileStore, ReadIsCappedAt254Characters) {
    const std::string value(300, 'x');
    write(path(), "Vrendomaten", "Huvuden", value);
    EXPECT_EQ(read(path(), "Vrendomaten", "Huvuden"), value.substr(0, 254));
    // Characters, not bytes: 254 Swedish letters are 508 bytes of UTF-8.
    std::string swedish;
    for (int i = 0; i < 300; ++i) swedish += "å";
    write(path(), "Vrendomaten", "Broest", swedish);
    EXPECT_EQ(read(path(), "Vrendomaten", "Broest"), swedish.substr(0, 508));
}

TEST_F(ProfileStore, NulCrAndLfAreDropped) {
    write(path(), "Vrendomaten", "Ben", std::string("a\0b\0", 4));
    EXPECT_EQ(read(path(), "Vrendomaten", "Ben"), "ab");
    write(path(), "Vrendomaten", "Ben", "1\r\n[Bookmarks]\r\nCounter=99");
    EXPECT_EQ(read(path(), "Vrendomaten", "Ben"), "1[Bookmarks]Counter=99");
    EXPECT_EQ(read(path(), "Bookmarks", "Counter"), "");
    EXPECT_EQ(contents(path()), "[Vrendomaten]\r\nBen=1[Bookmarks]Counter=99\r\n");
}

TEST_F(ProfileStore, WriteCreatesTheFileWithoutByteOrderMark) {
    write(path("bookmark.dat"), "Bookmarks", "Counter", "1");
    EXPECT_EQ(contents(path("bookmark.dat")), "[Bookmarks]\r\nCounter=1\r\n");
    write(path("bookmark.dat"), "Bookmarks", "bookmark_1", "h12c3l7");
    EXPECT_EQ(contents(path("bookmark.dat")), "[Bookmarks]\r\nCounter=1\r\nbookmark_1=h12c3l7\r\n");
    EXPECT_EQ(entries(), QStringList{"bookmark.dat"});  // no temporary or lock file left
}

TEST_F(ProfileStore, KeyAloneUsesThePreviousFileAndSection) {
    put(path(), "[Vrendomaten]\r\nAntal_Huvuden=40\r\nAntal_Ben=30\r\n");
    EXPECT_EQ(read(path(), "Vrendomaten", "Antal_Huvuden"), "40");
    set_profile_key("Antal_Ben");
    EXPECT_EQ(read_profile(), "30");
    set_profile_key("Visa_splash");
    write_profile("1");
    set_profile_key("Visa_splash");
    EXPECT_EQ(read_profile(), "1");
}

TEST_F(ProfileStore, RewriteKeepsEveryOtherByte) {
    const QByteArray before =
        "; Vrendomaten 6.9\r\n[vrendomaten]\r\n  visa_splash = 0 ; "
        "av\r\nHuvuden=\\data\\huvuden\\\r\n"
        "# gammal rad\r\n\r\n[Annat]\nx=1\n";
    put(path(), before);
    write(path(), "Vrendomaten", "Visa_splash", "1");
    QByteArray expected = before;
    expected.replace("  visa_splash = 0 ; av", "visa_splash=1");
    EXPECT_EQ(contents(path()), expected);
    write(path(), "Vrendomaten", "Antal_Ben", "7");
    expected.replace("huvuden\\\r\n", "huvuden\\\r\nAntal_Ben=7\r\n");
    EXPECT_EQ(contents(path()), expected);
    EXPECT_EQ(read(path(), "ANNAT", "X"), "1");
}

TEST_F(ProfileStore, Windows1252FileStays1252) {
    put(path(), "[Vrendomaten]\r\nNamn=Br\xF6st\r\n");
    EXPECT_EQ(read(path(), "Vrendomaten", "Namn"), "Bröst");
    write(path(), "Vrendomaten", "Namn", "Huvudvärk");
    EXPECT_EQ(contents(path()), "[Vrendomaten]\r\nNamn=Huvudv\xE4rk\r\n");
    EXPECT_EQ(read(path(), "Vrendomaten", "Namn"), "Huvudvärk");
}

TEST_F(ProfileStore, OutsideEditsAreSeen) {
    write(path(), "Vrendomaten", "Visa_splash", "0");
    EXPECT_EQ(read(path(), "Vrendomaten", "Visa_splash"), "0");
    // In place, same size, at once: the time stamp may not have moved.
    put(path(), "[Vrendomaten]\r\nVisa_splash=1\r\n");
    EXPECT_EQ(read(path(), "Vrendomaten", "Visa_splash"), "1");
    // Renamed over it, as editors save.
    put(path("new.ini"), "[Vrendomaten]\r\nVisa_splash=2\r\n");
    ASSERT_TRUE(QFile::remove(QString::fromStdString(path())));
    ASSERT_TRUE(
        QFile::rename(QString::fromStdString(path("new.ini")), QString::fromStdString(path())));
    EXPECT_EQ(read(path(), "Vrendomaten", "Visa_splash"), "2");
    // Same size again, long after the last change.
    usleep(120'000);
    EXPECT_EQ(read(path(), "Vrendomaten", "Visa_splash"), "2");
    put(path(), "[Vrendomaten]\r\nVisa_splash=3\r\n");
    EXPECT_EQ(read(path(), "Vrendomaten", "Visa_splash"), "3");
    ASSERT_TRUE(QFile::remove(QString::fromStdString(path())));
    EXPECT_EQ(read(path(), "Vrendomaten", "Visa_splash"), "");
}

TEST_F(ProfileStore, DirectoryInTheWay) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("vrendisar.ini"));
    EXPECT_EQ(read(path(), "Vrendomaten", "Visa_splash"), "");
    EXPECT_FALSE(write(path(), "Vrendomaten", "Visa_splash", "1"));
    EXPECT_FALSE(delete_profile_key());
    EXPECT_TRUE(QFileInfo(QString::fromStdString(path())).isDir());
    EXPECT_EQ(read(path(), "Vrendomaten", "Visa_splash"), "");
}

TEST_F(ProfileStore, WritesReportWhetherTheFileHoldsTheChange) {
    EXPECT_TRUE(write(path(), "Vrendomaten", "Visa_splash", "1"));
    EXPECT_TRUE(write(path(), "Vrendomaten", "Visa_splash", "1"));  // already there
    EXPECT_FALSE(write(path(), "Vrendomaten", "a=b", "1"));         // would not read back
    EXPECT_EQ(read(path(), "Vrendomaten", "a"), "");
    set_profile_key("Visa_splash");
    EXPECT_TRUE(delete_profile_key());
    EXPECT_TRUE(delete_profile_key());  // already gone
    EXPECT_FALSE(write("", "Vrendomaten", "Visa_splash", "1"));
    EXPECT_FALSE(write(path("missing/vrendisar.ini"), "Vrendomaten", "Visa_splash", "1"));
}

TEST_F(ProfileStore, FifoNeitherHangsNorIsReplaced) {
    ASSERT_EQ(mkfifo(path().c_str(), 0600), 0);
    EXPECT_EQ(read(path(), "Vrendomaten", "Visa_splash"), "");
    EXPECT_FALSE(write(path(), "Vrendomaten", "Visa_splash", "1"));
    struct stat st;
    ASSERT_EQ(stat(path().c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(ProfileStore, ReadOnlyFileKeepsItsContent) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files; see FullDiskKeepsTheOldFile";
    const QByteArray before = "[Vrendomaten]\r\nVisa_splash=0\r\n";
    put(path(), before);
    ASSERT_EQ(chmod(path().c_str(), 0444), 0);
    write(path(), "Vrendomaten", "Visa_splash", "1");
    EXPECT_EQ(contents(path()), before);
    EXPECT_EQ(read(path(), "Vrendomaten", "Visa_splash"), "0");
}

TEST_F(ProfileStore, UnreadableFileIsNeverReplaced) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    const QByteArray before = "[Vrendomaten]\r\nVisa_splash=0\r\n";
    put(path(), before);
    ASSERT_EQ(chmod(path().c_str(), 0200), 0);
    EXPECT_EQ(read(path(), "Vrendomaten", "Visa_splash"), "");
    write(path(), "Vrendomaten", "Antal_Ben", "1");
    ASSERT_EQ(chmod(path().c_str(), 0600), 0);
    EXPECT_EQ(contents(path()), before);
}

TEST_F(ProfileStore, FullDiskKeepsTheOldFile) {
    // A child whose file size limit is below the new file's size: its write fails midway.
    QByteArray before = "[Vrendomaten]\r\nVisa_splash=0\r\n";
    for (int i = 0; i < 200; ++i) before += "; en rad som bara tar plats i filen\r\n";
    put(path(), before);
    QProcess child;
    child.start(PROFILE_WRITER, {"limited", QString::fromStdString(path()), "4096", "1"});
    ASSERT_TRUE(child.waitForFinished(30'000));
    EXPECT_EQ(child.exitCode(), 0);
    EXPECT_EQ(contents(path()), before);
    EXPECT_EQ(entries(), QStringList{"vrendisar.ini"});
}

TEST_F(ProfileStore, BinaryGarbageAndHugeFiles) {
    QByteArray garbage(1 << 20, '\0');
    quint32 x = 12345;
    for (char& c : garbage) c = char((x = x * 1664525 + 1013904223) >> 24);
    put(path(), garbage);
    (void)read(path(), "Vrendomaten", "Visa_splash");
    write(path(), "Vrendomaten", "Visa_splash", "1");
    EXPECT_EQ(read(path(), "Vrendomaten", "Visa_splash"), "1");
    EXPECT_TRUE(contents(path()).startsWith(garbage));

    // 100 MB in lines of 1 MB.
    QByteArray huge = "[Vrendomaten]\r\n";
    const QByteArray line = "x=" + QByteArray(1 << 20, 'y') + "\r\n";
    huge.reserve(101 << 20);
    for (int i = 0; i < 100; ++i) huge += line;
    put(path(), huge);
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(read(path(), "Vrendomaten", "x"), std::string(254, 'y'));
    write(path(), "Vrendomaten", "Visa_splash", "1");
    EXPECT_EQ(read(path(), "Vrendomaten", "Visa_splash"), "1");
    EXPECT_LT(timer.elapsed(), 20'000);
    EXPECT_EQ(contents(path()).size(), huge.size() + qsizetype(sizeof("Visa_splash=1\r\n") - 1));
}

TEST_F(ProfileStore, AnyValueReadsBackAsWritten) {
    for (const std::string value : {" med blanksteg ", "\"citerad\"", "'",
                                    "\xEF\xBB\xBF"
                                    "bom",
                                    "a;b#c", "=", "[Bookmarks]", "ö€Ω😀"}) {
        write(path(), "Vrendomaten", "\xEF\xBB\xBFHuvuden", value);
        EXPECT_EQ(read(path(), "VRENDOMATEN", "\xEF\xBB\xBFhuvuden"), value);
    }
}

TEST_F(ProfileStore, ReadersNeverSeeAHalfWrittenFile) {
    write(path(), "Vrendomaten", "Visa_splash", "1");
    QProcess writer;
    writer.start(PROFILE_WRITER, {"keys", QString::fromStdString(path()), "key_", "100"});
    ASSERT_TRUE(writer.waitForStarted());
    int reads = 0;
    while (writer.state() != QProcess::NotRunning) {
        ASSERT_EQ(read(path(), "Vrendomaten", "Visa_splash"), "1") << "after " << reads;
        ++reads;
        writer.waitForFinished(0);
    }
    EXPECT_EQ(writer.exitCode(), 0);
    EXPECT_EQ(read(path(), "Vrendomaten", "key_100"), "100");
}

TEST_F(ProfileStore, NestedLocksDoNotDeadlock) {
    set_profile_file(path("bookmark.dat"));
    set_profile_section("Bookmarks");
    QElapsedTimer timer;
    timer.start();
    {
        ProfileLock outer;
        EXPECT_TRUE(outer.locked());
        EXPECT_TRUE(QFile::exists(QString::fromStdString(path("bookmark.dat.lock"))));
        {
            ProfileLock inner;
            EXPECT_TRUE(inner.locked());
            set_profile_key("Counter");
            write_profile("1");
        }
        EXPECT_TRUE(QFile::exists(QString::fromStdString(path("bookmark.dat.lock"))));
        set_profile_key("bookmark_1");
        write_profile("h1c2l3");
    }
    EXPECT_LT(timer.elapsed(), 2'000);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path("bookmark.dat.lock"))));
    EXPECT_EQ(read(path("bookmark.dat"), "Bookmarks", "bookmark_1"), "h1c2l3");

    set_profile_file("");
    ProfileLock nothing;
    EXPECT_FALSE(nothing.locked());
}

TEST_F(ProfileStore, TwoProcessesLoseNoWrites) {
    QProcess first, second;
    first.start(PROFILE_WRITER, {"keys", QString::fromStdString(path()), "first_", "200"});
    second.start(PROFILE_WRITER, {"keys", QString::fromStdString(path()), "second_", "200"});
    ASSERT_TRUE(first.waitForFinished(120'000));
    ASSERT_TRUE(second.waitForFinished(120'000));
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(second.exitCode(), 0);
    for (int i = 1; i <= 200; ++i) {
        EXPECT_EQ(read(path(), "Vrendomaten", "first_" + std::to_string(i)), std::to_string(i));
        EXPECT_EQ(read(path(), "Vrendomaten", "second_" + std::to_string(i)), std::to_string(i));
    }
    EXPECT_EQ(entries(), QStringList{"vrendisar.ini"});
}

TEST_F(ProfileStore, ProfileLockSpansReadAndWrite) {
    QProcess first, second;
    first.start(PROFILE_WRITER, {"count", QString::fromStdString(path()), "100"});
    second.start(PROFILE_WRITER, {"count", QString::fromStdString(path()), "100"});
    ASSERT_TRUE(first.waitForFinished(120'000));
    ASSERT_TRUE(second.waitForFinished(120'000));
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(read(path(), "Bookmarks", "Counter"), "200");
}

}  // namespace
