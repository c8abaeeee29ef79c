// Any bytes as a typed expression: normalised, compiled and evaluated at a few values
// of x, it must end without a crash or a sanitizer report; a value that succeeds is
// finite, and the plain-number machine agrees with the general one.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/script/expression.h"
#include "platform/script/literal.h"
#include "quillon4ppt/graph/curves/normalise_expression.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text =
        curves::NormaliseExpression(std::string_view(reinterpret_cast<const char*>(data), size));
    const script::Expression once(text);
    // Adding ((1 & 1) - 11), which is 0, sends the expression through the general machine.
    const script::Expression general("(" + text + ") + ((1 & 1) - 11)");
    const bool comparable =
        once.compileError() == script::ErrorKind::None && general.compileError() == script::ErrorKind::None;
    for (double x : {-2.5, -1.0, 0.0, 0.01, 1.0, 3.7, 1e6}) {
        const script::Result r = once.evaluate(script::AssignedValue(x));
        if (r.ok() && !std::isfinite(r.value)) std::abort();
        if (!comparable) continue;
        const script::Result g = general.evaluate(script::AssignedValue(x));
        if (g.error != r.error || (r.ok() && g.value != r.value && !(g.value == 0 && r.value == 0)))
            std::abort();
    }
    return 0;
}
