#include "shell/menus.h"

#include "app/commandids.h"
#include "app/logstate.h"
#include "gasmon/enginehelpers.h"
#include "platform/text.h"
#include "wellfile/profile.h"

#include <algorithm>

namespace shell {

namespace {

using Item = MenuItem;

Item C(int id, const char* text) { return Item::Command(id, QString::fromLatin1(text)); }
Item Sep() { return Item::Separator(); }
Item P(const char* text, std::vector<Item> items) { return Item::Popup(QString::fromLatin1(text), std::move(items)); }

Item DisabledC(int id, const char* text)
{
    Item i = C(id, text);
    i.disabled = true;
    return i;
}

// An item no window answers: the stations show it gray.
Item GrayC(int id, const char* text)
{
    Item i = C(id, text);
    i.grayed = true;
    return i;
}

// Texts stand as the stations show them, double blanks and trailing blanks included.
MenuBar OfficeMenu()
{
    using namespace app::cmd;
    MenuBar bar;
    bar.resource = 1;
    bar.popups = {
        P("&File", {C(New, "&New..."), C(Open, "&Open..."), Sep(), C(Archive, "&Archive"), C(SaveAs, "&Save as..."), Sep(),
                    C(SaveAsImage, "&Save As Image"), Sep(), C(SendFile, "Send &File..."), Sep(),
                    C(PageSetup, "Page Setup..."), C(Print, "&Print..."), Sep(), C(Exit, "E&xit"), Sep()}),
        P("&View", {C(WitsChart, "&Wits Chart"), C(MorningReport, "&Morning Report..."), C(Header, "&Header..."),
                    C(ShowReport, "&Show Report..."), C(Dst, "&Dst..."), Sep(), C(LithLegend, "&Lith Legend"),
                    C(DataAsText, "Data As &Text")}),
        P("&Options", {GrayC(AddNote, "Add &Note..."), C(OffsetRop, "Offset &ROP"), Sep(), C(GasPercent, "&Gas As Percent of Total"),
                       C(SaveReportsText, "&Save Reports As Text"), C(CreateLasFile, "Create  &Las File..."), Sep(),
                       P("&Other Options...", {C(CorrectFileDepth, "A&ppend File depth..."),
                                               C(AdjustFileDepth, "&Adjust File Depth...")})}),
        P("&Setup", {C(LinesAndScales, "&Lines and Scales..."), C(LogColors, "Log &Colors..."), C(WaterSaturation, "&Sw...")}),
        P("&Tops", {C(EditTops, "&Edit")}),
        P("&Schemes", {DisabledC(EditSchemes, "&Edit ..."), Sep()}),
        P("&Import", {C(ImportElog, "Import &Elog data.."), Sep(), P("&Select", {C(SelectElog, "&Elog..."), C(SelectRop, "&ROP...")}),
                      Sep(), C(ImportTargetData, "Import Horizontal Target Data..")}),
        P("&Help", {C(About, "&About"), C(Manual, "&Strativ Manual"), C(NewFeatures, "&New Features")}),
    };
    return bar;
}

MenuBar DrillingMenu()
{
    using namespace app::cmd;
    MenuBar bar;
    bar.resource = 3;
    bar.popups = {
        P("&File", {C(New, "&New..."), C(PlugBack, "Plug Back For &Horizontal or Sidetrack"), C(Open, "&Open..."), Sep(),
                    C(SaveAs, "&Backup..."), C(Restore, "&Restore..."), Sep(), C(SaveAsImage, "&Save As Image"), Sep(),
                    C(Archive, "&Archive"), Sep(), C(SendFile, "Send &File..."), Sep(), C(PageSetup, "Page Setup..."),
                    C(Print, "&Print..."), Sep(), C(Exit, "E&xit"), Sep()}),
        P("&View", {C(MorningReport, "&Morning Report..."), C(ShortReport, "&Short Report"), C(Header, "&Header..."),
                    C(ShowReport, "&Show Report..."), C(Dst, "&Dst..."), Sep(), GrayC(EndOfWellReport, "&End Of Well Report"),
                    C(DataAsText, "Data As &Text")}),
        P("&Options", {C(CorrectFileDepth, "&Correct File Depth..."), C(OffsetRop, "Offset &ROP"), Sep(),
                       C(GasPercent, "&Gas As Percent of Total"), C(SaveReportsText, "&Save Reports As Text"),
                       C(CreateLasFile, "Create  &Las File..."), Sep(),
                       P("&Other Options", {C(CheckFileDepths, "&Check File Depths.."), C(AdjustFileDepth, "&Adjust File Depth..."),
                                            C(InsertDelete, "&Insert Delete Records..."), Sep(), C(Hotwire, "&Hotwire")})}),
        P("&Enter Data", {C(EnterLithology, "&Lithology..."), C(EnterGas, "&Gas..."), C(EnterRates, "&Rates..."), Sep(),
                          C(EnterShows, "&Shows..."), C(OutLine, "&Out Line..."), Sep(), C(TvdFileData, "TVD File Data"),
                          C(SurveyData, "Survey and/or Horizontal  Data..."), C(FlareData, "&Flare Data...")}),
        P("Setu&p", {C(LinesAndScales, "&Lines and Scales..."), C(LogColors, "Log &Colors..."),
                     C(GasMonitorSetup, "Gas &Monitor Setup..."), C(Alarms, "&Alarms..."), C(LagCalculator, "Lag &Calculator"),
                     C(TestGasValues, "&Test Gas Values... "), C(WaterSaturation, "&Sw..."), C(WitsAlarms, "&Wits Alarms")}),
        P("&Tops", {C(EditTops, "&Edit..."), Sep()}),
        P("&Schemes", {DisabledC(EditSchemes, "&Edit Schemes..."), Sep()}),
        P("&Import", {C(ImportElog, "Import &Elog Data.."), Sep(), P("&Select", {C(SelectElog, "&ELOG..."), C(SelectRop, "&ROP...")}),
                      Sep(), C(ImportMudlog, "&Import Mudlog Data"), C(ImportTargetData, " Import &Horizontal Target Data..")}),
        P("&Help", {C(About, "&About"), C(Manual, "&Strativ Manual"), C(NewFeatures, "&New Features")}),
    };
    return bar;
}

const Item* FindIn(const std::vector<Item>& items, int id)
{
    for (const Item& i : items) {
        if (i.kind == Item::Kind::Command && i.id == id)
            return &i;
        if (i.kind == Item::Kind::Popup)
            if (const Item* found = FindIn(i.items, id))
                return found;
    }
    return nullptr;
}

void DeleteIn(std::vector<Item>& items, int id)
{
    std::erase_if(items, [id](const Item& i) { return i.kind == Item::Kind::Command && i.id == id; });
    for (Item& i : items)
        if (i.kind == Item::Kind::Popup)
            DeleteIn(i.items, id);
}

// The instrument types whose WITS item also covers the gas: no separate gas monitor item then.
bool GasByWits(int instrumentType) { return gasmon::TypeIn(instrumentType, {6, 10, 11, 13, 14}); }

}  // namespace

MenuBar MenuBar::Resource(int resource) { return resource == 3 ? DrillingMenu() : OfficeMenu(); }

MenuItem* MenuBar::SubMenu(int position)
{
    return position >= 0 && position < int(popups.size()) ? &popups[std::size_t(position)] : nullptr;
}

const MenuItem* MenuBar::SubMenu(int position) const { return const_cast<MenuBar*>(this)->SubMenu(position); }

const MenuItem* MenuBar::Find(int id) const { return FindIn(popups, id); }
MenuItem* MenuBar::Find(int id) { return const_cast<MenuItem*>(FindIn(popups, id)); }

bool MenuBar::Contains(int position, int id) const
{
    const MenuItem* sub = SubMenu(position);
    return sub && FindIn(sub->items, id);
}

int MenuBar::ItemCount(int position) const
{
    const MenuItem* sub = SubMenu(position);
    return sub ? int(sub->items.size()) : 0;
}

void MenuBar::Delete(int id) { DeleteIn(popups, id); }

void MenuBar::Delete(int position, int id)
{
    if (MenuItem* sub = SubMenu(position))
        DeleteIn(sub->items, id);
}

bool MenuBar::AppendIfAbsent(int position, int id, const QString& text)
{
    MenuItem* sub = SubMenu(position);
    if (!sub || FindIn(sub->items, id))
        return false;
    sub->items.push_back(MenuItem::Command(id, text));
    return true;
}

void MenuBar::Check(int id, bool checked)
{
    if (MenuItem* i = Find(id))
        i->checked = checked;
}

void MenuBar::Enable(int id, bool enabled)
{
    if (MenuItem* i = Find(id))
        i->grayed = !enabled;
}

MenuOutcome BuildMenu(MenuBar& bar, const MenuInputs& in, int part)
{
    using namespace app::cmd;
    MenuOutcome out;
    out.hotwire = in.hotwire;
    out.gasPercent = in.gasPercent;
    out.realTimeChart = in.realTimeChart;
    out.currentScheme = in.currentScheme;

    // Positions follow the resource on the bar, so a scratch well (drilling menu with drilling off)
    // gets its items in the pop-ups that carry them.
    const bool drillingMenu = bar.resource == 3;
    constexpr int kFile = 0, kView = 1, kOptions = 2, kEnterData = 3;
    const int setup = drillingMenu ? 4 : 3;
    const int schemes = drillingMenu ? 6 : 5;
    const int tops = bar.Contains(EnterLithology) ? 5 : 4;

    // 1. Lith legend.
    bar.Check(LithLegend, in.lithLegend);

    // 2. Recent files: empty names take no id.
    for (int id = RecentFirst; id <= RecentLast; ++id)
        bar.Delete(kFile, id);
    if (!in.drilling && in.recentLoaded) {
        int id = RecentFirst;
        for (const QString& name : in.recentFiles)
            if (!name.isEmpty())
                bar.AppendIfAbsent(kFile, id++, name);
    }

    // 3. "Import Horizontal Target Data.." and "New Features" stay: they are their commands' only way in,
    // and the program ships the page of new features that the second opens.

    // 4. Logging-company profile.
    const int p = in.loggerId;
    if (p != 37)
        bar.Delete(FlareData);
    if (wellfile::NoOutlineMenuProfile(p)) {
        bar.Delete(OutLine);
        bar.Delete(Hotwire);
        if (!wellfile::ShowEntryMenuProfile(p))
            bar.Delete(EnterShows);
    }

    // 5. Hotwire: only profiles 12 and 80 choose; it stays on for everyone else.
    if (wellfile::HotwireChoiceProfile(p)) {
        bar.Check(Hotwire, in.hotwire);
        out.storeHotwire = in.hotwire;
    } else {
        out.hotwire = true;
        bar.Delete(Hotwire);
    }

    // 6. Formation tops: the id is tied to the top's index, so skipped tops leave gaps.
    // The old items go on every build of the pop-up, so a list emptied since leaves none behind.
    if (part == 5 || part == -1) {
        for (int id = GotoTopFirst; id <= GotoTopLast; ++id)
            bar.Delete(tops, id);
    }
    if ((part == 5 || part == -1) && in.topsLoaded && in.tops) {
        const int n = std::min<int>(int(in.tops->size()), kMaxTopItems);
        for (int i = 0; i < n; ++i) {
            const wellfile::TOPSEX& t = (*in.tops)[std::size_t(i)];
            const std::string name = platform::FieldText(t.menuName, sizeof t.menuName);
            const std::int32_t depth = t.depth;
            if (!name.empty() && depth > in.fileTopDepth)
                bar.AppendIfAbsent(tops, GotoTopFirst + i, platform::FromCp1252(name.data(), name.size()));
        }
    }

    // 7. Schemes: the first two schemes get items; schemes 3 to 6 keep their commands without one.
    if (part == 6 || part == -1) {
        for (int id = SchemeFirst; id <= SchemeLast; ++id)
            bar.Delete(schemes, id);
        if (!in.schemesLoaded) {
            out.currentScheme = 0;
        } else {
            for (int s = 0; s < 2; ++s)
                if (!in.schemeNames[std::size_t(s)].isEmpty())
                    bar.AppendIfAbsent(schemes, SchemeFirst + s, in.schemeNames[std::size_t(s)]);
            if (in.currentScheme >= 0 && in.currentScheme < 2)
                bar.Check(SchemeFirst + in.currentScheme, true);
        }
    }

    // 8. View.
    if (in.elogLoaded)
        bar.AppendIfAbsent(kView, ElogAsText, QStringLiteral("Elog Data As Text"));
    else
        bar.Delete(ElogAsText);
    bar.AppendIfAbsent(kView, HorizontalView, QStringLiteral("Horizontal"));
    if (wellfile::FeetFormatProfile(p))
        out.realTimeChart = false;
    if (in.drilling)
        bar.AppendIfAbsent(kView, GasChart, QStringLiteral("Real Time Gas Chart "));
    else
        bar.Delete(GasChart);
    if (in.hasTvdData && !in.scratchWell)
        bar.AppendIfAbsent(kView, TvdLog, QStringLiteral("TVD Log "));
    else
        bar.Delete(TvdLog);
    if (bar.AppendIfAbsent(kView, EndOfWellReport, QStringLiteral("End Of Well Report")))
        bar.Enable(EndOfWellReport, false);
    bar.AppendIfAbsent(kView, DowntimeReport, QStringLiteral("Down Time Report"));
    bar.AppendIfAbsent(kView, WitsChart, QStringLiteral("Wits Chart.."));

    // 9. Enter Data. "TVD File Data" stays: it is its command's only way in.
    bar.Delete(kEnterData, LagTime);
    if (in.drilling) {
        bar.AppendIfAbsent(kEnterData, FlareData, QStringLiteral("Flare Data..."));
        bar.AppendIfAbsent(kEnterData, LagTime, QStringLiteral("Lagtime..."));
    }

    // 10. Gas as percent of total.
    if (wellfile::NoGasPercentProfile(p))
        bar.Delete(GasPercent);
    if (!in.gasRatioPlotAllowed || in.customTracksView) {
        out.gasPercent = false;
        bar.Check(GasPercent, false);
        bar.Enable(GasPercent, false);
    } else {
        bar.Enable(GasPercent, true);
    }

    // 11. Remote monitor and remote update.
    bar.Delete(kOptions, RemoteMonitor);
    if (in.serverStation) {
        bar.AppendIfAbsent(setup, RemoteSetup, QStringLiteral("Remote Monitor"));
        bar.AppendIfAbsent(kOptions, RemoteMonitor, QStringLiteral("Enable Remote Monitor"));
        bar.Check(RemoteMonitor, in.remoteMonitorRunning);
    } else if (in.drilling) {
        bar.AppendIfAbsent(setup, RemoteUpdateSetup, QStringLiteral("Remote Update..."));
    }

    // 12.-13. Setup and Options. The live-update set-up and the live users have no item of their own in
    // the menu resources: they are reached here, named by their dialogs' captions.
    bar.AppendIfAbsent(setup, HorizontalOptions, QStringLiteral("Horizontal Options..."));
    bar.AppendIfAbsent(setup, LiveUpdateConfig, QStringLiteral("Strativ Live Update Configuration..."));
    bar.AppendIfAbsent(setup, LiveUsers, QStringLiteral("Strativ Live User Setup..."));
    bar.AppendIfAbsent(kOptions, Drilling, QStringLiteral("Drilling"));
    // "&Save Reports As Text" stays: its menu item is the command's only way in.
    bar.Check(OffsetRop, in.offsetRop);
    bar.Check(Drilling, in.drilling);

    // 14. Engines, while drilling. The alarms and the lag calculator work on the drilling object: without
    // it (the TVD well's drilling menu) they are gray.
    bar.Enable(Alarms, in.drilling);
    bar.Enable(LagCalculator, in.drilling);
    if (in.drilling) {
        bar.Delete(GasMonitor);
        if (!GasByWits(in.gasInstrumentType)) {
            bar.AppendIfAbsent(kOptions, GasMonitor, QStringLiteral("Gas Monitor"));
            bar.Check(GasMonitor, in.gasMonitorRunning);
        }
        bar.Delete(Wits);
        bar.AppendIfAbsent(kOptions, Wits,
                           GasByWits(in.gasInstrumentType) ? QStringLiteral("Wits/Gas Monitor") : QStringLiteral("Wits Monitor"));
        bar.Check(Wits, in.witsRunning);
        bar.AppendIfAbsent(kOptions, CustomWits, QStringLiteral(" Custom Wits"));
        bar.AppendIfAbsent(setup, CustomWitsSetup, QStringLiteral(" Setup Custom Wits Feed"));
        bar.Check(CustomWits, in.custWitsRunning);
        bar.AppendIfAbsent(setup, WitsSetup, QStringLiteral(" Setup TCP Wits Feed"));
    }

    // 15.
    AppendMudlogItem(bar);
    return out;
}

app::VersionNumbers ParseVersion(const QString& versionText)
{
    app::VersionNumbers v;
    const qsizetype first = std::find_if(versionText.begin(), versionText.end(), [](QChar c) { return c.isDigit(); }) -
                            versionText.begin();
    if (first >= versionText.size())
        return v;
    // Each piece is read as atoi reads it: leading digits, the rest ignored.
    const QStringList pieces = versionText.mid(first).split(QLatin1Char('.'));
    int* out[3] = {&v.major, &v.minor, &v.build};
    for (int i = 0; i < 3 && i < pieces.size(); ++i) {
        const QString piece = pieces[i].trimmed();
        qsizetype n = 0;
        while (n < piece.size() && piece[n].isDigit())
            ++n;
        *out[i] = piece.left(n).toInt();
    }
    return v;
}

int TitleForSharedLetter(const QStringList& titles, QChar letter, int open)
{
    std::vector<int> sharing;
    for (int i = 0; i < int(titles.size()); ++i) {
        const qsizetype amp = titles[i].indexOf(u'&');
        if (amp >= 0 && amp + 1 < titles[i].size() && titles[i][amp + 1].toUpper() == letter.toUpper())
            sharing.push_back(i);
    }
    if (sharing.size() < 2)
        return -1;
    const auto at = std::find(sharing.begin(), sharing.end(), open);
    return at == sharing.end() || at + 1 == sharing.end() ? sharing.front() : *(at + 1);
}

void AppendMudlogItem(MenuBar& bar)
{
    // The Import pop-up is the one before Help on either resource.
    bar.AppendIfAbsent(bar.resource == 3 ? 7 : 6, app::cmd::ImportMudlog, QStringLiteral("Mudlog data"));
}

}  // namespace shell
