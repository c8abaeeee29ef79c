#include "platform/forms/qt/widget_factory.h"

#include <QGroupBox>
#include <QPixmap>
#include <QPushButton>
#include <stdexcept>

#include "platform/forms/qt/binding.h"
#include "platform/forms/qt/clickable_label.h"
#include "platform/forms/qt/convert.h"
#include "platform/forms/qt/document_view_widget.h"
#include "platform/forms/qt/line_sample_view.h"
#include "platform/forms/qt/picture_view.h"
#include "platform/forms/qt/tree_widget.h"
#include "platform/forms/qt/widget_kinds.h"

namespace forms::qt {
namespace {

template <typename W>
void showText(W& widget, const std::string& text) {
    if (widget.text() != toQString(text)) widget.setText(toQString(text));
}

QWidget* makeButton(CommandButton& button, QWidget* parent) {
    auto* widget = new QPushButton(parent);
    const Show show = follow(button, widget, [widget, &button] { showText(*widget, button.caption()); });
    QObject::connect(widget, &QPushButton::clicked, widget,
                     [&button, show] { act(button, show, [&button] { button.click(); }); });
    forwardKeysAndFocus(button, widget);
    return widget;
}

void showLabel(const Label& label, ClickableLabel& widget) {
    showText(widget, label.caption());
    widget.setAutoFillBackground(label.opaque);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, toQColor(label.backColor()));
    palette.setColor(QPalette::WindowText, toQColor(label.foreColor));
    widget.setPalette(palette);
    // A colour swatch needs an edge to be seen on a background of its own colour.
    const bool swatch = label.opaque && label.caption().empty();
    widget.setFrameStyle(swatch ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
}

QWidget* makeLabel(Label& label, QWidget* parent) {
    auto* widget = new ClickableLabel(parent);
    widget->setWordWrap(true);
    const Qt::Alignment across[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    widget->setAlignment(across[label.alignment >= 0 && label.alignment <= 2 ? label.alignment : 0] |
                         Qt::AlignTop);
    const Show show = follow(label, widget, [widget, &label] { showLabel(label, *widget); });
    widget->onClick = [&label, show] { act(label, show, [&label] { label.click(); }); };
    return widget;
}

// A picture larger than the control shrinks to fit it, keeping its proportions.
void showImage(const Image& image, ClickableLabel& widget) {
    if (image.picture().empty()) return showText(widget, image.caption());
    QPixmap picture(toQString(image.picture()));
    const QSize room(pixels(image.layout.width), pixels(image.layout.height));
    if (!picture.isNull() && (picture.width() > room.width() || picture.height() > room.height()))
        picture = picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    widget.setPixmap(picture);
}

QWidget* makeImage(Image& image, QWidget* parent) {
    auto* widget = new ClickableLabel(parent);
    widget->setAlignment(Qt::AlignCenter);
    const Show show = follow(image, widget, [widget, &image] { showImage(image, *widget); });
    widget->onClick = [&image, show] { act(image, show, [&image] { image.click(); }); };
    return widget;
}

QWidget* makeFrame(Frame& frame, QWidget* parent) {
    auto* widget = new QGroupBox(parent);
    follow(frame, widget, [widget, &frame] {
        if (widget->title() != toQString(frame.caption())) widget->setTitle(toQString(frame.caption()));
    });
    return widget;
}

QWidget* makePicture(PictureBox& box, QWidget* parent) {
    auto* widget = new PictureView(box, parent);
    follow(box, widget, [widget] { widget->update(); });
    return widget;
}

QWidget* makeLineSample(LineSample& sample, QWidget* parent) {
    auto* widget = new LineSampleView(sample, parent);
    follow(sample, widget, [widget] { widget->update(); });
    return widget;
}

}  // namespace

QWidget* createWidget(Control& control, QWidget* parent) {
    switch (control.kind()) {
        case Kind::Button:
            return makeButton(static_cast<CommandButton&>(control), parent);
        case Kind::Label:
            return makeLabel(static_cast<Label&>(control), parent);
        case Kind::TextBox:
            return makeTextBox(static_cast<TextBox&>(control), parent);
        case Kind::CheckBox:
            return makeCheckBox(static_cast<CheckBox&>(control), parent);
        case Kind::Option:
            return makeOptionButton(static_cast<OptionButton&>(control), parent);
        case Kind::Combo:
            return makeComboBox(static_cast<ComboBox&>(control), parent);
        case Kind::List:
            return makeListBox(static_cast<ListBox&>(control), parent);
        case Kind::ScrollBar:
            return makeScrollBar(static_cast<ScrollBar&>(control), parent);
        case Kind::UpDown:
            return makeUpDown(static_cast<UpDown&>(control), parent);
        case Kind::Tabs:
            return makeTabStrip(static_cast<TabStrip&>(control), parent);
        case Kind::Picture:
            return makePicture(static_cast<PictureBox&>(control), parent);
        case Kind::Frame:
            return makeFrame(static_cast<Frame&>(control), parent);
        case Kind::Image:
            return makeImage(static_cast<Image&>(control), parent);
        case Kind::Line:
            return makeLineSample(static_cast<LineSample&>(control), parent);
        case Kind::Tree:
            return makeTreeView(static_cast<TreeView&>(control), parent);
        case Kind::DocumentView:
            return makeDocumentView(static_cast<DocumentView&>(control), parent);
    }
    throw std::logic_error("a control of an unknown kind: " + control.name());
}

}  // namespace forms::qt
