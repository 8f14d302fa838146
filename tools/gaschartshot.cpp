// Writes a generated day chart file and saves a picture of the real-time gas chart showing it.
// Usage: gaschartshot <folder> <picture.png>
#include "app/logstate.h"
#include "gasmon/chartfile.h"
#include "gasmon/ui/chartdlg.h"
#include "layout/pentable.h"
#include "platform/services.h"
#include "platform/ui/realservices.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QThread>

#include <cmath>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    platform::InstallRealServices();
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + "/";
    const QDate today = platform::services().clock->LocalTime().date();
    std::vector<gasmon::CHARTRECORD> day(gasmon::kChartSlotsPerDay);
    for (int i = 0; i < gasmon::kChartSlotsPerDay; ++i) {
        gasmon::CHARTRECORD s = gasmon::PresetChartRecord(today, i);
        const double t = i / 90.0;
        s.depth = std::uint16_t(2000 + i / 45);
        s.lagDepth = std::uint16_t(1985 + i / 45);
        s.hotWire = float(95 + 40 * std::sin(t) + 25 * std::sin(t * 3.7));
        s.chromat = float(std::max(0.0, 70 * std::sin(M_PI * (i % 150) / 150.0) * (0.6 + 0.4 * std::cos(t / 4))));
        s.index = std::uint16_t(1 + i % 150 / 22);
        s.cycleEnd = i % 150 >= 140 ? 1 : 0;
        day[std::size_t(i)] = s;
    }
    const QString path = gasmon::ChartFileName(folder + "chart/", "DEMO", today);
    QDir().mkpath(folder + "chart");
    gasmon::WriteChartRecords(gasmon::ChartPlace{}, day.data(), gasmon::kChartSlotsPerDay, path);

    app::LogState log;
    log.well.file.dataFolder = folder;
    log.well.file.currentFolder = folder;
    log.well.file.wellName = "DEMO";
    log.well.file.fileTopDepth = 1990;
    log.well.timeZoneAdjust = 0;
    const platform::COLORREF colours[] = {platform::RGB(220, 0, 0), platform::RGB(0, 120, 0), platform::RGB(0, 0, 220),
                                          platform::RGB(160, 0, 160), platform::RGB(0, 150, 150),
                                          platform::RGB(200, 120, 0), platform::RGB(90, 90, 0)};
    for (int i = 0; i < 7; ++i) {
        log.layout.pens.table.entry[i].colour = colours[i];
        log.layout.pens.table.entry[i].width = 1;
    }
    gasmon::ChartDlg chart(nullptr, log);
    chart.resize(760, 820);
    chart.Create();
    chart.SetScaleIndex(1);
    for (int i = 0; i < 20; ++i) {
        app.processEvents();
        QThread::msleep(25);
    }
    chart.Redraw();
    app.processEvents();
    if (!chart.grab().save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot save the picture\n");
        return 1;
    }
    chart.CloseChart();
    return 0;
}
