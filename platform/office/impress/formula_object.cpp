#include "platform/office/impress/formula_object.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/beans/XPropertySetInfo.hpp>
#include <com/sun/star/document/XImporter.hpp>
#include <com/sun/star/io/SequenceInputStream.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/xml/sax/InputSource.hpp>
#include <com/sun/star/xml/sax/XFastParser.hpp>

#include "platform/office/host.h"
#include "platform/office/impress/uno_values.h"

namespace office::impress {

namespace {

// LibreOffice Math's class id.
constexpr const char* kMathClassId = "078B7ABA-54FC-457F-8551-6147e776a997";

void importMathMl(const Link& link, const Reference<css::lang::XComponent>& formula,
                  const std::string& mathml) {
    const auto& context = link.context();
    Reference<css::uno::XInterface> importer = context->getServiceManager()->createInstanceWithContext(
        "com.sun.star.comp.Math.XMLImporter", context);
    Reference<css::document::XImporter> target(importer, css::uno::UNO_QUERY);
    Reference<css::xml::sax::XFastParser> parser(importer, css::uno::UNO_QUERY);
    if (!target.is() || !parser.is()) throw HostError("LibreOffice's MathML import is missing.");
    target->setTargetDocument(formula);
    const css::uno::Sequence<sal_Int8> bytes(reinterpret_cast<const sal_Int8*>(mathml.data()),
                                             static_cast<sal_Int32>(mathml.size()));
    css::xml::sax::InputSource source;
    source.aInputStream.set(css::io::SequenceInputStream::createStreamFromSequence(context, bytes),
                            css::uno::UNO_QUERY_THROW);
    parser->parseStream(source);
}

}  // namespace

void makeFormulaObject(const Link& link, const Reference<css::drawing::XShape>& shape,
                       const std::string& mathml) {
    auto props = propertiesOf(shape);
    setProperty(props, "CLSID", rtl::OUString::createFromAscii(kMathClassId));
    Reference<css::lang::XComponent> formula(props->getPropertyValue("Model"), css::uno::UNO_QUERY);
    if (!formula.is())
        throw HostError(
            "LibreOffice cannot make a formula object: its Math module (libreoffice-math) is missing.");
    importMathMl(link, formula, mathml);
}

bool isFormulaObject(const Reference<css::drawing::XShape>& shape) {
    auto props = propertiesOf(shape);
    if (!props->getPropertySetInfo()->hasPropertyByName("CLSID")) return false;
    return property<rtl::OUString>(props, "CLSID")
        .equalsIgnoreAsciiCase(rtl::OUString::createFromAscii(kMathClassId));
}

}  // namespace office::impress
