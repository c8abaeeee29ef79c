// The widgets need an application; windows are drawn off screen unless a platform
// is chosen.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef QUILLON_TEST_LOCALE
    // The teacher's locale, which the application takes over when it starts.
    qputenv("LC_ALL", QUILLON_TEST_LOCALE);
#endif
    QApplication app(argc, argv);
    // Each test decides how its event loop ends.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
