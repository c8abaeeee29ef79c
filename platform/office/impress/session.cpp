#include "platform/office/impress/session.h"

#include <com/sun/star/document/XUndoManagerSupplier.hpp>
#include <com/sun/star/drawing/XDrawView.hpp>

namespace office::impress {

namespace {
constexpr const char* kUndoTitle = "quillon4ppt";
}

Reference<css::frame::XController> Session::controller() const {
    auto controller = model->getCurrentController();
    if (!controller.is()) throw HostError("The presentation has no window.");
    return controller;
}

Reference<css::drawing::XDrawPage> Session::page() const {
    Reference<css::drawing::XDrawView> view(controller(), css::uno::UNO_QUERY);
    auto page = view.is() ? view->getCurrentPage() : nullptr;
    if (!page.is()) throw HostError("No slide is selected in the presentation window.");
    return page;
}

Reference<css::lang::XMultiServiceFactory> Session::factory() const {
    return Reference<css::lang::XMultiServiceFactory>(model, css::uno::UNO_QUERY_THROW);
}

void Session::changing() {
    if (undo_.is()) return;
    Reference<css::document::XUndoManagerSupplier> supplier(model, css::uno::UNO_QUERY_THROW);
    auto undo = supplier->getUndoManager();
    undo->enterUndoContext(ou(kUndoTitle));
    undo_ = undo;
}

void Session::commandDone() {
    if (!undo_.is()) return;
    auto undo = undo_;
    undo_.clear();
    undo->leaveUndoContext();
}

}  // namespace office::impress
