#pragma once
// The settings record of a well's horizontal view (".hor"): one 156,458-byte image, read and written
// whole. The view reads it on every drawing and writes back its draw-from depth, scroll position,
// sections and markers; the set-up dialog edits the rest. Packed little-endian byte image.
#include <QString>

#include <cstddef>
#include <cstdint>

namespace wellfile {

#pragma pack(push, 1)
// A vertical-scaling section of the well path. startMd 0 marks an empty entry.
struct HorzSection {
    float startTvd;
    float endTvd;
    float startMd;
    float endMd;
    float pxPerTvd;   // stored by the view when it draws
    std::int32_t endX;
    float reserved24;
    float dip;
    float sectionVs;
    std::uint8_t reserved36[20];
};

// A lithology symbol placed on the plot. symbolNumber 0 marks an empty entry.
struct HorzMarker {
    std::uint16_t symbolNumber;  // 1..22
    std::uint16_t markerTvd;
    std::uint16_t markerMd;
    std::uint8_t placedScaled;   // placed while vertical scaling was on
    std::int32_t offsetY;        // unaligned: read and assign by value
    std::uint8_t reserved11[9];
};

struct HorzSetupRecord {
    char anchorGammaFile[260];
    char targetGammaFile[260];
    char targetFile[260];
    float regionalDip;
    std::int32_t reserved784;
    std::int32_t drawFromDepth;
    std::int32_t targetOffsetKb;
    std::int32_t anchorOffsetKb;
    std::uint8_t reserved800;
    std::uint8_t gammaOffWellTrack;
    std::uint8_t reserved802[6];
    float inchesPer100Ft;
    char viewName[140];
    std::int32_t reserved952;
    std::int32_t imageFormat;
    std::int32_t fillBehindGas;
    std::int32_t rateScale;
    std::int32_t gasScale;
    std::int32_t gammaScale;
    std::uint8_t reserved976[8];
    std::uint8_t blockedRop;
    std::uint8_t drawRates;
    std::uint8_t drawGas;
    std::uint8_t drawGamma;
    std::uint8_t drawDescriptions;
    std::uint8_t drawMemos;
    std::int32_t gasCount;
    HorzSection sections[10];
    std::uint8_t reserved1554[138380];
    HorzMarker markers[775];
    std::int32_t scrollPosition;
    std::uint8_t drawShows;
    std::uint8_t drawHeader;
    std::uint8_t drawLithOnWellTrack;
    std::uint16_t markerCount;
    std::uint8_t reserved155443[2];
    std::uint16_t reserved155445;
    HorzSection oldSections[10];
    std::uint8_t logGas;
    std::uint8_t logRop;
    std::uint8_t logGamma;
    std::uint8_t reserved156010;
    std::uint8_t fillBehindTargetGamma;
    std::uint8_t drawWrtGamma;
    std::uint8_t lithInOrderEntered;
    std::int32_t highlightTargetGammaBelow;
    std::uint8_t drawCustomTracks;
    std::uint8_t verticalGasScales;
    std::int32_t sectionCount;
    std::uint8_t reserved156024;
    std::uint8_t multipleTargetGammas;
    std::uint8_t drawLithPics;
    std::uint8_t textInOwnTrack;
    std::int32_t textBlockCount;
    std::uint8_t hidePictures;
    std::uint8_t keepDrawFrom;
    std::uint8_t reserved156034[424];
};
#pragma pack(pop)

static_assert(sizeof(HorzSection) == 56 && sizeof(HorzMarker) == 20);
static_assert(offsetof(HorzSection, pxPerTvd) == 16 && offsetof(HorzSection, endX) == 20);
static_assert(offsetof(HorzSection, dip) == 28 && offsetof(HorzSection, sectionVs) == 32);
static_assert(offsetof(HorzMarker, markerMd) == 4 && offsetof(HorzMarker, placedScaled) == 6);
static_assert(offsetof(HorzMarker, offsetY) == 7 && offsetof(HorzMarker, reserved11) == 11);
static_assert(sizeof(HorzSetupRecord) == 156458);
static_assert(offsetof(HorzSetupRecord, targetGammaFile) == 260 && offsetof(HorzSetupRecord, targetFile) == 520);
static_assert(offsetof(HorzSetupRecord, regionalDip) == 780 && offsetof(HorzSetupRecord, drawFromDepth) == 788);
static_assert(offsetof(HorzSetupRecord, targetOffsetKb) == 792 && offsetof(HorzSetupRecord, anchorOffsetKb) == 796);
static_assert(offsetof(HorzSetupRecord, reserved800) == 800 && offsetof(HorzSetupRecord, gammaOffWellTrack) == 801);
static_assert(offsetof(HorzSetupRecord, inchesPer100Ft) == 808 && offsetof(HorzSetupRecord, viewName) == 812);
static_assert(offsetof(HorzSetupRecord, reserved952) == 952 && offsetof(HorzSetupRecord, imageFormat) == 956);
static_assert(offsetof(HorzSetupRecord, fillBehindGas) == 960 && offsetof(HorzSetupRecord, rateScale) == 964);
static_assert(offsetof(HorzSetupRecord, gasScale) == 968 && offsetof(HorzSetupRecord, gammaScale) == 972);
static_assert(offsetof(HorzSetupRecord, blockedRop) == 984 && offsetof(HorzSetupRecord, drawMemos) == 989);
static_assert(offsetof(HorzSetupRecord, gasCount) == 990 && offsetof(HorzSetupRecord, sections) == 994);
static_assert(offsetof(HorzSetupRecord, reserved1554) == 1554 && offsetof(HorzSetupRecord, markers) == 139934);
static_assert(offsetof(HorzSetupRecord, scrollPosition) == 155434 && offsetof(HorzSetupRecord, drawShows) == 155438);
static_assert(offsetof(HorzSetupRecord, drawLithOnWellTrack) == 155440);
static_assert(offsetof(HorzSetupRecord, markerCount) == 155441 && offsetof(HorzSetupRecord, reserved155445) == 155445);
static_assert(offsetof(HorzSetupRecord, oldSections) == 155447 && offsetof(HorzSetupRecord, logGas) == 156007);
static_assert(offsetof(HorzSetupRecord, logGamma) == 156009 && offsetof(HorzSetupRecord, fillBehindTargetGamma) == 156011);
static_assert(offsetof(HorzSetupRecord, lithInOrderEntered) == 156013);
static_assert(offsetof(HorzSetupRecord, highlightTargetGammaBelow) == 156014);
static_assert(offsetof(HorzSetupRecord, drawCustomTracks) == 156018 && offsetof(HorzSetupRecord, verticalGasScales) == 156019);
static_assert(offsetof(HorzSetupRecord, sectionCount) == 156020 && offsetof(HorzSetupRecord, multipleTargetGammas) == 156025);
static_assert(offsetof(HorzSetupRecord, textInOwnTrack) == 156027 && offsetof(HorzSetupRecord, textBlockCount) == 156028);
static_assert(offsetof(HorzSetupRecord, hidePictures) == 156032 && offsetof(HorzSetupRecord, keepDrawFrom) == 156033);
static_assert(offsetof(HorzSetupRecord, reserved156034) == 156034);

// A stored file path made usable here: "" or "NOT SELECTED" give "", a path through a folder of the
// program's ("strativ") or of the sharing service ("dropbox") is taken as current folder + name.
QString RebasedPath(const QString& stored, const QString& currentFolder);

}  // namespace wellfile
