// gtest main for the widget tests: one QApplication for the whole binary (headless with
// QT_QPA_PLATFORM=offscreen, which CTest sets).
#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
