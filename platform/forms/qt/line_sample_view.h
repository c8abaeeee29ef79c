#pragma once
// The sample line of the line-style controls, across the middle of its place.
#include <QWidget>

#include "platform/forms/controls.h"

namespace forms::qt {

class LineSampleView : public QWidget {
public:
    LineSampleView(const LineSample& sample, QWidget* parent) : QWidget(parent), sample_(sample) {}

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const LineSample& sample_;
};

}  // namespace forms::qt
