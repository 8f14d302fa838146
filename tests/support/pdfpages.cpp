#include "support/pdfpages.h"

#include "platform/draw/raster.h"
#include "support/testmain.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace testing_support {

namespace {

// The standard output of a poppler tool, or nothing when it failed; a failure says why (the tool is
// missing, the PDF was not written, the disk is full), so a red test tells its cause.
std::optional<QByteArray> Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        const QString why = p.error() == QProcess::FailedToStart
                                ? QStringLiteral("it is not installed (scripts/install-deps.sh installs poppler-utils)")
                                : QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        p.kill();
        p.waitForFinished(5000);
        ADD_FAILURE() << program.toStdString() << " " << args.join(u' ').toStdString() << " failed: " << why.toStdString();
        return std::nullopt;
    }
    return p.readAllStandardOutput();
}

}  // namespace

platform::COLORREF At(const QImage& img, int x, int y) { return platform::raster::ToColorRef(img.pixel(x, y)); }

platform::COLORREF At4(const QImage& img, int x, int y) { return At(img, 4 * x + 2, 4 * y + 2); }

QImage RasterisePdf(const QString& pdf, int dpi, int page)
{
    const QString base = TestDir() + QStringLiteral("page");
    const QString n = QString::number(page);
    if (!Run(QStringLiteral("pdftoppm"), {"-r", QString::number(dpi), "-aa", "no", "-aaVector", "no", "-png",
                                          "-singlefile", "-f", n, "-l", n, pdf, base}))
        return {};
    return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

int PdfPageCount(const QString& pdf)
{
    const auto out = Run(QStringLiteral("pdfinfo"), {pdf});
    if (!out)
        return -1;
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"),
                                                         QRegularExpression::MultilineOption)
                                          .match(QString::fromUtf8(*out));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QSizeF PdfPageSize(const QString& pdf)
{
    const auto out = Run(QStringLiteral("pdfinfo"), {pdf});
    if (!out)
        return {};
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                                         QRegularExpression::MultilineOption)
                                          .match(QString::fromUtf8(*out));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

QString PdfText(const QString& pdf)
{
    const auto out = Run(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
    return out ? QString::fromUtf8(*out) : QString();
}

std::vector<PdfWord> PdfWords(const QString& pdf)
{
    std::vector<PdfWord> words;
    const auto out = Run(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
    if (!out)
        return words;
    const QString html = QString::fromUtf8(*out);
    const QRegularExpression tag(QStringLiteral(
        R"re(<page |<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
    int page = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        words.push_back({page, m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

QStringList MisplacedWords(const std::vector<PdfWord>& words, const QRectF& area)
{
    constexpr double kTouch = 0.3;
    const auto at = [](const PdfWord& w) {
        return QStringLiteral("\"%1\" (page %2, %3..%4 x %5..%6)")
            .arg(w.text)
            .arg(w.page)
            .arg(w.xMin, 0, 'f', 1)
            .arg(w.xMax, 0, 'f', 1)
            .arg(w.yMin, 0, 'f', 1)
            .arg(w.yMax, 0, 'f', 1);
    };
    QStringList amiss;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const PdfWord& a = words[i];
        if (a.xMin < area.left() || a.yMin < area.top() || a.xMax > area.right() || a.yMax > area.bottom())
            amiss << at(a) + " outside";
        for (std::size_t j = i + 1; j < words.size() && words[j].page == a.page; ++j) {
            const PdfWord& b = words[j];
            // A box is the font's whole height, accents and descenders included: lines or capitals set
            // closer than that overlap by less than half of it with their ink apart.
            const double rise = std::min(a.yMax - a.yMin, b.yMax - b.yMin) / 2;
            if (a.xMax > b.xMin + kTouch && b.xMax > a.xMin + kTouch && a.yMax > b.yMin + rise &&
                b.yMax > a.yMin + rise)
                amiss << at(a) + " over " + at(b);
        }
    }
    return amiss;
}

QStringList OffScale(const std::vector<PdfWord>& words, double pointsPerUnit, double tolerance)
{
    // The depth numbers stand right-aligned in one column: the right edge most multiples of ten share.
    std::vector<const PdfWord*> tens;
    std::map<long, int> rightEdges;
    for (const PdfWord& w : words) {
        bool number = false;
        const int value = w.text.toInt(&number);
        if (number && value > 0 && value % 10 == 0) {
            tens.push_back(&w);
            ++rightEdges[std::lround(w.xMax * 10)];
        }
    }
    QStringList off;
    if (tens.empty())
        return off;
    const long column =
        std::max_element(rightEdges.begin(), rightEdges.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
    // Each page's numbers from its top.
    std::map<std::pair<int, double>, const PdfWord*> down;
    for (const PdfWord* w : tens)
        if (std::lround(w->xMax * 10) == column)
            down[{w->page, w->yMin}] = w;
    std::map<int, int> printed;
    for (const auto& [at, w] : down)
        ++printed[w->text.toInt()];
    for (int d = printed.begin()->first; d <= printed.rbegin()->first; d += 10)
        if (printed[d] != 1)
            off << QStringLiteral("%1 printed %2 times").arg(d).arg(printed[d]);
    const PdfWord* first = nullptr;
    for (const auto& [at, w] : down) {
        if (!first || first->page != w->page) {
            first = w;
            continue;
        }
        const double expected = (w->text.toInt() - first->text.toInt()) * pointsPerUnit;
        const double measured = w->yMin - first->yMin;
        if (std::abs(measured - expected) > tolerance)
            off << QStringLiteral("page %1: %2 stands %3 pt below %4, not %5")
                       .arg(w->page)
                       .arg(w->text)
                       .arg(measured, 0, 'f', 2)
                       .arg(first->text)
                       .arg(expected, 0, 'f', 2);
    }
    return off;
}

}  // namespace testing_support
