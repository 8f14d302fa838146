#include "app/depthcorrection.h"

#include "app/elogoffset.h"
#include "app/logstate.h"
#include "app/opendatafile.h"
#include "app/wellservices.h"
#include "drilling/drilling_services.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/winapi.h"
#include "wellfile/customdata.h"
#include "wellfile/datafile.h"
#include "wellfile/depthcorrection.h"
#include "wellfile/memorecords.h"
#include "wellfile/sidefiles_reports.h"
#include "wellfile/sidefiles_tops.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

namespace app {

namespace {

drilling::DrillingServices& DrillingOf(const WellServices& sv)
{
    return sv.drilling ? *sv.drilling : drilling::DefaultDrillingServices();
}

void InvalidEntry(const QString& text, unsigned flags = platform::MB_OK)
{
    platform::MessageBox(text, QStringLiteral("Invalid Entry"), flags);
}

// The depth typed into Correct File Depth, read as a number is read there: text that is no number is 0.
float ReadDepth(const QString& text)
{
    bool ok = false;
    const float v = text.trimmed().toFloat(&ok);
    return ok ? v : 0.0f;
}

// Asks for the corrected depth until it lies within the limits; nothing on Cancel.
std::optional<float> AskCorrectDepth(const LogState& s, const CorrectionLimits& lim)
{
    const wellfile::OpenWell& f = s.well.file;
    for (;;) {
        const std::optional<QString> text = platform::services().prompter->InputBox(
            QStringLiteral("Enter correct depth"), QStringLiteral("Correct File Depth"), QString(), 10);
        if (!text)
            return std::nullopt;
        const float n = ReadDepth(text->left(9));
        const float corr = n - float(f.fileBottomDepth);
        if (corr < lim.lower) {
            InvalidEntry(f.drilling ? QStringLiteral("Maximum Negitive Correction is\n 100 meters")
                                    : QStringLiteral("Correction must be deeper\n than current depth"));
            continue;
        }
        if (corr > lim.upper) {
            InvalidEntry(QString::fromStdString(platform::CFormat("Maximum Correction is %d M", int(lim.upper))));
            continue;
        }
        if (n < float(f.fileTopDepth + 20))
            continue;
        return n;
    }
}

void FileError(const QString& text)
{
    platform::MessageBox(text, QStringLiteral("File Error"), platform::MB_OK);
}

}  // namespace

CorrectionLimits CorrectionLimitsOf(const LogState& s)
{
    CorrectionLimits lim;
    lim.lower = (s.well.file.drilling || s.well.scratchWell) ? -100.0f : 0.0f;
    lim.upper = s.well.loggerId == 2 ? 20000.0f : 200.0f;
    return lim;
}

int CorrectFileDepth(LogState& s, const WellServices& sv, float n, int limitStep)
{
    wellfile::OpenWell& f = s.well.file;
    if (n >= 1 && n < float(f.fileTopDepth + 20))
        return 0;
    if (sv.window->DataFileBusy(s)) {
        platform::MessageBeep(0);
        return 0;
    }
    const bool interactive = n < 1;
    if (interactive) {
        const std::optional<float> asked = AskCorrectDepth(s, CorrectionLimitsOf(s));
        if (!asked)
            return 0;
        n = *asked;
    }
    const float last = float(f.fileBottomDepth);
    if (n == last)
        return 0;
    float corr = n - last;
    if (corr < -100) {
        corr = -100;
        n = last - 100;
    }
    if (interactive) {
        const QString text = QString::fromStdString(platform::CFormat(
            "Changing depth from %.1f to %.1f\n Correction= %.1f meters", double(last), double(n), double(corr)));
        if (platform::MessageBox(text, QStringLiteral("File depth change"), platform::MB_OKCANCEL) != platform::IDOK)
            return 0;
    }
    if (limitStep) {
        if (corr < -50) {
            n = last - 50;
            corr = -50;
        } else if (corr > 50) {
            n = last + 50;
            corr = 50;
        }
    }
    if (n < last)
        sv.exchange->BackupData(s, 0);

    if (corr == 1 && f.drilling) {
        // The next drilling tick writes the record of the new depth.
        DrillingOf(sv).PendOneUnitStep(s);
        return 1;
    }
    const std::int32_t step = f.depthStep > 0 ? f.depthStep : 1;
    if (corr > 0) {
        // A correction of exactly one unit appends its record in the office too.
        const int count = int(corr / float(step));
        if (count < 1)
            return 0;
        if (!wellfile::AppendDepthRecords(f.dataFileName, count, step)) {
            FileError(f.dataFileName + QStringLiteral("\nThe records could not be appended; the file is unchanged"));
            return 0;
        }
        f.fileBottomDepth += count * step;
    } else {
        if (interactive) {
            const QString text = QString::fromStdString(platform::CFormat(
                "You will permenantly lose the data below %d\n Press cancel to return unchanged, ok to continue",
                int(n)));
            if (platform::MessageBox(text, QStringLiteral("File depth adjustment"), platform::MB_OKCANCEL) != platform::IDOK)
                return 0;
        }
        const std::int64_t keep = std::int64_t((std::int32_t(n) - f.fileTopDepth) / step) + 1;
        if (!wellfile::CutDataFile(f.dataFileName, keep)) {
            FileError(f.dataFileName + QStringLiteral("\nThe file could not be cut; it is unchanged"));
            return 0;
        }
        f.fileBottomDepth = f.fileTopDepth + std::int32_t(keep - 1) * step;
    }
    if (f.drilling) {
        DrillingOf(sv).FileDepthChanged(s, corr > 0);
        wellfile::ScanRecords(f);
    }
    s.view.redrawPending = true;
    sv.window->Invalidate(s);
    if (QFileInfo(f.customDataFileName).isFile())
        wellfile::ExtendCustomDataFile(f, f.fileBottomDepth);
    if (f.drilling && f.copyOut && f.hooks.copyWellFileOut)
        f.hooks.copyWellFileOut(QStringLiteral(".svm"));
    return 1;
}

std::optional<std::int32_t> ParseDepthShift(const QString& text)
{
    bool ok = false;
    const int d = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return std::int32_t(d);
}

}  // namespace app
