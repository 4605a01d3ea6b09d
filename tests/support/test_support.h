// Helpers shared by the tests: a fresh scratch directory per test and golden-file comparison.
#pragma once

#include <string>

// An empty directory for this test (created anew; under the build tree).
std::string ScratchDir(const std::string& name);

// Compares `actual` with the committed file tests/golden/<relative>. On a difference the actual
// text is left beside it as <relative>.actual and the returned message says where. Setting the
// environment variable WENT_UPDATE_GOLDEN=1 rewrites the golden file instead.
// Returns "" when they are equal.
std::string CompareWithGolden(const std::string& relative, const std::string& actual);

// The whole file, or "" when missing.
std::string ReadFileForTest(const std::string& path);
