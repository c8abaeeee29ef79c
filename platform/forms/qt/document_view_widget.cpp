#include "platform/forms/qt/document_view_widget.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "common/messages.h"
#include "platform/forms/qt/binding.h"
#include "platform/forms/qt/convert.h"
#include "platform/forms/qt/model_call.h"

namespace forms::qt {

DocumentViewWidget::DocumentViewWidget(DocumentView& view, QWidget* parent) : QFrame(parent), view_(view) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Dark);
    setAutoFillBackground(true);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { showView(); });
}

void DocumentViewWidget::showView() {
    // An editor that saves by renaming a new file over the sheet ends the watch.
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    if (view_.isOpen()) watcher_.addPath(toQString(view_.path().string()));
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

QString DocumentViewWidget::loadPicture() {
    std::filesystem::path path;
    try {
        path = view_.pagePicture();
    } catch (const std::exception& e) {
        picture_ = {};
        picturePath_.clear();
        return toQString(e.what());
    }
    if (path.empty()) return {};
    QString file = toQString(path.string());
    QDateTime time = QFileInfo(file).lastModified();
    if (file != picturePath_ || time != pictureTime_) {
        picture_.load(file);
        picturePath_ = file;
        pictureTime_ = time;
    }
    return {};
}

QString DocumentViewWidget::shownPage() const {
    return toQString(view_.path().string()) + QChar('#') + QString::number(view_.page());
}

void DocumentViewWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!view_.isOpen() || view_.page() < 1) return;
    QPainter painter(this);
    QRectF page = pageRect();
    painter.fillRect(page, Qt::white);
    if (shownPage() != drawable_) {
        painter.drawText(page, Qt::AlignCenter | Qt::TextWordWrap,
                         toQString(common::messages::kPageBeingDrawn));
        QTimer::singleShot(0, this, [this, shown = shownPage()] {
            drawable_ = shown;
            update();
        });
        return;
    }
    QString failure = loadPicture();
    if (!failure.isEmpty())
        painter.drawText(page, Qt::AlignCenter | Qt::TextWordWrap, failure);
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
