#include "elog/lasread.h"

#include "elog/watersaturation.h"
#include "platform/numbers.h"
#include "platform/services.h"

#include <QFileInfo>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

namespace elog {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view TrimLeft(std::string_view s)
{
    const std::size_t at = s.find_first_not_of(kBlanks);
    return at == std::string_view::npos ? std::string_view{} : s.substr(at);
}
std::string_view Trim(std::string_view s)
{
    s = TrimLeft(s);
    const std::size_t end = s.find_last_not_of(kBlanks);
    return end == std::string_view::npos ? std::string_view{} : s.substr(0, end + 1);
}
bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return std::toupper(uchar(x)) == std::toupper(uchar(y)); });
}
bool IsComment(std::string_view line) { return TrimLeft(line).starts_with('#') || TrimLeft(line).empty(); }
// The section letter of a "~X" line, upper case; 0 for any other line.
char SectionOf(std::string_view line)
{
    line = TrimLeft(line);
    return line.size() >= 2 && line[0] == '~' ? char(std::toupper(uchar(line[1]))) : char(0);
}

// A whole text as a number, C locale, exponent allowed; none when it is not all a finite number.
std::optional<double> Number(std::string_view s)
{
    s = Trim(s);
    if (s.starts_with('+'))
        s.remove_prefix(1);
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// One "MNEM.UNIT VALUE : DESCRIPTION" line.
struct Item {
    std::string_view mnemonic, unit, value;
};
std::optional<Item> ItemOf(std::string_view line)
{
    line = TrimLeft(line);
    const std::size_t dot = line.find('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    Item item;
    item.mnemonic = Trim(line.substr(0, dot));
    std::string_view rest = line.substr(dot + 1);
    const std::size_t unitEnd = std::min(rest.find_first_of(kBlanks), rest.size());
    item.unit = rest.substr(0, unitEnd);
    rest = rest.substr(unitEnd);
    const std::size_t colon = rest.rfind(':');
    item.value = Trim(colon == std::string_view::npos ? rest : rest.substr(0, colon));
    return item;
}

void Say(const char* text, const QString& caption)
{
    platform::MessageBox(QString::fromLatin1(text), caption, platform::MB_OK);
}

// UTF-16 text: a byte-order mark, or every other byte of its start 0 (ASCII in two bytes a character).
bool Utf16Text(std::string_view text)
{
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        return true;
    const std::size_t n = std::min<std::size_t>(text.size(), 256) & ~std::size_t(1);
    std::size_t zeros[2] = {};
    for (std::size_t i = 0; i < n; ++i)
        zeros[i % 2] += text[i] == 0;
    return n >= 4 && (zeros[0] == n / 2 || zeros[1] == n / 2);
}

constexpr const char* kTextItems[10] = {"COMP", "WELL", "FLD", "LOC", "CNTY", "STAT", "SRV", "DAT", "API", "UWI"};

// The data lines after the "~A" line up to the next section, comments and blank lines left out; none
// when the file has no "~A" line.
// Where the line after the first "~A" line starts (the text's end when it is the last); npos without one.
std::size_t AfterAsciiLine(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        if (SectionOf(text.substr(at, end - at)) == 'A')
            return std::min(end + 1, text.size());
        at = end + 1;
    }
    return std::string_view::npos;
}

std::optional<std::vector<std::string_view>> DataLines(std::string_view text)
{
    const std::size_t from = AfterAsciiLine(text);
    if (from == std::string_view::npos)
        return std::nullopt;
    std::vector<std::string_view> data;
    for (std::string_view line : SplitLasLines(text.substr(from))) {
        if (SectionOf(line) != 0)
            break;
        if (!IsComment(line))
            data.push_back(line);
    }
    return data;
}

// The fields of a data line: blanks and tabs separate, one comma ends a field ("100,,3": three fields).
void SplitFields(std::string_view line, std::vector<std::string_view>& out)
{
    out.clear();
    std::size_t at = 0;
    const auto blanks = [&] {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
            ++at;
    };
    blanks();
    while (at < line.size()) {
        std::size_t end = at;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != ',')
            ++end;
        out.push_back(line.substr(at, end - at));
        at = end;
        blanks();
        if (at < line.size() && line[at] == ',') {
            ++at;
            blanks();
            if (at == line.size())
                out.push_back({});  // a comma at the end: one more, empty field
        }
    }
}

struct Limits {
    float low, high;
};
// By target 1-14: the slot and the limits of a new file; a merge widens cross-plot porosity and PE.
constexpr int kSlots[kElogTargets + 1] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16};
Limits LimitsOf(int target, bool merge)
{
    switch (target) {
    case 1: return {0, 1500};
    case 2: case 3: case 14: return {-5, 50};
    case 4: return {-5, merge ? 50.0f : 35.0f};
    case 5: return {0, 150};
    case 6: return {-500, 500};
    case 7: return {0, merge ? 200.0f : 50.0f};
    default: return {0, 10000};
    }
}

void PutInt(CurveRecord& r, int slot, std::int32_t v) { r.values[std::size_t(slot)] = std::bit_cast<float>(v); }

// The lines chosen for the records: record d takes the shallowest line of whole depth d within
// [top, bottom]. Empty when no line is in range.
struct Chosen {
    std::vector<int> line;  // by record: index into the data lines, -1 for none
    std::vector<double> depth;
};
Chosen ChooseLines(const std::vector<std::string_view>& data, int depthColumn, const LasHeader& h, std::int32_t top,
                   std::int32_t bottom)
{
    Chosen c;
    for (std::size_t k = 0; k < data.size(); ++k) {
        const std::optional<double> depth = LasField(data[k], depthColumn);
        if (!depth || *depth < 0 || *depth < double(top) || *depth >= double(bottom) + 1.0)
            continue;
        const std::size_t d = std::size_t(*depth);
        if (d >= c.line.size()) {
            c.line.resize(d + 1, -1);
            c.depth.resize(d + 1, 0.0);
        }
        if (c.line[d] < 0 || *depth < c.depth[d]) {
            c.line[d] = int(k);
            c.depth[d] = *depth;
        }
    }
    // A file sampled every two units: the record below a line that has none of its own takes the same
    // line, never past the bottom.
    if (h.step == 2.0f || h.step == -2.0f) {
        const std::size_t n = c.line.size();
        for (std::size_t d = 0; d < n; ++d)
            if (c.line[d] >= 0 && (d + 1 >= n || c.line[d + 1] < 0) && std::int64_t(d + 1) <= bottom) {
                if (d + 1 >= c.line.size()) {
                    c.line.push_back(-1);
                    c.depth.push_back(0.0);
                }
                c.line[d + 1] = c.line[d];
                ++d;
            }
    }
    return c;
}

struct Work {
    std::vector<CurveRecord> records;
    std::vector<bool> imported;
    std::vector<std::uint32_t> written;  // by record: bit s set when slot s took a value of the file
};

// Fills the chosen records from their lines. `merge` keeps the constants the records already hold, and
// a slot whose field is NULL, missing or no number keeps its stored value (a logging run reads NULL
// where its tools were not yet in the hole).
void FillRecords(Work& w, const Chosen& c, const std::vector<std::string_view>& data, const LasImportInput& in, bool merge)
{
    const float nullValue = in.header.nullValue;
    std::vector<std::string_view> fields;
    for (std::size_t d = 0; d < c.line.size(); ++d) {
        if (c.line[d] < 0)
            continue;
        CurveRecord& r = w.records[d];
        w.imported[d] = true;
        const auto constant = [&](int slot, float v) {
            if (!merge || r.values[std::size_t(slot)] == 0.0f)
                r.values[std::size_t(slot)] = v;
        };
        constant(SLOT_BIT_SIZE, in.bitSize);
        constant(SLOT_RW, 0.04f);
        constant(SLOT_SWA, 1.0f);
        constant(SLOT_SWM, 2.0f);
        constant(SLOT_SWN, 2.0f);
        if (!merge || r.IntAt(SLOT_POR_CHOICE) == 0)
            PutInt(r, SLOT_POR_CHOICE, SLOT_DENSITY_POR);
        if (!merge || r.IntAt(SLOT_RES_CHOICE) == 0)
            PutInt(r, SLOT_RES_CHOICE, SLOT_RES120);
        SplitFields(data[std::size_t(c.line[d])], fields);
        for (int t = 1; t <= kElogTargets; ++t) {
            if (in.map[t] <= 0)
                continue;
            const Limits lim = LimitsOf(t, merge);
            const std::size_t column = std::size_t(in.map[t]);
            const std::optional<double> v = column <= fields.size() ? Number(fields[column - 1]) : std::nullopt;
            const float f = v ? float(std::clamp(*v, -3.0e38, 3.0e38)) : 0.0f;
            const bool read = v && f != nullValue;
            if (kSlots[t] >= SLOT_RES10 && kSlots[t] <= SLOT_RES120)
                PutInt(r, SLOT_RES_CHOICE, kSlots[t]);
            if (merge && !read)
                continue;
            const bool kept = read && f >= lim.low && (lim.high <= 0.0f || f <= lim.high);
            r.values[std::size_t(kSlots[t])] = kept ? f : 0.0f;
            w.written[d] |= 1u << kSlots[t];
        }
    }
}

// Percent porosities to fractions (over the imported values), then the computed curves.
void FinishRecords(Work& w, const LasImportInput& in)
{
    for (int t = 2; t <= 4; ++t) {
        if (in.map[t] <= 0)
            continue;
        const std::size_t slot = std::size_t(kSlots[t]);
        const std::uint32_t bit = 1u << slot;
        std::size_t over = 0;
        for (std::size_t d = 0; d < w.records.size(); ++d)
            over += (w.written[d] & bit) && w.records[d].values[slot] > 1.0f;
        if (over > 10)
            for (std::size_t d = 0; d < w.records.size(); ++d)
                if (w.written[d] & bit)
                    w.records[d].values[slot] *= 0.01f;
    }
    for (std::size_t d = 0; d < w.records.size(); ++d) {
        if (!w.imported[d])
            continue;
        CurveRecord& r = w.records[d];
        if (in.map[4] <= 0 && in.map[2] > 0 && in.map[3] > 0)
            r.values[SLOT_CROSSPLOT_POR] =
                r.values[SLOT_DENSITY_POR] + (r.values[SLOT_NEUTRON_POR] - r.values[SLOT_DENSITY_POR]) * 0.5f;
        const int ps = r.PorositySlot(), rs = r.ResistivitySlot();
        const float phi = ps ? r.values[std::size_t(ps)] : 0.0f, rt = rs ? r.values[std::size_t(rs)] : 0.0f;
        if (phi <= -0.05f || phi == 0.0f || rt <= 0.0f) {
            r.values[SLOT_SW] = 1.0f;
            r.values[SLOT_BVW] = 0.0f;
        } else {
            const double sw = ArchieSw(r);
            r.values[SLOT_SW] = float(sw);
            if (sw != 0.0)
                r.values[SLOT_BVW] = float(sw * r.values[SLOT_DENSITY_POR]);
        }
    }
    if (!w.records.empty() && w.records[0].values[SLOT_PE] < 1.0f)
        w.records[0].values[SLOT_PE] = in.kb;
}

QByteArray BytesOf(const std::vector<CurveRecord>& records)
{
    return QByteArray(reinterpret_cast<const char*>(records.data()), qsizetype(records.size() * sizeof(CurveRecord)));
}

}  // namespace

bool LasBottomUp(const LasHeader& h) { return h.start > h.stop || h.step < 0; }

std::optional<std::vector<std::string_view>> LasDataLines(std::string_view text) { return DataLines(text); }
void SplitLasFields(std::string_view line, std::vector<std::string_view>& out) { SplitFields(line, out); }
std::optional<double> LasNumber(std::string_view field) { return Number(field); }

std::vector<std::string_view> SplitLasLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* e = p;
        while (e < end && *e != '\n' && *e != '\r')
            ++e;
        if (e > p)
            lines.emplace_back(p, std::size_t(e - p));
        p = e + 1;
    }
    return lines;
}

int ReadLasHeaderText(std::string_view text, const QString& path, LasHeader& header, LasHeaderExtra& extra)
{
    header = LasHeader{};
    extra = LasHeaderExtra{};
    const QString importError = QStringLiteral("Import Error");
    if (Utf16Text(text)) {
        platform::MessageBox(QStringLiteral("%1 is UTF-16 text, which the import does not read.\n"
                                            "Save it as ASCII text and import it again.")
                                 .arg(QFileInfo(path).fileName()),
                             importError, platform::MB_OK);
        return kLasReported;
    }
    const std::size_t afterAscii = AfterAsciiLine(text);
    const std::vector<std::string_view> lines = SplitLasLines(text.substr(0, std::min(afterAscii, text.size())));
    const auto first = std::find_if(lines.begin(), lines.end(), [](std::string_view l) { return !IsComment(l); });
    if (first == lines.end() || first->find('~') == std::string_view::npos) {
        platform::MessageBox(QStringLiteral("Invalid Source"), path, platform::MB_OK);
        return kLasReported;
    }
    bool wellSeen = false;
    char section = 0;
    // Each item is taken from its first line: a ~Parameter block often repeats ~Well mnemonics with
    // other values and units ("STEP. 5 cm"), so the index items come from ~Well alone.
    enum Found { Strt, Stop, Step, Null, Ekb, Bs, FoundCount };
    bool found[FoundCount] = {};
    const auto firstOf = [&](Found f, bool wellOnly) {
        if (found[f] || (wellOnly && section != 'W'))
            return false;
        found[f] = true;
        return true;
    };
    for (auto it = first; it != lines.end(); ++it) {
        if (const char s = SectionOf(*it)) {
            section = s;
            if (s == 'A')
                break;
            wellSeen = wellSeen || s == 'W';
            continue;
        }
        if (IsComment(*it))
            continue;
        // A wrapped file, however its WRAP line is spaced ("WRAP.YES:").
        if (section == 'V') {
            std::string upper(*it);
            std::transform(upper.begin(), upper.end(), upper.begin(), [](char ch) { return char(std::toupper(uchar(ch))); });
            if (upper.find("WRAP") != std::string::npos && upper.find("YES") != std::string::npos) {
                Say("Can not import wrapped file", importError);
                return kLasReported;
            }
        }
        const std::optional<Item> item = ItemOf(*it);
        if (!item)
            continue;
        if (section != 'W' && section != 'P')
            continue;
        const std::optional<double> v = Number(item->value);
        const std::string_view m = item->mnemonic;
        // STRT and STOP beyond the range of int are held at its ends, not read as none: the sign of
        // STRT refuses the file and the order of the two decides the direction it is read in.
        if (SameText(m, "STRT")) {
            if (!firstOf(Strt, true))
                continue;
            header.start = v ? platform::TruncInt(*v) : 0;
            extra.depthUnit = std::string(item->unit);
            std::transform(extra.depthUnit.begin(), extra.depthUnit.end(), extra.depthUnit.begin(), [](char ch) { return char(std::toupper(uchar(ch))); });
        } else if (SameText(m, "STOP")) {
            if (firstOf(Stop, true))
                header.stop = v ? platform::TruncInt(*v) : 0;
        } else if (SameText(m, "STEP")) {
            if (firstOf(Step, true))
                header.step = v ? float(*v) : 0.0f;
        } else if (SameText(m, "NULL")) {
            if (firstOf(Null, true))
                header.nullValue = v ? float(*v) : 0.0f;
        } else if (SameText(m, "EKB")) {
            if (firstOf(Ekb, false))
                header.ekb = v ? float(*v) : 0.0f;
        } else if (SameText(m, "BS")) {
            if (firstOf(Bs, false))
                extra.bitSize = v ? float(*v) : 0.0f;
        } else
            for (int k = 0; k < 10; ++k) {
                const std::string_view name = kTextItems[k];
                if (header.texts[k][0] == 0 && m.size() >= name.size() && SameText(m.substr(0, name.size()), name)) {
                    const std::string_view whole = TrimLeft(*it).substr(0, 78);
                    std::memcpy(header.texts[k], whole.data(), whole.size());
                    break;
                }
            }
    }
    if (!wellSeen) {
        Say("Invalid or missing header information", importError);
        return kLasReported;
    }
    if (!std::isfinite(header.step) || !std::isfinite(header.ekb) || !std::isfinite(header.nullValue))
        return kLasRefused;
    const bool bottomUp = LasBottomUp(header);
    if (header.start < 0 || header.stop < 0 || (!bottomUp && header.stop < 1) || header.step == 0.0f)
        return kLasRefused;
    return kLasRead;
}

std::optional<std::string_view> LasCurveList(std::string_view text)
{
    std::size_t at = 0;
    std::optional<std::size_t> from;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        const std::string_view line = text.substr(at, end - at);
        if (!from && SectionOf(line) == 'C' && TrimLeft(line).starts_with('~')) {
            from = std::min(end + 1, text.size());
        } else if (from && SectionOf(line) != 0) {
            const std::string_view list = text.substr(*from, at - *from);
            return Trim(list).find_first_not_of("\r\n") == std::string_view::npos ? std::nullopt : std::optional(list);
        }
        at = end + 1;
    }
    if (!from || *from >= text.size())
        return std::nullopt;
    return text.substr(*from);
}

std::optional<double> LasField(std::string_view line, int column)
{
    if (column < 1)
        return std::nullopt;
    // As SplitFields, stopping at the field asked for.
    std::size_t at = 0;
    for (int field = 1;; ++field) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
            ++at;
        std::size_t end = at;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != ',')
            ++end;
        if (field == column)
            return end > at ? Number(line.substr(at, end - at)) : std::nullopt;
        at = end;
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
            ++at;
        if (at < line.size() && line[at] == ',')
            ++at;
        else if (at >= line.size())
            return std::nullopt;
    }
}

float GetColumnValue(std::string_view line, int column, float high, float low)
{
    const std::optional<double> v = LasField(line, column);
    if (!v)
        return 0.0f;
    const float f = float(std::clamp(*v, -3.0e38, 3.0e38));
    return f >= low && (high <= 0.0f || f <= high) ? f : 0.0f;
}

namespace {
int depthColumn = 0;
}
int LasDepthColumn() { return depthColumn; }
void SetLasDepthColumn(int column) { depthColumn = column; }

int TargetSlot(int target) { return target >= 1 && target <= kElogTargets ? kSlots[target] : 0; }

std::optional<LasImportResult> CheckLasData(std::string_view text)
{
    const std::optional<std::vector<std::string_view>> data = DataLines(text);
    if (!data)
        return LasImportResult{{}, QStringLiteral("Ascii data section missing"), QStringLiteral("Import Error")};
    if (data->empty())
        return LasImportResult{{}, QStringLiteral("File Read  Error"), QStringLiteral("File Error ")};
    // A comma used as the decimal mark splits each value in two ("51,5"): the columns no longer match
    // the curves, and every value would land in another curve.
    const std::optional<std::string_view> list = LasCurveList(text);
    if (!list)
        return std::nullopt;
    std::size_t curves = 0;
    for (std::string_view line : SplitLasLines(*list))
        curves += !IsComment(line);
    std::vector<std::string_view> fields;
    for (std::size_t k = 0; k < std::min<std::size_t>(data->size(), 10); ++k) {
        SplitFields((*data)[k], fields);
        if (!fields.empty() && fields.back().empty())
            fields.pop_back();  // a comma at the line's end
        if (curves > 0 && fields.size() != curves)
            return LasImportResult{
                {},
                QStringLiteral("Data line %1 holds %2 values, the ~Curve section lists %3 curves.\n%4Nothing was imported.")
                    .arg(k + 1)
                    .arg(fields.size())
                    .arg(curves)
                    .arg((*data)[k].find(',') != std::string_view::npos ? QStringLiteral("Is a comma used as the decimal mark? ")
                                                                          : QString()),
                QStringLiteral("Import Error")};
    }
    return std::nullopt;
}

LasImportResult BuildCurveFile(std::string_view text, const LasImportInput& in)
{
    LasImportResult out;
    if (std::optional<LasImportResult> problem = CheckLasData(text))
        return *problem;
    const std::optional<std::vector<std::string_view>> data = DataLines(text);
    const bool bottomUp = LasBottomUp(in.header);
    const std::int32_t top = std::max(0, bottomUp ? in.header.stop : in.header.start);
    const std::int32_t bottom = std::min(kMaxLasDepth, bottomUp ? in.header.start : in.header.stop);
    const Chosen c = ChooseLines(*data, std::max(1, in.depthColumn), in.header, top, bottom);
    if (std::none_of(c.line.begin(), c.line.end(), [](int k) { return k >= 0; })) {
        out.message = QStringLiteral("File Read  Error");
        out.caption = QStringLiteral("File Error ");
        return out;
    }
    Work w;
    w.records.resize(c.line.size());
    w.imported.resize(w.records.size());
    w.written.resize(w.records.size());
    for (std::size_t d = 0; d < w.records.size(); ++d)
        w.records[d].values[SLOT_DEPTH] = float(d);
    FillRecords(w, c, *data, in, false);
    FinishRecords(w, in);
    out.bytes = BytesOf(w.records);
    return out;
}

LasImportResult MergeCurveFile(std::string_view text, const LasImportInput& in, const QByteArray& old)
{
    LasImportResult out;
    if (std::optional<LasImportResult> problem = CheckLasData(text))
        return *problem;
    const std::optional<std::vector<std::string_view>> data = DataLines(text);
    const bool bottomUp = LasBottomUp(in.header);
    const std::int32_t top = std::max(0, bottomUp ? in.header.stop : in.header.start);
    // Two or three units above STOP, figured wide for a STOP at the low end of int.
    const std::int64_t stop = in.header.stop;
    const std::int64_t evenBottom = std::clamp<std::int64_t>(stop - stop % 2 - 2, -1, kMaxLasDepth);
    const std::int32_t bottom = bottomUp ? std::min(kMaxLasDepth, in.header.start) : std::int32_t(evenBottom);
    const Chosen c = ChooseLines(*data, 1, in.header, top, bottom);
    if (std::none_of(c.line.begin(), c.line.end(), [](int k) { return k >= 0; })) {
        out.message = QStringLiteral("File Error");
        out.caption = QStringLiteral("Import");
        return out;
    }
    const std::size_t oldCount = std::size_t(old.size()) / sizeof(CurveRecord);
    const std::size_t needed = c.line.size();
    Work w;
    w.records.resize(std::max(oldCount, needed));
    std::memcpy(w.records.data(), old.constData(), oldCount * sizeof(CurveRecord));
    w.imported.resize(w.records.size());
    w.written.resize(w.records.size());
    for (std::size_t d = 1; d < needed; ++d)
        if (w.records[d].values[SLOT_DEPTH] == 0.0f || c.line[d] >= 0)
            w.records[d].values[SLOT_DEPTH] = float(d);
    FillRecords(w, c, *data, in, true);
    FinishRecords(w, in);
    out.bytes = BytesOf(w.records);
    // Bytes past the last whole record of the old file stay as they were.
    if (old.size() > out.bytes.size())
        out.bytes.append(old.constData() + out.bytes.size(), old.size() - out.bytes.size());
    return out;
}

}  // namespace elog
