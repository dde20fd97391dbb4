#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Windows are driven headless unless a platform was chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
