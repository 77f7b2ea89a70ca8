#include "support/program_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QWindow>

#include "app/program.h"
#include "layouts/artwork_names.h"
#include "platform/paths.h"

namespace testing_support {
namespace {

const char* directory_of(char kind) {
    switch (kind) {
        case 'h':
            return "\\data\\huvuden\\";
        case 'c':
            return "\\data\\broest\\";
        default:
            return "\\data\\ben\\";
    }
}

// Part heights of the figure-like pictures, as the window's layout expects them.
int part_height(char kind) {
    switch (kind) {
        case 'h':
            return 87;
        case 'c':
            return 123;
        default:
            return 195;
    }
}

QColor part_colour(char kind, int number) {
    const int hue = (kind == 'h' ? 20 : kind == 'c' ? 140 : 230) + 25 * number;
    return QColor::fromHsv(hue % 360, 150, 230);
}

// A part that looks the part: a head, a chest or a pair of legs on black.
QImage figure_part(char kind, int number, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(part_colour(kind, number));
    const int w = size.width();
    const int h = size.height();
    if (kind == 'h') {
        painter.drawEllipse(QPoint(w / 2, h / 2 + 4), 30 + 3 * number, h / 2 - 6);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPoint(w / 2 - 12, h / 2), 5, 5);
        painter.drawEllipse(QPoint(w / 2 + 12, h / 2), 5, 5);
    } else if (kind == 'c') {
        painter.drawRoundedRect(QRect(w / 2 - 45 - 4 * number, 2, 90 + 8 * number, h - 4), 18, 18);
    } else {
        painter.drawRect(QRect(w / 2 - 40, 0, 30, h - 20 - 6 * number));
        painter.drawRect(QRect(w / 2 + 10, 0, 30, h - 20 - 6 * number));
    }
    painter.end();
    return image;
}

bool write_jpeg(const QString& path, const QImage& image) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, "JPG");
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// ProgramDirectory

ProgramDirectory::ProgramDirectory(int pictures_width) : pictures_width_(pictures_width) {
    platform::set_program_directory(directory_.path());
    profile_ = {
        {"Antal_Huvuden", QString::number(head_count)},
        {"Antal_Broest", QString::number(chest_count)},
        {"Antal_Ben", QString::number(legs_count)},
        {"Huvuden", "\\data\\huvuden\\"},
        {"Broest", "\\data\\broest\\"},
        {"Ben", "\\data\\ben\\"},
        {"Antal_vrendisar", "3"},
        {"Visa_splash", "0"},
    };
    write_profile();
    for (int n = 1; n <= head_count; ++n) write_picture('h', n);
    for (int n = 1; n <= chest_count; ++n) write_picture('c', n);
    for (int n = 1; n <= legs_count; ++n) write_picture('l', n);
    int shade = 0;
    for (const QString& name : artwork_names()) {
        const QSize size = name.startsWith("btn_") ? QSize(118, 10) : QSize(13, 430);
        QImage image(size, QImage::Format_RGB32);
        image.fill(QColor::fromHsv((shade += 29) % 360, 200, 200));
        write_jpeg(artwork_path(name), image);
    }
}

ProgramDirectory::~ProgramDirectory() {
    platform::set_program_directory(QString());
}

QString ProgramDirectory::file(const QString& backslash_name) const {
    return platform::native_path(path() + backslash_name);
}

void ProgramDirectory::set_profile_value(const QString& key, const QString& value) {
    for (auto& [existing, stored] : profile_) {
        if (existing == key) {
            stored = value;
            write_profile();
            return;
        }
    }
    profile_.emplace_back(key, value);
    write_profile();
}

void ProgramDirectory::remove_profile_value(const QString& key) {
    std::erase_if(profile_, [&](const auto& entry) { return entry.first == key; });
    write_profile();
}

void ProgramDirectory::remove_profile() {
    profile_.clear();
    QFile::remove(file("\\vrendisar.ini"));
}

void ProgramDirectory::write_profile() {
    QByteArray text = "[Vrendomaten]\r\n";
    for (const auto& [key, value] : profile_) text += (key + '=' + value).toUtf8() + "\r\n";
    QFile out(file("\\vrendisar.ini"));
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
        ADD_FAILURE() << "cannot write the test profile";
}

QString ProgramDirectory::picture_path(char kind, int number) const {
    return file(QString::fromLatin1(directory_of(kind)) + QLatin1Char(kind) +
                QString::number(number) + ".jpg");
}

QSize ProgramDirectory::picture_size(char kind, int number) const {
    if (pictures_width_ > 0)
        return {pictures_width_ - number, part_height(kind)};
    return {20 + number, kind == 'h' ? 8 : kind == 'c' ? 12 : 16};
}

void ProgramDirectory::write_picture(char kind, int number) {
    const QSize size = picture_size(kind, number);
    QImage image(size, QImage::Format_RGB32);
    if (pictures_width_ > 0) {
        image = figure_part(kind, number, size);
    } else {
        image.fill(part_colour(kind, number));
    }
    if (!write_jpeg(picture_path(kind, number), image))
        ADD_FAILURE() << "cannot write " << picture_path(kind, number).toStdString();
}

void ProgramDirectory::write_broken_picture(char kind, int number) {
    QFile out(picture_path(kind, number));
    if (!out.open(QIODevice::WriteOnly))
        ADD_FAILURE() << "cannot write a broken picture";
    out.write("\xFF\xD8\xFF\xE0 not really a picture");
}

void ProgramDirectory::remove_picture(char kind, int number) {
    QFile::remove(picture_path(kind, number));
}

QString ProgramDirectory::artwork_path(const QString& name) const {
    return file("\\data\\app\\" + name);
}

const std::vector<QString>& ProgramDirectory::artwork_names() {
    static const std::vector<QString> names(layouts::artwork::names.begin(),
                                            layouts::artwork::names.end());
    return names;
}

// ---------------------------------------------------------------------------------------------
// Random draws

std::vector<float> draws_for(int number, int count) {
    // The shuffle's first swap brings entry floor(count * r + 1) to the front, and the zeros after
    // it leave the rest in place; r in the middle of its band.
    std::vector<float> values;
    if (count > 1)
        values.push_back((static_cast<float>(number) - 0.5f) / count);
    for (int step = 2; step < count; ++step) values.push_back(0.0f);
    return values;
}

std::vector<float> draws_for(std::initializer_list<std::pair<int, int>> parts) {
    std::vector<float> values;
    for (const auto& [number, count] : parts) {
        const std::vector<float> part = draws_for(number, count);
        values.insert(values.end(), part.begin(), part.end());
    }
    return values;
}

void move_pointer(QWidget* widget, QPoint at) {
    if (at.isNull())
        at = widget->rect().center();
    QWidget* top = widget->window();
    const QPoint in_top = widget->mapTo(top, at);
    if (QWindow* handle = top->windowHandle(); handle && handle->isExposed()) {
        QTest::mouseMove(handle, in_top);
        return;
    }
    QWidget* target = top->childAt(in_top);
    if (!target)
        target = top;
    const QPoint local = target->mapFrom(top, in_top);
    QMouseEvent move(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

// ---------------------------------------------------------------------------------------------
// WindowTest

Vrendis2001& WindowTest::window() {
    if (!window_)
        window_ = app::open_main_window();
    return *window_;
}

void WindowTest::show_window() {
    window().show();
    // A Wayland compositor hands out keyboard focus only through a seat, which a headless one
    // has not; what key events and shortcuts go by is the application's own active window.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        if (!QTest::qWaitForWindowExposed(&window()))
            ADD_FAILURE() << "window was not exposed";
        QApplication::setActiveWindow(&window());
        return;
    }
    window().activateWindow();
    if (!QTest::qWaitForWindowActive(&window()))
        ADD_FAILURE() << "window did not activate";
}

bool WindowTest::shows(const layouts::Image* image, char kind, int number) const {
    return image->picture_path() == program.picture_path(kind, number) &&
           image->picture().size() == program.picture_size(kind, number);
}

}  // namespace testing_support
