#pragma once
// The equation typesetter: a hidden child process (node running MathJax) that turns TeX
// into an equation: a picture, MathML and Office Math. One process serves every equation of a program run; it
// ends with the Typesetter, and on its own when the program dies (its input reaches its end).
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace typeset {

// MathJax could not typeset the TeX; what() is MathJax's own message, fault() MathJax's
// name for it ("Lost" when the typesetter went away).
class TypesetError : public std::runtime_error {
public:
    TypesetError(const std::string& message, std::string fault = "Other")
        : std::runtime_error(message), fault_(std::move(fault)) {}
    const std::string& fault() const { return fault_; }
    // What the teacher reads: a Chinese sentence on what to change in the formula.
    std::string reason() const;

private:
    std::string fault_;
};

// node, MathJax or the typesetter's script is missing; what() says so in Chinese and how
// to mend it.
class TypesetterMissing : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Equation {
    std::string svg;
    std::string png;
    std::string mathml;
    std::string omml;  // one m:oMath
    // Natural size in points, at a 12-point body text: as high as a line of that text
    // at least.
    float width = 0, height = 0;
};

class ChildProcess;

class Typesetter {
public:
    // folder: where typeset.js and its node_modules lie (the program folder's "typeset").
    explicit Typesetter(std::filesystem::path folder);
    ~Typesetter();
    Typesetter(const Typesetter&) = delete;
    Typesetter& operator=(const Typesetter&) = delete;

    // Starts the process without waiting for it to load MathJax, so that it loads while
    // the teacher types; TypesetterMissing when it cannot be started.
    void launch();
    // Starts the process unless it runs already and waits until it is ready;
    // TypesetterMissing when it cannot.
    void start();
    // The TeX without delimiters. Starts the process when needed.
    Equation typeset(const std::string& tex);
    // Ends the process and waits for it; the next typeset starts a new one.
    void stop();
    bool running() const;
    // The process id while it runs, else 0.
    int processId() const;

private:
    std::filesystem::path folder_;
    std::unique_ptr<ChildProcess> child_;
    bool ready_ = false;
};

// The typesetter's folder beside a program: <program folder>/typeset.
std::filesystem::path typesetFolder(const std::filesystem::path& programFolder);

}  // namespace typeset
