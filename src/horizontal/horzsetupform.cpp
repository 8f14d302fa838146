#include "horizontal/horzsetupform.h"

#include "platform/numbers.h"

#include <algorithm>
#include <cstring>

namespace horizontal {
namespace {

QString TextOf(const char (&field)[260])
{
    return QString::fromLatin1(field, qsizetype(::strnlen(field, sizeof field)));
}

void SetPath(char (&field)[260], const QString& text)
{
    std::memset(field, 0, sizeof field);
    const QByteArray bytes = text.toLatin1().left(int(sizeof field) - 1);
    std::memcpy(field, bytes.constData(), std::size_t(bytes.size()));
}

// Fewer than five characters name no file.
void StorePath(char (&field)[260], const QString& text)
{
    SetPath(field, text.size() < 5 ? QStringLiteral("NOT SELECTED") : text);
}

int LeadingSections(const wellfile::HorzSetupRecord& r)
{
    int n = 0;
    while (n < kMaxSections && r.sections[n].startMd != 0)
        ++n;
    return n;
}

}  // namespace

const std::vector<ByteCheck>& ByteChecks()
{
    using R = wellfile::HorzSetupRecord;
    static const std::vector<ByteCheck> checks = {
        {setupid::LogGas, &R::logGas},
        {setupid::LogRop, &R::logRop},
        {setupid::LogGamma, &R::logGamma},
        {setupid::LithOnTrack, &R::drawLithOnWellTrack},
        {setupid::DrawRates, &R::drawRates},
        {setupid::DrawGas, &R::drawGas},
        {setupid::DrawGamma, &R::drawGamma},
        {setupid::DrawWrtGamma, &R::drawWrtGamma},
        {setupid::CustomTracks, &R::drawCustomTracks},
        {setupid::VerticalGas, &R::verticalGasScales},
        {setupid::FillTargetGamma, &R::fillBehindTargetGamma},
        {setupid::DrawDescriptions, &R::drawDescriptions},
        {setupid::MultipleGammas, &R::multipleTargetGammas},
        {setupid::DrawMemos, &R::drawMemos},
        {setupid::DrawShows, &R::drawShows},
        {setupid::DrawHeader, &R::drawHeader},
        {setupid::LithPics, &R::drawLithPics},
        {setupid::TextOwnTrack, &R::textInOwnTrack},
        {setupid::BlockedRop, &R::blockedRop},
        {setupid::LithInOrder, &R::lithInOrderEntered},
    };
    return checks;
}

QString ShownPath(const char (&field)[260], const QString& currentFolder)
{
    const QString path = wellfile::RebasedPath(TextOf(field), currentFolder);
    return path.isEmpty() ? QStringLiteral("NOT SELECTED") : path;
}

bool PathChosen(const char (&field)[260])
{
    const QString text = TextOf(field);
    return !text.isEmpty() && !text.contains(QStringLiteral("NOT SELECTED"), Qt::CaseInsensitive);
}

HorzSetupForm FormOf(wellfile::HorzSetupRecord& r, const HorzSetupInputs& in, const QString& currentFolder)
{
    HorzSetupForm f;
    f.gammaOnTrackEnabled = r.inchesPer100Ft == 5.0f;
    r.reserved155445 = 0;
    for (const ByteCheck& c : ByteChecks())
        f.checks[c.id] = r.*c.field != 0;
    f.checks[setupid::GammaOnTrack] = r.gammaOffWellTrack != 1;
    f.checks[setupid::FillBehindGas] = r.fillBehindGas != 0;
    f.checks[setupid::CustomTracks] = in.customTracks && r.drawCustomTracks != 0;
    f.checks[setupid::VerticalGas] = in.verticalGasOption && r.verticalGasScales != 0;
    f.checks[setupid::LithPics] = in.lithPictures && r.drawLithPics != 0;
    f.inches = r.inchesPer100Ft == 1.0f ? 1 : r.inchesPer100Ft == 2.0f ? 2 : 5;

    f.anchorGamma = ShownPath(r.anchorGammaFile, currentFolder);
    f.targetGamma = ShownPath(r.targetGammaFile, currentFolder);
    f.targetFile = ShownPath(r.targetFile, currentFolder);

    f.regionalDip = QString::asprintf("%.2f", double(r.regionalDip));
    if (r.gasCount > 6)
        r.gasCount = 6;
    f.gasCount = QString::number(r.gasCount);
    if (r.textBlockCount < 1)
        r.textBlockCount = 10;
    f.textBlocks = QString::number(r.textBlockCount);
    f.highlight = QString::number(r.highlightTargetGammaBelow);
    f.drawFrom = QString::number(r.drawFromDepth);

    if (r.sectionCount == 0)
        r.sectionCount = LeadingSections(r);
    f.drawFromEnabled = r.sectionCount <= 1;  // else the sections give the draw-from depth

    f.kbEnabled = in.kbElevation != 0;
    f.anchorKb = f.kbEnabled ? QString::number(r.anchorOffsetKb) : QStringLiteral("No KB");
    f.targetKb = f.kbEnabled ? QString::number(r.targetOffsetKb) : QStringLiteral("No KB");

    // A choice outside its list shows the list's default entry.
    f.rateIndex = (r.rateScale < 1 || r.rateScale > 6) ? 1 : r.rateScale - 1;
    f.gasIndex = (r.gasScale < 1 || r.gasScale > 9) ? 2 : r.gasScale - 1;
    if (r.gammaScale > 9)
        r.gammaScale = 4;
    f.gammaIndex = r.gammaScale < 1 ? (in.loggerProfile == 12 ? 3 : 4) : r.gammaScale - 1;
    f.imageFormat = 0;  // the list always opens at "None"
    return f;
}

void StoreForm(wellfile::HorzSetupRecord& r, const HorzSetupForm& f, const HorzSetupInputs& in, bool multipleShown,
               bool viewSaved)
{
    StorePath(r.anchorGammaFile, f.anchorGamma);
    StorePath(r.targetGammaFile, f.targetGamma);
    StorePath(r.targetFile, f.targetFile);

    r.regionalDip = platform::LeadingFloat(f.regionalDip);
    r.gasCount = std::clamp(platform::LeadingInt(f.gasCount), 0, 6);
    r.textBlockCount = std::min(platform::LeadingInt(f.textBlocks), 20);
    r.highlightTargetGammaBelow = platform::LeadingInt(f.highlight);
    if (f.drawFromEnabled)  // disabled when the sections give the draw-from depth
        r.drawFromDepth = platform::LeadingInt(f.drawFrom);
    const QString noKb = QStringLiteral("No Kb");
    if (f.targetKb.compare(noKb, Qt::CaseInsensitive) != 0)
        r.targetOffsetKb = platform::LeadingInt(f.targetKb);
    if (f.anchorKb.compare(noKb, Qt::CaseInsensitive) != 0)
        r.anchorOffsetKb = platform::LeadingInt(f.anchorKb);

    auto checked = [&f](int id) {
        const auto it = f.checks.find(id);
        return it != f.checks.end() && it->second;
    };
    for (const ByteCheck& c : ByteChecks())
        r.*c.field = checked(c.id) ? 1 : 0;
    r.reserved800 = kRatesMark;
    r.gammaOffWellTrack = checked(setupid::GammaOnTrack) ? 0 : 1;
    r.reserved952 = 0;
    r.reserved155445 = 0;
    r.reserved156010 = 0;
    r.fillBehindGas = checked(setupid::FillBehindGas) ? 1 : 0;
    if (!in.customTracks)
        r.drawCustomTracks = 0;
    if (!in.verticalGasOption)
        r.verticalGasScales = 0;
    if (!multipleShown)
        r.multipleTargetGammas = 0;

    r.inchesPer100Ft = f.inches == 1 ? 1.0f : f.inches == 2 ? 2.0f : 5.0f;
    r.imageFormat = std::max(f.imageFormat, 0);
    r.rateScale = f.rateIndex + 1;
    r.gasScale = f.gasIndex + 1;
    r.gammaScale = f.gammaIndex + 1;
    if (!viewSaved)
        std::memset(r.viewName, 0, sizeof r.viewName);
}

QStringList ViewListOf(QStringList names)
{
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    names.prepend(QStringLiteral("default"));
    return names;
}

int ViewSelection(const QStringList& list, const QString& viewName)
{
    for (qsizetype i = list.size() - 1; i >= 1; --i)
        if (list.at(i).contains(viewName, Qt::CaseInsensitive))
            return int(i);
    return 0;
}

bool ViewNameUsable(const QString& name)
{
    return !name.trimmed().isEmpty() && name.size() <= 29 && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QStringLiteral(".."));
}

int CountTargetGammaFiles(const QStringList& listed, const QString& wellName)
{
    if (listed.size() < 2)
        return 0;
    const QString well = wellName.toUpper();
    int n = 0;
    for (qsizetype i = 0; i < listed.size(); ++i) {
        const QString name = listed.at(i).toUpper();
        if (name.contains(well) && name.contains(QLatin1Char('@')))
            ++n;
    }
    return n;
}

}  // namespace horizontal
