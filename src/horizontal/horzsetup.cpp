#include "horizontal/horzsetup.h"

#include "platform/gdi.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <memory>

namespace horizontal {
namespace {

constexpr qint64 kRecordSize = qint64(sizeof(wellfile::HorzSetupRecord));

void SetText(char (&field)[260], const char* text)
{
    std::memset(field, 0, sizeof field);
    std::strncpy(field, text, sizeof field - 1);
}

QString TextOf(const char (&field)[260])
{
    return QString::fromLatin1(field, qsizetype(::strnlen(field, sizeof field)));
}

bool SharedElsewhere(const HorzFiles& f)
{
    return f.sharedMode && QString::compare(f.currentFolder, f.dataFolder, Qt::CaseInsensitive) != 0;
}

void MakeWritable(const QString& path)
{
    if (QFile::exists(path))
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
}

// Moves sections an older layout kept at the end of the record; true when any moved.
bool MigrateSections(wellfile::HorzSetupRecord& r)
{
    if (!(r.oldSections[0].startTvd > 0))
        return false;
    bool moved = false;
    for (int i = 0; i < kMaxSections; ++i) {
        if (r.oldSections[i].startTvd != 0 && r.sections[i].startTvd == 0) {
            std::memcpy(&r.sections[i], &r.oldSections[i], sizeof(wellfile::HorzSection));
            std::memset(&r.oldSections[i], 0, sizeof(wellfile::HorzSection));
            moved = true;
        }
        r.oldSections[i].startTvd = 0;
    }
    return moved;
}

}  // namespace

QString ViewSetupPath(const HorzFiles& f)
{
    const bool field = SharedElsewhere(f) && f.useFieldSettings && *f.useFieldSettings;
    return (field ? f.dataFolder : f.currentFolder) + f.wellName + QStringLiteral(".hor");
}

void ViewDefaults(wellfile::HorzSetupRecord& r, int curvesGammaScale)
{
    std::memset(&r, 0, sizeof r);
    SetText(r.anchorGammaFile, "NOT SELECTED");
    SetText(r.targetGammaFile, "NOT SELECTED");
    SetText(r.targetFile, "NOT SELECTED");
    r.reserved800 = kRatesMark;
    r.gammaOffWellTrack = 1;
    r.rateScale = 1;
    r.gasScale = 2;
    r.gammaScale = curvesGammaScale > 0 ? curvesGammaScale : 4;
    r.blockedRop = r.drawRates = r.drawGas = r.drawGamma = r.drawMemos = 1;
    r.gasCount = 6;
    r.drawShows = 1;
    r.drawLithOnWellTrack = 1;
    r.logGas = 1;
    r.textBlockCount = 10;
}

void DialogDefaults(wellfile::HorzSetupRecord& r, int curvesGammaScale, int loggerProfile)
{
    std::memset(r.anchorGammaFile, 0, sizeof r.anchorGammaFile);
    std::memset(r.targetGammaFile, 0, sizeof r.targetGammaFile);
    std::memset(r.targetFile, 0, sizeof r.targetFile);
    r.regionalDip = 0;
    r.reserved784 = 0;
    r.drawFromDepth = r.targetOffsetKb = r.anchorOffsetKb = 0;
    r.reserved800 = kRatesMark;
    r.gammaOffWellTrack = 1;
    r.inchesPer100Ft = 5.0f;
    r.reserved952 = 0;
    r.imageFormat = 0;
    r.fillBehindGas = 1;
    r.rateScale = 2;
    r.gasScale = 2;
    r.gammaScale = curvesGammaScale > 0 ? curvesGammaScale : 6;
    r.blockedRop = r.drawRates = r.drawGas = r.drawGamma = 1;
    r.drawDescriptions = 0;
    r.drawMemos = 1;
    r.gasCount = 6;
    r.drawShows = 1;
    r.drawHeader = 0;
    r.drawLithOnWellTrack = 1;
    r.reserved155445 = 0;
    r.logGas = loggerProfile == 12 ? 1 : 0;
    r.logRop = r.logGamma = 0;
    r.drawWrtGamma = 0;
    r.highlightTargetGammaBelow = 0;
    r.drawCustomTracks = 0;
    r.textBlockCount = 10;
}

QString SetAsidePath(const HorzFiles& f)
{
    return wellfile::FreeNumberedPath(f.currentFolder + f.wellName + QStringLiteral(".ho_"));
}

int SaveSetupFile(const HorzFiles& f, const wellfile::HorzSetupRecord& r, const QString& anchorGamma, const QString& targetGamma)
{
    if (f.wellName.isEmpty())
        return 0;  // no well open: no ".hor" of its own
    const QString path = ViewSetupPath(f);
    MakeWritable(path);
    if (!wellfile::WriteWholeFile(path, &r, sizeof r))
        return 0;
    if (f.sendOn && !f.sendSuppressed && f.copyWellFileOut)
        f.copyWellFileOut(QStringLiteral(".hor"), QStringLiteral("sendfile"));
    if (f.drilling && f.copyOutOn) {
        if (f.copyWellFileOut)
            f.copyWellFileOut(QStringLiteral(".hor"), f.copyOutFolder);
        if (!f.copyOutFolder.isEmpty()) {
            auto copy = [&f](const QString& from) {
                if (!from.isEmpty())
                    wellfile::CopyFileReplacing(from, f.copyOutFolder + QFileInfo(from).fileName());
            };
            copy(anchorGamma);
            if (QString::compare(targetGamma, anchorGamma, Qt::CaseInsensitive) != 0)
                copy(targetGamma);
        }
    }
    return 1;
}

int LoadSetupFile(const HorzFiles& f, wellfile::HorzSetupRecord& r)
{
    std::memset(&r, 0, sizeof r);
    if (f.wellName.isEmpty())
        return 0;
    const QString path = ViewSetupPath(f);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    MakeWritable(path);
    if (file.size() != kRecordSize) {
        file.close();
        QFile::rename(path, SetAsidePath(f));  // numbered, so an earlier copy is never lost
        return 0;
    }
    if (file.read(reinterpret_cast<char*>(&r), kRecordSize) != kRecordSize) {
        std::memset(&r, 0, sizeof r);
        return 0;
    }
    file.close();
    // A record the view made without the mark (as it once did) gets it: the view's next write keeps it.
    r.reserved800 = kRatesMark;
    if (MigrateSections(r))
        SaveSetupFile(f, r);
    return 1;
}

QString DialogSetupPath(const HorzFiles& f)
{
    return (SharedElsewhere(f) ? f.dataFolder : f.currentFolder) + f.wellName + QStringLiteral(".hor");
}

int ReadRecord(const HorzFiles& f, wellfile::HorzSetupRecord& r)
{
    std::memset(&r, 0, sizeof r);
    if (f.wellName.isEmpty())
        return 0;
    const QString path = DialogSetupPath(f);
    if (!QFileInfo::exists(path))
        return 0;
    MakeWritable(path);
    if (wellfile::ReadExactFile(path, &r, sizeof r))
        return 1;
    std::memset(&r, 0, sizeof r);
    // Never lost under the defaults the dialog writes next: kept aside, as the view keeps a short one.
    const QString aside = wellfile::FreeNumberedPath(path.chopped(4) + QStringLiteral(".ho_"));
    return QFile::rename(path, aside) ? 0 : -1;
}

int WriteRecord(const HorzFiles& f, const wellfile::HorzSetupRecord& r)
{
    if (f.wellName.isEmpty())
        return 0;
    const bool field = SharedElsewhere(f);
    if (f.useFieldSettings)
        *f.useFieldSettings = field;
    if (field && f.rewriteDbc)
        f.rewriteDbc();
    const QString path = DialogSetupPath(f);
    MakeWritable(path);
    if (!wellfile::WriteWholeFile(path, &r, sizeof r))
        return 0;
    if (f.drilling && f.copyOutOn && f.copyWellFileOut)
        f.copyWellFileOut(QStringLiteral(".hor"), QStringLiteral("remote"));
    return 1;
}

HorzViewSettings SettingsOf(const wellfile::HorzSetupRecord& r, const HorzFiles& f, const HorzApplyInputs& in)
{
    HorzViewSettings v;
    v.anchorGammaFile = wellfile::RebasedPath(TextOf(r.anchorGammaFile), f.currentFolder);
    v.targetGammaFile = wellfile::RebasedPath(TextOf(r.targetGammaFile), f.currentFolder);
    v.targetFile = wellfile::RebasedPath(TextOf(r.targetFile), f.currentFolder);
    v.regionalDip = r.regionalDip;
    v.drawFromDepth = r.drawFromDepth;
    const std::int32_t anchorKb = r.anchorOffsetKb, targetKb = r.targetOffsetKb;
    v.offsetKbOutOfRange = !v.anchorGammaFile.isEmpty() && anchorKb != 0 && anchorKb < 500 && in.kbElevation > 0;
    if (in.kbElevation > 0 && targetKb > 0) {
        v.targetShift = platform::Trunc(double(targetKb) - in.kbElevation);
        v.anchorShift = platform::Trunc(double(anchorKb) - in.kbElevation);
    }
    v.scrollPosition = r.scrollPosition;
    v.pixelsPerUnit = 8;
    v.gammaOffWellTrack = r.gammaOffWellTrack != 0;
    v.logGas = r.logGas != 0;
    v.logRop = r.logRop != 0;
    v.logGamma = r.logGamma != 0;
    v.hidePictures = r.hidePictures != 0;
    v.fillBehindTargetGamma = r.fillBehindTargetGamma != 0;
    v.fillBehindGas = r.fillBehindGas != 0;
    v.imageFormat = r.imageFormat;
    v.drawLithOnWellTrack = r.drawLithOnWellTrack != 0;
    v.blockedRop = r.blockedRop != 0;
    v.drawRates = r.drawRates != 0;
    v.drawGamma = r.drawGamma != 0;
    v.drawWrtGamma = r.drawWrtGamma != 0;
    v.drawGas = r.drawGas != 0;
    v.drawDescriptions = r.drawDescriptions != 0;
    v.drawMemos = r.drawMemos != 0;
    v.multipleTargetGammas = r.multipleTargetGammas != 0;
    v.drawShows = r.drawShows != 0;
    v.drawHeader = r.drawHeader != 0;
    v.textInOwnTrack = r.textInOwnTrack != 0;
    v.lithInOrderEntered = r.lithInOrderEntered != 0;
    v.textBlockCount = r.textBlockCount;
    v.highlightTargetGammaBelow = r.highlightTargetGammaBelow;
    v.drawCustomTracks = in.customTracks && r.drawCustomTracks != 0;
    v.drawLithPics = in.lithPictures && r.drawLithPics != 0;
    v.verticalGasScales = in.verticalGasOption && r.verticalGasScales != 0;

    v.rateScale = r.rateScale < 1 ? 1 : r.rateScale;
    v.gasScale = (r.gasScale < 1 || r.gasScale > 9) ? 1 : r.gasScale;
    // Every listed gamma choice (1..9, 9 being "1-1500") is drawn as chosen.
    v.gammaScale = r.gammaScale < 1 ? 1 : (r.gammaScale > 9 ? 6 : r.gammaScale);
    v.gasCount = r.gasCount > 6 ? 6 : r.gasCount;

    static constexpr std::int32_t kPlain[11] = {100, 250, 500, 1000, 1500, 2000, 2500, 5000, 10000, 10000, 10000};
    static constexpr std::int32_t kVertical[9] = {175, 350, 700, 1750, 3500, 7000, 10500, 14000, 14000};
    if (v.verticalGasScales)
        std::copy(std::begin(kVertical), std::end(kVertical), v.gasScales + 1);
    else
        std::copy(std::begin(kPlain), std::end(kPlain), v.gasScales + 1);

    int n = r.markerCount;
    if (n == 0 || n > kMaxMarkers)
        n = 10;
    for (int i = 0; i < n; ++i)
        if (r.markers[i].symbolNumber != 0)
            v.markers.push_back(r.markers[i]);
    return v;
}

HorzViewSettings ApplySetup(const HorzFiles& f, const HorzApplyInputs& in)
{
    auto r = std::make_unique<wellfile::HorzSetupRecord>();
    if (!LoadSetupFile(f, *r)) {
        ViewDefaults(*r, in.curvesGammaScale);
        SaveSetupFile(f, *r);
    }
    HorzViewSettings v = SettingsOf(*r, f, in);
    const QString trg = f.currentFolder + f.wellName + QStringLiteral(".trg");
    if (v.targetFile.isEmpty() && QFileInfo::exists(trg)) {
        v.targetFile = trg;
        const QByteArray bytes = trg.toLocal8Bit();
        SetText(r->targetFile, bytes.left(259).constData());
        SaveSetupFile(f, *r, v.anchorGammaFile, v.targetGammaFile);
    }
    return v;
}

}  // namespace horizontal
