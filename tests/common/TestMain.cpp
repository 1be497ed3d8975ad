// The main of every test program: a QApplication (offscreen in ctest) so that fonts,
// painting, printing and widgets work, then GoogleTest.
#include "content/layout/InterfaceFont.h"
#include "exchange/LinkedSpreadsheetFiles.h"
#include "exchange/SpreadsheetFiles.h"
#include "print/PrintSystem.h"
#include "print/PrinterSystem.h"
#include "store/CryptoStart.h"
#include "store/Database.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The cipher library set up as the program sets it up, before anything uses it.
    StartCryptoLibrary();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("VellumarkTests"));
    QApplication::setApplicationName(QStringLiteral("VellumarkTests"));
    // The program's interface font, so window layouts do not depend on which other
    // CJK fonts the machine has.
    UseInterfaceFont();
    // Printers work in every test, as in the window.
    RegisterPrintSystem(&QtPrintSystem());
    // And spreadsheet files, as the program's spreadsheet module gives them.
    RegisterSpreadsheetFiles(&LinkedSpreadsheetFiles());
    // Tests that hold a lock against themselves need not wait as long as a user would.
    Database::SetBusyWait({3000, {}});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
