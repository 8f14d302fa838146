#pragma once
// Command ids of the main window's menus, buttons and accelerator. Their values are those of the menu
// resources, the quick view bar and the other stations' files, so they are kept as numbers here.
namespace app::cmd {

// File
constexpr int New = 51696;
constexpr int PlugBack = 51932;
constexpr int Open = 51689;
constexpr int Archive = 51933;
constexpr int Restore = 51934;
constexpr int SaveAs = 51682;
constexpr int SaveAsImage = 18933;
constexpr int SendFile = 51707;
constexpr int PageSetup = 51695;
constexpr int Print = 51690;
constexpr int Exit = 51692;
constexpr int RecentFirst = 51927;  // five recent files, 51927-51931
constexpr int RecentLast = 51931;

// View
constexpr int WitsChart = 51921;
constexpr int GasChart = 51917;
constexpr int MorningReport = 51687;
constexpr int ShortReport = 51937;
constexpr int Header = 51685;
constexpr int ShowReport = 51693;
constexpr int Dst = 51688;
constexpr int LithLegend = 51950;
constexpr int DataAsText = 51680;
constexpr int HorizontalView = 51916;
constexpr int HorizontalOptions = 51924;
constexpr int TvdLog = 51936;
constexpr int DowntimeReport = 52802;
constexpr int EndOfWellReport = 52801;  // no command of its own: shown gray
constexpr int ToggleView = 9;  // sent by the quick view bar

// Options and setup
constexpr int AddNote = 51703;  // no command of its own (notes are placed with the mouse): shown gray
constexpr int OffsetRop = 61687;
constexpr int GasPercent = 51694;
constexpr int Hotwire = 51886;
constexpr int ElogAsText = 51706;
constexpr int EditTops = 51798;
constexpr int GotoTopFirst = 18873;  // one item per formation top, 18873-18922
constexpr int GotoTopLast = 18922;
constexpr int SaveReportsText = 51691;
constexpr int CreateLasFile = 51684;
constexpr int CorrectFileDepth = 51697;
constexpr int AdjustFileDepth = 51702;
constexpr int WaterSaturation = 51699;
constexpr int LinesAndScales = 51683;
constexpr int LogColors = 51906;
constexpr int EditSchemes = 51715;
constexpr int SchemeFirst = 51716;  // schemes 1-6, 51716-51721
constexpr int SchemeLast = 51721;
constexpr int ImportElog = 51709;
constexpr int SelectElog = 51807;
constexpr int SelectRop = 51806;
constexpr int ImportTargetData = 51920;
constexpr int ImportMudlog = 19872;
constexpr int CheckFileDepths = 51722;
constexpr int InsertDelete = 51723;

// Data entry
constexpr int EnterRates = 51705;
constexpr int EnterLithology = 52697;
constexpr int EnterGas = 52696;
constexpr int EnterShows = 51700;
constexpr int FlareData = 51923;
constexpr int OutLine = 51725;
constexpr int TvdFileData = 51708;
constexpr int SurveyData = 51918;

// Drilling and instruments
constexpr int Drilling = 51681;
constexpr int LagTime = 51698;
constexpr int BackupReminder = 111;  // the backup reminder button on the log
constexpr int Alarms = 51686;
constexpr int WitsAlarms = 51938;
constexpr int TestGasValues = 51775;
constexpr int LagCalculator = 51900;
constexpr int GasMonitor = 51779;
constexpr int GasMonitorSetup = 51800;
constexpr int Wits = 51777;
constexpr int WitsSetup = 51945;
constexpr int CustomWits = 51939;
constexpr int CustomWitsSetup = 51940;
constexpr int RemoteMonitor = 51710;
constexpr int RemoteSetup = 51701;
constexpr int RemoteUpdateSetup = 51901;
constexpr int LiveUpdateConfig = 51944;
constexpr int LiveUsers = 51946;

// Help
constexpr int About = 52698;
constexpr int Manual = 51922;
constexpr int NewFeatures = 51935;

// Alt+D, the one entry of the accelerator table. No table of the main window answers it.
constexpr int AltD = 116;

}  // namespace app::cmd
