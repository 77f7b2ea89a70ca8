#pragma once

#include <QString>
#include <optional>

#include "catalogue/figure_id.h"

// The figure a name gives. It depends only on the text and the three counts, so that the same
// name gives the same figure on every machine whose catalogue has the same counts:
//   trim Unicode White_Space from both ends; normalise to NFC; apply simple case folding
//   (CaseFolding.txt, statuses C and S); encode as UTF-8 and take its SHA-256; read its first
//   three 8-byte groups as unsigned big-endian numbers a, b, c; then
//   head = a mod head count + 1, chest = b mod chest count + 1, legs = c mod legs count + 1.
namespace catalogue {

// The figure of the name with these counts (each as count_value gives it); nothing when the
// name is empty once trimmed.
std::optional<PartNumbers> figure_for_name(const QString& name, const PartNumbers& counts);

}  // namespace catalogue
