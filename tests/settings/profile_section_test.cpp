#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "settings/profile_store.h"

// Deleting a key and reading a whole section, on real files.
namespace {

using namespace settings;

class ProfileSection : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        set_profile_file(path());
        set_profile_section("Bookmarks");
    }
    std::string path() const { return dir.filePath("bookmark.dat").toStdString(); }
    void put(const QByteArray& bytes) {
        QFile out(QString::fromStdString(path()));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(out.write(bytes), bytes.size());
    }
    QByteArray contents() const {
        QFile in(QString::fromStdString(path()));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

TEST_F(ProfileSection, DeleteRemovesOnlyTheKeysLines) {
    put("; kept\r\n[Bookmarks]\r\nCounter=3\r\n  BOOKMARK_2 = h2c2l2\r\nbookmark_3=h3\n"
        "bookmark_2=again\r\n[Other]\r\nbookmark_2=other\r\n");
    set_profile_key("bookmark_2");
    delete_profile_key();
    EXPECT_EQ(
        contents(),
        "; kept\r\n[Bookmarks]\r\nCounter=3\r\nbookmark_3=h3\n[Other]\r\nbookmark_2=other\r\n");
    EXPECT_EQ(read_profile(), "");
    set_profile_key("bookmark_3");
    delete_profile_key();
    EXPECT_EQ(contents(), "; kept\r\n[Bookmarks]\r\nCounter=3\r\n[Other]\r\nbookmark_2=other\r\n");
    // The last line, without a line end.
    put("[Bookmarks]\r\nCounter=1\r\nbookmark_1=h1c1l1");
    set_profile_key("bookmark_1");
    delete_profile_key();
    EXPECT_EQ(contents(), "[Bookmarks]\r\nCounter=1\r\n");
    set_profile_key("Counter");
    EXPECT_EQ(read_profile(), "1");
}

TEST_F(ProfileSection, DeletingWhatIsNotThereWritesNothing) {
    set_profile_key("bookmark_1");
    delete_profile_key();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path())));
    put("[Bookmarks]\r\nCounter=1\r\n");
    delete_profile_key();
    EXPECT_EQ(contents(), "[Bookmarks]\r\nCounter=1\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"bookmark.dat"});
}

TEST_F(ProfileSection, SeveralValuesGoInOneRewriteOrNotAtAll) {
    put("[Bookmarks]\r\nCounter=1\r\nbookmark_1=h1\r\n[Other]\r\nk=v\r\n");
    EXPECT_TRUE(write_profile_values({{"counter", "2"}, {"bookmark_2", " h2 "}}));
    EXPECT_EQ(
        contents(),
        "[Bookmarks]\r\nCounter=2\r\nbookmark_1=h1\r\nbookmark_2=\" h2 \"\r\n[Other]\r\nk=v\r\n");
    // One name that would not read back: nothing is written.
    EXPECT_FALSE(write_profile_values({{"Counter", "3"}, {"a=b", "x"}}));
    set_profile_key("Counter");
    EXPECT_EQ(read_profile(), "2");
    // Values picked from the section as the rewrite finds it.
    const auto next_key = [](const SectionPass& pass) {
        int keys = 0;
        pass([&](std::string_view, std::string_view) { ++keys; });
        return ProfileValues{{"key_" + std::to_string(keys), "x"}};
    };
    EXPECT_TRUE(update_profile_section(next_key));
    EXPECT_TRUE(contents().contains("bookmark_2=\" h2 \"\r\nkey_3=x\r\n[Other]"));
    // A missing file: nothing picked creates nothing, a pick creates it.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(path())));
    EXPECT_TRUE(update_profile_section([](const SectionPass&) { return ProfileValues{}; }));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path())));
    EXPECT_TRUE(update_profile_section(next_key));
    EXPECT_EQ(contents(), "[Bookmarks]\r\nkey_0=x\r\n");
}

TEST_F(ProfileSection, ReadsTheFirstMatchingSectionInFileOrder) {
    EXPECT_TRUE(read_profile_section().empty());
    put("[Other]\r\nx=1\r\n[bookmarks]\r\n; note\r\nCounter = 2\r\nbookmark_2=\"h2\"\r\n"
        "junk\r\nbookmark_2=dup\r\n[Bookmarks]\r\nbookmark_9=late\r\n");
    using Entries = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(read_profile_section(),
              (Entries{{"Counter", "2"}, {"bookmark_2", "h2"}, {"bookmark_2", "dup"}}));
    set_profile_section("Missing");
    EXPECT_TRUE(read_profile_section().empty());
}

}  // namespace
