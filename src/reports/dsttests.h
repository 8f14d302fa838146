#pragma once
// The drill-stem tests of a well as its DST dialog edits them: one test at a time, read from and
// written to the well's ".dst" in its local folder. Every change replaces the file through a temporary
// file, so a failed write leaves the tests as they were.
#include "wellfile/reportrecords.h"
#include "wellfile/wellplace.h"

#include <optional>
#include <vector>

namespace reports {

// The tests of the well's ".dst" (an old layout is converted first). nullopt when the file is missing,
// empty or unreadable: the dialog then starts a new test. After a failed conversion of a file that is
// there, "Can not open dst file" (caption "Report info") has been shown.
std::optional<std::vector<wellfile::DSTREPORT>> ReadDstTests(const wellfile::WellPlace& place);

enum class DstWrite { Failed, Added, Replaced };

// Writes `test` at `index` (from 0): over the test there, or after the last one when `index` is at or
// beyond the end (a missing file is created). Failed after "Can not open dst file" (caption "ERROR").
DstWrite WriteDstTest(const wellfile::WellPlace& place, const wellfile::DSTREPORT& test, int index);

// Removes test `index`; the later tests move down one place and keep their numbers. The tests left, or
// nullopt after "File error" (caption "DST Read Error") with the file unchanged.
std::optional<std::vector<wellfile::DSTREPORT>> DeleteDstTest(const wellfile::WellPlace& place, int index);

// The leading whole number of a DST number text; 0 when it does not start with a digit.
int DstNumber(const wellfile::DSTREPORT& test);

}  // namespace reports
