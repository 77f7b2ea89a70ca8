#include "settings/profile_file.h"

#include <gtest/gtest.h>

#include <QString>
#include <optional>

#include "settings/text_codec.h"

// The private-profile engine on bytes: how the old program's files read, and what a write
// leaves in them, byte for byte.
namespace {

using settings::ProfileFile;

// A literal with its NUL bytes.
template <std::size_t n>
QByteArray raw(const char (&text)[n]) {
    return QByteArray(text, n - 1);
}

struct ReadCase {
    const char* name;
    QByteArray file;
    QString section, key;
    QString expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class Read : public testing::TestWithParam<ReadCase> {};

TEST_P(Read, GivesWhatWindowsGave) {
    const ReadCase& c = GetParam();
    const ProfileFile file(c.file);
    EXPECT_EQ(file.value(c.section, c.key), c.expected);
    EXPECT_EQ(file.value_by_scan(c.section, c.key), c.expected);
    // A pass over the whole section reads the same: the first line of the key.
    std::optional<QString> passed;
    file.visit_entries(c.section, [&](QByteArrayView name, QByteArrayView value) {
        if (!passed && QString::fromUtf8(name).toCaseFolded() == c.key.trimmed().toCaseFolded())
            passed = QString::fromUtf8(value);
    });
    EXPECT_EQ(passed.value_or(QString()), c.expected);
}

const QString a300(300, 'a');

INSTANTIATE_TEST_SUITE_P(
    ProfileFile, Read,
    testing::Values(
        ReadCase{"crlf", "[S]\r\nk=v\r\n", "S", "k", "v"},
        ReadCase{"lf", "[S]\nk=v\n", "S", "k", "v"},
        ReadCase{"no_final_newline", "[S]\nk=v", "S", "k", "v"},
        ReadCase{"missing_key", "[S]\nk=v\n", "S", "x", ""},
        ReadCase{"missing_section", "[S]\nk=v\n", "T", "k", ""},
        ReadCase{"empty_file", "", "S", "k", ""},
        ReadCase{"empty_value", "[S]\nk=\n", "S", "k", ""},
        ReadCase{"case_of_names", "[sEcTiOn]\nKeY=v\n", "SECTION", "key", "v"},
        ReadCase{"case_of_swedish_names", "[Bröst]\nÅÄÖ=v\n", "BRÖST", "åäö", "v"},
        ReadCase{"blanks_around", " \t[ S ]\t\n \v k \t=\t v w \v\n", "S", "k", "v w"},
        ReadCase{"blanks_in_caller_names", "[S]\nk=v\n", " S\t", "\tk ", "v"},
        ReadCase{"form_feed_is_no_blank", "[S]\nk=\fv\n", "S", "k", "\fv"},
        ReadCase{"stray_cr", "[S]\r\r\nk=v\r\r\n", "S", "k", "v"},
        ReadCase{"double_quotes", "[S]\nk=\" v \"\n", "S", "k", " v "},
        ReadCase{"single_quotes", "[S]\nk='v'\n", "S", "k", "v"},
        ReadCase{"quotes_that_differ", "[S]\nk=\"v'\n", "S", "k", "\"v'"},
        ReadCase{"one_quote", "[S]\nk=\"\n", "S", "k", "\""},
        ReadCase{"empty_quotes", "[S]\nk=\"\"\n", "S", "k", ""},
        ReadCase{"only_outer_quotes", "[S]\nk=\"\"v\"\"\n", "S", "k", "\"v\""},
        ReadCase{"inner_quotes", "[S]\nk=a \"b\" c\n", "S", "k", "a \"b\" c"},
        ReadCase{"comment_line", "[S]\n;k=c\nk=v\n", "S", "k", "v"},
        ReadCase{"indented_comment", "[S]\n  ;k=c\n", "S", "k", ""},
        ReadCase{"hash_is_text", "[S]\n#k=v\n", "S", "#k", "v"},
        ReadCase{"text_after_value", "[S]\nk=v ; not a comment\n", "S", "k", "v ; not a comment"},
        ReadCase{"equals_in_value", "[S]\nk=a=b\n", "S", "k", "a=b"},
        ReadCase{"section_ends_at_first_bracket", "[a]b]\nk=v\n", "a", "k", "v"},
        ReadCase{"rest_of_header_ignored", "[S] x=y\nk=v\n", "S", "k", "v"},
        ReadCase{"text_after_header_no_key", "[S] x=y\nk=v\n", "S", "x", ""},
        ReadCase{"empty_section_name", "[]\nk=v\n", "", "k", "v"},
        ReadCase{"empty_key_name", "[S]\n=v\n", "S", "", "v"},
        ReadCase{"line_without_equals", "[S]\nk\n", "S", "k", ""},
        ReadCase{"cr_only", "[S]\rk=v\rj=w\r", "S", "j", "w"},
        ReadCase{"cr_only_next_section", "[S]\rk=1\r[T]\rk=2", "T", "k", "2"},
        ReadCase{"cr_ends_the_line", "[S]\nk=a\rj=b\n", "S", "j", "b"},
        ReadCase{"lf_cr_is_two_line_ends", "[S]\n\rk=v\n\r", "S", "k", "v"},
        ReadCase{"unclosed_header_opens_a_section", "[S\nk=v\n", "S", "k", "v"},
        ReadCase{"unclosed_header_name_trimmed", "[ S \t\r\nk=v\r\n", "s", "k", "v"},
        ReadCase{"unclosed_header_ends_the_section", "[S]\n[k=v\nj=1\n", "S", "j", ""},
        ReadCase{"unclosed_header_names_its_rest", "[S]\n[k=v\nj=1\n", "k=v", "j", "1"},
        ReadCase{"duplicate_key_first_wins", "[S]\nk=1\nk=2\n", "S", "k", "1"},
        ReadCase{"duplicate_section_first_wins", "[S]\nk=1\n[s]\nk=2\nj=3\n", "S", "k", "1"},
        ReadCase{"duplicate_section_keys_unseen", "[S]\nk=1\n[s]\nk=2\nj=3\n", "S", "j", ""},
        ReadCase{"before_first_section", "k=0\n[S]\nj=1\n", "S", "k", ""},
        ReadCase{"before_first_section_no_name", "k=0\n[S]\n", "", "k", ""},
        ReadCase{"byte_order_mark", "\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "k", "v"},
        ReadCase{"utf8_value", "[S]\nk=Bröst\n", "S", "k", "Bröst"},
        ReadCase{"windows_1252_value", "[S]\nk=Br\xF6st \x80\x85\n", "S", "k", "Bröst €…"},
        ReadCase{"windows_1252_name", "[Br\xD6ST]\nk=v\n", "bröst", "k", "v"},
        ReadCase{"windows_1252_unassigned", "[S]\nk=\x81\x8D\n", "S", "k", "\u0081\u008D"},
        ReadCase{"encoding_per_line", "[S]\nk=\xF6\nj=ö\n", "S", "j", "ö"},
        ReadCase{"nul_ends_value", raw("[S]\nk=a\0b\n"), "S", "k", "a"},
        ReadCase{"cap_254", "[S]\nk=" + a300.toUtf8() + "\n", "S", "k", a300.left(254)},
        ReadCase{"cap_254_quoted", "[S]\nk=\"" + a300.toUtf8() + "\"\n", "S", "k", a300.left(254)},
        ReadCase{"cap_254_characters_not_bytes", "[S]\nk=" + QString(300, u'ö').toUtf8() + "\n",
                 "S", "k", QString(254, u'ö')},
        ReadCase{"cap_254_windows_1252", "[S]\nk=" + QByteArray(300, '\xF6') + "\n", "S", "k",
                 QString(254, u'ö')},
        ReadCase{"cap_never_halves_a_pair", "[S]\nk=" + QString("😀").repeated(300).toUtf8(), "S",
                 "k", QString("😀").repeated(254)}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    QByteArray before;
    QString section, key, value;
    QByteArray after;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

class Write : public testing::TestWithParam<WriteCase> {};

TEST_P(Write, ChangesOnlyWhatItMust) {
    const WriteCase& c = GetParam();
    const QByteArray after = ProfileFile(c.before).with_value(c.section, c.key, c.value);
    EXPECT_EQ(after, c.after) << after.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    ProfileFile, Write,
    testing::Values(
        WriteCase{"new_file", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
        WriteCase{"in_place", "[S]\r\nk=old\r\nj=1\r\n", "S", "k", "new",
                  "[S]\r\nk=new\r\nj=1\r\n"},
        WriteCase{"keeps_spelling_and_line_end", "[s]\n  KEY = old ; x\nj=1\n", "S", "Key", "v",
                  "[s]\nKEY=v\nj=1\n"},
        WriteCase{"last_line_unterminated", "[S]\r\nk=old", "S", "k", "v", "[S]\r\nk=v\r\n"},
        WriteCase{"last_line_unterminated_lf", "[S]\nk=old", "S", "k", "v", "[S]\nk=v\r\n"},
        WriteCase{"cr_only_in_place", "[S]\rk=old\rj=1\r", "S", "k", "v", "[S]\rk=v\rj=1\r"},
        WriteCase{"cr_only_new_key", "[A]\ra=1\r[B]\r", "A", "n", "3", "[A]\ra=1\rn=3\r\n[B]\r"},
        WriteCase{"unclosed_header_section", "[S\r\nk=1\r\n", "S", "k", "2", "[S\r\nk=2\r\n"},
        WriteCase{"new_key_after_last_key", "[A]\r\na=1\r\n; c\r\n\r\n[B]\r\nb=2\r\n", "a", "n",
                  "3", "[A]\r\na=1\r\nn=3\r\n; c\r\n\r\n[B]\r\nb=2\r\n"},
        WriteCase{"new_key_in_lf_file", "[A]\na=1\n", "A", "n", "3", "[A]\na=1\nn=3\r\n"},
        WriteCase{"new_key_in_keyless_section", "[A]\r\n\r\n[B]\r\n", "A", "k", "v",
                  "[A]\r\nk=v\r\n\r\n[B]\r\n"},
        WriteCase{"new_key_no_final_newline", "[A]\r\na=1", "A", "b", "2", "[A]\r\na=1\r\nb=2\r\n"},
        WriteCase{"new_section", "[A]\r\na=1\r\n", "B", "b", "2", "[A]\r\na=1\r\n[B]\r\nb=2\r\n"},
        WriteCase{"new_section_no_final_newline", "[A]\r\na=1", "B", "b", "2",
                  "[A]\r\na=1\r\n[B]\r\nb=2\r\n"},
        WriteCase{"new_section_after_comment", "[A]\r\n; c", "B", "b", "2",
                  "[A]\r\n; c\r\n[B]\r\nb=2\r\n"},
        WriteCase{"duplicate_key_first_updated", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "v",
                  "[S]\r\nk=v\r\nk=2\r\n"},
        WriteCase{"duplicate_section_first_updated", "[S]\r\na=1\r\n[S]\r\nk=2\r\n", "S", "k", "v",
                  "[S]\r\na=1\r\nk=v\r\n[S]\r\nk=2\r\n"},
        WriteCase{"keys_before_first_section_untouched", "k=0\r\n[S]\r\n", "S", "k", "v",
                  "k=0\r\n[S]\r\nk=v\r\n"},
        WriteCase{"nul_dropped", "", "S", "k", QString("a") + QChar(0) + "b" + QChar(0),
                  "[S]\r\nk=ab\r\n"},
        WriteCase{"cr_lf_dropped_no_injection", "[S]\r\nk=1\r\n", "S", "k", "x\r\n[T]\r\nj=1",
                  "[S]\r\nk=x[T]j=1\r\n"},
        WriteCase{"blanks_kept_by_quotes", "", "S", "k", " v\t", "[S]\r\nk=\" v\t\"\r\n"},
        WriteCase{"quotes_kept_by_quotes", "", "S", "k", "'v'", "[S]\r\nk=\"'v'\"\r\n"},
        WriteCase{"inner_quotes_plain", "", "S", "k", "a\"b", "[S]\r\nk=a\"b\r\n"},
        WriteCase{"utf8_file_stays_utf8", "[S]\r\nk=å\r\n", "S", "k", "ö", "[S]\r\nk=ö\r\n"},
        WriteCase{"new_file_is_utf8", "", "Bröst", "k", "ö", "[Bröst]\r\nk=ö\r\n"},
        WriteCase{"windows_1252_file_stays_1252", "[S]\r\nk=\xE5\r\n", "S", "k", "ä€",
                  "[S]\r\nk=\xE4\x80\r\n"},
        WriteCase{"windows_1252_key_spelling", "[S]\r\n\xC5K=\xE5\r\n", "S", "åk", "ö",
                  "[S]\r\n\xC5K=\xF6\r\n"},
        WriteCase{"windows_1252_new_section", "[S]\r\nk=\xE5\r\n", "Bröst", "k", "ö",
                  "[S]\r\nk=\xE5\r\n[Br\xF6st]\r\nk=\xF6\r\n"},
        WriteCase{"not_in_1252_written_utf8", "[S]\r\nk=\xE5\r\nj=1\r\n", "S", "j", "Ω",
                  "[S]\r\nk=\xE5\r\nj=\xCE\xA9\r\n"},
        WriteCase{"ambiguous_1252_written_utf8", "[S]\r\nk=\xE5\r\nj=1\r\n", "S", "j", "Ã¥",
                  "[S]\r\nk=\xE5\r\nj=\xC3\x83\xC2\xA5\r\n"},
        WriteCase{"byte_order_mark_kept", "\xEF\xBB\xBF[S]\r\nk=1\r\n", "S", "k", "2",
                  "\xEF\xBB\xBF[S]\r\nk=2\r\n"},
        WriteCase{"byte_order_mark_only", "\xEF\xBB\xBF", "S", "k", "v",
                  "\xEF\xBB\xBF[S]\r\nk=v\r\n"},
        WriteCase{"unwritable_key", "[S]\r\n", "S", "a=b", "v", "[S]\r\n"},
        WriteCase{"unwritable_section", "[S]\r\n", "a]b", "k", "v", "[S]\r\n"},
        WriteCase{"other_bytes_untouched", raw("\x01[S]\0\r\n#x\r\n[S]\r\nk=1\r\n\xFF\xFE"), "S",
                  "k", "2", raw("\x01[S]\0\r\n#x\r\n[S]\r\nk=2\r\n\xFF\xFE")}),
    [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

TEST(ProfileFile, WrittenValuesReadBack) {
    const QStringList values = {"", "v", " v ", "\"v\"", "'", "a;b", "#", "ö€Ω😀", "=", "[x]"};
    for (const QByteArray& before : {QByteArray(), QByteArray("[S]\r\nk=\xE5\r\n")}) {
        for (const QString& value : values) {
            const ProfileFile after(ProfileFile(before).with_value("S", "key", value));
            EXPECT_EQ(after.value("s", "KEY"), value) << value.toStdString();
        }
    }
}

TEST(ProfileFile, Windows1252Tables) {
    for (int byte = 0; byte < 256; ++byte) {
        const char c = char(byte);
        const QString text = settings::from_windows_1252(&c, 1);
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(settings::to_windows_1252(text), QByteArray(1, c)) << byte;
    }
    EXPECT_FALSE(settings::to_windows_1252("Ω"));
    EXPECT_FALSE(settings::to_windows_1252(QString(QChar(0x80))));
}

TEST(ProfileFile, Utf8Validation) {
    EXPECT_TRUE(settings::is_utf8("a\xC3\xB6\xE2\x82\xAC\xF0\x9F\x98\x80", 10));
    EXPECT_FALSE(settings::is_utf8("\xF6", 1));
    EXPECT_FALSE(settings::is_utf8("\xC0\xAF", 2));          // overlong
    EXPECT_FALSE(settings::is_utf8("\xED\xA0\x80", 3));      // surrogate
    EXPECT_FALSE(settings::is_utf8("\xF4\x90\x80\x80", 4));  // above U+10FFFF
    EXPECT_FALSE(settings::is_utf8("\xE2\x82", 2));          // cut short
}

TEST(ProfileFile, LargeFilesAreScanned) {
    QByteArray big = "[S]\r\n";
    const QByteArray filler = "x=" + QByteArray(1 << 20, 'y') + "\r\n";
    while (big.size() <= ProfileFile::index_limit) big += filler;
    big += "k=v\r\n";
    const ProfileFile file(big);
    EXPECT_EQ(file.value("S", "k"), "v");
    EXPECT_EQ(file.value("S", "x").size(), ProfileFile::max_read_length);
}

}  // namespace
