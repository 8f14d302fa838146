#include "wellfile/reportconversion.h"
#include "reports/dsttests.h"

#include "platform/folders.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/sidefiles_reports.h"
#include "wellfile/wholefile.h"

#include <QFileInfo>

#include <cstdlib>

namespace reports {

namespace {

QString DstPath(const wellfile::WellPlace& place)
{
    return platform::FindFileNoCase(place.currentFolder, place.wellName + QStringLiteral(".dst"));
}

// The tests of a file that is there, without the cleared record that ends the loaded list.
std::optional<std::vector<wellfile::DSTREPORT>> LoadTests(const wellfile::WellPlace& place)
{
    auto loaded = wellfile::LoadDsts(place, wellfile::ConvertDsts);
    if (!loaded)
        return std::nullopt;
    std::vector<wellfile::DSTREPORT> tests = std::move(loaded->records);
    if (!tests.empty())
        tests.pop_back();
    return tests;
}

}  // namespace

std::optional<std::vector<wellfile::DSTREPORT>> ReadDstTests(const wellfile::WellPlace& place)
{
    const bool there = QFileInfo(DstPath(place)).isFile();
    auto tests = LoadTests(place);
    if (!tests) {
        if (there)
            platform::MessageBox(QStringLiteral("Can not open dst file"), QStringLiteral("Report info"));
        return std::nullopt;
    }
    // An empty file holds no test to stand on: it opens as a missing one.
    if (tests->empty())
        return std::nullopt;
    return tests;
}

DstWrite WriteDstTest(const wellfile::WellPlace& place, const wellfile::DSTREPORT& test, int index)
{
    std::vector<wellfile::DSTREPORT> tests;
    if (QFileInfo(DstPath(place)).isFile()) {
        auto loaded = LoadTests(place);
        // A file that cannot be read is not overwritten: its tests would be lost.
        if (!loaded) {
            platform::MessageBox(QStringLiteral("Can not open dst file"), QStringLiteral("ERROR"));
            return DstWrite::Failed;
        }
        tests = std::move(*loaded);
    }
    const bool replace = index >= 0 && index < int(tests.size());
    if (replace)
        tests[std::size_t(index)] = test;
    else
        tests.push_back(test);
    if (!wellfile::SaveDsts(place, tests))
        return DstWrite::Failed;
    return replace ? DstWrite::Replaced : DstWrite::Added;
}

std::optional<std::vector<wellfile::DSTREPORT>> DeleteDstTest(const wellfile::WellPlace& place, int index)
{
    const QString path = DstPath(place);
    auto tests = QFileInfo(path).isFile() ? LoadTests(place) : std::nullopt;
    if (tests && index >= 0 && index < int(tests->size())) {
        tests->erase(tests->begin() + index);
        if (wellfile::WriteWholeFile(path, tests->data(), tests->size() * sizeof(wellfile::DSTREPORT)))
            return tests;
    }
    platform::MessageBox(QStringLiteral("File error"), QStringLiteral("DST Read Error"));
    return std::nullopt;
}

int DstNumber(const wellfile::DSTREPORT& test)
{
    return platform::LeadingInt(platform::FieldText(test.number));
}

}  // namespace reports
