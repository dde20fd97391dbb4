#include "common/testmain.h"
#include "common/testlinks.h"
#include "component_file/btjournal.h"
#include "frame/interaction.h"
#include "frame/program.h"

#include <QLocale>
#include <gtest/gtest.h>

void prepareTestProcess()
{
    // Windows are driven headless unless a platform was chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    // Nothing here outlives a power cut: the tests run without disk flushes,
    // except those that test the flushes and install a policy of their own.
    static NoDiskFlush noFlush;
    setDiskFlush(&noFlush);
}

int runAllTests(int& argc, char** argv)
{
    // The state of tests that need no fresh one of their own (most install a
    // ProgramScope per test), answered without a person like a ProgramScope.
    const ProgramLinksInstalled links;
    Program program;
    BatchInteraction batchUi;
    program.ui = &batchUi;
    installProgram(&program);
    ::testing::InitGoogleTest(&argc, argv);
    const int rc = RUN_ALL_TESTS();
    installProgram(nullptr);
    return rc;
}
