// Writes the demo well "elogdemo" (data file, header, tops, show, daily and DST reports, custom-track data, FIT data,
// layout and its pictures in "bitmaps/elogdemo/") into a folder, the same files the program makes in its
// install folder on first start.
//   makedemowell [folder]     default: the current folder
#include "demo/demowell.h"
#include "demo/draw/demowell_pictures.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    if (!demo::MakeDemoWell(folder) || !demo::MakeDemoPictures(folder)) {
        std::fprintf(stderr, "makedemowell: could not write the demo well into %s\n", qPrintable(folder));
        return 1;
    }
    std::printf("%s\n", qPrintable(QDir(folder).absoluteFilePath(QStringLiteral("elogdemo.svm"))));
    return 0;
}
