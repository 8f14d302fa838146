// makemanual <manual.md> <out.pdf>: the user manual, kept as Markdown beside its pictures, made into the
// PDF that Help > Strativ Manual opens. Run by the build; needs only QtGui (the offscreen platform will do).
#include <QFileInfo>
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
#include <QUrl>

#include <cstdio>

namespace {

// Pictures as wide as the text at most: screenshots are made at screen size.
void FitPictures(QTextDocument& doc, const QString& folder, double textWidth)
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
            const double width = std::min<double>(image.width(), textWidth);
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
    FitPictures(doc, folder, page.width() - 2 * doc.documentMargin());
    doc.print(&writer);
    if (!out.commit()) {
        std::fprintf(stderr, "makemanual: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
