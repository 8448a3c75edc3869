#pragma once
// What the fuzz targets share: a scratch folder for the whole run (removed at a normal exit,
// kept after a finding as part of the evidence), and the one way a target reports a broken
// property (abort, which libFuzzer keeps as a finding).

#include <cstdio>
#include <cstdlib>

#include "support/temp_folder.h"

namespace veldor::fuzz {

inline const testing::TempFolder& Scratch() {
  static const testing::TempFolder folder;
  return folder;
}

inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

}  // namespace veldor::fuzz
