#pragma once
// What one run of the program holds of the running office: the link, the presentation
// it works on, and what one command has open there: its undo step, the slide it works
// on, the shapes it named and property changes not yet sent.
#include <com/sun/star/document/XUndoManager.hpp>
#include <com/sun/star/drawing/XDrawPage.hpp>
#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/office/impress/link.h"
#include "platform/office/impress/loaded_deck.h"

namespace office::impress {

using UnoShape = Reference<css::drawing::XShape>;

struct Arrowhead {
    int style = 1, length = 2, width = 2;  // MsoArrowheadStyle, -Length, -Width
};

class Session {
public:
    std::shared_ptr<Link> link;
    Reference<css::frame::XModel> model;  // the presentation the tools work on
    // A presentation just added: its one slide stands for no slide yet.
    bool fresh = false;
    // What another program copied: the picture the next paste puts on the slide.
    std::optional<PictureData> clipboard;
    // The characters a text range's select() chose, while their shape stays selected.
    struct ChosenText {
        Reference<css::drawing::XShape> shape;
        std::size_t from = 0, count = 0;
    };
    std::optional<ChosenText> chosenText;

    // Runs UNO calls that need the shapes as they are: property changes not yet sent
    // go first.
    template <typename Calls>
    auto call(Calls&& calls) -> decltype(calls()) {
        return link->call([&] {
            flush();
            return calls();
        });
    }
    // Runs UNO calls that read and write properties through set() and get().
    template <typename Calls>
    auto buffered(Calls&& calls) -> decltype(calls()) {
        return link->call(std::forward<Calls>(calls));
    }

    // These make UNO calls: use them inside call() or buffered().
    Reference<css::frame::XController> controller() const;
    // The slide shown in the window, walked afresh for every command.
    Reference<css::drawing::XDrawPage> page();
    Reference<css::lang::XMultiServiceFactory> factory() const;
    // Before a change: everything one command changes becomes one undo step.
    void changing();
    // The command is over: its changes are sent and its undo step is closed.
    void commandDone();
    // The command failed: its changes are taken back, and it leaves no undo step.
    void commandFailed();
    // Before a change Impress would not record to a shape on the slide: the shape makes
    // way for a copy of itself, which Impress records, and the copy takes the change.
    // The copy, or the shape itself when the change is recorded anyway.
    UnoShape recordable(const UnoShape& shape);
    // This command added the shape to the slide, or made it as a recordable copy.
    bool ownedByCommand(const UnoShape& shape) const;
    // Runs calls that must see the window as it is, though the command locked it.
    template <typename Calls>
    auto unlocked(Calls&& calls) -> decltype(calls()) {
        if (!undo_.is()) return calls();
        model->unlockControllers();
        struct Relock {
            Reference<css::frame::XModel> model;
            ~Relock() {
                try {
                    model->lockControllers();
                } catch (const css::uno::Exception&) {
                    // the office went away: the command fails with that
                }
            }
        } relock{model};
        return calls();
    }

    // A property change, sent with the shape's other changes in one call.
    void set(const UnoShape& shape, const char* name, const css::uno::Any& value);
    // A change not to be sent after all.
    void drop(const UnoShape& shape, const char* name);
    template <typename T>
    T get(const UnoShape& shape, const char* name) {
        T value{};
        read(shape, name) >>= value;
        return value;
    }
    void flush();
    // The shape's text is not empty.
    void hasText(const UnoShape& shape);
    // MsoShapeType, asked once a command.
    int typeOf(const UnoShape& shape);

    // Shapes named by this run, found again without walking the slide: those of this
    // command as they are, those of earlier ones once checked. None when not known.
    void remember(const std::string& name, const UnoShape& shape);
    void forget(const UnoShape& shape);
    UnoShape named(const std::string& name);
    // A new shape's default name.
    std::string defaultName(const char* kind);
    // A shape this command added to the slide, or a group it made.
    void inserted(const UnoShape& shape);
    bool inserting() const { return !inserted_.empty(); }

    // The arrowheads this run gave, with the length and width of those set to none.
    std::map<std::pair<css::uno::XInterface*, bool>, std::pair<Reference<css::uno::XInterface>, Arrowhead>>
        arrowheads;

private:
    void recordInsertion(const std::vector<UnoShape>& inserted);
    void endStep();
    // Whatever happens at a command's end, the next command walks the slide afresh and
    // has its own undo step.
    struct StepEnd {
        Session& s;
        ~StepEnd() { s.endStep(); }
    };
    css::uno::Any read(const UnoShape& shape, const char* name);
    using Changes = std::vector<std::pair<rtl::OUString, css::uno::Any>>;
    std::vector<std::pair<UnoShape, Changes>> pending_;
    Reference<css::document::XUndoManager> undo_;
    Reference<css::drawing::XDrawPage> page_;
    std::map<css::uno::XInterface*, std::pair<Reference<css::uno::XInterface>, int>> types_;
    std::map<std::string, UnoShape> namedNow_, namedBefore_;
    sal_Int32 nextId_ = -1;
    std::vector<UnoShape> inserted_, copies_;
    LoadedDeck loaded_;
    std::vector<Reference<css::uno::XInterface>> texted_;
};
using SessionPtr = std::shared_ptr<Session>;

// Copies the shapes, selected in the window `from` shows, and pastes them onto `slide`,
// shown in `to`; the pasted shapes, back to front. The teacher's clipboard is kept.
std::vector<UnoShape> copyAndPaste(const Link& link, const Reference<css::frame::XController>& from,
                                   const std::vector<UnoShape>& shapes,
                                   const Reference<css::frame::XController>& to,
                                   const Reference<css::drawing::XDrawPage>& slide);

// The pasted copy of a shape takes the names of the shape and its members, which Impress
// changed to keep them apart, and (`top`) its place, which the paste moved.
void takeNamesAndPlace(const UnoShape& from, const UnoShape& to, bool top);

// One object, whichever of its interfaces a reference holds.
Reference<css::uno::XInterface> identity(const Reference<css::uno::XInterface>& object);

}  // namespace office::impress
