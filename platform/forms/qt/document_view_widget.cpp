#include "platform/forms/qt/document_view_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "common/messages.h"
#include "platform/forms/qt/binding.h"
#include "platform/forms/qt/convert.h"
#include "platform/forms/qt/model_call.h"

namespace forms::qt {

DocumentViewWidget::DocumentViewWidget(DocumentView& view, QWidget* parent) : QFrame(parent), view_(view) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Dark);
    setAutoFillBackground(true);
    poll_.setInterval(30);
    connect(&poll_, &QTimer::timeout, this, [this] { takeDrawing(); });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { showView(); });
}

DocumentViewWidget::~DocumentViewWidget() {
    if (drawing_.valid()) drawing_.wait();
}

void DocumentViewWidget::showView() {
    // An editor that saves by renaming a new file over the sheet ends the watch.
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    if (view_.isOpen()) watcher_.addPath(toQString(view_.path().string()));
    drawShownPage();
    update();
}

QRectF DocumentViewWidget::pageRect() const {
    const SheetPages& sheet = view_.sheet();
    QRectF room = QRectF(contentsRect()).adjusted(6, 6, -6, -6);
    if (sheet.width <= 0 || sheet.height <= 0 || room.isEmpty()) return {};
    double scale = std::min(room.width() / sheet.width, room.height() / sheet.height);
    QSizeF size(sheet.width * scale, sheet.height * scale);
    return {room.center().x() - size.width() / 2, room.center().y() - size.height() / 2, size.width(),
            size.height()};
}

bool DocumentViewWidget::pageDrawn() const {
    return !wanted_.isEmpty() && held_ == wanted_;
}

QString DocumentViewWidget::shownPage() const {
    std::error_code ec;
    auto time = std::filesystem::last_write_time(view_.path(), ec).time_since_epoch().count();
    return toQString(view_.path().string()) + QChar('#') + QString::number(view_.page()) + QChar('@') +
           QString::number(time);
}

void DocumentViewWidget::drawShownPage() {
    wanted_.clear();
    std::optional<PageDrawing> drawing;
    try {
        drawing = view_.pageDrawing();
    } catch (const std::exception& e) {
        wanted_ = shownPage();
        hold(wanted_, {}, toQString(e.what()));
        return;
    }
    if (!drawing) return;
    wanted_ = shownPage();
    if (held_ == wanted_ || drawing_.valid()) return;
    drawingPage_ = wanted_;
    drawing_ = std::async(std::launch::async, [drawing = *drawing] { return drawing.draw(); });
    poll_.start();
}

void DocumentViewWidget::takeDrawing() {
    if (drawing_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
    poll_.stop();
    QString picture, failure;
    try {
        picture = toQString(drawing_.get().string());
    } catch (const std::exception& e) {
        failure = toQString(e.what());
    }
    // A page left while it was drawn never takes the place of the one shown since.
    if (drawingPage_ == wanted_) hold(drawingPage_, picture, failure);
    drawShownPage();
    update();
}

void DocumentViewWidget::hold(const QString& page, const QString& picture, const QString& failure) {
    held_ = page;
    picturePath_ = picture;
    failure_ = failure;
    picture_ = failure.isEmpty() ? QImage(picture) : QImage();
}

void DocumentViewWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!view_.isOpen() || view_.page() < 1) return;
    QPainter painter(this);
    QRectF page = pageRect();
    painter.fillRect(page, Qt::white);
    if (!pageDrawn()) {
        painter.drawText(page, Qt::AlignCenter | Qt::TextWordWrap,
                         toQString(common::messages::kPageBeingDrawn));
        return;
    }
    if (!failure_.isEmpty())
        painter.drawText(page, Qt::AlignCenter | Qt::TextWordWrap, failure_);
    else
        painter.drawImage(page, picture_);
    double scale = page.width() / view_.sheet().width;
    painter.setPen(QPen(QColor(0, 120, 215), 2, Qt::DashLine));
    for (const auto& name : view_.selection())
        for (const auto& shape : view_.shapesOnPage())
            if (shape.name == name)
                painter.drawRect(QRectF(page.left() + shape.left * scale, page.top() + shape.top * scale,
                                        shape.width * scale, shape.height * scale)
                                     .adjusted(-3, -3, 3, 3));
}

void DocumentViewWidget::mousePressEvent(QMouseEvent* event) {
    QRectF page = pageRect();
    if (!view_.isOpen() || page.isEmpty()) return;
    double scale = page.width() / view_.sheet().width;
    QPointF at = (event->position() - page.topLeft()) / scale;
    auto name = view_.shapeAt(at.x(), at.y());
    bool adding = event->modifiers() & Qt::ControlModifier;
    callModel(view_.form(), [&] {
        if (name)
            view_.pick(*name, adding);
        else if (!adding)
            view_.clearSelection();
    });
}

QWidget* makeDocumentView(DocumentView& view, QWidget* parent) {
    auto* widget = new DocumentViewWidget(view, parent);
    follow(view, widget, [widget] { widget->showView(); });
    return widget;
}

}  // namespace forms::qt
