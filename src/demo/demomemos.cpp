#include "demo/demomemos.h"

#include "entry/memofiles.h"
#include "platform/folders.h"
#include "platform/logfont.h"
#include "platform/text.h"

#include <algorithm>
#include <cstdlib>

namespace demo {

namespace {

constexpr std::int32_t kSavedMark = 200;  // what the memo dialog writes at 512 and 516
constexpr std::int32_t kMediumSize = 2;   // "MEDIUM ": height -12
constexpr std::int32_t kNearUnits = 12;   // a description this close to another describes the same rock

struct DemoMemo {
    std::int32_t below;  // units below the first depth
    const char* text;
    std::int32_t slot;
    bool description;
    bool oneInch;
    platform::COLORREF colour;
};

}  // namespace

std::vector<wellfile::SVMEMO> DemoMemos(const DemoWellShape& shape, const DemoDescriptions& descriptions)
{
    std::vector<DemoMemo> table = {
        {60, "Mud changed to KCl polymer\r\nMW 1.12 sg", 1, false, false, platform::RGB(0, 0, 0)},
        {184, "SS: lt gy, f-m gr, sbrnd, mod srt,\r\ncalc cmt, gd vis por, brt yel flor,\r\nfast strmg cut", 19,
         true, false, platform::RGB(0, 0, 0)},
        {220, "*Connection gas 45 units", 12, false, false, platform::RGB(0, 0, 0)},
        {1000, "Casing point 9 5/8 in.", 2, false, true, platform::RGB(0, 0, 160)},
        {1450, "SH: med-dk gy, sft-frm, sbblky, calc", 19, true, false, platform::RGB(0, 0, 0)},
    };
    // The cuttings' descriptions, where no fixed description stands within a few units.
    const std::size_t fixed = table.size();
    for (const auto& [depth, text] : descriptions) {
        const std::int32_t below = depth - shape.firstDepth;
        const bool described = std::any_of(table.begin(), table.begin() + std::ptrdiff_t(fixed), [below](const DemoMemo& m) {
            return m.description && std::abs(m.below - below) < kNearUnits;
        });
        if (!described)
            table.push_back({below, text, 19, true, false, platform::RGB(0, 0, 0)});
    }
    std::stable_sort(table.begin(), table.end(), [](const DemoMemo& a, const DemoMemo& b) { return a.below < b.below; });

    std::vector<wellfile::SVMEMO> memos;
    for (const DemoMemo& d : table) {
        if (shape.firstDepth + d.below > shape.lastDepth)
            continue;
        wellfile::SVMEMO m;
        m.depth = shape.firstDepth + d.below;
        platform::SetFieldText(m.text, d.text);
        m.slot = d.slot;
        m.field512 = m.field516 = kSavedMark;
        m.oneInch = d.oneInch;
        m.drawRectangle = d.description ? 0 : 1;
        m.textColour = d.colour;
        m.frameColour = platform::RGB(255, 255, 255);
        m.number = std::int32_t(memos.size() + 1);
        m.shown = 1;
        m.description = d.description;
        m.font = platform::MakeLogFont("Arial", -12);
        m.fontSize = kMediumSize;
        m.transparent = 1;
        memos.push_back(m);
    }
    return memos;
}

bool SaveDemoMemos(const QString& folder, const DemoWellShape& shape, const DemoDescriptions& descriptions)
{
    const std::vector<wellfile::SVMEMO> memos = DemoMemos(shape, descriptions);
    const QString path = entry::MemoFilePath(platform::JoinPath(folder, QString()), QString::fromLatin1(kDemoWellName));
    return entry::SaveMemoFile(path, memos, int(memos.size()), shape.firstDepth, shape.lastDepth) ==
           entry::MemoSave::Saved;
}

}  // namespace demo
