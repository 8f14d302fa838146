// The program started again in drilling mode on a real X server with a window manager: the "Drilling
// Status" box is its main window's tool window, stacked above it from the start and after a click on
// the log.
#include "demo/demowell.h"
#include "support/files.h"
#include "support/modbuspeer.h"
#include "support/testmain.h"
#include "support/xsession.h"
#include "wellfile/wellconfig.h"

#include <QCoreApplication>
#include <QFile>

#include <gtest/gtest.h>

#include <cstring>

using namespace testing_support;

TEST(StatusBoxRealX, AfterARestartInDrillingModeTheBoxStaysAboveTheLog)
{
    if (const QString missing = XSession::MissingServer(); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString() << " is not installed";
    ASSERT_EQ(XSession::MissingTools().toStdString(), "") << "scripts/install-deps.sh installs them";
    const QString program = QCoreApplication::applicationDirPath() + "/../src/strativm";
    ASSERT_TRUE(QFile::exists(program)) << "build the strativm program";
    XSession x;
    ASSERT_TRUE(x.Start());
    const QString home = TestDir() + "home";

    // The demo well, left in drilling mode at the last exit.
    const QString folder = home + "/StrativM/";
    ASSERT_TRUE(demo::MakeDemoWell(folder));
    wellfile::WellConfig cfg{};
    QByteArray bytes = ReadBytes(folder + "elogdemo.cfg");
    ASSERT_EQ(bytes.size(), qsizetype(sizeof cfg));
    std::memcpy(&cfg, bytes.constData(), sizeof cfg);
    cfg.drillingAtExit = 1;
    WriteBytes(folder + "elogdemo.cfg", QByteArray(reinterpret_cast<const char*>(&cfg), sizeof cfg));

    Child app;
    ASSERT_TRUE(app.Start(program, {}, x.ProgramEnvironment(home)));
    const QString log = x.WaitForWindow("^StrativM ");
    const QString box = x.WaitForWindow("^Drilling Status$");
    ASSERT_FALSE(log.isEmpty()) << "no main window";
    ASSERT_FALSE(box.isEmpty()) << "not in drilling mode";

    // The window manager's stacking order, bottom to top: the box after the log.
    const auto boxAbove = [&] {
        const QString stack = QString::fromLatin1(x.Run("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"})).section('#', 1);
        QList<qulonglong> ids;
        for (const QString& id : stack.split(',', Qt::SkipEmptyParts))
            ids << id.trimmed().toULongLong(nullptr, 16);
        const qsizetype b = ids.indexOf(box.toULongLong()), l = ids.indexOf(log.toULongLong());
        return b >= 0 && l >= 0 && b > l;
    };
    EXPECT_TRUE(Spin(boxAbove, 20000)) << "the box lies under the log";
    const QRect place = x.Geometry(log);
    x.Click(place.center().x(), place.center().y() + 100);
    x.Settled();
    EXPECT_TRUE(boxAbove()) << "a click on the log put it over the box";
}
