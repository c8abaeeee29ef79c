#include "platform/office/impress/session.h"

#include <algorithm>
#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/container/XChild.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/datatransfer/clipboard/SystemClipboard.hpp>
#include <com/sun/star/document/XUndoManagerSupplier.hpp>
#include <com/sun/star/drawing/ShapeCollection.hpp>
#include <com/sun/star/drawing/XDrawView.hpp>
#include <com/sun/star/drawing/XShapes.hpp>
#include <com/sun/star/frame/DispatchHelper.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/view/XSelectionSupplier.hpp>
#include <cppuhelper/implbase1.hxx>

#include "platform/office/impress/uno_values.h"

namespace office::impress {

namespace {

constexpr const char* kUndoTitle = "quillon4ppt";

// Keeps the teacher's clipboard across a copy the program makes.
class KeptClipboard {
public:
    explicit KeptClipboard(const Reference<css::uno::XComponentContext>& context)
        : board_(css::datatransfer::clipboard::SystemClipboard::create(context)),
          saved_(board_->getContents()) {}
    ~KeptClipboard() {
        try {
            board_->setContents(saved_, nullptr);
        } catch (const css::uno::Exception&) {
            // the office went away: there is no clipboard left to keep
        }
    }
    KeptClipboard(const KeptClipboard&) = delete;
    KeptClipboard& operator=(const KeptClipboard&) = delete;

private:
    Reference<css::datatransfer::clipboard::XSystemClipboard> board_;
    Reference<css::datatransfer::XTransferable> saved_;
};

}  // namespace

Reference<css::uno::XInterface> identity(const Reference<css::uno::XInterface>& object) {
    return Reference<css::uno::XInterface>(object, css::uno::UNO_QUERY);
}

Reference<css::frame::XController> Session::controller() const {
    auto controller = model->getCurrentController();
    if (!controller.is()) throw HostError(messages::kLiveNoWindow);
    return controller;
}

Reference<css::drawing::XDrawPage> Session::page() {
    if (page_.is()) return page_;
    Reference<css::drawing::XDrawView> view(controller(), css::uno::UNO_QUERY);
    auto page = view.is() ? view->getCurrentPage() : nullptr;
    if (!page.is()) throw HostError(messages::kLiveNoSlide);
    // Kept while a command changes the slide; walked again by the next one.
    if (undo_.is()) page_ = page;
    return page;
}

Reference<css::lang::XMultiServiceFactory> Session::factory() const {
    return Reference<css::lang::XMultiServiceFactory>(model, css::uno::UNO_QUERY_THROW);
}

void Session::inserted(const UnoShape& shape) {
    // Impress does not record shapes added through its API, nor what is done to them
    // afterwards; the command's end inserts them again in a way it records.
    if (inserted_.empty()) undo_->lock();
    inserted_.push_back(shape);
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

void Session::endStep() {
    for (auto& [name, shape] : namedNow_) namedBefore_[name] = shape;
    namedNow_.clear();
    nextId_ = -1;
    inserted_.clear();
    copies_.clear();
    types_.clear();
    page_.clear();
    undo_.clear();
}

void Session::commandDone() {
    auto fresh = inserted_;
    auto undo = undo_;
    StepEnd end{*this};
    if (!undo.is()) {
        flush();
        return;
    }
    bool locked = true;
    try {
        flush();
        model->unlockControllers();
        locked = false;
        if (!fresh.empty()) recordInsertion(fresh);
    } catch (...) {
        try {
            if (locked) model->unlockControllers();
            if (undo->isLocked()) undo->unlock();
            undo->leaveUndoContext();
        } catch (const css::uno::Exception&) {
            // the office is gone: there is nothing left to close
        }
        throw;
    }
    undo->leaveUndoContext();
}

namespace {

// Keeps a failed command's undo step from being empty, so that undoing it surely
// undoes that step and no earlier one.
class TakenBack : public cppu::WeakImplHelper1<css::document::XUndoAction> {
public:
    rtl::OUString SAL_CALL getTitle() override { return ou(kUndoTitle); }
    void SAL_CALL undo() override {}
    void SAL_CALL redo() override {}
};

}  // namespace

void Session::commandFailed() {
    pending_.clear();
    auto fresh = inserted_;
    auto undo = undo_;
    StepEnd end{*this};
    if (!undo.is()) return;
    namedNow_.clear();
    auto slide = page();
    // Impress does not record the new shapes: they go unrecorded too.
    if (!undo->isLocked()) undo->lock();
    for (const auto& shape : fresh) {
        Reference<css::container::XChild> child(shape, css::uno::UNO_QUERY);
        if (child.is() && identity(child->getParent()) == identity(slide)) slide->remove(shape);
    }
    undo->unlock();
    model->unlockControllers();
    undo->addUndoAction(new TakenBack);
    undo->leaveUndoContext();
    undo->undo();
    undo->clearRedo();
}

bool Session::ownedByCommand(const UnoShape& shape) const {
    const auto object = identity(shape);
    auto same = [&](const UnoShape& s) { return identity(s) == object; };
    return std::any_of(inserted_.begin(), inserted_.end(), same) ||
           std::any_of(copies_.begin(), copies_.end(), same);
}

UnoShape Session::recordable(const UnoShape& shape) {
    if (!undo_.is() || ownedByCommand(shape)) return shape;
    auto slide = page();
    Reference<css::container::XChild> child(shape, css::uno::UNO_QUERY);
    // A member of a group cannot be copied alone: it changes as it is.
    if (!child.is() || identity(child->getParent()) != identity(slide)) return shape;
    flush();
    const sal_Int32 place = property<sal_Int32>(propertiesOf(shape), "ZOrder");
    auto pasted = unlocked([&] { return copyAndPaste(*link, controller(), {shape}, controller(), slide); });
    if (pasted.size() != 1) {
        for (const auto& copy : pasted) slide->remove(copy);
        throw HostError(messages::kLiveNotUndoable);
    }
    const UnoShape copy = pasted.front();
    takeNamesAndPlace(shape, copy, true);
    const std::string name =
        utf8(Reference<css::container::XNamed>(shape, css::uno::UNO_QUERY_THROW)->getName());
    forget(shape);
    slide->remove(shape);
    setProperty(propertiesOf(copy), "ZOrder", place);
    remember(name, copy);
    copies_.push_back(copy);
    return copy;
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

void Session::drop(const UnoShape& shape, const char* name) {
    const rtl::OUString property = rtl::OUString::createFromAscii(name);
    for (auto& [target, changes] : pending_)
        if (target == shape)
            std::erase_if(changes, [&](const auto& change) { return change.first == property; });
}

css::uno::Any Session::read(const UnoShape& shape, const char* name) {
    const rtl::OUString property = rtl::OUString::createFromAscii(name);
    for (const auto& [target, changes] : pending_)
        if (target == shape)
            for (const auto& change : changes)
                if (change.first == property) return change.second;
    return propertiesOf(shape)->getPropertyValue(property);
}

namespace {

void setAll(const Reference<css::uno::XInterface>& target,
            const std::vector<std::pair<rtl::OUString, css::uno::Any>>& changes) {
    css::uno::Sequence<rtl::OUString> names(static_cast<sal_Int32>(changes.size()));
    css::uno::Sequence<css::uno::Any> values(static_cast<sal_Int32>(changes.size()));
    for (std::size_t i = 0; i < changes.size(); ++i) {
        names.getArray()[i] = changes[i].first;
        values.getArray()[i] = changes[i].second;
    }
    Reference<css::beans::XMultiPropertySet>(target, css::uno::UNO_QUERY_THROW)
        ->setPropertyValues(names, values);
}

}  // namespace

void Session::flush() {
    auto pending = std::move(pending_);
    pending_.clear();
    for (const auto& [shape, changes] : pending) {
        setAll(shape, changes);
        // The shape's character properties are its text's defaults; the text it has
        // takes them as its own too, which is what a stored deck keeps.
        Changes character;
        for (const auto& change : changes)
            if (change.first.startsWith("Char")) character.push_back(change);
        if (character.empty() ||
            std::none_of(texted_.begin(), texted_.end(), [&](const auto& t) { return t == identity(shape); }))
            continue;
        auto cursor = Reference<css::text::XText>(shape, css::uno::UNO_QUERY_THROW)->createTextCursor();
        cursor->gotoStart(false);
        cursor->gotoEnd(true);
        setAll(cursor, character);
    }
}

void Session::hasText(const UnoShape& shape) {
    auto object = identity(shape);
    if (std::find(texted_.begin(), texted_.end(), object) == texted_.end()) texted_.push_back(object);
}

int Session::typeOf(const UnoShape& shape) {
    auto object = identity(shape);
    auto known = types_.find(object.get());
    if (known != types_.end()) return known->second.second;
    int type = office::impress::typeOf(shape);
    if (type == shapetype::AutoShape && unoShapeType(shape) == "com.sun.star.drawing.CustomShape" &&
        loaded_.typeOf(model, property<sal_Int16>(propertiesOf(page()), "Number"),
                       utf8(property<rtl::OUString>(propertiesOf(shape), "Name"))) == shapetype::TextBox)
        type = shapetype::TextBox;
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

void takeNamesAndPlace(const UnoShape& from, const UnoShape& to, bool top) {
    auto source = propertiesOf(from), target = propertiesOf(to);
    const auto name = property<rtl::OUString>(source, "Name");
    if (property<rtl::OUString>(target, "Name") != name) setProperty(target, "Name", name);
    if (top) {
        const auto at = from->getPosition(), now = to->getPosition();
        if (at.X != now.X || at.Y != now.Y) to->setPosition(at);
    }
    const auto members = membersOf(from), copies = membersOf(to);
    for (std::size_t i = 0; i < members.size() && i < copies.size(); ++i)
        takeNamesAndPlace(members[i], copies[i], false);
}

std::vector<UnoShape> copyAndPaste(const Link& link, const Reference<css::frame::XController>& from,
                                   const std::vector<UnoShape>& shapes,
                                   const Reference<css::frame::XController>& to,
                                   const Reference<css::drawing::XDrawPage>& slide) {
    KeptClipboard clipboard(link.context());
    auto chosen = css::drawing::ShapeCollection::create(link.context());
    for (const auto& shape : shapes) chosen->add(shape);
    Reference<css::view::XSelectionSupplier>(from, css::uno::UNO_QUERY_THROW)->select(css::uno::Any(chosen));
    auto dispatch = css::frame::DispatchHelper::create(link.context());
    dispatch->executeDispatch(
        Reference<css::frame::XDispatchProvider>(from->getFrame(), css::uno::UNO_QUERY_THROW), ".uno:Copy",
        "", 0, {});
    const sal_Int32 before = slide->getCount();
    dispatch->executeDispatch(
        Reference<css::frame::XDispatchProvider>(to->getFrame(), css::uno::UNO_QUERY_THROW), ".uno:Paste", "",
        0, {});
    std::vector<UnoShape> pasted;
    for (sal_Int32 i = before; i < slide->getCount(); ++i)
        pasted.emplace_back(slide->getByIndex(i), css::uno::UNO_QUERY_THROW);
    return pasted;
}

// Impress records neither shapes added through its API nor what is done to them, so
// the command's new shapes still on the slide are copied and pasted (which it records)
// in place of themselves, which go unrecorded: one undo takes them all away. The
// teacher's clipboard is kept.
void Session::recordInsertion(const std::vector<UnoShape>& inserted) {
    auto slide = page();
    std::vector<std::pair<UnoShape, sal_Int32>> fresh;
    for (const auto& shape : inserted) {
        try {
            Reference<css::container::XChild> child(shape, css::uno::UNO_QUERY_THROW);
            if (identity(child->getParent()) != identity(slide)) continue;
        } catch (const css::uno::RuntimeException&) {
            continue;  // deleted again
        }
        fresh.emplace_back(shape, property<sal_Int32>(propertiesOf(shape), "ZOrder"));
    }
    undo_->unlock();
    if (fresh.empty()) return;
    std::sort(fresh.begin(), fresh.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    std::vector<UnoShape> shapes;
    for (const auto& f : fresh) shapes.push_back(f.first);
    std::vector<UnoShape> pasted = copyAndPaste(*link, controller(), shapes, controller(), slide);
    // Pasted, or not at all: then the shapes stay as they are, only unrecorded.
    if (pasted.size() != fresh.size()) {
        undo_->lock();
        for (const auto& shape : pasted) slide->remove(shape);
        undo_->unlock();
        return;
    }
    for (std::size_t i = 0; i < pasted.size(); ++i) takeNamesAndPlace(fresh[i].first, pasted[i], true);
    undo_->lock();
    for (const auto& f : fresh) slide->remove(f.first);
    undo_->unlock();
    for (std::size_t i = 0; i < pasted.size(); ++i)
        setProperty(propertiesOf(pasted[i]), "ZOrder", fresh[i].second);
    namedNow_.clear();
    namedBefore_.clear();
}

namespace {

int shapesIn(const UnoShape& shape) {
    int count = 1;
    for (const auto& member : membersOf(shape)) count += shapesIn(member);
    return count;
}

}  // namespace

// Numbered as a deck file numbers them: every shape of the slide, grouped or not, and
// the slide itself have taken a number before.
std::string Session::defaultName(const char* kind) {
    if (nextId_ < 0) {
        auto slide = page();
        nextId_ = 2;
        for (sal_Int32 i = 0; i < slide->getCount(); ++i)
            nextId_ += shapesIn(UnoShape(slide->getByIndex(i), css::uno::UNO_QUERY_THROW));
    }
    return kind + std::to_string(nextId_++);
}

}  // namespace office::impress
