// makemanual <manual.md> <out.pdf>: the user manual, kept as Markdown beside its pictures, made into the
// PDF that Help > Strativ Manual opens. Run by the build; needs only QtGui (the offscreen platform will do).
#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include <cmath>
#include <cstdio>

namespace {

// Pictures as wide as the text at most: screenshots are made at screen size. A picture is also no taller
// than a page takes, or the page edge would cut it.
void FitPictures(QTextDocument& doc, const QString& folder, QSizeF text)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            if (!fragment.isValid() || !format.isValid())
                continue;
            const QImage image(folder + format.name());
            if (image.isNull()) {
                std::fprintf(stderr, "makemanual: no picture %s\n", qPrintable(folder + format.name()));
                continue;
            }
            const double width = std::min({double(image.width()), text.width(),
                                           text.height() * image.width() / image.height()});
            // A scaled copy keeps the PDF small; the document draws it at the width given.
            doc.addResource(QTextDocument::ImageResource, QUrl(format.name()),
                            image.scaledToWidth(int(std::min<double>(image.width(), 1400)), Qt::SmoothTransformation));
            format.setWidth(width);
            format.setHeight(width * image.height() / image.width());
            QTextCursor cursor(&doc);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

// A paragraph that would run over a page break starts the next page instead, with the headings that lead
// into it: printing draws the last line of a split paragraph's first page once more on the next page, hidden
// above the text, and PDF readers copy, find and extract it twice.
void KeepParagraphsOnOnePage(QTextDocument& doc, double textHeight)
{
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    const double pageHeight = doc.pageSize().height();
    const auto page = [&](double y) { return int(std::floor(y / pageHeight)); };
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (QTextTable* table = QTextCursor(block).currentTable()) {
            // A row split by a page break shows the same fault: a table that would cross one starts the
            // next page whole, when it fits on a page.
            const QRectF box = layout->frameBoundingRect(table);
            if (page(box.top()) != page(box.bottom() - 0.5) && box.height() <= textHeight &&
                !(table->format().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)) {
                QTextTableFormat format = table->format();
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                table->setFormat(format);
                doc.markContentsDirty(0, doc.characterCount());
            }
            continue;
        }
        QTextBlock first = block;
        while (first.previous().isValid() && first.previous().blockFormat().headingLevel() > 0)
            first = first.previous();
        const double top = layout->blockBoundingRect(first).top();
        const double bottom = layout->blockBoundingRect(block).bottom();
        if (page(top) == page(bottom - 0.5))
            continue;
        if (bottom - top > textHeight) {
            std::fprintf(stderr, "makemanual: a paragraph longer than a page: %s\n",
                         qPrintable(block.text().left(60)));
            continue;
        }
        QTextBlockFormat format;
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(first).mergeBlockFormat(format);
        // Laying out again from the changed block alone leaves the pages after it wrong: redo them all.
        doc.markContentsDirty(0, doc.characterCount());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: makemanual <manual.md> <out.pdf>\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "makemanual: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString folder = QFileInfo(source).absolutePath() + u'/';

    // The PDF is written whole or not at all, so a failed build leaves no half manual to open.
    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "makemanual: cannot write %s\n", argv[2]);
        return 1;
    }
    QPdfWriter writer(&out);
    writer.setTitle(QStringLiteral("StrativM - the logging geologist's manual"));
    writer.setCreator(QStringLiteral("StrativM"));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18),
                                     QPageLayout::Millimeter));

    QTextDocument doc;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(10);
    doc.setDefaultFont(font);
    doc.setMarkdown(QString::fromUtf8(source.readAll()), QTextDocument::MarkdownDialectGitHub);
    // The document lays out in points; the page's text width in points sets the picture width.
    const QRectF page = writer.pageLayout().paintRect(QPageLayout::Point);
    doc.setPageSize(page.size());
    const QSizeF text = page.size() - 2 * QSizeF(doc.documentMargin(), doc.documentMargin());
    FitPictures(doc, folder, text - QSizeF(0, QFontMetricsF(font).height()));
    KeepParagraphsOnOnePage(doc, text.height());
    doc.print(&writer);
    if (!out.commit()) {
        std::fprintf(stderr, "makemanual: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
