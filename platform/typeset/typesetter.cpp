#include "platform/typeset/typesetter.h"

#include <charconv>
#include <system_error>
#include <vector>

#include "platform/typeset/child_process.h"
#include "platform/typeset/svg_png.h"

namespace typeset {

namespace {

using namespace std::chrono_literals;

constexpr auto kStartLimit = 30s;   // loading MathJax on a busy machine
constexpr auto kAnswerLimit = 20s;  // one equation
// 576 dots to the inch: sharp when the formula window enlarges an equation to 45 points.
constexpr double kPixelsPerPoint = 8;

constexpr const char* kNodeMissing =
    "The typesetter needs Node.js, which was not found: install the Debian package nodejs "
    "(scripts/install-deps does).";

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
    if (!std::filesystem::exists(script))
        throw TypesetterMissing("The typesetter's script " + script.string() +
                                " is missing: build the program again (cmake --build).");
    try {
        child_ = std::make_unique<ChildProcess>(std::vector<std::string>{"node", script.string()},
                                                folder_.string());
    } catch (const std::system_error& e) {
        if (e.code() == std::errc::no_such_file_or_directory) throw TypesetterMissing(kNodeMissing);
        throw TypesetterMissing(std::string("The typesetter cannot be started: ") + e.what() + ".");
    }
    ready_ = false;
}

void Typesetter::start() {
    launch();
    if (ready_) return;
    std::unique_ptr<ChildProcess> child = std::move(child_);
    const std::string script = (folder_ / "typeset.js").string();
    std::string line;
    if (!child->readLine(line, kStartLimit))
        throw TypesetterMissing("The typesetter (node " + script + ") ended or did not answer at start.");
    if (line != "ready") {
        auto head = words(line);
        std::size_t n = 0;
        std::string message;
        if (head.size() == 2 && head[0] == "missing" && parse(head[1], n))
            child->readBytes(n, message, kStartLimit);
        throw TypesetterMissing("MathJax (the npm package mathjax-full) was not found beside " + script +
                                ": run scripts/install-deps and build again. " + message);
    }
    child_ = std::move(child);
    ready_ = true;
}

Equation Typesetter::typeset(const std::string& tex) {
    start();
    auto lost = [this](const char* what) {
        child_.reset();
        return TypesetError(std::string("the typesetter ") + what);
    };
    if (!child_->send(std::to_string(tex.size()) + "\n" + tex)) throw lost("has ended");
    std::string line, body;
    if (!child_->readLine(line, kAnswerLimit)) throw lost("did not answer");
    auto head = words(line);
    std::size_t n = 0;
    if (head.empty() || !parse(head.back(), n) || !child_->readBytes(n, body, kAnswerLimit))
        throw lost("gave an answer it cannot read");
    if (head.size() == 2 && head[0] == "error") throw TypesetError(body);
    Equation eq;
    if (head.size() != 4 || head[0] != "svg" || !parse(head[1], eq.width) || !parse(head[2], eq.height))
        throw lost("gave an answer it cannot read");
    eq.svg = std::move(body);
    try {
        eq.png = pngFromSvg(eq.svg, eq.width, eq.height, kPixelsPerPoint);
    } catch (const std::runtime_error& e) {
        throw TypesetError(e.what());
    }
    return eq;
}

}  // namespace typeset
