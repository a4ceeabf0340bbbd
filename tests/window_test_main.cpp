#include <QApplication>

#include <gtest/gtest.h>

#include "platform/web_engine_setup.h"

// One QApplication for all window tests, on the offscreen platform unless the
// environment chooses another.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    vernik::prepareWebEngine();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
