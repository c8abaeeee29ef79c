// The reader of expressions: a precedence parser that emits the program as it goes.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/script/literal.h"
#include "platform/script/program.h"

namespace script {
namespace {

struct Refused {
    ErrorKind kind;
};

constexpr int kMaxNesting = 256;

// Binary operators by level, loosest first; the level of Not and of the signs parse
// their own prefixes.
enum Level { kImp, kEqv, kXor, kOr, kAnd, kNot, kCompare, kConcat, kAdd, kMod, kIntDivide, kMultiply, kSign };

struct NamedFunction {
    std::string_view name;
    Function function;
    int minArguments, maxArguments;
};

constexpr std::array<NamedFunction, 15> kFunctions{{
    {"abs", Function::Abs, 1, 1},
    {"atn", Function::Atn, 1, 1},
    {"cos", Function::Cos, 1, 1},
    {"exp", Function::Exp, 1, 1},
    {"fix", Function::Fix, 1, 1},
    {"int", Function::Int, 1, 1},
    {"log", Function::Log, 1, 1},
    {"round", Function::Round, 1, 2},
    {"sgn", Function::Sgn, 1, 1},
    {"sin", Function::Sin, 1, 1},
    {"sqr", Function::Sqr, 1, 1},
    {"tan", Function::Tan, 1, 1},
    {"cdbl", Function::CDbl, 1, 1},
    {"cint", Function::CInt, 1, 1},
    {"clng", Function::CLng, 1, 1},
}};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsNameChar(char c) {
    return IsLetter(c) || (c >= '0' && c <= '9') || c == '_';
}
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) { next(); }

    Program run() {
        parseLevel(kImp);
        if (kind_ != Token::End) throw Refused{ErrorKind::Syntax};
        return std::move(program_);
    }

private:
    enum class Token { End, Number, Name, Symbol };

    void next() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) ++at_;
        if (at_ == text_.size()) {
            kind_ = Token::End;
            return;
        }
        const std::string_view rest = text_.substr(at_);
        const char c = rest[0];
        if ((c >= '0' && c <= '9') || c == '.' || c == '&') {
            const Literal lit = ReadLiteral(rest);
            if (lit.length > 0) {
                if (lit.error != ErrorKind::None) throw Refused{lit.error};
                kind_ = Token::Number, number_ = lit.value, at_ += lit.length;
                return;
            }
        }
        if (IsLetter(c)) {
            std::size_t end = 1;
            while (end < rest.size() && IsNameChar(rest[end])) ++end;
            word_.clear();
            for (char n : rest.substr(0, end)) word_ += Lower(n);
            kind_ = Token::Name, at_ += end;
            return;
        }
        for (std::string_view two : {"<>", "<=", ">="})
            if (rest.substr(0, 2) == two) {
                kind_ = Token::Symbol, word_ = two, at_ += 2;
                return;
            }
        if (std::string_view("+-*/\\^&=<>(),").find(c) == std::string_view::npos)
            throw Refused{ErrorKind::Syntax};
        kind_ = Token::Symbol, word_ = std::string(1, c), ++at_;
    }

    bool is(std::string_view word) const {
        return (kind_ == Token::Symbol || kind_ == Token::Name) && word_ == word;
    }
    void expect(std::string_view symbol) {
        if (!is(symbol)) throw Refused{ErrorKind::Syntax};
        next();
    }

    std::optional<Op> binaryAt(int level) const {
        switch (level) {
            case kImp:
                return is("imp") ? std::optional(Op::Imp) : std::nullopt;
            case kEqv:
                return is("eqv") ? std::optional(Op::Eqv) : std::nullopt;
            case kXor:
                return is("xor") ? std::optional(Op::Xor) : std::nullopt;
            case kOr:
                return is("or") ? std::optional(Op::Or) : std::nullopt;
            case kAnd:
                return is("and") ? std::optional(Op::And) : std::nullopt;
            case kCompare:
                if (is("=")) return Op::Equal;
                if (is("<>")) return Op::NotEqual;
                if (is("<")) return Op::Less;
                if (is(">")) return Op::Greater;
                if (is("<=")) return Op::LessEqual;
                if (is(">=")) return Op::GreaterEqual;
                return std::nullopt;
            case kConcat:
                return is("&") ? std::optional(Op::Concat) : std::nullopt;
            case kAdd:
                if (is("+")) return Op::Add;
                return is("-") ? std::optional(Op::Subtract) : std::nullopt;
            case kMod:
                return is("mod") ? std::optional(Op::Mod) : std::nullopt;
            case kIntDivide:
                return is("\\") ? std::optional(Op::IntDivide) : std::nullopt;
            case kMultiply:
                if (is("*")) return Op::Multiply;
                return is("/") ? std::optional(Op::Divide) : std::nullopt;
            default:
                return std::nullopt;
        }
    }

    void parseLevel(int level) {
        if (level == kNot) return parseNot();
        if (level == kSign) return parseSigned(false);
        parseLevel(level + 1);
        while (const std::optional<Op> op = binaryAt(level)) {
            next();
            const std::size_t mark = program_.code.size();
            parseLevel(level + 1);
            emitBinary(*op, mark);
        }
    }

    void parseNot() {
        int count = 0;
        for (; is("not"); next()) ++count;
        parseLevel(kCompare);
        for (; count > 0; --count) emit({Op::Not}, 0);
    }

    // Signs, then a power: -x^2 is -(x^2). After "^" only one operand follows the
    // signs, so 2^-1^2 is (2^-1)^2.
    void parseSigned(bool powerOperand) {
        int negations = 0;
        for (; is("-") || is("+"); next())
            if (is("-")) ++negations;
        parsePrimary();
        if (!powerOperand) {
            while (is("^")) {
                next();
                const std::size_t mark = program_.code.size();
                parseSigned(true);
                emitBinary(Op::Power, mark);
            }
        }
        for (; negations > 0; --negations) emit({Op::Negate}, 0);
    }

    void parsePrimary() {
        if (kind_ == Token::Number) {
            emit({Op::Constant, Operand::Stack, Function::Abs, 0, ErrorKind::None, number_}, 1);
            return next();
        }
        if (is("(")) {
            nest();
            next();
            parseLevel(kImp);
            expect(")");
            --nesting_;
            return;
        }
        if (kind_ != Token::Name || IsOperatorWord(word_)) throw Refused{ErrorKind::Syntax};
        const std::string name = word_;
        next();
        if (is("(")) return parseCall(name);
        if (name == "x") return emit({Op::X}, 1);
        if (name == "true") return emit({Op::True}, 1);
        if (name == "false") return emit({Op::False}, 1);
        if (Find(name))
            return emit({Op::Fail, Operand::Stack, Function::Abs, 0, ErrorKind::WrongArgumentCount}, 1);
        emit({Op::Empty}, 1);  // a name nobody assigned
    }

    void parseCall(const std::string& name) {
        nest();
        next();
        int count = 0;
        if (!is(")")) {
            for (;; next()) {
                parseLevel(kImp);
                ++count;
                if (!is(",")) break;
            }
        }
        expect(")");
        --nesting_;
        Instruction call{Op::Call};
        call.arguments = static_cast<std::uint8_t>(std::min(count, 255));
        const NamedFunction* f = Find(name);
        if (!f)
            call.op = Op::Fail, call.error = ErrorKind::TypeMismatch;
        else if (count < f->minArguments || count > f->maxArguments)
            call.op = Op::Fail, call.error = ErrorKind::WrongArgumentCount;
        else
            call.function = f->function;
        emit(call, 1 - count);
    }

    static bool IsOperatorWord(std::string_view w) {
        for (std::string_view k : {"mod", "not", "and", "or", "xor", "eqv", "imp"})
            if (w == k) return true;
        return false;
    }
    static const NamedFunction* Find(std::string_view name) {
        for (const NamedFunction& f : kFunctions)
            if (f.name == name) return &f;
        return nullptr;
    }

    void nest() {
        if (++nesting_ > kMaxNesting) throw Refused{ErrorKind::OutOfStackSpace};
    }

    void emit(const Instruction& i, int stackChange) {
        program_.code.push_back(i);
        depth_ += stackChange;
        if (depth_ > static_cast<long>(program_.depth)) program_.depth = static_cast<std::size_t>(depth_);
    }

    // A right operand that is a lone constant or x rides in the operator itself.
    void emitBinary(Op op, std::size_t mark) {
        auto& code = program_.code;
        Instruction i{op};
        if (code.size() == mark + 1 && (code.back().op == Op::Constant || code.back().op == Op::X)) {
            i.right = code.back().op == Op::Constant ? Operand::Constant : Operand::X;
            i.value = code.back().value;
            code.pop_back();
            --depth_;
            // Small whole powers are multiplied out.
            if (op == Op::Power && i.right == Operand::Constant && i.value == 2) i.op = Op::Square;
            if (op == Op::Power && i.right == Operand::Constant && i.value == 3) i.op = Op::Cube;
            if (op == Op::Power && i.right == Operand::Constant && i.value == 4) i.op = Op::Fourth;
            return emit(i, 0);
        }
        emit(i, -1);
    }

    std::string_view text_;
    std::size_t at_ = 0;
    Token kind_ = Token::End;
    std::string word_;
    double number_ = 0;
    int nesting_ = 0;
    long depth_ = 0;
    Program program_;
};

}  // namespace

Program Compile(std::string_view text) {
    try {
        return Parser(text).run();
    } catch (const Refused& r) {
        Program failed;
        failed.error = r.kind;
        return failed;
    }
}

}  // namespace script
