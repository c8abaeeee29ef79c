#include <com/sun/star/awt/XTopWindow.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/drawing/XDrawPages.hpp>
#include <com/sun/star/drawing/XDrawPagesSupplier.hpp>
#include <com/sun/star/drawing/XDrawView.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/view/XSelectionSupplier.hpp>

#include "platform/office/impress/impress_connector.h"
#include "platform/office/impress/shape_objects.h"
#include "platform/office/impress/sheet_paste.h"
#include "platform/office/impress/slide_shapes.h"
#include "platform/office/impress/text_objects.h"
#include "platform/office/impress/uno_values.h"

namespace office::impress {

namespace {

// PageLayout AUTOLAYOUT_NONE: a slide without placeholders.
constexpr sal_Int16 kBlankLayout = 20;

bool isPresentation(const Reference<css::uno::XInterface>& component) {
    Reference<css::lang::XServiceInfo> info(component, css::uno::UNO_QUERY);
    return info.is() && info->supportsService("com.sun.star.presentation.PresentationDocument");
}

// The frontmost presentation: the desktop's current document when it is one, else the
// first presentation the desktop lists.
Reference<css::frame::XModel> frontmostPresentation(const Link& link) {
    Reference<css::frame::XModel> current(link.desktop()->getCurrentComponent(), css::uno::UNO_QUERY);
    if (current.is() && isPresentation(current)) return current;
    auto all = link.desktop()->getComponents()->createEnumeration();
    while (all->hasMoreElements()) {
        Reference<css::frame::XModel> model(all->nextElement(), css::uno::UNO_QUERY);
        if (model.is() && isPresentation(model) && model->getCurrentController().is()) return model;
    }
    return nullptr;
}

Reference<css::drawing::XDrawPages> slidesOf(const Session& s) {
    if (!s.model.is()) throw HostError(messages::kLiveNoPresentation);
    return Reference<css::drawing::XDrawPagesSupplier>(s.model, css::uno::UNO_QUERY_THROW)->getDrawPages();
}

void makeBlank(const Reference<css::drawing::XDrawPage>& slide) {
    setProperty(propertiesOf(slide), "Layout", kBlankLayout);
    while (slide->getCount() > 0) slide->remove(UnoShape(slide->getByIndex(0), css::uno::UNO_QUERY_THROW));
}

class ImpressSelection : public Selection {
public:
    explicit ImpressSelection(SessionPtr s) : s_(s), shapes_(slideShapes(s)) {}
    int type() const override {
        return s_->call([&] { return selectedShapes(*s_).empty() ? selection::Slides : selection::Shapes; });
    }
    SlideHost& shapes() override {
        s_->call([&] { s_->page(); });
        return *shapes_;
    }
    ShapeRangePtr shapeRange() override {
        auto shapes = s_->call([&] { return selectedShapes(*s_); });
        if (shapes.empty()) throw HostError(messages::kLiveNothingSelected);
        return rangeHandle(s_, std::move(shapes));
    }
    std::unique_ptr<TextRange> textRange() override {
        auto shapes = s_->call([&] { return selectedShapes(*s_); });
        if (shapes.size() != 1) throw HostError(messages::kLiveNoTextSelected);
        shapeHandle(s_, shapes[0])->textFrame().textRange();
        return chosenTextOf(s_, shapes[0]);
    }
    void unselect() override {
        s_->call([&] { selectShapes(*s_, {}, true); });
    }

private:
    SessionPtr s_;
    std::unique_ptr<SlideHost> shapes_;
};

class ImpressWindow : public DocumentWindow {
public:
    explicit ImpressWindow(SessionPtr s) : s_(s), selection_(std::move(s)) {}
    Selection& selection() override { return selection_; }
    void viewPaste() override { selection_.shapes().paste(); }
    void viewPasteShapes(const ShapeClip& clip) override { pasteSheetShapes(*s_, clip); }

private:
    SessionPtr s_;
    ImpressSelection selection_;
};

class ImpressPresentation : public Presentation {
public:
    explicit ImpressPresentation(SessionPtr s) : s_(std::move(s)) {}
    void slidesAdd(int index, int layout) override {
        if (layout != kLayoutBlank) throw HostError(messages::kLiveOnlyBlankSlides);
        s_->call([&] {
            auto slides = slidesOf(*s_);
            if (s_->fresh && index == 1) {
                s_->fresh = false;
                return;
            }
            if (index < 2 || index > slides->getCount() + 1) throw HostError(messages::kLiveSlidePlace);
            s_->changing();
            makeBlank(slides->insertNewByIndex(index - 2));
        });
    }
    float slideWidth() const override { return size("Width"); }
    float slideHeight() const override { return size("Height"); }

private:
    float size(const char* which) const {
        return points(s_->call([&] {
            Reference<css::drawing::XDrawPage> first(slidesOf(*s_)->getByIndex(0), css::uno::UNO_QUERY_THROW);
            return property<sal_Int32>(propertiesOf(first), which);
        }));
    }
    SessionPtr s_;
};

class ImpressApplication : public Application {
public:
    explicit ImpressApplication(SessionPtr s) : s_(s), window_(s), presentation_(s) {}
    ~ImpressApplication() override {
        try {
            save();
        } catch (...) {
            // the office is gone or refuses: its undo step stays as it is
        }
        s_->link->leave();
    }
    DocumentWindow& activeWindow() override {
        s_->call([&] {
            if (!s_->model.is()) throw HostError(messages::kLiveNoPresentation);
            s_->controller();
        });
        return window_;
    }
    Presentation& activePresentation() override {
        s_->call([&] { slidesOf(*s_); });
        return presentation_;
    }
    void setVisible(bool on) override {
        s_->call([&] {
            if (s_->model.is()) s_->controller()->getFrame()->getContainerWindow()->setVisible(on);
        });
    }
    void activate() override {
        s_->call([&] {
            Reference<css::awt::XTopWindow> top(s_->controller()->getFrame()->getContainerWindow(),
                                                css::uno::UNO_QUERY);
            if (top.is()) top->toFront();
        });
    }
    Presentation& presentationsAdd(bool withWindow) override {
        s_->call([&] {
            css::beans::PropertyValue hidden;
            hidden.Name = "Hidden";
            hidden.Value <<= !withWindow;
            auto loaded = s_->link->desktop()->loadComponentFromURL(
                "private:factory/simpress", "_blank", 0,
                css::uno::Sequence<css::beans::PropertyValue>(&hidden, 1));
            s_->model.set(loaded, css::uno::UNO_QUERY_THROW);
            s_->link->watch(s_->model);
            makeBlank(
                Reference<css::drawing::XDrawPage>(slidesOf(*s_)->getByIndex(0), css::uno::UNO_QUERY_THROW));
            s_->fresh = true;
        });
        return presentation_;
    }
    void copyPicture(const PictureData& picture) override { s_->clipboard = picture; }
    void beginCommand() override {
        s_->call([&] {
            if (s_->model.is()) s_->changing();
        });
    }
    void endCommand(bool succeeded) override {
        if (succeeded) return save();
        if (s_->link->lost()) return;
        s_->call([&] { s_->commandFailed(); });
    }
    // The presentation is the teacher's to save: a command's end closes its undo step.
    void save() override {
        if (s_->link->lost()) return;
        s_->call([&] { s_->commandDone(); });
    }

private:
    SessionPtr s_;
    ImpressWindow window_;
    ImpressPresentation presentation_;
};

std::shared_ptr<Link> openLink(const std::string& pipe,
                               const std::function<void(const std::string&)>& onLost) {
    auto link = Link::open(pipe);
    link->setLostHandler(onLost);
    return link;
}

}  // namespace

ImpressConnector::ImpressConnector(std::string pipe) : pipe_(std::move(pipe)) {}

std::unique_ptr<Application> ImpressConnector::attach() {
    auto session = std::make_shared<Session>();
    session->link = openLink(pipe_, onLost_);
    session->model = session->call([&] { return frontmostPresentation(*session->link); });
    if (!session->model.is()) throw HostNotRunning(messages::kLiveNoPresentation);
    session->link->watch(session->model);
    return std::make_unique<ImpressApplication>(session);
}

std::unique_ptr<Application> ImpressConnector::startNew() {
    auto session = std::make_shared<Session>();
    try {
        session->link = openLink(pipe_, onLost_);
    } catch (const HostNotRunning&) {
        throw HostError(HostError::Sentence{}, kNoPresentationProgram);
    }
    return std::make_unique<ImpressApplication>(session);
}

void ImpressConnector::whenLost(std::function<void(const std::string& message)> handler) {
    onLost_ = std::move(handler);
}

bool listening(const std::string& pipe) {
    try {
        Link::open(pipe);
        return true;
    } catch (const HostError&) {
        return false;
    }
}

}  // namespace office::impress
