#include "keeping/history.h"

#include <gtest/gtest.h>

#include <QStringList>

using keeping::FigureHistory;

namespace {

const auto any = [](const QString&) { return true; };

QStringList entries(const FigureHistory& history) {
    return QStringList(history.entries().begin(), history.entries().end());
}

}  // namespace

TEST(FigureHistory, KeepsOrderDropsWhatLiesAheadAndSkipsWhatCannotBeShown) {
    FigureHistory history;
    EXPECT_EQ(history.back(any), std::nullopt);
    for (const char* id : {"h1c1l1", "h2c2l2", "h2c2l2", "h3c3l3", "h4c4l4"}) history.shown(id);
    // The same ID shown again is no new entry.
    EXPECT_EQ(entries(history), QStringList({"h1c1l1", "h2c2l2", "h3c3l3", "h4c4l4"}));
    EXPECT_EQ(history.forward(any), std::nullopt);

    // h3 cannot be shown: back passes over it, and so does forward.
    const auto not_h3 = [](const QString& id) { return id != "h3c3l3"; };
    EXPECT_EQ(history.back(not_h3), "h2c2l2");
    EXPECT_EQ(history.back(not_h3), "h1c1l1");
    EXPECT_EQ(history.back(not_h3), std::nullopt);
    EXPECT_EQ(history.current(), "h1c1l1");
    EXPECT_EQ(history.forward(not_h3), "h2c2l2");
    EXPECT_EQ(history.forward(not_h3), "h4c4l4");
    // Nothing showable ahead: it stays where it is.
    EXPECT_EQ(history.back([](const QString&) { return false; }), std::nullopt);
    EXPECT_EQ(history.current(), "h4c4l4");

    // Showing the current figure again after going back keeps what lies ahead; a new one
    // drops it.
    EXPECT_EQ(history.back(any), "h3c3l3");
    EXPECT_EQ(history.back(any), "h2c2l2");
    history.shown("h2c2l2");
    EXPECT_EQ(entries(history).size(), 4);
    history.shown("h9c9l9");
    EXPECT_EQ(entries(history), QStringList({"h1c1l1", "h2c2l2", "h9c9l9"}));
    EXPECT_EQ(history.forward(any), std::nullopt);
}

TEST(FigureHistory, RemembersTheLastThousand) {
    FigureHistory history;
    for (int i = 1; i <= 1005; ++i) history.shown(QStringLiteral("h%1c1l1").arg(i));
    ASSERT_EQ(history.entries().size(), FigureHistory::capacity);
    EXPECT_EQ(history.entries().front(), "h6c1l1");
    EXPECT_EQ(history.current(), "h1005c1l1");
    int steps = 0;
    while (history.back(any)) ++steps;
    EXPECT_EQ(steps, 999);
    EXPECT_EQ(history.current(), "h6c1l1");
}
