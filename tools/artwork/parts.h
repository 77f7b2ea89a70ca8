#pragma once

#include <QImage>

// The demo catalogue: cartoon heads, chests and legs of which any head fits any chest and any
// chest fits any legs. Numbers run from 1 to catalogue_size.
namespace art {

inline constexpr int catalogue_size = 24;

QImage head(int number);
QImage chest(int number);
QImage legs(int number);

// The full-screen view's opening figure: the friendly mascot.
QImage mascot_head();
QImage mascot_chest();
QImage mascot_legs();

// The three parts stacked as the window shows them, each overlapping the one above by a row.
QImage figure(const QImage& head, const QImage& chest, const QImage& legs);

}  // namespace art
