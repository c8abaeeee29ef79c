#pragma once
// What one run of the program holds of the running office: the link, the presentation
// it works on, the open undo step and the shapes it named.
#include <com/sun/star/document/XUndoManager.hpp>
#include <com/sun/star/drawing/XDrawPage.hpp>
#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <map>
#include <memory>
#include <string>

#include "platform/office/impress/link.h"

namespace office::impress {

struct Session {
    std::shared_ptr<Link> link;
    Reference<css::frame::XModel> model;  // the presentation the tools work on
    // A presentation just added: its one slide stands for no slide yet.
    bool fresh = false;
    // Shapes this run named, found again without walking the slide.
    std::map<std::string, Reference<css::drawing::XShape>> named;

    template <typename Calls>
    auto call(Calls&& calls) -> decltype(calls()) {
        return link->call(std::forward<Calls>(calls));
    }

    // These make UNO calls: use them inside call().
    Reference<css::frame::XController> controller() const;
    Reference<css::drawing::XDrawPage> page() const;  // the slide shown in the window
    Reference<css::lang::XMultiServiceFactory> factory() const;
    // Before a change: everything one command changes becomes one undo step.
    void changing();
    // The command is over: its undo step is closed.
    void commandDone();

private:
    Reference<css::document::XUndoManager> undo_;
};
using SessionPtr = std::shared_ptr<Session>;

}  // namespace office::impress
