#pragma once
// The document view's widget: the shown page's picture fitted into the widget, the
// selected shapes outlined; a click selects the shape under it, Ctrl+click adds it.
// Pages are drawn on a thread of their own, one at a time: until its picture is there
// the page says that it is being drawn, and the window goes on answering.
#include <QFileSystemWatcher>
#include <QFrame>
#include <QImage>
#include <QTimer>
#include <filesystem>
#include <future>

#include "platform/forms/document_view.h"

namespace forms::qt {

class DocumentViewWidget : public QFrame {
public:
    DocumentViewWidget(DocumentView& view, QWidget* parent);
    // A drawing still running is waited for, so that its LibreOffice ends with the window.
    ~DocumentViewWidget() override;
    // Where the page stands in the widget.
    QRectF pageRect() const;
    // Shows the view's page again, and from now on whenever its sheet changes on disk
    // (the editor of edit mode saves it).
    void showView();
    // True when the shown page's picture, or why it could not be drawn, is there.
    bool pageDrawn() const;
    // The picture file shown for the page.
    const QString& picturePath() const { return picturePath_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Which page of which sheet, as the sheet is now, is shown.
    QString shownPage() const;
    // Starts drawing the shown page unless its picture is there or a drawing runs.
    void drawShownPage();
    // Keeps a finished drawing when it is of the page still shown; then the next one.
    void takeDrawing();
    void hold(const QString& page, const QString& picture, const QString& failure);
    DocumentView& view_;
    QString wanted_;  // the shown page, its picture wanted
    QString held_;    // the page whose picture (or failure) is held
    QString picturePath_;
    QImage picture_;
    QString failure_;
    QString drawingPage_;
    std::future<std::filesystem::path> drawing_;
    QTimer poll_;
    QFileSystemWatcher watcher_;
};

QWidget* makeDocumentView(DocumentView& view, QWidget* parent);

}  // namespace forms::qt
