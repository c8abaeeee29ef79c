#include "platform/typeset/typesetter.h"

#include <charconv>
#include <string_view>
#include <system_error>
#include <vector>

#include "common/messages.h"
#include "platform/typeset/child_process.h"
#include "platform/typeset/svg_png.h"

namespace typeset {

namespace {

using namespace std::chrono_literals;

constexpr auto kStartLimit = 30s;   // loading MathJax on a busy machine
constexpr auto kAnswerLimit = 20s;  // one equation
// 576 dots to the inch: sharp when the formula window enlarges an equation to 45 points.
constexpr double kPixelsPerPoint = 8;

namespace msg = common::messages;

struct FaultText {
    std::string_view fault;
    const char* text;
};
// MathJax's names for what is wrong with a TeX text, as the teacher's formula can cause them.
constexpr FaultText kFaultTexts[] = {
    {"MissingArgFor", msg::kTexMissingArgument},
    {"MissingScript", msg::kTexMissingArgument},
    {"DoubleExponent", msg::kTexDoubleExponent},
    {"DoubleSubscripts", msg::kTexDoubleSubscript},
    {"MissingOpenForSup", msg::kTexMissingBase},
    {"MissingOpenForSub", msg::kTexMissingBase},
    {"ExtraOpenMissingClose", msg::kTexMissingClose},
    {"MissingCloseBrace", msg::kTexMissingClose},
    {"EnvMissingEnd", msg::kTexMissingClose},
    {"ExtraLeftMissingRight", msg::kTexMissingClose},
    {"ExtraCloseMissingOpen", msg::kTexExtraClose},
    {"MissingLeftExtraRight", msg::kTexExtraClose},
    {"ExtraCloseLooking", msg::kTexExtraClose},
    {"Misplaced", msg::kTexMisplaced},
    {"UndefinedControlSequence", msg::kTexUnknownCommand},
    {"UnknownEnv", msg::kTexUnknownCommand},
    {"CallStack", msg::kTexTooDeep},
    {"Lost", msg::kTypesetLost},
};

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < line.size()) {
        std::size_t end = line.find(' ', at);
        if (end == std::string::npos) end = line.size();
        if (end > at) out.push_back(line.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

template <typename Number>
bool parse(const std::string& text, Number& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::string TypesetError::reason() const {
    for (const auto& [fault, text] : kFaultTexts)
        if (fault == fault_) return text;
    return msg::kTexOther;
}

std::filesystem::path typesetFolder(const std::filesystem::path& programFolder) {
    return programFolder / "typeset";
}

// Absolute: the process runs in that folder, and a relative name would then miss it.
Typesetter::Typesetter(std::filesystem::path folder) : folder_(std::filesystem::absolute(folder)) {}

Typesetter::~Typesetter() = default;

bool Typesetter::running() const {
    return child_ != nullptr;
}

int Typesetter::processId() const {
    return child_ ? child_->pid() : 0;
}

void Typesetter::stop() {
    child_.reset();
}

void Typesetter::launch() {
    if (child_) return;
    std::filesystem::path script = folder_ / "typeset.js";
    if (!std::filesystem::exists(script)) throw TypesetterMissing(msg::kTypesetFilesMissing);
    try {
        child_ = std::make_unique<ChildProcess>(std::vector<std::string>{"node", script.string()},
                                                folder_.string());
    } catch (const std::system_error& e) {
        if (e.code() == std::errc::no_such_file_or_directory)
            throw TypesetterMissing(msg::kTypesetNodeMissing);
        throw TypesetterMissing(msg::kTypesetNotStarted);
    }
    ready_ = false;
}

void Typesetter::start() {
    launch();
    if (ready_) return;
    std::unique_ptr<ChildProcess> child = std::move(child_);
    std::string line;
    if (!child->readLine(line, kStartLimit)) throw TypesetterMissing(msg::kTypesetNotStarted);
    // "missing": MathJax or the converter is not beside the script.
    if (line != "ready") throw TypesetterMissing(msg::kTypesetFilesMissing);
    child_ = std::move(child);
    ready_ = true;
}

Equation Typesetter::typeset(const std::string& tex) {
    start();
    auto lost = [this](const char* what) {
        child_.reset();
        return TypesetError(std::string("the typesetter ") + what, "Lost");
    };
    if (!child_->send(std::to_string(tex.size()) + "\n" + tex)) throw lost("has ended");
    std::string line;
    if (!child_->readLine(line, kAnswerLimit)) throw lost("did not answer");
    auto head = words(line);
    const bool error = head.size() == 3 && head[0] == "error";
    if (!error && (head.size() != 6 || head[0] != "equation")) throw lost("gave an answer it cannot read");
    std::vector<std::string> bodies;
    for (std::size_t i = error ? 2 : 3; i < head.size(); ++i) {
        std::size_t n = 0;
        if (!parse(head[i], n) || !child_->readBytes(n, bodies.emplace_back(), kAnswerLimit))
            throw lost("gave an answer it cannot read");
    }
    if (error) throw TypesetError(bodies[0], head[1]);
    Equation eq;
    if (!parse(head[1], eq.width) || !parse(head[2], eq.height)) throw lost("gave an answer it cannot read");
    eq.svg = std::move(bodies[0]);
    eq.mathml = std::move(bodies[1]);
    eq.omml = std::move(bodies[2]);
    try {
        eq.png = pngFromSvg(eq.svg, eq.width, eq.height, kPixelsPerPoint);
    } catch (const std::runtime_error& e) {
        throw TypesetError(e.what());
    }
    return eq;
}

}  // namespace typeset
