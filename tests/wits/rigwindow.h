#pragma once
// The main window drilling the well "W" whose depth and gas come from a rig over WITS on loopback TCP:
// the window's link is a server on a loopback port that the test's rig connects to and sends frames.
#include "app/commandids.h"
#include "gasmon/gasmoncfg.h"
#include "platform/folders.h"
#include "shell/ui/logwindow.h"
#include "support/doubles.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/wells.h"
#include "wellfile/record.h"
#include "wellfile/wellconfig.h"
#include "wits/custwitscfg.h"
#include "wits/wits.h"
#include "wits/witsserver.h"

#include <QStatusBar>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace wits_testing {

using testing_support::doubles;
using testing_support::kLoadedMs;
using testing_support::Spin;

constexpr std::int32_t kTop = 1000, kBottom = 2250;

// A window with the well "W" open whose settings take the depth and the gas from a WITS link, the link
// a server on a loopback port that `rig` connects to.
class DrillingFaults : public ::testing::Test {
protected:
    // `commandLine`: the well is named on the command line, as a start from a file manager names it.
    void Open(shell::LogWindow& w, bool commandLine = false)
    {
        qputenv("USER", "tester");
        platform::WriteSetting(QStringLiteral("Wits/ServerAddress"), QStringLiteral("127.0.0.1"));
        if (commandLine)
            w.State().env.commandLineFile = path;
        w.SetupWindow();
        folder = w.State().well.file.dataFolder;
        if (path.isEmpty()) {
            path = testing_support::MakeWell(folder, "W.svm", kTop, kBottom);
            wellfile::WellConfig c = wellfile::DefaultWellConfig({});
            c.gasInstrumentType = gasType;
            c.useWitsDepth = 1;
            c.minSecondsPerUnit = minSeconds;
            c.witsLinkOn = 1;  // the link comes with drilling mode
            testing_support::WriteBytes(folder + "W.cfg", &c, sizeof c);
            gasmon::GASMONCFG g{};
            g.ratioMode = 1;
            testing_support::WriteBytes(folder + "gasmon.cfg", &g, sizeof g);
            wits::CUSTWITSCFG s{};
            wits::DefaultCustWitsConfig(s);
            s.witsOnTcp = 1;
            s.tcpServer = 1;
            s.tcpPort = 0;
            ASSERT_EQ(wits::WriteCustWitsConfig(folder, "W", s), 1);
            ASSERT_EQ(w.OpenDataFile(path), 1);
        }
    }
    bool Connect(shell::LogWindow& w)
    {
        wits::Wits* link = w.State().engines.wits;
        if (!link || !link->Server())
            return false;
        rig.abort();  // the last run's connection may not have been seen closing yet
        rig.connectToHost(QHostAddress::LocalHost, link->Server()->Port());
        return Spin([&] { return link->ServerClientCount() == 1; }, kLoadedMs);
    }
    // One frame of the rig with the bit on bottom at `hole` and a weight on bit that names the unit
    // (its depth - 1000), parsed on the link's timer, then a drilling tick `tickMs` on (six seconds).
    // With `gas` (total gas, C1) the frame carries them too.
    // `deliver`: the event loop runs after it (else the caller runs it).
    void Frame(shell::LogWindow& w, double hole, std::optional<std::pair<float, float>> gas = std::nullopt,
               bool deliver = true, int tickMs = 6000)
    {
        const QByteArray depth = QByteArray::number(hole, 'f', 2);
        const QByteArray wob = QByteArray::number(WobOf(std::int32_t(hole)));
        QByteArray items = "0108 " + depth + "\r\n0110 " + depth + "\r\n0116 " + wob + "\r\n";
        if (gas)
            items += "0170 " + QByteArray::number(gas->first, 'f', 2) + "\r\n1212 " + QByteArray::number(gas->second, 'f', 2) +
                     "\r\n";
        const QByteArray text = "&&\r\n" + items + "!!\r\n";
        rig.write(text);
        rig.flush();
        wits::Wits* link = w.State().engines.wits;
        ASSERT_TRUE(Spin([&] { return link->Server()->WaitingSize() >= std::size_t(text.size()); }, kLoadedMs));
        ASSERT_TRUE(doubles().timers.last->Fire(4));
        doubles().clock.Advance(tickMs);
        ASSERT_TRUE(doubles().timers.last->Fire(2));
        if (deliver)
            doubles().queue.DeliverAll();  // the event loop between frames
    }
    static std::int32_t WobOf(std::int32_t depth) { return depth - 1000; }
    std::vector<wellfile::RECORD> Records() const { return testing_support::FileRecords<wellfile::RECORD>(path); }
    QStringList Boxes(const QString& caption) const
    {
        QStringList texts;
        for (const auto& m : doubles().prompter.messages)
            if (m.caption == caption)
                texts << m.text;
        return texts;
    }
    static QString Status(shell::LogWindow& w) { return w.statusBar()->currentMessage(); }

    QString folder, path;
    QTcpSocket rig;
    std::uint16_t gasType = 10;  // the gas instrument: 10 takes the gas and the depth from the link
    std::int32_t minSeconds = 4;  // the shortest unit taken (a new well's is 2)
};

}  // namespace wits_testing
