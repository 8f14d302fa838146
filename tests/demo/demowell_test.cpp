// The demo well as the tool and a first start write it.
#include "demo/demowell.h"

#include "support/files.h"
#include "support/testmain.h"
#include "support/ziptools.h"
#include "wellfile/customdata.h"
#include "wellfile/record.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstring>

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

TEST(DemoWell, KeepsGasInTheUnitsATypedValueIsStoredIn)
{
    // Total gas in units, each component in hundredths of its ppm, as the gas entry stores 819 ppm as
    // 8.19: the chromatograph's methane never exceeds the total. The FIT analyser reads the same gas in
    // ppm, within five percent of the record's.
    ASSERT_TRUE(demo::MakeDemoWell(TestDir() + "units/"));
    const auto records = testing_support::FileRecords<wellfile::RECORD>(TestDir() + "units/elogdemo.svm");
    const QByteArray fit = testing_support::ReadBytes(TestDir() + "units/elogdemo.fit");
    ASSERT_GT(records.size(), 1500u);
    ASSERT_EQ(fit.size(), qsizetype(records.size()) * wellfile::kExtRecordSize);
    for (std::size_t i = 1; i < records.size(); ++i) {
        const wellfile::RECORD& r = records[i];
        for (const float* gas : {r.gas, r.halfGas}) {
            EXPECT_GT(gas[wellfile::GAS_C1], 0.2f * gas[wellfile::GAS_TG]) << r.depth;
            EXPECT_LT(gas[wellfile::GAS_C1], gas[wellfile::GAS_TG]) << r.depth;
            for (int c = wellfile::GAS_C2; c <= wellfile::GAS_NC5; ++c)
                EXPECT_LT(gas[c], gas[c - 1]) << r.depth << " component " << c;
        }
        float fitC1 = 0;
        std::memcpy(&fitC1, fit.constData() + qsizetype(i) * wellfile::kExtRecordSize + 362, sizeof fitC1);
        EXPECT_NEAR(fitC1, 100 * r.gas[wellfile::GAS_C1], 0.06 * 100 * r.gas[wellfile::GAS_C1] + 0.1) << r.depth;
        if (::testing::Test::HasFailure())
            break;
    }
}
