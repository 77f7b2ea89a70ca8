#pragma once

#include <QWidget>
#include <span>

#include "layouts/accessible.h"
#include "layouts/controls.h"
#include "layouts/layout_table.h"

// The small window that stands in the taskbar while the main window is minimised.
class Loader : public QWidget {
    Q_OBJECT
public:
    Loader();

    static std::span<const layouts::Row> layout();
    static const layouts::AccessibleTable& accessible();

    layouts::Label* Label10 = nullptr;
};
