#include <gtest/gtest.h>

#include <QCoreApplication>

// The main of the tests that link vrendis_core alone: no widgets, no display.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
