#pragma once
// A spinner's two small arrow buttons, stacked, or side by side when it is wide.
#include <QToolButton>
#include <QWidget>
#include <functional>

namespace forms::qt {

class UpDownWidget : public QWidget {
public:
    explicit UpDownWidget(QWidget* parent);
    std::function<void()> onUp, onDown;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace forms::qt
