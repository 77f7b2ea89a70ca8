#pragma once

#include <QWidget>

// Stands in for the main window until its layout is built.
class PlaceholderWindow : public QWidget {
public:
    PlaceholderWindow();
};
