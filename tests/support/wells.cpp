#include "support/wells.h"

#include "app/logstate.h"
#include "demo/demowell.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wits/custwitscfg.h"

#include <QDir>

#include <cstring>

#include <gtest/gtest.h>

#include <vector>

namespace testing_support {

wellfile::RECORD ValidRecord(int depth, float rate, const char* lith)
{
    wellfile::RECORD r;
    r.depth = depth;
    r.rateOdd = r.rateOne = r.rate2Ft = rate;
    for (float& g : r.testGas)
        g = 100;
    r.gasScale = r.minutesScale = r.rateScale = r.temperatureScale = r.chromatographScale = 1;
    platform::SetFieldText(r.lith, lith);
    return r;
}

bool PointAtNewWell(app::LogState& s, const QString& wellName, int first, int last)
{
    const QString folder = TestDir();
    if (MakeWell(folder, wellName + QStringLiteral(".svm"), first, last).isEmpty())
        return false;
    wellfile::OpenWell& f = s.well.file;
    f.dataFolder = f.currentFolder = folder;
    f.wellName = wellName;
    f.dataFileName = folder + wellName + QStringLiteral(".svm");
    f.fileTopDepth = first;
    f.fileBottomDepth = last;
    s.well.fileOpened = true;
    return true;
}

QString MakeWell(const QString& folder, const QString& fileName, int first, int last)
{
    if (first > last) {
        ADD_FAILURE() << "MakeWell: a well needs at least one record, got depths " << first << ".." << last;
        return {};
    }
    QDir().mkpath(folder);
    std::vector<wellfile::RECORD> rows;
    for (int d = first; d <= last; ++d)
        rows.push_back(ValidRecord(d, 2.0f, "100SH"));
    platform::SetFieldText(rows.front().interpretedLith, "PRF12");
    const QString path = platform::JoinPath(folder, fileName);
    WriteRecords(path, rows);
    return path;
}

wellfile::WellPlace MakePlace(const QString& wellName)
{
    wellfile::WellPlace p;
    p.dataFolder = TestDir() + QStringLiteral("data/");
    p.currentFolder = TestDir() + QStringLiteral("local/");
    p.wellName = wellName;
    QDir().mkpath(p.dataFolder);
    QDir().mkpath(p.currentFolder);
    return p;
}

bool MakeDrillingDemoWell(const QString& folder, std::uint16_t port, std::int32_t lastDepth)
{
    if (!demo::MakeDemoWell(folder, demo::DemoWellShape{.lastDepth = lastDepth}) ||
        !EditWellConfig(folder + "elogdemo.cfg", [](wellfile::WellConfig& cfg) {
            cfg.drillingAtExit = 1;
            cfg.witsLinkOn = 1;
            cfg.useWitsDepth = 1;
            cfg.minSecondsPerUnit = 0;
        }))
        return false;
    wits::CUSTWITSCFG feed{};
    wits::DefaultCustWitsConfig(feed);
    feed.witsOnTcp = 1;
    feed.tcpServer = 0;
    feed.tcpPort = port;
    const int loopback[4] = {127, 0, 0, 1};
    std::memcpy(feed.serverAddress, loopback, sizeof loopback);
    return wits::WriteCustWitsConfig(folder, "elogdemo", feed) == 1;
}

bool EditWellConfig(const QString& cfgPath, const std::function<void(wellfile::WellConfig&)>& edit)
{
    wellfile::WellConfig cfg{};
    const QByteArray bytes = ReadBytes(cfgPath);
    if (bytes.size() != qsizetype(sizeof cfg))
        return false;
    std::memcpy(&cfg, bytes.constData(), sizeof cfg);
    edit(cfg);
    WriteBytes(cfgPath, &cfg, sizeof cfg);
    return true;
}

}  // namespace testing_support
