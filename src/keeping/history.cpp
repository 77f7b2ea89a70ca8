#include "keeping/history.h"

namespace keeping {

void FigureHistory::shown(const QString& id) {
    if (id == on_show_)
        return;
    on_show_ = id;
    if (!entries_.empty() && entries_[current_] == id)
        return;
    if (!entries_.empty())
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(current_) + 1,
                       entries_.end());
    entries_.push_back(id);
    if (entries_.size() > capacity)
        entries_.pop_front();
    current_ = entries_.size() - 1;
}

void FigureHistory::stepped_to(const QString& id) {
    on_show_ = id;
}

std::optional<QString> FigureHistory::back(const Showable& showable) {
    return step(-1, showable);
}

std::optional<QString> FigureHistory::forward(const Showable& showable) {
    return step(+1, showable);
}

std::optional<QString> FigureHistory::step(int direction, const Showable& showable) {
    const auto count = static_cast<std::ptrdiff_t>(entries_.size());
    for (std::ptrdiff_t at = static_cast<std::ptrdiff_t>(current_) + direction;
         at >= 0 && at < count; at += direction) {
        if (showable(entries_[static_cast<std::size_t>(at)])) {
            current_ = static_cast<std::size_t>(at);
            return entries_[current_];
        }
    }
    return std::nullopt;
}

QString FigureHistory::current() const {
    return entries_.empty() ? QString() : entries_[current_];
}

}  // namespace keeping
