#pragma once

#include <QDialog>
#include <QImage>
#include <array>

#include "catalogue/catalogue.h"

class QLabel;
class QRadioButton;

namespace own_parts {

// "Egen del": the figure on show with the new part in its place at 1:1, the kind the part
// becomes ("Huvud", "Bröst", "Ben"), and "Lägg till" (the default) or "Avbryt". A change of
// kind redraws the figure at once.
class OwnPartDialog : public QDialog {
public:
    // figure: the pictures on show, head, chest and legs; cutout: what catalogue::cut_out kept.
    OwnPartDialog(QWidget* parent, const std::array<QImage, 3>& figure, const QImage& cutout,
                  catalogue::Part part);

    catalogue::Part part() const;
    // The cut-out fitted to the chosen kind's band, as it is shown.
    const QImage& fitted() const { return fitted_; }

private:
    void redraw();

    std::array<QImage, 3> figure_;
    QImage cutout_;
    QImage fitted_;
    QLabel* preview_ = nullptr;
    std::array<QRadioButton*, 3> kinds_{};
};

}  // namespace own_parts
