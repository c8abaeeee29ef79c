#include "quillon4pptsetup/setup_windows.h"

#include "platform/forms/qt/model_call.h"

namespace setup {

SetupWindows::SetupWindows(SetupProgram& program, forms::qt::QtDialogs& dialogs)
    : program_(program), dialogs_(dialogs) {
    program_.onShow = [this](forms::Form& window) { show(window); };
}

forms::qt::FormWindow* SetupWindows::viewOf(const forms::Form& window) const {
    auto it = views_.find(&window);
    return it == views_.end() ? nullptr : it->second.get();
}

void SetupWindows::show(forms::Form& window) {
    auto& view = views_[&window];
    if (!view) {
        view = std::make_unique<forms::qt::FormWindow>(window);
        view->onClose = [this, &window] {
            forms::qt::callModel(window, [this, &window] { program_.WindowClosed(window); });
        };
    }
    dialogs_.setWindow(view.get());
    view->show();
}

}  // namespace setup
