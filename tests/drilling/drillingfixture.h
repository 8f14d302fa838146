#pragma once
// A well on disk in drilling mode: the driller started on it with recording canvas and links, and the
// drilling tick driven by the test clock.
#include "app/logstate.h"
#include "app/wellservices.h"
#include "drilling/driller.h"
#include "drilling/logalarm.h"
#include "drilling/logtime.h"
#include "drilling/welltitle.h"
#include "support/doubles.h"
#include "support/drillerstate.h"
#include "wellfile/openwell.h"
#include "wits/wits.h"
#include "wits/witshost.h"

#include <QList>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace drilling_testing {

// One call of the canvas: a text, or a fill (text empty).
struct CanvasCall {
    int x = 0, y = 0;
    QString text;
    drilling::TextAlign align = drilling::TextAlign::TopLeft;
    drilling::FontRole font = drilling::FontRole::Status;
    platform::COLORREF colour = 0;
    int right = 0, bottom = 0;
    std::optional<platform::COLORREF> fill;
    bool isFill = false;
};

class RecordingCanvas final : public drilling::StatusCanvas {
public:
    QList<CanvasCall> calls;
    bool recording = true;  // false: the calls are not kept
    void Text(int x, int y, const QString& text, drilling::TextAlign align, drilling::FontRole font,
              platform::COLORREF colour, std::optional<platform::COLORREF> background = std::nullopt) override
    {
        if (!recording)
            return;
        CanvasCall c;
        c.x = x, c.y = y, c.text = text, c.align = align, c.font = font, c.colour = colour, c.fill = background;
        calls.append(c);
    }
    void Fill(int left, int top, int right, int bottom, std::optional<platform::COLORREF> colour) override
    {
        if (!recording)
            return;
        CanvasCall c;
        c.x = left, c.y = top, c.right = right, c.bottom = bottom, c.fill = colour, c.isFill = true;
        calls.append(c);
    }
    // The texts drawn that start with `prefix`.
    QList<CanvasCall> Texts(const QString& prefix) const;
};

struct Memo {
    QString text;
    int x = 0;
    std::int32_t depth = 0;
};

// The screen and the well's files as a drilling step asks for them; no lag depth handed on.
class RecordingLinks final : public drilling::WellFileWork,
                             public drilling::DrillingStatusBox,
                             public drilling::StatusNotes,
                             public drilling::LagHandover {
public:
    QStringList copies;
    int packages = 0;
    bool backupResult = true;
    QList<std::int32_t> backups;
    QStringList reminders;
    QList<Memo> memos;
    int statusBoxesMade = 0;
    void CopyWellFileOut(const QString& extension) override { copies << extension; }
    void BuildUpdatePackage() override { ++packages; }
    bool BackupData() override
    {
        backups << 0;
        return backupResult;
    }
    void ExportCustomLas(std::int32_t, std::int32_t) override {}
    void AddMemo(const QString& text, int x, std::int32_t depth) override { memos.append({text, x, depth}); }
    void WitsLagDepth(float, int, int, bool) override {}
    void CustomLinkLagDepth(float, int, std::int32_t) override {}
    void ClearWitsNewData() override {}
    void ShowBackupReminder(std::int32_t depth, const QString& text) override
    {
        reminders << drilling::BackupReminderText(depth, text);
    }
    void MakeStatusBox() override { ++statusBoxesMade; }
    void DestroyStatusBox() override {}
    void HideBackupReminder() override {}
    void ShowStatus(bool, bool, int) override {}
};

// Casing 9.625 in to 1,000 ft, open hole 8.5 in, drill pipe 4.5 / 3.826 in `pipeLength` long, one pump
// on the hole of 0.1 bbl a stroke at 100 strokes a minute.
wellfile::LagRecord ExampleHole(float pipeLength);

struct Raised {
    int kind = 0;
    QString text;
};

class DrillingTest : public ::testing::Test {
protected:
    // Makes the well "ALPHA" of records first..last in the test's folder as the window's open well.
    void MakeWellOnDisk(int first, int last);
    // The window shows custom tracks with their data; a standard WITS link runs (a link engine made on
    // the window's state).
    void CustomDataInUse();
    void WitsLinkOn();
    // Makes and starts the driller (the well's configuration: 4 minimum seconds per unit) and records
    // the alarms it raises.
    void StartDriller();
    // Empties the rings the start rebuilt from the file, for steps counted from slot 0.
    void EmptyRings();
    // The drilling tick every 200 ms for `seconds`: the clock, then a pending step.
    void Run(double seconds);
    // One tick after marking a whole unit from `from`, or half a unit of the polled box.
    void Pulse(drilling::StepSource from = drilling::StepSource::WholeUnitBox);
    void HalfPulse();
    // The data file's records and its length.
    std::vector<wellfile::RECORD> Records(qint64* size = nullptr) const;
    qint64 CustomFileSize() const;

    testing_support::FakeClock& Clock();
    drilling::LogTime& Time() { return *driller->Time(); }

    app::LogState state;  // the window's state the host reads
    wellfile::OpenWell& well = state.well.file;
    std::vector<wellfile::CUSTDATAREC>& customRows = state.customTracks.rows;
    RecordingCanvas canvas;
    RecordingLinks links;
    drilling::DrillingHost host{state, {&canvas, &links, &links, &links, &links}};
    wellfile::WellConfig config{};
    app::WellServices services;
    std::unique_ptr<wits::WitsHost> witsHost;
    std::unique_ptr<wits::Wits> witsLink;
    std::unique_ptr<drilling::Driller> driller;
    QList<Raised> raised;
};

}  // namespace drilling_testing
