#include "platform/office/impress/session.h"

#include <algorithm>
#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/container/XChild.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/document/XUndoManagerSupplier.hpp>
#include <com/sun/star/drawing/XDrawView.hpp>

#include "platform/office/impress/uno_values.h"

namespace office::impress {

namespace {
constexpr const char* kUndoTitle = "quillon4ppt";
}

Reference<css::uno::XInterface> identity(const Reference<css::uno::XInterface>& object) {
    return Reference<css::uno::XInterface>(object, css::uno::UNO_QUERY);
}

Reference<css::frame::XController> Session::controller() const {
    auto controller = model->getCurrentController();
    if (!controller.is()) throw HostError("The presentation has no window.");
    return controller;
}

Reference<css::drawing::XDrawPage> Session::page() {
    if (page_.is()) return page_;
    Reference<css::drawing::XDrawView> view(controller(), css::uno::UNO_QUERY);
    auto page = view.is() ? view->getCurrentPage() : nullptr;
    if (!page.is()) throw HostError("No slide is selected in the presentation window.");
    // Kept while a command changes the slide; walked again by the next one.
    if (undo_.is()) page_ = page;
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
    // The window shows the command's work when it is done, which is much faster.
    model->lockControllers();
}

void Session::commandDone() {
    flush();
    types_.clear();
    page_.clear();
    for (auto& [name, shape] : namedNow_) namedBefore_[name] = shape;
    namedNow_.clear();
    nextId_ = -1;
    if (!undo_.is()) return;
    auto undo = undo_;
    undo_.clear();
    model->unlockControllers();
    undo->leaveUndoContext();
}

void Session::set(const UnoShape& shape, const char* name, const css::uno::Any& value) {
    const rtl::OUString property = rtl::OUString::createFromAscii(name);
    auto it = std::find_if(pending_.begin(), pending_.end(), [&](const auto& p) { return p.first == shape; });
    if (it == pending_.end()) it = pending_.insert(pending_.end(), {shape, {}});
    for (auto& change : it->second)
        if (change.first == property) {
            change.second = value;
            return;
        }
    it->second.emplace_back(property, value);
}

css::uno::Any Session::read(const UnoShape& shape, const char* name) {
    const rtl::OUString property = rtl::OUString::createFromAscii(name);
    for (const auto& [target, changes] : pending_)
        if (target == shape)
            for (const auto& change : changes)
                if (change.first == property) return change.second;
    return propertiesOf(shape)->getPropertyValue(property);
}

void Session::flush() {
    auto pending = std::move(pending_);
    pending_.clear();
    for (const auto& [shape, changes] : pending) {
        css::uno::Sequence<rtl::OUString> names(static_cast<sal_Int32>(changes.size()));
        css::uno::Sequence<css::uno::Any> values(static_cast<sal_Int32>(changes.size()));
        for (std::size_t i = 0; i < changes.size(); ++i) {
            names.getArray()[i] = changes[i].first;
            values.getArray()[i] = changes[i].second;
        }
        Reference<css::beans::XMultiPropertySet>(shape, css::uno::UNO_QUERY_THROW)
            ->setPropertyValues(names, values);
    }
}

int Session::typeOf(const UnoShape& shape) {
    auto object = identity(shape);
    auto known = types_.find(object.get());
    if (known != types_.end()) return known->second.second;
    const int type = office::impress::typeOf(shape);
    types_[object.get()] = {object, type};
    return type;
}

void Session::remember(const std::string& name, const UnoShape& shape) {
    namedNow_[name] = shape;
    namedBefore_.erase(name);
}

void Session::forget(const UnoShape& shape) {
    for (auto* names : {&namedNow_, &namedBefore_})
        std::erase_if(*names, [&](const auto& entry) { return identity(entry.second) == identity(shape); });
}

UnoShape Session::named(const std::string& name) {
    if (auto now = namedNow_.find(name); now != namedNow_.end()) return now->second;
    auto before = namedBefore_.find(name);
    if (before == namedBefore_.end()) return nullptr;
    try {
        Reference<css::container::XChild> child(before->second, css::uno::UNO_QUERY);
        if (child.is() && identity(child->getParent()) == identity(page()) &&
            Reference<css::container::XNamed>(before->second, css::uno::UNO_QUERY_THROW)->getName() ==
                ou(name))
            return before->second;
    } catch (const css::uno::RuntimeException&) {
        // deleted meanwhile
    }
    namedBefore_.erase(before);
    return nullptr;
}

std::string Session::defaultName(const char* kind) {
    if (nextId_ < 0) nextId_ = page()->getCount() + 1;
    return kind + std::to_string(nextId_++);
}

}  // namespace office::impress
