// The main() of every test binary that needs widgets: one QApplication on
// the offscreen platform, the program's font substitutes, then the tests.
#include "common/app_info.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    tarvo::InstallFontSubstitutes();
    return RUN_ALL_TESTS();
}
