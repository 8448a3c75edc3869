#pragma once

#include <QFont>

namespace veldor::ui {

/// The dialogs' font: "ＭＳ Ｐゴシック" at 9 points, or IPA PGothic (same metrics) where
/// that family is not installed.
QFont DialogFont();

}  // namespace veldor::ui
