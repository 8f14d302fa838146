#pragma once
// The e-log services of a main window: the LAS exports with the range dialog, the log image export, the
// survey and TVD dialog, the water saturation set-up and the e-log read-out's table (kept in
// `readoutSlot`); every other call goes on to the services it was given.
#include "elog/elog_services.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace elog {

class ElogWindowServices final : public ElogServices {
public:
    ElogWindowServices(QWidget* window, ElogServices& rest, QPointer<QWidget>* readoutSlot = nullptr)
        : window_(window), rest_(rest), readoutSlot_(readoutSlot)
    {
    }

    void CreateLasFile(app::LogState& log) override;
    // Beeps while the data file is busy. Problems of the automatic runs (update copy) are said once on
    // the window's status line, until a run goes through again.
    void ExportCustomLas(app::LogState& log, std::int32_t start, std::int32_t stop, bool sendMode,
                         bool updateCopy) override;
    std::function<bool()> dataFileBusy;

    // The log image export (elog/ui/imagecommand.h) with the window's layout calls below.
    void CmSaveAsImage(app::LogState& log) override;
    std::function<void(int rowHeight)> setLogFormat;
    std::function<void()> buildGridBitmaps;
    void EnsureCurves(app::LogState& log) override { rest_.EnsureCurves(log); }
    void DeleteCurves(app::LogState& log) override { rest_.DeleteCurves(log); }
    void FreeCurveData(app::LogState& log) override { rest_.FreeCurveData(log); }
    int ReadLasHeader(app::LogState& log, const QString& lasPath, LasHeader& header, float& bitSize) override
    {
        return rest_.ReadLasHeader(log, lasPath, header, bitSize);
    }
    int ReadLasData(app::LogState& log, const QString& lasPath) override { return rest_.ReadLasData(log, lasPath); }
    // The import dialog of both imports (elog/ui/importcommand.cpp).
    int RunImportDialog(app::LogState& log, const QString& lasPath, const QString& destination, LasHeader& header,
                        std::span<std::byte> columnMap, int mode) override;
    // With the wait cursor (elog/ui/importcommand.cpp); the mudlog import's below.
    void ImportLas(app::LogState& log, const QString& lasPath, const QString& curveFile, const LasHeader& header,
                   std::span<const std::byte> columnMap, float bitSize) override;
    void MergeLas(app::LogState& log, const QString& lasPath, const QString& curveFile, const LasHeader& header,
                  std::span<const std::byte> columnMap, float bitSize) override;
    void ImportAscii(app::LogState& log, const QString& lasPath, const LasHeader& header,
                     std::span<const std::byte> columnMap) override;
    void SetCurvesKb(app::LogState& log, float kb) override { rest_.SetCurvesKb(log, kb); }
    CurveRows CurveData(app::LogState& log) override { return rest_.CurveData(log); }
    void RunWaterSaturation(app::LogState& log, std::int32_t viewTop) override;
    int ShowElogReadout(app::LogState& log, std::int32_t depth) override;
    void ImportImagesFromFolder(app::LogState& log, const QString& folder, const QString& wellName) override
    {
        rest_.ImportImagesFromFolder(log, folder, wellName);
    }
    // The survey and TVD dialog (elog/ui/tvdcommand.cpp); the window's menu is rebuilt with
    // `rebuildMenu` after a TVD log was started.
    std::function<void()> rebuildMenu;
    void RunTvdDialog(app::LogState& log, std::span<wellfile::RECORD> records, int mode) override;
    bool CreateTvdLog(app::LogState& log, std::span<wellfile::RECORD> records) override;
    void ImportTargetData(app::LogState& log, const QString& path) override { rest_.ImportTargetData(log, path); }

private:
    QPointer<QWidget> window_;
    ElogServices& rest_;
    QPointer<QWidget>* readoutSlot_;
    QPointer<QWidget> ownReadout_;  // the table's slot when the window gives none
    bool automaticProblemShown_ = false;
};

}  // namespace elog
