#pragma once
// Every test runs with a fresh set of platform doubles and its own temporary folder, which also serves
// as the user's documents, config and home folders.
#include "support/doubles.h"

#include <QString>

#include <string>

namespace testing_support {
// The temporary folder of the running test, with a trailing '/'.
QString TestDir();
// The folder holding the test's source data (tests/data).
QString TestDataDir();
// Does what the test main does between two tests: what the running test set up (doubles, folder,
// dialog scripts) is dropped and it goes on as a new test would start. References to the old doubles
// and paths in the old folder are no longer valid.
void ResetBetweenTests();
// "Suite.Name" of the test the test main's per-test listener last set up: a test can check that the
// listener, not only ResetBetweenTests, runs before it.
std::string TestSetUpByListener();
}  // namespace testing_support
