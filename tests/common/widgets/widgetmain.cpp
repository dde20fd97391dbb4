#include "common/testmain.h"

#include "frame/qtapplication.h"

// Tests that drive windows: the widget library and a widget application.
int main(int argc, char** argv)
{
    prepareTestProcess();
    // The program's application object: an exception of an event handler
    // becomes the error dialog, as in the program.
    TarnApplication app(argc, argv);
    return runAllTests(argc, argv);
}
