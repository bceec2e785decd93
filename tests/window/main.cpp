// The window tests' own main: an X server first, then the application on it.
// Without an X server the tests skip and say why.

#include "WindowTestEnvironment.h"
#include "Xvfb.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace cs::test {
namespace {
QString problem;
} // namespace

QString windowProblem() { return problem; }
} // namespace cs::test

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);

    cs::test::Xvfb xvfb;
    QString error;
    if (xvfb.start(error)) {
        qputenv("DISPLAY", xvfb.display().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        cs::test::problem = QStringLiteral("no X server for the window tests: ") + error;
        qputenv("QT_QPA_PLATFORM", "offscreen");   // the application object still needs a platform
    }
    // Qt's own file dialog, whatever desktop the machine has: the tests fill it in.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);

    int result = 0;
    {
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    xvfb.stop();
    return result;
}
