#pragma once
// The document view's widget: the shown page's picture fitted into the widget, the
// selected shapes outlined; a click selects the shape under it, Ctrl+click adds it.
#include <QDateTime>
#include <QFileSystemWatcher>
#include <QFrame>
#include <QImage>

#include "platform/forms/document_view.h"

namespace forms::qt {

class DocumentViewWidget : public QFrame {
public:
    DocumentViewWidget(DocumentView& view, QWidget* parent);
    // Where the page stands in the widget.
    QRectF pageRect() const;
    // Shows the view's page again, and from now on whenever its sheet changes on disk
    // (the editor of edit mode saves it).
    void showView();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The shown page's picture, read again only when it changed; the reason when none.
    QString loadPicture();
    // Which page of which sheet is shown.
    QString shownPage() const;
    DocumentView& view_;
    QString picturePath_;
    QDateTime pictureTime_;
    QImage picture_;
    // The page whose picture may be drawn now: a page not drawn before first shows that
    // it is being drawn, so that the window is painted at once.
    QString drawable_;
    QFileSystemWatcher watcher_;
};

QWidget* makeDocumentView(DocumentView& view, QWidget* parent);

}  // namespace forms::qt
