// The log image export on the demo well: the whole well (1000-2600) at the 5in scale with the header
// page, drawn into one image, reduced to its 256-colour copy and written as a PNG, as the command does
// it (the message after it is answered at once).
#include "guimain.h"
#include "demoview.h"
#include "elog/draw/imageexport.h"
#include "elog/ui/imagecommand.h"
#include "platform/services.h"

#include <benchmark/benchmark.h>

namespace {

// Answers every message as cancelled, without a word on the error stream.
class QuietPrompter final : public platform::Prompter {
public:
    int MessageBox(const QString&, const QString&, unsigned) override { return platform::IDCANCEL; }
    std::optional<QString> OpenFileName(const platform::FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> SaveFileName(const platform::FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> InputBox(const QString&, const QString&, const QString&, int) override { return std::nullopt; }
    std::optional<platform::COLORREF> ChooseColor(platform::COLORREF, platform::CustomColours*) override
    {
        return std::nullopt;
    }
};

void BM_DemoWellAs5inPng(benchmark::State& st)
{
    bench_support::DemoView demo;
    if (!demo.dir.isValid() || !demo.Open()) {
        st.SkipWithError("the demo well could not be opened");
        return;
    }
    QuietPrompter prompter;
    platform::Services services = platform::services();
    services.prompter = &prompter;
    platform::InstallServices(services);
    app::LogState& s = *demo.state;
    s.view.viewScale = 1;
    const elog::ImageWindow window;
    const std::int32_t first = s.well.file.fileTopDepth, last = s.well.file.fileBottomDepth;
    for (auto _ : st) {
        const QString path = elog::RenderImage5in(s, window, first, last, elog::IMAGE_PNG, elog::IMAGE_COLOUR, 0, true);
        if (path.isEmpty()) {
            st.SkipWithError("the image was not written");
            break;
        }
    }
}
BENCHMARK(BM_DemoWellAs5inPng)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
