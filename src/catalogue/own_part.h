#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QtGlobal>
#include <array>

#include "catalogue/catalogue.h"

// A person's own picture made into a part: read at no more pixels than a part needs, its
// background found and turned black, and the rest fitted to the seams of its kind's band,
// centred on the figure's middle line, a head resting on the neck, legs hanging from the waist,
// a chest in the middle. Reads the picture only; storing the part is the caller's.
namespace catalogue {

// Larger pictures are refused before they are decoded.
inline constexpr qint64 largest_own_picture = 64'000'000;  // pixels

// The part of a picture worth keeping: the box around everything that is not background, the
// background in it black and the rest composited on black, with pixels enough for any kind.
// When there is nothing to keep, `image` is null and `problem` is the Swedish sentence to show.
struct Cutout {
    QImage image;
    QString problem;
};

// Reads a picture file in any format Qt reads here: turned upright by its orientation tag, the
// first frame of an animation, a drawing rendered at the size it is fitted at. The messages
// name the file as `path` gives it.
Cutout cut_out(const QString& path);
// A picture already in memory, such as one pasted.
Cutout cut_out(const QImage& picture);

// The cut-out scaled smoothly to the largest size that fits its kind's band, placed on black:
// centred across, a head at the bottom, legs at the top, a chest in the middle. The picture
// has the kind's size.
QImage fit(const QImage& cutout, Part part);

// A fitted part as the catalogue stores it: a baseline JPEG of quality 95. Empty only when no
// JPEG writer is at hand.
QByteArray part_jpeg(const QImage& fitted);

// The figure of `pictures` (head, chest, legs) with `fitted` in place of its kind.
QImage preview(const std::array<QImage, 3>& pictures, Part part, const QImage& fitted);

}  // namespace catalogue
