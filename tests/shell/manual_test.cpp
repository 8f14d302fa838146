// The manual the build makes: a PDF that opens and names every menu of the program, put into a fresh
// install folder at the first start and opened from there by Help > Strativ Manual.
#include "app/commandids.h"
#include "shell/menus.h"
#include "shell/ui/logwindow.h"
#include "support/pdfpages.h"
#include "support/testmain.h"

#include <QAction>
#include <QFileInfo>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

using testing_support::doubles;

namespace {

const QString kBuilt = QStringLiteral(STRATIVM_MANUAL_PDF);
const QString kSource = QStringLiteral(STRATIVM_MANUAL_SOURCE);

QString Output(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(30000)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(Manual, TheBuiltManualOpensAndNamesEveryMenu)
{
    ASSERT_TRUE(QFileInfo(kBuilt).isFile()) << kBuilt.toStdString();
    const QRegularExpressionMatch pages = QRegularExpression("Pages:\\s+(\\d+)").match(Output("pdfinfo", {kBuilt}));
    ASSERT_TRUE(pages.hasMatch());
    EXPECT_GE(pages.captured(1).toInt(), 5);

    const QString text = Output("pdftotext", {kBuilt, "-"}).simplified();
    for (int resource : {1, 3})
        for (const shell::MenuItem& popup : shell::MenuBar::Resource(resource).popups) {
            const QString title = QString(popup.text).remove(u'&');
            EXPECT_TRUE(text.contains(title)) << title.toStdString();
        }
}

// The Markdown's paragraphs, headings, list items and table rows as the reader sees their words.
QStringList ReadersText(const QString& markdown)
{
    const QRegularExpression starts("^(#+ |\\s*([-*+]|\\d+\\.) |\\||\\s*!\\[)");
    QStringList paragraphs{QString()};
    for (QString line : markdown.split(u'\n')) {
        if (line.startsWith("|-"))
            continue;  // a table's rule
        if (line.trimmed().isEmpty() || line.contains(starts))
            paragraphs << QString();
        line.remove(QRegularExpression("^(#+|\\s*([-*+]|\\d+\\.)) |[*`]|!\\[.*"));
        paragraphs.last() += u' ' + line.replace(u'|', u' ');
    }
    for (QString& p : paragraphs)
        p = p.simplified();
    paragraphs.removeAll(QString());
    return paragraphs;
}

TEST(Manual, EveryParagraphIsPrintedWholeInOrderAndNoLineTwiceAcrossAPageBreak)
{
    QFile source(kSource);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QString pdf = testing_support::PdfText(kBuilt);
    const QString text = pdf.simplified();
    qsizetype at = 0;
    for (const QString& paragraph : ReadersText(QString::fromUtf8(source.readAll()))) {
        const qsizetype found = text.indexOf(paragraph, at);
        EXPECT_GE(found, 0) << paragraph.toStdString();
        if (found < 0)
            continue;
        if (paragraph.count(u' ') > 5) {  // long enough to be met only once
            EXPECT_EQ(text.indexOf(paragraph, found + 1), -1) << paragraph.toStdString();
        }
        at = found + paragraph.size();
    }

    const QStringList pages = pdf.split(u'\f');
    for (qsizetype i = 0; i + 1 < pages.size(); ++i) {
        const QStringList end = pages[i].trimmed().split(u'\n'), start = pages[i + 1].trimmed().split(u'\n');
        EXPECT_NE(end.last().trimmed(), start.first().trimmed()) << end.last().toStdString();
    }
}

TEST(Manual, AFreshInstallGetsTheManualThatHelpOpens)
{
    qputenv("USER", "tester");
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    window.State().env.programFolder = QFileInfo(kBuilt).absolutePath() + u'/';
    window.SetupWindow();
    const QString install = window.State().env.installFolder;
    ASSERT_TRUE(QFileInfo(install + "SV-Manual.pdf").isFile());
    EXPECT_EQ(QFileInfo(install + "SV-Manual.pdf").size(), QFileInfo(kBuilt).size());

    for (int id : {app::cmd::Manual, app::cmd::NewFeatures})
        for (QAction* a : window.menuBar()->findChildren<QAction*>())
            if (a->data().isValid() && a->data().toInt() == id) {
                a->trigger();
                break;
            }
    ASSERT_EQ(doubles().shell.opened.size(), 2);
    EXPECT_EQ(doubles().shell.opened[0].program, install + "SV-Manual.pdf");
    EXPECT_EQ(doubles().shell.opened[1].program, install + "features.txt");
}

}  // namespace
