#include "app/procedures.h"
#include "component_file/btjournal.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Windows are driven headless unless a platform was chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    // Nothing here outlives a power cut: the tests run without disk flushes,
    // except those that test the flushes and install a policy of their own.
    static NoDiskFlush noFlush;
    setDiskFlush(&noFlush);
    QApplication app(argc, argv);
    installProcedures();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
