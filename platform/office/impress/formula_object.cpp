#include "platform/office/impress/formula_object.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/beans/XPropertySetInfo.hpp>
#include <com/sun/star/embed/Aspects.hpp>
#include <com/sun/star/embed/EmbedMapUnits.hpp>
#include <com/sun/star/embed/EmbedStates.hpp>
#include <com/sun/star/embed/XEmbeddedObject.hpp>
#include <filesystem>

#include "common/user_folders.h"
#include "platform/office/impress/hidden_document.h"
#include "platform/office/impress/uno_values.h"
#include "platform/office/pptx/deck_connector.h"

namespace office::impress {

namespace fs = std::filesystem;

namespace {

// LibreOffice Math's class id.
constexpr const char* kMathClassId = "078B7ABA-54FC-457F-8551-6147e776a997";

// The formula object's own document, loaded if it is not yet.
Reference<css::beans::XPropertySet> formulaOf(const Reference<css::drawing::XShape>& shape) {
    auto props = propertiesOf(shape);
    Reference<css::beans::XPropertySet> formula(props->getPropertyValue("Model"), css::uno::UNO_QUERY);
    if (formula.is()) return formula;
    Reference<css::embed::XEmbeddedObject> object(props->getPropertyValue("EmbeddedObject"),
                                                  css::uno::UNO_QUERY);
    if (object.is()) {
        object->changeState(css::embed::EmbedStates::RUNNING);
        formula.set(object->getComponent(), css::uno::UNO_QUERY);
    }
    if (!formula.is())
        throw HostError("LibreOffice has no formula objects: its Math module (libreoffice-math) is missing.");
    return formula;
}

// The one-slide deck file of the equation, gone with this.
struct EquationDeck {
    explicit EquationDeck(const PictureData& picture)
        : path(common::userCacheFolder() / ("equation-" + std::to_string(getpid()) + ".pptx")) {
        auto deck = pptx::DeckConnector(path.string(), 1).startNew();
        deck->presentationsAdd(true).slidesAdd(1, kLayoutBlank);
        deck->copyPicture(picture);
        slideHost(*deck).paste();
        deck->save();
    }
    ~EquationDeck() {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
    EquationDeck(const EquationDeck&) = delete;
    EquationDeck& operator=(const EquationDeck&) = delete;
    fs::path path;
};

// The formula text LibreOffice reads from the equation's Office Math, the way it imports
// the deck file: its MathML import (7.4) loses vectors, equation systems and vertical
// additions, its Office Math import keeps every construct.
rtl::OUString formulaTextOf(const Link& link, const PictureData& picture) {
    const EquationDeck deck(picture);
    const HiddenDocument read(link, deck.path);
    if (!read.model().is()) throw HostError("LibreOffice did not open the equation's deck file.");
    auto slide = read.page(1);
    for (sal_Int32 i = 0; slide.is() && i < slide->getCount(); ++i) {
        Reference<css::drawing::XShape> shape(slide->getByIndex(i), css::uno::UNO_QUERY_THROW);
        if (isFormulaObject(shape)) return property<rtl::OUString>(formulaOf(shape), "Formula");
    }
    throw HostError("LibreOffice read no formula object from the equation's Office Math.");
}

// LibreOffice stretches a formula's own layout to its frame, which is the typesetter's box
// as on the deck file; lone letters would grow taller than letters beside exponents. The
// formula is shown instead at its own size inside the typesetter's box (enlarged alike
// when the formula needs more room), so that every formula scales as its frame does.
void showInTypesetBox(const Reference<css::drawing::XShape>& shape, const PictureData& picture) {
    Reference<css::embed::XEmbeddedObject> object(propertiesOf(shape)->getPropertyValue("EmbeddedObject"),
                                                  css::uno::UNO_QUERY);
    constexpr sal_Int64 kContent = css::embed::Aspects::MSOLE_CONTENT;
    if (!object.is() || object->getMapUnit(kContent) != css::embed::EmbedMapUnits::ONE_100TH_MM) return;
    const auto natural = object->getVisualAreaSize(kContent);
    const double width = hmm(picture.width), height = hmm(picture.height);
    if (!(width > 0 && height > 0)) return;
    const double room = std::max({1.0, natural.Width / width, natural.Height / height});
    object->setVisualAreaSize(kContent, css::awt::Size(static_cast<sal_Int32>(std::lround(width * room)),
                                                       static_cast<sal_Int32>(std::lround(height * room))));
}

}  // namespace

void makeFormulaObject(const Link& link, const Reference<css::drawing::XShape>& shape,
                       const PictureData& picture) {
    const rtl::OUString text = formulaTextOf(link, picture);
    setProperty(propertiesOf(shape), "CLSID", rtl::OUString::createFromAscii(kMathClassId));
    setProperty(formulaOf(shape), "Formula", text);
    showInTypesetBox(shape, picture);
}

bool isFormulaObject(const Reference<css::drawing::XShape>& shape) {
    auto props = propertiesOf(shape);
    if (!props->getPropertySetInfo()->hasPropertyByName("CLSID")) return false;
    return property<rtl::OUString>(props, "CLSID")
        .equalsIgnoreAsciiCase(rtl::OUString::createFromAscii(kMathClassId));
}

}  // namespace office::impress
