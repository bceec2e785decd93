// Which device COMn reaches: counted from the present ports, or through a link.
#include "link/PortNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PortMap, NthPortPresentUnlessLinked)
{
    const char* all = "ttyUSB1 ttyS10 ttyACM0 ttyS2 ttyUSB0";
    const struct {
        const char* present;
        int n;
        const char* link;
        const char* device;
    } cases[] = {
        {"", 1, "", "/dev/ttyS0"},
        {"ttyUSB0", 1, "", "/dev/ttyUSB0"},
        {"ttyUSB0", 1, "/dev/pts/4", "/dev/pts/4"},
        {all, 1, "", "/dev/ttyS2"},
        {all, 5, "", "/dev/ttyUSB1"},
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

TEST(PortRoutes, LinksWithTheirTargetsDanglingOnesAbsent)
{
    QTemporaryDir dir;
    qputenv("CALLSETUP_PORT_LINKS", dir.path().toUtf8());
    ASSERT_TRUE(QFile::link("/dev/null", dir.filePath("com2")));
    ASSERT_TRUE(QFile::link(dir.filePath("unplugged"), dir.filePath("com3")));
    const QList<cs::PresentPort> present = cs::presentPorts();
    const QList<cs::PortRoute> routes = cs::portRoutes(4);
    ASSERT_EQ(routes.size(), 4);
    const auto row = [](const cs::PortRoute& r) {
        return QStringLiteral("%1 %2 %3 %4").arg(r.number).arg(r.device, r.link).arg(r.present);
    };
    EXPECT_EQ(row(routes[1]), "2 /dev/null " + dir.filePath("com2") + " 1");
    EXPECT_EQ(row(routes[2]), "3 " + dir.filePath("unplugged") + " " + dir.filePath("com3") + " 0");
    // Without a link: the port counted from the same list, present when it is in it.
    for (const int n : {1, 4}) {
        const cs::PortRoute& r = routes[n - 1];
        EXPECT_EQ(r.device, cs::mapPortDevice(n, present, QString()));
        EXPECT_TRUE(r.link.isEmpty());
        EXPECT_EQ(r.present, std::any_of(present.begin(), present.end(), [&](const auto& p) {
                      return p.device == r.device;
                  }));
    }
    qunsetenv("CALLSETUP_PORT_LINKS");
}

TEST(PortRoutes, WhatStandsInPlaceOfEachLink)
{
    QTemporaryDir dir;
    qputenv("CALLSETUP_PORT_LINKS", dir.path().toUtf8());
    const auto at = [&](const char* name) { return dir.filePath(name); };
    ASSERT_TRUE(QFile::link("/dev/null", at("com1")));
    ASSERT_TRUE(QFile::link(at("unplugged"), at("com2")));
    ASSERT_TRUE(QFile::link(at("com3"), at("com3"))); // a loop of one
    ASSERT_TRUE(QFile::link(at("loop"), at("com4"))); // com4 -> loop -> com4
    ASSERT_TRUE(QFile::link(at("com4"), at("loop")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("com5"));
    QFile plain(at("com6"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    ASSERT_TRUE(QFile::link(dir.path(), at("com7"))); // a link to a folder: no device
    using K = cs::LinkKind;
    const std::tuple<K, bool> expected[] = {
        {K::Link, true},    {K::Dangling, false}, {K::Loop, false}, {K::Loop, false},
        {K::Folder, false}, {K::File, false},     {K::Link, false},
    };
    const QList<cs::PortRoute> routes = cs::portRoutes(8);
    ASSERT_EQ(routes.size(), 8);
    for (int n = 1; n <= 7; ++n) {
        EXPECT_EQ(std::tuple(routes[n - 1].kind, routes[n - 1].present), expected[n - 1]) << n;
        EXPECT_EQ(routes[n - 1].link, at(qPrintable(QStringLiteral("com%1").arg(n)))) << n;
    }
    EXPECT_EQ(routes[7].kind, K::None);
    EXPECT_TRUE(routes[7].link.isEmpty());
    qunsetenv("CALLSETUP_PORT_LINKS");
}
