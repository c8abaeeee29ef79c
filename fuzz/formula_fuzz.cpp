// Any bytes as a formula: the translation must end, without a crash or a sanitizer
// report, and give valid UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/text.h"
#include "quillon4ppt/formula/translator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    formula::FormulaContext ctx;
    ctx.showMessage = [](const std::string&) {};
    std::string tex = formula::FormulaToTex(ctx, std::string_view(reinterpret_cast<const char*>(data), size));
    if (common::toUtf8(common::toUtf32(tex)) != tex) std::abort();
    return 0;
}
