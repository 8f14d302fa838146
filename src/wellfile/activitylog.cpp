#include "wellfile/activitylog.h"

#include "platform/folders.h"
#include "platform/text.h"

#include <QFile>

namespace wellfile {

namespace {

// Indexed by the window's view scale.
constexpr const char* kDepthStepLabels[5] = {" 0 Ft ", " 1 Ft", " 2 Ft", " 10 Ft", " 5 Ft"};

void UpperCaseAscii(std::string& text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
}

}  // namespace

bool WriteActivityLog(std::string& text, const ActivityLogContext& context)
{
    if (text.empty())
        return false;
    std::string entry = text.size() > kMaxActivityText ? std::string("Invalid data. text string to long") : text;
    text.clear();

    if (context.drilling) {
        UpperCaseAscii(entry);
        const DrillingFigures& d = *context.drilling;
        const char* format = entry.find("OPENED") != std::string::npos ? "\n%d FPH  %.2f MGD=%d" : " %d FPH  %.2f MGD=%d";
        entry += platform::CFormat(format, d.rate, d.timeCount / 60.0, d.maxGasDepth);
    }
    // Any other view scale has no label rather than a read past the table.
    if (context.viewScale >= 0 && context.viewScale < 5)
        entry += kDepthStepLabels[context.viewScale];
    entry += "\n\r";

    QFile f(platform::JoinPath(context.dataFolder, QStringLiteral("svdata-M.txt")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    return f.write(entry.data(), qint64(entry.size())) == qint64(entry.size());
}

}  // namespace wellfile
