#include "ownparts/own_part_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "catalogue/own_part.h"

namespace own_parts {
namespace {

using catalogue::Part;

struct Kind {
    Part part;
    const char* name;     // the object's, for tests and accessibility
    const char* caption;  // with its access key
};
constexpr Kind kinds[] = {
    {Part::head, "huvud", "&Huvud"},
    {Part::chest, "brost", "&Bröst"},
    {Part::legs, "ben", "B&en"},
};

}  // namespace

OwnPartDialog::OwnPartDialog(QWidget* parent, const std::array<QImage, 3>& figure,
                             const QImage& cutout, Part part)
    : QDialog(parent), figure_(figure), cutout_(cutout) {
    setWindowTitle(QStringLiteral("Egen del"));

    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setAccessibleName(QStringLiteral("Vrendisen med den nya delen"));
    preview_->setFixedSize(catalogue::figure_width, catalogue::figure_height);

    auto* choice = new QGroupBox(QStringLiteral("Delen blir"), this);
    auto* choices = new QVBoxLayout(choice);
    for (const Kind& kind : kinds) {
        auto* button = new QRadioButton(QString::fromUtf8(kind.caption), choice);
        button->setObjectName(QLatin1String(kind.name));
        button->setChecked(kind.part == part);
        // Only the button turned on redraws; the one turned off is told too.
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                redraw();
        });
        choices->addWidget(button);
        kinds_[catalogue::index(kind.part)] = button;
    }
    choices->addStretch();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* add =
        buttons->addButton(QStringLiteral("Lägg till"), QDialogButtonBox::AcceptRole);
    add->setObjectName(QStringLiteral("add"));
    add->setDefault(true);
    buttons->addButton(QStringLiteral("Avbryt"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(preview_);
    top->addWidget(choice);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    redraw();
    add->setFocus();
}

Part OwnPartDialog::part() const {
    for (const Kind& kind : kinds) {
        if (kinds_[catalogue::index(kind.part)]->isChecked())
            return kind.part;
    }
    return Part::head;
}

void OwnPartDialog::redraw() {
    fitted_ = catalogue::fit(cutout_, part());
    preview_->setPixmap(QPixmap::fromImage(catalogue::preview(figure_, part(), fitted_)));
}

}  // namespace own_parts
