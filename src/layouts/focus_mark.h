#pragma once

#include <QPointer>
#include <QWidget>

namespace layouts {

// The mark around the command that has the keyboard focus: a dotted outline just outside it,
// drawn above every other control of the window, so that a small command or one half under
// another control shows it whole. It shows only while a command of its window has the focus,
// which only Tab and Shift+Tab give; it follows the command when the command moves.
class FocusMark : public QWidget {
    Q_OBJECT
public:
    explicit FocusMark(QWidget& window);

    // The command marked, null while the mark is hidden.
    QWidget* marked() const { return marked_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* focus);
    void place();
    QPointer<QWidget> marked_;
};

}  // namespace layouts
