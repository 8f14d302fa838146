#include "platform/draw/fonts.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <mutex>

namespace platform {

namespace {

const QString kSans = QStringLiteral("Liberation Sans");
const QString kSerif = QStringLiteral("Liberation Serif");
const QString kMono = QStringLiteral("Liberation Mono");
const QString kDejaSans = QStringLiteral("DejaVu Sans");
const QString kDejaSerif = QStringLiteral("DejaVu Serif");
const QString kDejaMono = QStringLiteral("DejaVu Sans Mono");

struct Mapping {
    const char* face;  // lower case
    const QString* family;
};

const Mapping kFaces[] = {
    {"arial", &kSans}, {"helvetica", &kSans}, {"arial narrow", &kSans}, {"", &kSans},
    {"times new roman", &kSerif}, {"times", &kSerif}, {"tms rmn", &kSerif},
    {"courier new", &kMono}, {"courier", &kMono},
    {"verdana", &kDejaSans}, {"tahoma", &kDejaSans}, {"ms sans serif", &kDejaSans}, {"microsoft sans serif", &kDejaSans},
    {"segoe ui", &kDejaSans}, {"calibri", &kDejaSans}, {"trebuchet ms", &kDejaSans}, {"century gothic", &kDejaSans},
    {"ms serif", &kDejaSerif}, {"georgia", &kDejaSerif}, {"book antiqua", &kDejaSerif}, {"garamond", &kDejaSerif},
    {"century schoolbook", &kDejaSerif}, {"cambria", &kDejaSerif},
    {"lucida console", &kDejaMono}, {"consolas", &kDejaMono}, {"terminal", &kDejaMono},
    {"copperplate gothic", &kSans},  // the report pages' printed face
};

bool CutSuffix(QString& s, const char* suffix)
{
    const QString suf = QString::fromLatin1(suffix);
    if (s.size() > suf.size() && s.endsWith(suf)) {
        s.chop(suf.size());
        return true;
    }
    return false;
}

// Cell height (ascent + descent) of one pixel of character height, per family and style: a positive
// LOGFONT height asks for the cell height.
double CellRatio(const QFont& base)
{
    static std::mutex lock;
    static QHash<QString, double> cache;
    const QString key = base.family() + QString::number(base.weight()) + (base.italic() ? u'i' : u'n');
    std::lock_guard guard(lock);
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    QFont probe(base);
    probe.setPixelSize(256);
    probe.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF m(probe);
    const double ratio = m.height() > 0 ? m.height() / 256.0 : 1.15;
    cache.insert(key, ratio);
    return ratio;
}

}  // namespace

FaceChoice SubstituteFace(const QString& face, int pitchAndFamily)
{
    FaceChoice choice;
    QString name = face.trimmed().toLower();
    if (name == u"system" || name == u"fixedsys") {
        choice.family = kDejaMono;
        choice.bitmapStandIn = true;
        return choice;
    }
    // Full face names ("Arial Bold Italic") select the style as the Windows font mapper does.
    if (CutSuffix(name, " italic") || CutSuffix(name, " oblique"))
        choice.italic = true;
    if (CutSuffix(name, " bold"))
        choice.bold = true;
    if (CutSuffix(name, " black"))
        choice.bold = true;
    for (const Mapping& m : kFaces)
        if (name == QLatin1String(m.face)) {
            choice.family = *m.family;
            return choice;
        }
    // Unknown faces: by the family the LOGFONT asks for.
    const int family = pitchAndFamily & 0xF0;
    if ((pitchAndFamily & 0x3) == FIXED_PITCH || family == FF_MODERN)
        choice.family = kDejaMono;
    else if (family == FF_ROMAN)
        choice.family = kDejaSerif;
    else
        choice.family = kDejaSans;
    return choice;
}

QFont MakeQFont(const Font& font, int dpiY)
{
    const FaceChoice face = SubstituteFace(font.face, font.pitchAndFamily);
    QFont q(face.family);
    q.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging | QFont::NoSubpixelAntialias));
    q.setHintingPreference(QFont::PreferFullHinting);
    q.setKerning(false);
    int weight = font.weight <= 0 ? FW_NORMAL : std::clamp(font.weight, 1, 1000);
    if (face.bold)
        weight = std::max(weight, int(FW_BOLD));
    q.setWeight(QFont::Weight(weight));
    q.setItalic(font.italic || face.italic);
    q.setUnderline(font.underline);
    q.setStrikeOut(font.strikeOut);

    int pixels = 0;
    if (font.height < 0) {
        pixels = -font.height;
    } else {
        // A cell height; 0 is the default 16-pixel cell of a 96-dpi screen.
        const int cell = font.height > 0 ? font.height : (16 * std::max(dpiY, 1) + 48) / 96;
        pixels = int(std::lround(cell / CellRatio(q)));
    }
    q.setPixelSize(std::clamp(pixels, 1, 32767));

    if (font.width != 0) {
        const int natural = QFontMetrics(q).averageCharWidth();
        if (natural > 0)
            q.setStretch(std::clamp(int(std::lround(100.0 * std::abs(font.width) / natural)), 1, 4000));
    }
    return q;
}

}  // namespace platform
