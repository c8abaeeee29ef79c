#include "platform/office/impress/sheet_paste.h"

#include <com/sun/star/container/XNamed.hpp>

#include "platform/office/impress/hidden_document.h"
#include "platform/office/impress/shape_objects.h"
#include "platform/office/impress/uno_values.h"

namespace office::impress {

namespace {

UnoShape named(const Reference<css::drawing::XDrawPage>& slide, const std::string& name) {
    for (sal_Int32 i = 0; i < slide->getCount(); ++i) {
        UnoShape shape(slide->getByIndex(i), css::uno::UNO_QUERY_THROW);
        if (Reference<css::container::XNamed>(shape, css::uno::UNO_QUERY_THROW)->getName() == ou(name))
            return shape;
    }
    throw HostError(messages::fill(messages::kLiveSheetNoShape, {name}));
}

std::vector<UnoShape> shapesOf(const HiddenDocument& sheet, const ShapeClip& clip) {
    if (!sheet.model().is()) throw HostError(messages::fill(messages::kLiveSheetUnopened, {clip.sheet}));
    auto slide = sheet.page(clip.page);
    if (!slide.is()) throw HostError(messages::fill(messages::kLiveSheetNoPage, {std::to_string(clip.page)}));
    std::vector<UnoShape> found;
    for (const auto& name : clip.names) found.push_back(named(slide, name));
    return found;
}

}  // namespace

void pasteSheetShapes(Session& s, const ShapeClip& clip) {
    s.call([&] {
        HiddenDocument sheet(*s.link, clip.sheet);
        const std::vector<UnoShape> wanted = shapesOf(sheet, clip);
        s.changing();
        auto pasted = s.unlocked([&] {
            return copyAndPaste(*s.link, sheet.model()->getCurrentController(), wanted, s.controller(),
                                s.page());
        });
        if (pasted.size() != wanted.size()) throw HostError(messages::kLivePasteFailed);
        for (std::size_t i = 0; i < pasted.size(); ++i) takeNamesAndPlace(wanted[i], pasted[i], true);
        selectShapes(s, pasted, true);
    });
}

}  // namespace office::impress
