#include "platform/office/impress/loaded_deck.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <filesystem>
#include <osl/file.hxx>

#include "platform/office/impress/link.h"
#include "platform/office/pptx/deck_connector.h"

namespace office::impress {

namespace {

const char* const kPptxFilters[] = {"Impress MS PowerPoint 2007 XML", "Impress Office Open XML"};

// The .pptx file the presentation was opened from, or nothing.
std::string pptxFileOf(const Reference<css::frame::XModel>& model) {
    const rtl::OUString url = model->getURL();
    if (!url.startsWith("file://")) return {};
    rtl::OUString filter;
    for (const auto& argument : model->getArgs())
        if (argument.Name == "FilterName") argument.Value >>= filter;
    for (const char* pptx : kPptxFilters)
        if (filter.equalsAscii(pptx)) {
            rtl::OUString path;
            if (osl::FileBase::getSystemPathFromFileURL(url, path) != osl::FileBase::E_None) return {};
            return utf8(path);
        }
    return {};
}

}  // namespace

int LoadedDeck::typeOf(const Reference<css::frame::XModel>& model, int slide, const std::string& name) {
    if (path_.empty()) path_ = pptxFileOf(model);
    if (path_.empty() || !std::filesystem::exists(path_)) return 0;
    auto& deck = slides_[slide];
    try {
        if (!deck) deck = pptx::DeckConnector(path_, slide).attach();
        return office::slideHost(*deck).item(name)->type();
    } catch (const HostError&) {
        return 0;
    }
}

}  // namespace office::impress
