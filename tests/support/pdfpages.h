#pragma once
// What a PDF file holds, read with poppler's tools: a page as an image, the page count, the text.
#include "platform/gdi.h"

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QStringList>
#include <QString>

#include <vector>

namespace testing_support {

// Page `page` (from 1) of `pdf` rasterised at `dpi` without smoothing; a null image when it cannot be read.
QImage RasterisePdf(const QString& pdf, int dpi, int page = 1);
// The colour of pixel (x, y) of a page image.
platform::COLORREF At(const QImage& img, int x, int y);
// Poppler smooths images it draws at less than four times their size: a 96-dpi page is read at 384 dpi,
// and page pixel (x, y) is the centre of a 4 x 4 block.
platform::COLORREF At4(const QImage& img, int x, int y);
// The number of pages; -1 when the file is no PDF.
int PdfPageCount(const QString& pdf);
// The size of the first page in points as pdfinfo gives it; empty when the file is no PDF.
QSizeF PdfPageSize(const QString& pdf);
// The text of every page, in reading order.
QString PdfText(const QString& pdf);

// A word of a page as pdftotext -bbox places it, in points from the page's top left.
struct PdfWord {
    int page = 0;  // from 1
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};
std::vector<PdfWord> PdfWords(const QString& pdf);

// What is amiss with the words of a PDF, one line each: a word not whole inside `area` (points from each
// page's top left) and two words of a page printed over each other (boxes that touch by 0.3 pt across or
// by less than half the smaller height down, as lines and letters set closer than the font's whole
// height do, are apart). Empty when every word stands whole inside the area and apart from the others.
QStringList MisplacedWords(const std::vector<PdfWord>& words, const QRectF& area);

// What is off the scale of a printed log, one line each: a depth number (a multiple of ten, in the column
// where most of them stand) whose distance down its page from the page's first number is not
// `pointsPerUnit` a depth unit within `tolerance` points, and a number printed twice or left out between
// the first and the last. Empty when the log is printed whole, once, true to the scale on every page.
QStringList OffScale(const std::vector<PdfWord>& words, double pointsPerUnit, double tolerance);

}  // namespace testing_support
