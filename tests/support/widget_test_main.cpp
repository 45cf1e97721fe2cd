// gtest main for the widget tests: one QApplication for the whole binary (headless with
// QT_QPA_PLATFORM=offscreen, which CTest sets).
#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv)
{
    // CTest lists the tests by running the binary without the test environment: stay headless
    // unless a platform is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
