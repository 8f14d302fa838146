#pragma once
// Every test runs with a fresh set of platform doubles and its own temporary folder, which also serves
// as the user's documents, config and home folders.
#include "support/doubles.h"

#include <QString>

namespace testing_support {
// The temporary folder of the running test, with a trailing '/'.
QString TestDir();
// The folder holding the test's source data (tests/data).
QString TestDataDir();
}  // namespace testing_support
