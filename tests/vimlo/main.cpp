// Vimlo's windows and runs, tested on the offscreen platform.
#include <QApplication>
#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vimlo");
    std::setlocale(LC_NUMERIC, "C");
    return RUN_ALL_TESTS();
}
