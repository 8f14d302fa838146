#pragma once
// What a PDF file holds, read with poppler's tools: a page as an image, the page count, the text.
#include <QImage>
#include <QString>

namespace testing_support {

// Page `page` (from 1) of `pdf` rasterised at `dpi` without smoothing; a null image when it cannot be read.
QImage RasterisePdf(const QString& pdf, int dpi, int page = 1);
// The number of pages; -1 when the file is no PDF.
int PdfPageCount(const QString& pdf);
// The text of every page, in reading order.
QString PdfText(const QString& pdf);

}  // namespace testing_support
