#include "common/testmain.h"

#include <QGuiApplication>

// Tests that drive no window: the core library and a GUI application only.
int main(int argc, char** argv)
{
    prepareTestProcess();
    QGuiApplication app(argc, argv);
    return runAllTests(argc, argv);
}
