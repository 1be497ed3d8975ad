// The main of every test program: a QApplication (offscreen in ctest) so that fonts,
// painting, printing and widgets work, then GoogleTest.
#include "store/Database.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("VellumarkTests"));
    QApplication::setApplicationName(QStringLiteral("VellumarkTests"));
    // Tests that hold a lock against themselves need not wait as long as a user would.
    Database::SetBusyWait({3000, {}});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
