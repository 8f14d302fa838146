// The demo well as the tool and a first start write it.
#include "demo/demowell.h"

#include "support/testmain.h"
#include "support/ziptools.h"
#include "wellfile/record.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using testing_support::RunTool;
using testing_support::TestDir;

TEST(DemoWell, IsTheSameEveryTime)
{
    // The tool's files and a first start's are the same, file for file and byte for byte.
    const QString tool = QCoreApplication::applicationDirPath() + "/../tools/makedemowell";
    ASSERT_TRUE(QFile::exists(tool)) << "build the makedemowell tool";
    ASSERT_EQ(RunTool(tool, {TestDir() + "a"}, nullptr, TestDir()), 0);
    ASSERT_TRUE(demo::InstallDemoWell(TestDir() + "b"));
    const QStringList names = QDir(TestDir() + "a").entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(QDir(TestDir() + "b").entryList(QDir::Files, QDir::Name), names);
    for (const char* name : {"elogdemo.svm", "elogdemo.svx", "elogdemo.fit", "elogdemo.grdx", "elogdemo.hdr",
                             "elogdemo.top", "elogdemo.sho", "elogdemo.cfg", "elogdemo.sch", "elogdemo.rpt", "elogdemo.dst"})
        EXPECT_TRUE(names.contains(name)) << name;
    for (const QString& name : names) {
        QFile a(TestDir() + "a/" + name), b(TestDir() + "b/" + name);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(a.readAll(), b.readAll()) << name.toStdString();
    }
    EXPECT_GE(QFileInfo(TestDir() + "a/elogdemo.svm").size(), 1501 * wellfile::kRecordSize);
}
