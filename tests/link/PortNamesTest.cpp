// Which device COMn reaches, and the simulated unit's link beside the user's own.
#include "link/PortNames.h"
#include "sim/PtyServer.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PortMap, NthPortPresentUnlessLinked)
{
    const char* all = "ttyUSB1 ttyS10 ttyACM0 ttyS2 ttyUSB0";
    const struct { const char* present; int n; const char* link; const char* device; } cases[] = {
        {"", 1, "", "/dev/ttyS0"},
        {"ttyUSB0", 1, "", "/dev/ttyUSB0"},
        {"ttyUSB0", 1, "/dev/pts/4", "/dev/pts/4"},
        {all, 1, "", "/dev/ttyS2"},
        {all, 2, "", "/dev/ttyS10"},
        {all, 3, "", "/dev/ttyACM0"},
        {all, 5, "", "/dev/ttyUSB1"},
        {all, 6, "", "/dev/ttyS5"},
        {"ttyUSB10 ttyUSB9", 1, "", "/dev/ttyUSB9"},
        {"ttyAMA0 rfcomm0 ttyUSB0", 1, "", "/dev/ttyUSB0"},
    };
    for (const auto& c : cases) {
        QList<cs::PresentPort> ports;
        for (const QString& name : QString(c.present).split(' ', Qt::SkipEmptyParts))
            ports.append({name, "/dev/" + name});
        EXPECT_EQ(cs::mapPortDevice(c.n, ports, c.link), c.device) << c.present << c.n;
    }
}

TEST(SimLink, LeavesTheUsersLink)
{
    QTemporaryDir dir;
    qputenv("CALLSETUP_PORT_LINKS", dir.path().toUtf8());
    const QString link = dir.filePath("com1");
    ASSERT_TRUE(QFile::link("/dev/ttyUSB0", link));
    cs::sim::ServerOptions options;
    options.linkName = "com1";
    QString error;
    EXPECT_FALSE(cs::sim::PtyServer(options).start(error));
    EXPECT_TRUE(error.contains(link)) << error.toStdString();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), "/dev/ttyUSB0");
    qunsetenv("CALLSETUP_PORT_LINKS");
}
