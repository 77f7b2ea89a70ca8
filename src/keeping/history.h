#pragma once

#include <QString>
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>

namespace keeping {

// The figures the main window has shown, oldest first, as a browser keeps the pages of a tab:
// one of them is the current one, going back and forward moves between them, and a new figure
// shown after going back drops the ones ahead. Lives only while the program runs.
class FigureHistory {
public:
    static constexpr std::size_t capacity = 1000;

    // A figure appeared. Unless it is the one on show already, or the current entry, it is
    // remembered after the current entry: the figures ahead of that are dropped first, and the
    // oldest one beyond the capacity.
    void shown(const QString& id);
    // A figure that back or forward led to appeared, as id: with a part locked that is not the
    // entry itself. Remembered as the one on show, so that writing it again adds nothing.
    void stepped_to(const QString& id);

    // Whether an entry can be shown now (its pictures load).
    using Showable = std::function<bool(const QString& id)>;
    // Moves to the nearest earlier (later) entry that is showable, passing over the others, and
    // returns it; stays put and returns nothing when there is none.
    std::optional<QString> back(const Showable& showable);
    std::optional<QString> forward(const Showable& showable);

    // The current entry, empty before the first figure.
    QString current() const;
    const std::deque<QString>& entries() const { return entries_; }

private:
    std::optional<QString> step(int direction, const Showable& showable);
    std::deque<QString> entries_;
    std::size_t current_ = 0;  // an index into entries_ while it holds any
    QString on_show_;
};

}  // namespace keeping
