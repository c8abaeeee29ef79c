#include "platform/office/impress/sheet_paste.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/drawing/XDrawPagesSupplier.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <filesystem>

#include "platform/office/impress/shape_objects.h"
#include "platform/office/impress/uno_values.h"

namespace office::impress {

namespace {

using Properties = css::uno::Sequence<css::beans::PropertyValue>;

css::beans::PropertyValue option(const char* name, bool on) {
    css::beans::PropertyValue value;
    value.Name = rtl::OUString::createFromAscii(name);
    value.Value <<= on;
    return value;
}

// The sheet, opened for this paste only and closed again whatever happens.
class HiddenSheet {
public:
    HiddenSheet(const Link& link, const std::string& path) {
        const css::beans::PropertyValue options[] = {option("Hidden", true), option("ReadOnly", true)};
        model_.set(
            link.desktop()->loadComponentFromURL(ou("file://" + std::filesystem::absolute(path).string()),
                                                 "_blank", 0, Properties(options, 2)),
            css::uno::UNO_QUERY);
        if (!model_.is()) throw HostError(messages::fill(messages::kLiveSheetUnopened, {path}));
    }
    ~HiddenSheet() {
        try {
            Reference<css::util::XCloseable>(model_, css::uno::UNO_QUERY_THROW)->close(true);
        } catch (const css::uno::Exception&) {
            // the office went away or keeps it: nothing more to do
        }
    }
    HiddenSheet(const HiddenSheet&) = delete;
    HiddenSheet& operator=(const HiddenSheet&) = delete;

    Reference<css::frame::XController> controller() const { return model_->getCurrentController(); }
    std::vector<UnoShape> shapes(int page, const std::vector<std::string>& names) const {
        auto pages =
            Reference<css::drawing::XDrawPagesSupplier>(model_, css::uno::UNO_QUERY_THROW)->getDrawPages();
        if (page < 1 || page > pages->getCount())
            throw HostError(messages::fill(messages::kLiveSheetNoPage, {std::to_string(page)}));
        Reference<css::drawing::XDrawPage> slide(pages->getByIndex(page - 1), css::uno::UNO_QUERY_THROW);
        std::vector<UnoShape> found;
        for (const auto& name : names) found.push_back(named(slide, name));
        return found;
    }

private:
    static UnoShape named(const Reference<css::drawing::XDrawPage>& slide, const std::string& name) {
        for (sal_Int32 i = 0; i < slide->getCount(); ++i) {
            UnoShape shape(slide->getByIndex(i), css::uno::UNO_QUERY_THROW);
            if (Reference<css::container::XNamed>(shape, css::uno::UNO_QUERY_THROW)->getName() == ou(name))
                return shape;
        }
        throw HostError(messages::fill(messages::kLiveSheetNoShape, {name}));
    }
    Reference<css::frame::XModel> model_;
};

}  // namespace

void pasteSheetShapes(Session& s, const ShapeClip& clip) {
    s.call([&] {
        HiddenSheet sheet(*s.link, clip.sheet);
        const std::vector<UnoShape> wanted = sheet.shapes(clip.page, clip.names);
        s.changing();
        auto pasted = s.unlocked(
            [&] { return copyAndPaste(*s.link, sheet.controller(), wanted, s.controller(), s.page()); });
        if (pasted.size() != wanted.size()) throw HostError(messages::kLivePasteFailed);
        for (std::size_t i = 0; i < pasted.size(); ++i) takeNamesAndPlace(wanted[i], pasted[i], true);
        selectShapes(s, pasted, true);
    });
}

}  // namespace office::impress
