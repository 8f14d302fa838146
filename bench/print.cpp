// The printed log: depths 1000-2000 of the demo well, every track of the scheme on, printed by the
// print command to a PDF file through the PDF printer (15 x 11 in, 300 dpi), with the window's painters.
#include "demoview.h"
#include "platform/draw/pdfprinter.h"
#include "platform/ui/dialog.h"
#include "print/ui/printsetupdlg.h"
#include "print/print_services.h"
#include "print/ui/printwindowservices.h"

#include "guimain.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_PrintDemoLog(benchmark::State& st)
{
    bench_support::DemoView demo;
    if (!demo.dir.isValid() || !demo.Open()) {
        st.SkipWithError("the demo well could not be opened");
        return;
    }
    app::LogState& s = *demo.state;
    s.layout.schemes.trackFlags.fill(1);
    s.print.printer = std::make_unique<platform::PdfPrinter>();
    print::PrintWindowServices services{nullptr, print::DefaultPrintServices()};
    services.runPrintSetup = [](app::LogState& log, wellfile::PRINTCFG& cfg) {
        platform::Dialog::QueueTestScript([](platform::Dialog& d) {
            d.SetText(print::setupid::StartDepth, QStringLiteral("1000"));
            d.SetText(print::setupid::EndDepth, QStringLiteral("2000"));
            d.Click(platform::IDOK);
        });
        return print::RunPrintSetup(log, cfg);
    };
    const QString pdf = s.well.file.dataFolder + "sendfile/" + s.well.file.wellName + "@2000-5inch.pdf";
    for (auto _ : st) {
        services.CmPrint(s);
        st.PauseTiming();
        if (!QFile::exists(pdf))
            st.SkipWithError("no PDF was written");
        QFile::remove(pdf);
        st.ResumeTiming();
    }
}
BENCHMARK(BM_PrintDemoLog)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithGui<QApplication>(argc, argv); }
