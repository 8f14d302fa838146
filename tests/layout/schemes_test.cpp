#include "layout/logformat.h"
#include "layout/schemes.h"
#include "layout/ui/schemedialog.h"
#include "platform/text.h"
#include "support/files.h"
#include "support/testmain.h"
#include "wellfile/wellconfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstring>

using namespace layout;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::FileRecords;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

SchemeFiles Files()
{
    SchemeFiles f;
    f.dataFolder = TestDir() + "data/";
    f.currentFolder = TestDir() + "well/";
    f.wellName = "BRAVO2";
    QDir().mkpath(f.dataFolder);
    QDir().mkpath(f.currentFolder);
    return f;
}

// Packed fields are compared through a copy: gtest binds references.
template <typename T>
T V(T v)
{
    return v;
}

QString SchPath(const SchemeFiles& f) { return f.currentFolder + f.wellName + ".sch"; }

// Six schemes with distinct flags and thresholds, saved as the well's ".sch".
SchemeSet WriteSchemes(const SchemeFiles& files)
{
    SchemeSet set = DefaultSchemeSet();
    for (int i = 0; i < kSchemeCount; ++i)
        set[std::size_t(i)].swThreshold = 0.1f * float(i);
    set[2].flags[FLAG_OUTLINES] = 0;
    set[2].flags[FLAG_SONIC] = 1;
    set[2].flags[3] = 1;
    set[2].flags[FLAG_MEMOS] = 1;
    WriteBytes(SchPath(files), set.data(), kSchemeFileSize);
    return set;
}

// The host of a window with one configuration record kept in memory.
struct Window {
    SchemeState state;
    SchemeHost host;
    wellfile::WellConfig config{};
    int configSaves = 0;
    int layouts = 0;
    int menus = 0;

    explicit Window(const SchemeFiles& files)
    {
        host.files = files;
        host.loadConfig = [this](wellfile::WellConfig& c) {
            c = config;
            return true;
        };
        host.saveConfig = [this](const wellfile::WellConfig& c) {
            config = c;
            ++configSaves;
            return true;
        };
        host.buildMenu = [this] { ++menus; };
    }
};

}  // namespace

TEST(Schemes, OldFileIsConvertedAndOtherSizesAreKeptAside)
{
    const SchemeFiles files = Files();
    std::array<OLDLOGSCHEME, kSchemeCount> old{};
    for (int i = 0; i < kSchemeCount; ++i) {
        old[std::size_t(i)].flags[0] = 1;
        old[std::size_t(i)].flags[16] = 1;
        old[std::size_t(i)].flags[39] = i;
        platform::SetFieldText(old[std::size_t(i)].name, "Old " + std::to_string(i));
        old[std::size_t(i)].densityOnRateGridOff = 1;
        old[std::size_t(i)].reserved184 = 7;
        old[std::size_t(i)].number = std::uint16_t(i);
    }
    WriteBytes(SchPath(files), old.data(), qsizetype(kOldSchemeFileSize));

    auto set = LoadSchemes(files, false);
    ASSERT_TRUE(set);
    EXPECT_EQ(QFileInfo(SchPath(files)).size(), 1932);
    for (int i = 0; i < kSchemeCount; ++i) {
        const LOGSCHEME& s = (*set)[std::size_t(i)];
        EXPECT_EQ(platform::FieldText(s.name), "Old " + std::to_string(i));
        EXPECT_EQ(V(s.flags[39]), i);
        EXPECT_EQ(V(s.flags[16]), 1);
        EXPECT_EQ(V(s.densityOnRateGridOff), 1);
        EXPECT_EQ(V(s.reserved184), 0);
        EXPECT_EQ(V(s.number), i);
        EXPECT_EQ(V(s.swThreshold), 0.0f);
    }
    EXPECT_EQ(std::memcmp(ReadBytes(SchPath(files)).constData(), set->data(), kSchemeFileSize), 0);

    // A damaged file of 1,000 bytes is kept under another name and the defaults take its place.
    const QByteArray damaged(1000, 'x');
    WriteBytes(SchPath(files), damaged);
    set = LoadSchemes(files, false);
    ASSERT_TRUE(set);
    EXPECT_EQ(ReadBytes(SchPath(files) + ".bad"), damaged);
    EXPECT_EQ(QFileInfo(SchPath(files)).size(), 1932);
    EXPECT_EQ(platform::FieldText((*set)[0].name), "Mudlog");
    EXPECT_EQ(platform::FieldText((*set)[5].name), "Default6");
    EXPECT_EQ(V((*set)[3].number), 3);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
}

TEST(Schemes, NumbersAsTyped)
{
    EXPECT_FLOAT_EQ(ParseSwThreshold(" 35 ").value_or(-1), 0.35f);
    EXPECT_FLOAT_EQ(ParseSwThreshold("5").value_or(-1), 0.5f);
    EXPECT_FLOAT_EQ(ParseSwThreshold("0.4").value_or(-1), 0.4f);
    EXPECT_FLOAT_EQ(ParseSwThreshold("100").value_or(-1), 1.0f);  // all of it, not a tenth
    EXPECT_FLOAT_EQ(ParseSwThreshold("0").value_or(-1), 0.0f);
    EXPECT_FLOAT_EQ(ParseGammaLag(" 12.5").value_or(-1), 12.5f);
    EXPECT_FLOAT_EQ(ParseGammaLag("0").value_or(-1), 0.0f);
    for (const char* bad : {"abc", "", "nan", "NaN", "inf", "-inf", "-0.5", "100.5", "1e300", "3 4"})
        EXPECT_FALSE(ParseSwThreshold(bad)) << bad;
    for (const char* bad : {"abc", "nan", "inf", "-1", "1e300", "1001"})
        EXPECT_FALSE(ParseGammaLag(bad)) << bad;
}

TEST(Schemes, ApplyTakesFlagsAndDropsCurvesTheSetLacks)
{
    const SchemeFiles files = Files();
    WriteSchemes(files);
    Window w(files);
    w.host.curvesLoaded = true;
    w.host.curvePresent = [](int k) { return k != FLAG_SONIC; };
    bool density = true, wrap = true;
    w.host.setCurveOptions = [&](bool d, bool r) { density = d, wrap = r; };
    QString curveFile;
    w.host.setCurveFile = [&](const QString& f, std::int32_t) { curveFile = f; };
    platform::SetFieldText(w.config.elogOffsets[0].fileName, "BRAVO2.svc");

    EXPECT_EQ(ApplyScheme(w.state, w.host, 2, false), 1);
    EXPECT_EQ(w.state.currentScheme, 2);
    EXPECT_EQ(w.state.trackFlags[FLAG_SONIC], 0);  // on in the scheme, but no sonic curve loaded
    EXPECT_EQ(w.state.trackFlags[3], 1);
    EXPECT_EQ(w.state.trackFlags[FLAG_OUTLINES], 0);
    EXPECT_FLOAT_EQ(w.state.swThreshold, 0.2f);
    EXPECT_FALSE(density);
    EXPECT_FALSE(wrap);
    EXPECT_EQ(curveFile, QStringLiteral("BRAVO2.svc"));

    // Quick view shows its fixed set whatever the scheme.
    w.state.quickView = true;
    EXPECT_EQ(ApplyScheme(w.state, w.host, 4, false), 0);
    for (int k = 0; k < kTrackFlagCount; ++k) {
        const bool on = k <= 3 || k == 7 || k == 11 || (k >= 16 && k <= 18) || k == 22 || k == 24 || k == 25 || k >= 32;
        EXPECT_EQ(w.state.trackFlags[std::size_t(k)], on ? 1 : 0) << k;
    }
}

// Scheme 3 (index 2) switches Out Lines off; in a wide format that clears the outline column.
TEST(Schemes, SelectSchemeChangesFlagsLayoutAndConfig)
{
    const SchemeFiles files = Files();
    WriteSchemes(files);
    Window w(files);
    LogLayout layout;
    LayoutInputs in;
    in.screen = {1280, 1024, 1};
    in.clientBottom = 1000;
    w.host.setLogFormat = [&] {
        in.trackFlags = w.state.trackFlags;
        SetLogFormat(layout, 23, 0, in);
        ++w.layouts;
    };
    int checked = -1;
    w.host.checkSchemeMenu = [&](int s) { checked = s; };
    SetLogFormat(layout, 23, 0, in);
    ASSERT_EQ(layout.outline.Width(), 40);

    SelectScheme(w.state, w.host, 2);
    EXPECT_EQ(checked, 2);
    EXPECT_EQ(w.state.currentScheme, 2);
    EXPECT_EQ(V(w.config.currentScheme), 2);
    EXPECT_EQ(w.state.trackFlags[FLAG_OUTLINES], 0);
    EXPECT_EQ(w.layouts, 1);
    EXPECT_EQ(layout.outline.Width(), 0);
}

TEST(SchemeDialog, CloseCommitsAndEscapeChangesNothing)
{
    const SchemeFiles files = Files();
    WriteSchemes(files);
    const QByteArray before = ReadBytes(SchPath(files));

    // Escape after editing and "Save": neither the file nor the window changes.
    {
        Window w(files);
        platform::Dialog::QueueTestScript([](platform::Dialog& d) {
            d.SetCheck(kFlagBoxIds[FLAG_GAS], 0);
            d.SetText(IDC_SW_THRESHOLD, "35");
            d.Click(IDC_SAVE_SCHEME);
            d.Command(platform::IDCANCEL);
        });
        const SchemeState original = w.state;
        CmEditSchemes(w.state, w.host, {}, nullptr);
        EXPECT_EQ(ReadBytes(SchPath(files)), before);
        EXPECT_EQ(w.state.trackFlags, original.trackFlags);
        EXPECT_EQ(w.configSaves, 0);
        EXPECT_EQ(w.menus, 0);
    }

    // "Next" twice, edit scheme 3, "Save", "Close": the file, the flags and the options follow.
    Window w(files);
    w.state.currentScheme = 2;
    QString shown;
    platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
        d.Click(IDC_PREVIOUS);
        shown = d.GetText(IDC_SCHEME_NUMBER);
        d.Click(IDC_NEXT);
        d.Click(IDC_NEXT);
        d.Click(IDC_NEXT);
        d.SetText(IDC_SCHEME_NAME, "Gas only");
        d.SetCheck(kFlagBoxIds[FLAG_LITHOLOGY], 0);
        d.SetCheck(kFlagBoxIds[FLAG_HARDNESS_LABEL], 1);
        d.SetText(IDC_SW_THRESHOLD, "35");
        d.SetText(IDC_GAMMA_LAG, "12.5");
        d.Click(IDC_SAVE_SCHEME);
        d.Click(platform::IDOK);
    });
    CmEditSchemes(w.state, w.host, {.alternateFormat = false, .notesLoaded = true}, nullptr);
    EXPECT_EQ(shown, QStringLiteral("6"));  // "Previous" on scheme 1 wraps to 6

    const QByteArray after = ReadBytes(SchPath(files));
    ASSERT_EQ(after.size(), 1932);
    LOGSCHEME s3;
    std::memcpy(&s3, after.constData() + 2 * kSchemeSize, kSchemeSize);
    EXPECT_EQ(platform::FieldText(s3.name), "Gas only");
    EXPECT_EQ(V(s3.flags[FLAG_LITHOLOGY]), 0);
    EXPECT_EQ(V(s3.flags[FLAG_DESCRIPTIONS]), 0);  // shown off, so stored off
    EXPECT_FLOAT_EQ(V(s3.swThreshold), 0.35f);
    EXPECT_EQ(w.state.trackFlags[FLAG_LITHOLOGY], 0);
    EXPECT_FLOAT_EQ(w.state.swThreshold, 0.35f);
    EXPECT_TRUE(w.state.hardnessLabel);
    EXPECT_FLOAT_EQ(w.state.gammaLag, 12.5f);
    EXPECT_EQ(V(w.config.useHardnessLabel), 1);
    EXPECT_TRUE(w.state.descriptionByMemo);  // Memo's on, Descriptions off
    EXPECT_EQ(w.menus, 1);
    LOGSCHEME s1;
    std::memcpy(&s1, after.constData(), kSchemeSize);
    EXPECT_EQ(platform::FieldText(s1.name), "Mudlog");  // schemes not saved keep what they had
}

TEST(SchemeDialog, NumbersThatAreNoneAreRefusedAndTheOldValuesKept)
{
    const SchemeFiles files = Files();
    WriteSchemes(files);
    Window w(files);
    w.state.gammaLag = 7.0f;
    QStringList shown;
    platform::Dialog::QueueTestScript([&](platform::Dialog& d) {
        d.SetText(IDC_SCHEME_NAME, "Renamed");
        d.SetText(IDC_SW_THRESHOLD, "nan");
        d.Click(IDC_SAVE_SCHEME);
        shown << d.GetText(IDC_SW_THRESHOLD);
        d.SetText(IDC_SW_THRESHOLD, "40");
        d.SetText(IDC_GAMMA_LAG, "-inf");
        d.Click(IDC_SAVE_SCHEME);
        shown << d.GetText(IDC_GAMMA_LAG);
        d.Click(platform::IDOK);
    });
    CmEditSchemes(w.state, w.host, {}, nullptr);

    ASSERT_EQ(doubles().prompter.messages.size(), 2);
    EXPECT_TRUE(doubles().prompter.messages[0].text.startsWith("Highlight Sw below"));
    EXPECT_TRUE(doubles().prompter.messages[1].text.startsWith("Gamma Lag"));
    EXPECT_EQ(shown, QStringList({"0.00", "7.00"}));
    // Neither press stored anything: the scheme keeps its name and threshold, the window its lag.
    LOGSCHEME s1;
    std::memcpy(&s1, ReadBytes(SchPath(files)).constData(), kSchemeSize);
    EXPECT_EQ(platform::FieldText(s1.name), "Mudlog");
    EXPECT_FLOAT_EQ(V(s1.swThreshold), 0.0f);
    EXPECT_FLOAT_EQ(w.state.gammaLag, 7.0f);
    EXPECT_EQ(w.configSaves, 0);
}

// A well whose schemes flag names the data folder, on a station that does not send from a folder of its
// own: saves go to the current folder, and loading must find them there. The data folder has none.
TEST(Schemes, FieldFlagWithoutSendingKeepsTheCurrentFoldersSchemes)
{
    SchemeFiles files = Files();
    const SchemeSet mine = WriteSchemes(files);
    const QByteArray before = ReadBytes(SchPath(files));
    for (const bool remote : {false, true}) {
        files.sendOption = remote;  // a remote station never sends from its own folder
        files.remoteStation = remote;

        bool defaults = true;
        auto set = LoadSchemes(files, true, &defaults);
        ASSERT_TRUE(set);
        EXPECT_FALSE(defaults);
        EXPECT_EQ(std::memcmp(set->data(), mine.data(), kSchemeFileSize), 0);
        EXPECT_EQ(ReadBytes(SchPath(files)), before);  // not written over with the defaults
        EXPECT_FALSE(QFileInfo::exists(files.dataFolder + "BRAVO2.sch"));
    }

    // An edit is saved and comes back on the next load.
    auto set = LoadSchemes(files, true);
    platform::SetFieldText((*set)[4].name, "Edited");
    ASSERT_TRUE(SaveSchemes(files, true, *set));
    set = LoadSchemes(files, true);
    EXPECT_EQ(platform::FieldText((*set)[4].name), "Edited");

    // A field copy in the data folder is shown until the well has schemes of its own; edits then stay
    // in the current folder and the field copy is left alone.
    files.remoteStation = false;
    files.sendOption = false;
    QFile::remove(SchPath(files));
    SchemeSet field = DefaultSchemeSet();
    platform::SetFieldText(field[0].name, "Field");
    WriteBytes(files.dataFolder + "BRAVO2.sch", field.data(), kSchemeFileSize);
    set = LoadSchemes(files, true);
    EXPECT_EQ(platform::FieldText((*set)[0].name), "Field");
    platform::SetFieldText((*set)[0].name, "Local");
    ASSERT_TRUE(SaveSchemes(files, true, *set));
    EXPECT_EQ(platform::FieldText((*LoadSchemes(files, true))[0].name), "Local");
    EXPECT_EQ(ReadBytes(files.dataFolder + "BRAVO2.sch"), QByteArray(reinterpret_cast<const char*>(field.data()), kSchemeFileSize));
}

// Defaults in place of a missing or damaged file make scheme 1 current, whatever was asked for.
TEST(Schemes, DefaultsMakeTheFirstSchemeCurrent)
{
    const SchemeFiles files = Files();
    Window w(files);
    w.state.currentScheme = 3;
    EXPECT_EQ(ApplyScheme(w.state, w.host, 3, false), 1);
    EXPECT_EQ(w.state.currentScheme, 0);
    EXPECT_EQ(QFileInfo(SchPath(files)).size(), 1932);

    WriteBytes(SchPath(files), QByteArray(100, 'x'));
    EXPECT_EQ(ApplyScheme(w.state, w.host, 4, false), 1);
    EXPECT_EQ(w.state.currentScheme, 0);

    // A readable file keeps the scheme asked for.
    EXPECT_EQ(ApplyScheme(w.state, w.host, 4, false), 1);
    EXPECT_EQ(w.state.currentScheme, 4);
}

// Without notes loaded the "Memo's" box is hidden; saving a scheme keeps the Memo's setting it had.
TEST(SchemeDialog, HiddenMemosBoxKeepsTheStoredSetting)
{
    const SchemeFiles files = Files();
    WriteSchemes(files);  // scheme 3 (index 2) has Memo's on
    Window w(files);
    platform::Dialog::QueueTestScript([](platform::Dialog& d) {
        d.Click(IDC_NEXT);
        d.Click(IDC_NEXT);
        d.SetCheck(kFlagBoxIds[FLAG_LITHOLOGY], 0);
        d.Click(IDC_SAVE_SCHEME);
        d.Click(platform::IDOK);
    });
    CmEditSchemes(w.state, w.host, {.alternateFormat = false, .notesLoaded = false}, nullptr);

    const auto saved = FileRecords<LOGSCHEME>(SchPath(files));
    ASSERT_EQ(saved.size(), 6u);
    EXPECT_EQ(V(saved[2].flags[FLAG_LITHOLOGY]), 0);  // the edit is taken
    EXPECT_EQ(V(saved[2].flags[FLAG_MEMOS]), 1);      // the hidden box is not
}
