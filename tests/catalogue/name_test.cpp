#include "catalogue/name.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* name;  // UTF-8
    catalogue::PartNumbers counts;
    const char* id;  // nullptr: refused
};

class FigureForName : public testing::TestWithParam<NameCase> {};

// Each expected ID worked out by hand from the folded text's bytes: the sha256sum line, then its
// first three 16-hex-digit groups a, b, c taken mod the counts, plus one (python3).
const NameCase name_cases[] = {
    // printf 'anna' | sha256sum: 55579b557896d0ce 1764c47fed644f9b 35f58bad620674af ...
    // 0x55579b557896d0ce % 40 + 1 = 7, 0x1764c47fed644f9b % 30 + 1 = 28,
    // 0x35f58bad620674af % 25 + 1 = 6
    {" ANNA ", {40, 30, 25}, "h7c28l6"},
    {"Anna", {40, 30, 25}, "h7c28l6"},
    // No-break and ideographic spaces are White_Space too.
    {"\u00a0anna\u3000", {40, 30, 25}, "h7c28l6"},
    // Another head count, another head: 0x55579b557896d0ce % 41 + 1 = 20
    {"anna", {41, 30, 25}, "h20c28l6"},
    // printf '\xc3\xa5sa' | sha256sum: 4f3aeda40bda6c10 2b8b5820941ca4c4 7f61f9d06cd4e1d0 ...
    // 0x4f3aeda40bda6c10 % 40 + 1 = 17, 0x2b8b5820941ca4c4 % 30 + 1 = 29,
    // 0x7f61f9d06cd4e1d0 % 25 + 1 = 15
    {"\u00c5sa", {40, 30, 25}, "h17c29l15"},
    {"A\u030asa", {40, 30, 25}, "h17c29l15"},
    // printf 'stra\xc3\x9fe' | sha256sum: 787f4770613d3824 cbc89b6d5da90a12 3e41b07b90b45ea3 ...
    // 0x787f4770613d3824 % 40 + 1 = 21, 0xcbc89b6d5da90a12 % 30 + 1 = 13,
    // 0x3e41b07b90b45ea3 % 25 + 1 = 18
    {"Stra\u00dfe", {40, 30, 25}, "h21c13l18"},
    // Capital sharp s folds to ß (status S), never to "ss".
    {"STRA\u1e9eE", {40, 30, 25}, "h21c13l18"},
    // printf 'strasse' | sha256sum: 16d96952087774fe e069b7585d3991b2 4d90c181c09b2129 ...
    // 0x16d96952087774fe % 40 + 1 = 39, 0xe069b7585d3991b2 % 30 + 1 = 9,
    // 0x4d90c181c09b2129 % 25 + 1 = 5
    {"STRASSE", {40, 30, 25}, "h39c9l5"},
    // İ has only full and Turkic foldings: it stays.
    // printf '\xc4\xb0' | sha256sum: a65018cffe8e0ed3 f3112a79326e4c97 18dc498a1f18a3a7 ...
    // 0xa65018cffe8e0ed3 % 40 + 1 = 4, 0xf3112a79326e4c97 % 30 + 1 = 16,
    // 0x18dc498a1f18a3a7 % 25 + 1 = 11
    {"\u0130", {40, 30, 25}, "h4c16l11"},
    // A zero width space is no White_Space: it stays.
    // printf '\xe2\x80\x8banna' | sha256sum: 031e43a48bb8a93a f0af5d396761d0c7 6cd35be1300ba343 ...
    // 0x031e43a48bb8a93a % 40 + 1 = 35, 0xf0af5d396761d0c7 % 30 + 1 = 18,
    // 0x6cd35be1300ba343 % 25 + 1 = 5
    {"\u200bAnna", {40, 30, 25}, "h35c18l5"},
    {" \t\u2003\u0085 ", {40, 30, 25}, nullptr},
};

TEST_P(FigureForName, GivesTheIdWorkedOutByHand) {
    const NameCase& c = GetParam();
    const auto figure = catalogue::figure_for_name(QString::fromUtf8(c.name), c.counts);
    if (!c.id) {
        EXPECT_FALSE(figure);
        return;
    }
    ASSERT_TRUE(figure);
    EXPECT_EQ(catalogue::figure_id(*figure), QString::fromLatin1(c.id));
}

INSTANTIATE_TEST_SUITE_P(Names, FigureForName, testing::ValuesIn(name_cases));

}  // namespace
