// Opening a well whose data file and side files are the input: the check, the repair pass and the open
// of the data file, the curve set's load, then the readers of the side files the window loads for its
// layout and the loads of its reports (with the conversions of older report files).
#include "fuzzhost.h"

#include "app/logstate.h"
#include "app/notes.h"
#include "app/opendatafile.h"
#include "app/wellservices.h"
#include "elog/curves.h"
#include "elog/elog_services.h"
#include "horizontal/draw/horznotes.h"
#include "horizontal/horzplace.h"
#include "layout/custchartcfg.h"
#include "layout/logcolours.h"
#include "layout/pentable.h"
#include "layout/schemes.h"
#include "reports/dailyreports.h"
#include "reports/shortreports.h"
#include "wellfile/customdata.h"
#include "wellfile/lagrecord.h"
#include "wellfile/reportconversion.h"
#include "wellfile/sidefiles_reports.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace {
// The side files, in the order of the byte that names one.
constexpr std::array<const char*, 20> kSideFiles = {".cfg", ".dbc", ".hdr", ".lag", ".rpt", ".sho", ".dst",
                                                    ".top", ".ofc", ".svx", ".fit", ".clr", ".lfg", ".sch",
                                                    ".grdx", ".svc", ".mem", ".qpt", ".hor", ".hxt"};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::Box box;
    const QString folder = box.data();
    for (const fuzzing::Part& part : fuzzing::SplitParts(data, size, int(kSideFiles.size())))
        fuzzing::Box::Write(folder + QStringLiteral("FZ") + (part.kind < 0 ? ".svm" : kSideFiles[std::size_t(part.kind)]),
                            part.bytes);

    auto s = std::make_unique<app::LogState>();
    app::ApplySetupDefaults(*s);
    s->env.screenWidth = 1280;
    s->well.file.dataFolder = folder;
    app::WellServices services;
    if (app::OpenDataFile(*s, services, folder + QStringLiteral("FZ.svm")) != 1)
        return 0;

    wellfile::OpenWell& well = s->well.file;
    // The curve file as the window loads it, and its rows read through the painters' view.
    app::WindowServices window;
    const QString svc = folder + QStringLiteral("FZ.svc");
    elog::LoadElog(*s, window, svc);
    if (const elog::Curves* curves = s->engines.elogCurves.get()) {
        const tracks::ElogView& view = s->engines.elogCurves->View(s->well.elogDepthOffset);
        volatile float sink = 0;
        for (std::int32_t d : {curves->firstDepth, curves->lastDepth, well.fileTopDepth, well.fileBottomDepth})
            if (const tracks::ElogRow* row = view.RowAt(d))
                for (float v : *row)
                    sink = sink + v;
        s->engines.elogCurves->SaveCurveFile();
    }
    elog::CloseElog(*s);
    layout::PenTable pens{};
    layout::LoadColours(well, pens);
    layout::LfgBlock lfg{};
    layout::LoadLfg(well, lfg);
    layout::SchemeFiles schemes;
    schemes.dataFolder = well.dataFolder;
    schemes.currentFolder = well.currentFolder;
    schemes.wellName = well.wellName;
    layout::LoadSchemes(schemes, false);
    auto chart = std::make_unique<layout::CUSTCHARTCFGEX>();
    layout::ReadCustChartFile(folder + QStringLiteral("FZ.grdx"), *chart);
    wellfile::LagRecord lag{};
    wellfile::LoadLag(lag, app::PlaceOf(*s));
    std::vector<wellfile::CUSTDATAREC> custom(64);
    wellfile::ReadCustomRecords(well, custom, well.customDataFileName, 0, 63);
    std::vector<wellfile::EXTRECORD> ext(64);
    wellfile::ReadExtRecords(s->well.fit, ext, s->well.fit.path, 0, 63);

    const wellfile::WellPlace place = app::PlaceOf(*s);
    // The horizontal set-up another station sent: its read (set-aside, migration) and its application.
    {
        const horizontal::HorzFiles files = horizontal::FilesOf(s->well);
        auto record = std::make_unique<wellfile::HorzSetupRecord>();
        horizontal::LoadSetupFile(files, *record);
        const horizontal::HorzApplyInputs inputs =
            horizontal::ApplyInputsOf(s->well, s->engines, s->customTracks, s->options);
        const horizontal::HorzViewSettings view = horizontal::ApplySetup(files, inputs);
        volatile std::size_t markers = view.markers.size();
        (void)markers;
    }
    // The depth notes another station wrote: the view's load (cleaned and written back), then drawn.
    {
        const horizontal::NoteStyles styles{&s->notes.styleNote, &s->notes.styleDescriptionNote};
        if (std::optional<horizontal::NoteTable> notes = horizontal::LoadNotes({app::HTextPath(*s), {}}, styles)) {
            QImage image(400, 300, QImage::Format_RGB32);
            platform::Dc dc(image);
            horizontal::NoteView view;
            view.plotFirstDepth = well.fileTopDepth;
            // The view's range is that of the records it read: bounded by the data file.
            view.plotLastDepth = std::min(well.fileBottomDepth, well.fileTopDepth + 100000);
            view.drawFrom = well.fileTopDepth;
            view.textInOwnTrack = true;
            horizontal::NoteDrawing drawn;
            horizontal::DrawNotes(dc, notes->notes, notes->count, 0, view, drawn);
        }
    }
    reports::LoadShortReports(s->shortReports, s->well, s->env.remoteMonitorOn);
    reports::LoadDailyReports(place);
    wellfile::LoadDsts(place, wellfile::ConvertDsts);
    wellfile::LoadShows(place, wellfile::ConvertShows);
    return 0;
}
