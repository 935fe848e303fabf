#include <QApplication>
#include <gtest/gtest.h>

// Widget tests share one application object; without a display they run offscreen.
int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("TIMPA_FREE");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
