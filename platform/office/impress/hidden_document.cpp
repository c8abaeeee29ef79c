#include "platform/office/impress/hidden_document.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/drawing/XDrawPagesSupplier.hpp>
#include <com/sun/star/util/XCloseable.hpp>

namespace office::impress {

namespace {

css::beans::PropertyValue option(const char* name, bool on) {
    css::beans::PropertyValue value;
    value.Name = rtl::OUString::createFromAscii(name);
    value.Value <<= on;
    return value;
}

}  // namespace

HiddenDocument::HiddenDocument(const Link& link, const std::filesystem::path& path) {
    const css::beans::PropertyValue options[] = {option("Hidden", true), option("ReadOnly", true)};
    model_.set(link.desktop()->loadComponentFromURL(
                   ou("file://" + std::filesystem::absolute(path).string()), "_blank", 0,
                   css::uno::Sequence<css::beans::PropertyValue>(options, 2)),
               css::uno::UNO_QUERY);
}

HiddenDocument::~HiddenDocument() {
    try {
        if (model_.is()) Reference<css::util::XCloseable>(model_, css::uno::UNO_QUERY_THROW)->close(true);
    } catch (const css::uno::Exception&) {
        // the office went away or keeps it: nothing more to do
    }
}

Reference<css::drawing::XDrawPage> HiddenDocument::page(int number) const {
    auto pages =
        Reference<css::drawing::XDrawPagesSupplier>(model_, css::uno::UNO_QUERY_THROW)->getDrawPages();
    if (number < 1 || number > pages->getCount()) return {};
    return Reference<css::drawing::XDrawPage>(pages->getByIndex(number - 1), css::uno::UNO_QUERY_THROW);
}

}  // namespace office::impress
