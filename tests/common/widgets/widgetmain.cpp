#include "common/testmain.h"

#include <QApplication>

// Tests that drive windows: the widget library and a widget application.
int main(int argc, char** argv)
{
    prepareTestProcess();
    QApplication app(argc, argv);
    return runAllTests(argc, argv);
}
