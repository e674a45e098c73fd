#include "Tree.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <utility>

#include "Scanner.h"
#include "TextOps.h"

// ---- numbers -------------------------------------------------------------

namespace {

using Wide = __int128;

constexpr std::int64_t Max64 = INT64_MAX;

// num/den reduced into a number; double when a part leaves 64 bits.
TreeNumber FromWide(Wide num, Wide den) {
    if (den < 0) num = -num, den = -den;
    Wide a = num < 0 ? -num : num, b = den;
    if (a <= Max64 && b <= Max64) {
        // The common case in 64 bits: 128-bit division is a library call.
        std::uint64_t x = static_cast<std::uint64_t>(a), y = static_cast<std::uint64_t>(b);
        while (y != 0) {
            std::uint64_t r = x % y;
            x = y;
            y = r;
        }
        a = x;
    } else {
        while (b != 0) {
            Wide r = a % b;
            a = b;
            b = r;
        }
    }
    if (a > 1) num /= a, den /= a;
    if (num > Max64 || num < -Max64 || den > Max64)
        return TreeNumber::Real(static_cast<double>(num) / static_cast<double>(den));
    TreeNumber n;
    n.num = static_cast<std::int64_t>(num);
    n.den = static_cast<std::int64_t>(den);
    return n;
}

// Whole numbers whose sums and products stay far inside 64 bits.
bool Small(std::int64_t n) { return n > -(std::int64_t(1) << 31) && n < (std::int64_t(1) << 31); }
TreeNumber Whole(std::int64_t n, bool decimal) {
    TreeNumber r;
    r.num = n;
    r.decimal = decimal;
    return r;
}

}  // namespace

TreeNumber TreeNumber::Fraction(std::int64_t num, std::int64_t den) {
    if (den == 1) {
        TreeNumber n;
        n.num = num;
        return n;
    }
    return FromWide(num, den);
}

TreeNumber TreeNumber::Real(double v) {
    TreeNumber n;
    if (v == std::trunc(v) && std::fabs(v) < 1e15) {
        n.num = static_cast<std::int64_t>(v);
        return n;
    }
    n.exact = false;
    n.real = v;
    return n;
}

TreeNumber operator+(const TreeNumber& a, const TreeNumber& b) {
    if (!a.exact || !b.exact) return TreeNumber::Real(a.Value() + b.Value());
    if (a.den == 1 && b.den == 1 && Small(a.num) && Small(b.num)) return Whole(a.num + b.num, a.decimal || b.decimal);
    TreeNumber r = FromWide(Wide(a.num) * b.den + Wide(b.num) * a.den, Wide(a.den) * b.den);
    r.decimal = a.decimal || b.decimal;
    return r;
}

TreeNumber operator*(const TreeNumber& a, const TreeNumber& b) {
    if (!a.exact || !b.exact) return TreeNumber::Real(a.Value() * b.Value());
    if (a.den == 1 && b.den == 1 && Small(a.num) && Small(b.num)) return Whole(a.num * b.num, a.decimal || b.decimal);
    TreeNumber r = FromWide(Wide(a.num) * b.num, Wide(a.den) * b.den);
    r.decimal = a.decimal || b.decimal;
    return r;
}

TreeNumber operator-(const TreeNumber& a) {
    TreeNumber n = a;
    n.num = -n.num;
    n.real = -n.real;
    return n;
}

TreeNumber Inverse(const TreeNumber& a) {
    if (!a.exact) return TreeNumber::Real(1 / a.real);
    TreeNumber r = FromWide(a.den, a.num);
    r.decimal = a.decimal;
    return r;
}

bool IntegerPower(const TreeNumber& a, std::int64_t n, TreeNumber& result) {
    if (!a.exact || n > 64 || n < -64) return false;
    if (a.num == 0) {
        result = TreeNumber{};
        return true;
    }
    TreeNumber base = n < 0 ? Inverse(a) : a, r = TreeNumber::Fraction(1);
    for (std::int64_t i = 0; i < std::llabs(n); ++i) {
        r = r * base;
        if (!r.exact) return false;
    }
    result = r;
    return true;
}

int CompareNumbers(const TreeNumber& a, const TreeNumber& b) {
    if (a.exact && b.exact) {
        Wide l = Wide(a.num) * b.den, r = Wide(b.num) * a.den;
        return l < r ? -1 : l > r ? 1 : 0;
    }
    double l = a.Value(), r = b.Value();
    return l < r ? -1 : l > r ? 1 : 0;
}

// ---- construction --------------------------------------------------------

namespace {

// Nodes come from a free list: the canonical form builds and drops hundreds
// of small nodes per shown result, and the general allocator costs more than
// the work on them. Blocks go back to the list of the thread that frees them
// and are never returned to the system (peak use is a few thousand nodes).
// Builds with AddressSanitizer use the plain allocator, so that it still sees
// every node's lifetime.
#if defined(__SANITIZE_ADDRESS__)
#define KVADRIX_NODE_POOL 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KVADRIX_NODE_POOL 0
#endif
#endif
#ifndef KVADRIX_NODE_POOL
#define KVADRIX_NODE_POOL 1
#endif

#if KVADRIX_NODE_POOL
template <std::size_t Size, std::size_t Align>
class FreeList {
public:
    static void* Get() {
        Slot*& head = Head();
        if (!head) Refill(head);
        Slot* s = head;
        head = s->next;
        return s;
    }
    static void Put(void* p) {
        Slot*& head = Head();
        Slot* s = static_cast<Slot*>(p);
        s->next = head;
        head = s;
    }

private:
    union Slot {
        Slot* next;
        alignas(Align) unsigned char bytes[Size];
    };
    static Slot*& Head() {
        thread_local Slot* head = nullptr;
        return head;
    }
    static void Refill(Slot*& head) {
        constexpr std::size_t Count = 256;
        Slot* block = static_cast<Slot*>(::operator new(sizeof(Slot) * Count));
        for (std::size_t i = 0; i < Count; ++i) block[i].next = i + 1 < Count ? &block[i + 1] : nullptr;
        head = block;
    }
};
#endif

// A new node of the kind, filled in place by fill.
template <class Fill>
Tree Make(NodeKind kind, Fill&& fill) {
#if KVADRIX_NODE_POOL
    Node* n = ::new (FreeList<sizeof(Node), alignof(Node)>::Get()) Node();
#else
    Node* n = new Node();
#endif
    n->kind = kind;
    fill(*n);
    for (const Tree& a : n->args) n->size = std::min(MaxCountedNodes, n->size + a->size);
    return Tree::Adopt(n);
}

}  // namespace

Tree Tree::Adopt(Node* node) noexcept {
    Tree t;
    node->references = 1;
    t.node_ = node;
    return t;
}

void Tree::Release(const Node* node) noexcept {
    if (--node->references > 0) return;
    Node* n = const_cast<Node*>(node);
    n->~Node();
#if KVADRIX_NODE_POOL
    FreeList<sizeof(Node), alignof(Node)>::Put(n);
#else
    ::operator delete(n);
#endif
}

namespace {
Tree MakeNumber(const TreeNumber& n) {
    return Make(NodeKind::Number, [&](Node& node) { node.number = n; });
}
Tree MakeLeaf(NodeKind kind, char name) {
    return Make(kind, [&](Node& node) { node.name = name; });
}
// Small whole numbers, 1/2 and -1/2 are shared within a thread: the canonical
// form asks for them often.
constexpr std::int64_t SharedLow = -4, SharedHigh = 8;
const Tree* SharedNumber(std::int64_t num, std::int64_t den) {
    thread_local const TreeList small = [] {
        TreeList v;
        for (std::int64_t n = SharedLow; n <= SharedHigh; ++n) v.push_back(MakeNumber(TreeNumber::Fraction(n)));
        return v;
    }();
    thread_local const Tree half = MakeNumber(TreeNumber::Fraction(1, 2)), minusHalf = MakeNumber(TreeNumber::Fraction(-1, 2));
    if (den == 1 && num >= SharedLow && num <= SharedHigh) return &small[static_cast<std::size_t>(num - SharedLow)];
    if (den == 2 && (num == 1 || num == -1)) return num == 1 ? &half : &minusHalf;
    return nullptr;
}
}  // namespace

Tree Num(const TreeNumber& n) {
    if (n.exact && !n.decimal)
        if (const Tree* shared = SharedNumber(n.num, n.den)) return *shared;
    return MakeNumber(n);
}
Tree Num(std::int64_t num, std::int64_t den) {
    if (const Tree* shared = SharedNumber(num, den)) return *shared;
    return MakeNumber(TreeNumber::Fraction(num, den));
}

// Letters and constants are shared (within a thread) as well.
Tree Sym(char name) {
    thread_local const TreeList letters = [] {
        TreeList v;
        for (int c = 0; c < 256; ++c) v.push_back(MakeLeaf(NodeKind::Symbol, static_cast<char>(c)));
        return v;
    }();
    return letters[static_cast<unsigned char>(name)];
}

Tree ConstE() {
    thread_local const Tree e = MakeLeaf(NodeKind::Constant, 'e');
    return e;
}

Tree ConstPi() {
    thread_local const Tree pi = MakeLeaf(NodeKind::Constant, 'p');
    return pi;
}

Tree Add(TreeList terms) {
    if (terms.empty()) return Num(0);
    if (terms.size() == 1) return terms[0];
    return Make(NodeKind::Sum, [&](Node& node) { node.args = std::move(terms); });
}

Tree Mul(TreeList factors) {
    if (factors.empty()) return Num(1);
    if (factors.size() == 1) return factors[0];
    return Make(NodeKind::Product, [&](Node& node) { node.args = std::move(factors); });
}

Tree Pow(const Tree& base, const Tree& exponent) {
    return Make(NodeKind::Power, [&](Node& node) {
        node.args.push_back(base);
        node.args.push_back(exponent);
    });
}

Tree Call(int function, const Tree& argument) {
    return Make(NodeKind::Call, [&](Node& node) {
        node.function = function;
        node.args.push_back(argument);
    });
}

namespace {

bool Finite(double v) { return std::isfinite(v); }

bool EvaluateCall(int f, double a, double& v) {
    switch (f) {
    case fnAbs: v = std::fabs(a); break;
    case fnSqrt:
        if (a < 0) return false;
        v = std::sqrt(a);
        break;
    case fnSinh: v = std::sinh(a); break;
    case fnAsinh: v = std::asinh(a); break;
    case fnSin: v = std::sin(a); break;
    case fnAsin:
        if (a < -1 || a > 1) return false;
        v = std::asin(a);
        break;
    case fnCosh: v = std::cosh(a); break;
    case fnAcosh:
        if (a < 1) return false;
        v = std::acosh(a);
        break;
    case fnCos: v = std::cos(a); break;
    case fnTan: v = std::tan(a); break;
    case fnAtan: v = std::atan(a); break;
    case fnLn:
        if (a <= 0) return false;
        v = std::log(a);
        break;
    case fnExp: v = std::exp(a); break;
    case fnErf: v = std::erf(a); break;
    case fnPhi: v = 0.5 * std::erfc(-a / std::sqrt(2.0)); break;
    default: return false;
    }
    return Finite(v);
}

}  // namespace

bool EvaluateTree(const Tree& t, double x, double& v) {
    switch (t->kind) {
    case NodeKind::Number: v = t->number.Value(); return true;
    case NodeKind::Symbol: v = x; return t->name == 'x';
    case NodeKind::Constant: v = t->name == 'e' ? std::exp(1.0) : 3.14159265358979323846; return true;
    case NodeKind::Sum:
        v = 0;
        for (const Tree& a : t->args) {
            double w = 0;
            if (!EvaluateTree(a, x, w)) return false;
            v += w;
        }
        return Finite(v);
    case NodeKind::Product:
        v = 1;
        for (const Tree& a : t->args) {
            double w = 0;
            if (!EvaluateTree(a, x, w)) return false;
            v *= w;
        }
        return Finite(v);
    case NodeKind::Power: {
        double b = 0, e = 0;
        if (!EvaluateTree(t->args[0], x, b) || !EvaluateTree(t->args[1], x, e)) return false;
        if (b == 0 && e < 0) return false;
        if (b < 0 && e != std::floor(e)) return false;
        v = std::pow(b, e);
        return Finite(v);
    }
    case NodeKind::Call: {
        double a = 0;
        return EvaluateTree(t->args[0], x, a) && EvaluateCall(t->function, a, v);
    }
    }
    return false;
}

Tree WithChildren(const Tree& t, TreeList children) {
    switch (t->kind) {
    case NodeKind::Sum:
        return Add(std::move(children));
    case NodeKind::Product:
        return Mul(std::move(children));
    case NodeKind::Power:
        return Pow(children[0], children[1]);
    case NodeKind::Call:
        return Call(t->function, children[0]);
    default:
        return t;
    }
}

Tree Neg(const Tree& a) {
    if (IsNumber(a)) return a->number.exact && !a->number.decimal ? Num(-a->number.num, a->number.den) : Num(-a->number);
    return Mul({Num(-1), a});
}
Tree Sub(const Tree& a, const Tree& b) { return Add({a, Neg(b)}); }
Tree Div(const Tree& a, const Tree& b) { return Mul({a, Pow(b, Num(-1))}); }
Tree Exp(const Tree& u) { return Call(fnExp, u); }
Tree Sqrt(const Tree& u) { return Pow(u, Num(1, 2)); }

int CompareTrees(const Tree& a, const Tree& b) {
    if (a.get() == b.get()) return 0;
    if (a->kind != b->kind) return static_cast<int>(a->kind) < static_cast<int>(b->kind) ? -1 : 1;
    switch (a->kind) {
    case NodeKind::Number: {
        const TreeNumber &x = a->number, &y = b->number;
        if (x.exact != y.exact) return x.exact ? -1 : 1;
        return CompareNumbers(x, y);
    }
    case NodeKind::Symbol:
    case NodeKind::Constant:
        return a->name < b->name ? -1 : a->name > b->name ? 1 : 0;
    case NodeKind::Call:
        if (a->function != b->function) return a->function < b->function ? -1 : 1;
        break;
    default:
        break;
    }
    const std::size_t n = std::min(a->args.size(), b->args.size());
    for (std::size_t i = 0; i < n; ++i)
        if (int c = CompareTrees(a->args[i], b->args[i])) return c;
    return a->args.size() < b->args.size() ? -1 : a->args.size() > b->args.size() ? 1 : 0;
}

bool DependsOn(const Tree& t, char symbol) {
    if (t->kind == NodeKind::Symbol) return t->name == symbol;
    for (const Tree& a : t->args)
        if (DependsOn(a, symbol)) return true;
    return false;
}

// ---- reading -------------------------------------------------------------

namespace {

// Recursive descent with the evaluator's grammar; every failure gives nullptr.
class TreeReader {
public:
    TreeReader(const ExpressionText& text, const ParseOptions& options) : text_(text), options_(options) {
        ch_ = CharAt(text_, 1);
    }

    Tree Run() {
        Tree t = Expression();
        if (!t || pos_ <= text_.Length()) return nullptr;
        return t;
    }

private:
    char Next(int ahead) const { return CharAt(text_, pos_ + ahead); }
    void Advance(int n = 1) {
        pos_ += n;
        ch_ = CharAt(text_, pos_);
    }
    bool Named() const { return !options_.variables.empty(); }
    bool IsVariable(char c) const {
        if (!Named()) return c == 'x';
        return c != EndOfText && options_.variables.find(c) != std::string_view::npos;
    }

    Tree Expression() {
        if (++depth_ > MaxTreeDepth) return nullptr;
        TreeList terms;
        Tree first;
        // A leading -x^ negates the whole first term: -x^2*3 is -(x^2*3).
        if (ch_ == '-' && Next(1) == 'x' && Next(2) == '^') {
            Advance();
            first = Term();
            if (first) first = Neg(first);
        } else {
            first = Term();
        }
        if (!first) return nullptr;
        if (ch_ != '+' && ch_ != '-') {
            --depth_;
            return first;
        }
        terms.push_back(first);
        while (ch_ == '+' || ch_ == '-') {
            const char op = ch_;
            Advance();
            Tree t = Term();
            if (!t) return nullptr;
            terms.push_back(op == '+' ? t : NegatedTerm(t));
        }
        --depth_;
        return Add(std::move(terms));
    }

    Tree Term() {
        Tree first = Power();
        if (!first || (ch_ != '*' && ch_ != '/')) return first;
        TreeList factors{first};
        while (ch_ == '*' || ch_ == '/') {
            const char op = ch_;
            Advance();
            Tree f = Power();
            if (!f) return nullptr;
            factors.push_back(op == '*' ? f : Pow(f, Num(-1)));
        }
        return Mul(std::move(factors));
    }

    // -t for a term after a binary minus: a product takes the sign as its
    // first factor (a number factor there is negated) instead of one more level.
    static Tree NegatedTerm(const Tree& t) {
        if (t->kind != NodeKind::Product) return Neg(t);
        TreeList factors;
        factors.reserve(t->args.size() + 1);
        if (IsNumber(t->args[0])) factors.push_back(Neg(t->args[0]));
        else factors.push_back(Num(-1)), factors.push_back(t->args[0]);
        for (std::size_t i = 1; i < t->args.size(); ++i) factors.push_back(t->args[i]);
        return Mul(std::move(factors));
    }

    Tree Power() {
        Tree base = SignedFactor();
        while (base && ch_ == '^') {
            Advance();
            Tree e = SignedFactor();
            if (!e) return nullptr;
            base = ::Pow(base, e);
        }
        return base;
    }

    Tree SignedFactor() {
        if (ch_ != '-') return Primary();
        Advance();
        Tree p = Primary();
        return p ? Neg(p) : nullptr;
    }

    Tree Primary() {
        if (++nodes_ > MaxTreeNodes) return nullptr;
        if (IsDigit(ch_)) return Number();
        if (ch_ == '(') {
            Advance();
            Tree t = Expression();
            if (!t || ch_ != ')') return nullptr;
            Advance();
            return t;
        }
        if (!Named() && ch_ == 'x') {
            Advance();
            return Sym('x');
        }
        if (IsFunctionInitial(ch_)) {
            int f = FunctionAt(text_, pos_);
            if (f >= 0) {
                Advance(static_cast<int>(FunctionNames[f].size()));
                if (ch_ != '(') return nullptr;
                Tree a = Primary();
                return a ? Call(f, a) : nullptr;
            }
        }
        if (ch_ == 'p' && Next(1) == 'i') {
            Advance(2);
            return ConstPi();
        }
        if (IsVariable(ch_)) {
            char c = ch_;
            Advance();
            return Sym(c);
        }
        if (!Named() && ch_ == 'e') {
            Advance();
            return ConstE();
        }
        return nullptr;
    }

    Tree Number() {
        const int start = pos_;
        const NumberToken token = ScanNumber(text_, start);
        std::string_view digits(text_.Data() + start - 1, token.Length(start));
        Advance(token.Length(start));
        const bool keepDecimal = options_.decimals && token.exponent;
        std::int64_t mantissa = 0, scale = 1;
        if (!keepDecimal && ExactDigits(digits, token, 18, mantissa, scale)) {
            TreeNumber n = TreeNumber::Fraction(mantissa, scale);
            n.decimal = options_.decimals && token.separators > 0;
            return Num(n);
        }
        bool malformed = false;
        double value = NumberValue(digits, malformed);
        if (malformed) return nullptr;
        return Num(TreeNumber::Real(value));
    }

    const ExpressionText& text_;
    const ParseOptions& options_;
    int pos_ = 1;
    char ch_;
    int depth_ = 0;
    int nodes_ = 0;
};

}  // namespace

Tree ParseTree(const ExpressionText& text, const ParseOptions& options) {
    TreeReader reader(text, options);
    return reader.Run();
}

// ---- printing ------------------------------------------------------------

namespace {

// num/den as a decimal when den is 2^a*5^b and the digits fit; empty otherwise.
std::string DecimalText(const TreeNumber& n) {
    std::int64_t d = n.den;
    int twos = 0, fives = 0;
    while (d % 2 == 0) d /= 2, ++twos;
    while (d % 5 == 0) d /= 5, ++fives;
    const int places = std::max(twos, fives);
    if (d != 1 || places > 18) return {};
    Wide scaled = Wide(n.num < 0 ? -n.num : n.num);
    for (int i = 0; i < twos - fives; ++i) scaled *= 5;
    for (int i = 0; i < fives - twos; ++i) scaled *= 2;
    std::string digits;
    for (; scaled > 0 || static_cast<int>(digits.size()) <= places; scaled /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(scaled % 10)));
    digits.insert(digits.end() - places, '.');
    return (n.num < 0 ? "-" : "") + digits;
}

std::string NumberText(const TreeNumber& n) {
    char buf[64];
    if (n.exact && n.decimal && n.den != 1) {
        std::string s = DecimalText(n);
        if (!s.empty()) return s;
    }
    if (n.exact) {
        auto r = std::to_chars(buf, buf + sizeof buf, n.num);
        std::string s(buf, r.ptr);
        if (n.den != 1) {
            r = std::to_chars(buf, buf + sizeof buf, n.den);
            s += '/';
            s.append(buf, r.ptr);
        }
        return s;
    }
    // Plain decimals where they are short (0.0001 rather than 1e-04).
    const double size = std::fabs(n.real);
    auto r = size >= 1e-5 && size < 1e15 ? std::to_chars(buf, buf + sizeof buf, n.real, std::chars_format::fixed)
                                         : std::to_chars(buf, buf + sizeof buf, n.real);
    return std::string(buf, r.ptr);
}

bool IsHalf(const Tree& t, std::int64_t sign) { return IsNumber(t) && t->number.exact && t->number.num == sign && t->number.den == 2; }

// Where a text stands decides its brackets.
enum class Place {
    Whole,     // a whole expression: after "(" or at the start
    Factor,    // a factor after "*" (or the first factor of a product)
    Divisor,   // after "/"
    Base,      // before "^"
    Exponent,  // after "^"
};

class Printer {
public:
    std::string Print(const Tree& t, Place place) {
        switch (t->kind) {
        case NodeKind::Number: {
            std::string s = NumberText(t->number);
            const bool plain = s.find('/') == std::string::npos;
            // A fraction before "^" or after "/" is read as its parts.
            return Bracket(std::move(s), (t->number.Negative() && place != Place::Whole) ||
                                             (!plain && (place == Place::Base || place == Place::Divisor ||
                                                         place == Place::Exponent)));
        }
        case NodeKind::Symbol:
            return std::string(1, t->name);
        case NodeKind::Constant:
            return t->name == 'e' ? "e" : "pi";
        case NodeKind::Call:
            return CallText(t, place);
        case NodeKind::Sum:
            return Bracket(SumText(t), place != Place::Whole);
        case NodeKind::Product:
            return ProductText(t, place);
        case NodeKind::Power:
            return PowerText(t, place);
        }
        return {};
    }

private:
    // The pieces are appended in place: most texts here are past the short
    // string's room, and a temporary for each "+" cost a heap block.
    static std::string Bracket(std::string s, bool needed) {
        if (needed) {
            s.insert(s.begin(), '(');
            s += ')';
        }
        return s;
    }
    static std::string Applied(std::string_view name, const std::string& argument) {
        std::string s;
        s.reserve(name.size() + argument.size() + 2);
        s += name;
        s += '(';
        s += argument;
        s += ')';
        return s;
    }

    std::string CallText(const Tree& t, Place place) {
        if (t->function == fnExp) {
            const Tree& u = t->args[0];
            std::string s = Print(u, Place::Exponent);
            s.insert(0, "e^");
            return Bracket(std::move(s), place == Place::Base || place == Place::Exponent);
        }
        return Applied(FunctionNames[t->function], Print(t->args[0], Place::Whole));
    }

    std::string PowerText(const Tree& t, Place place) {
        const Tree &base = t->args[0], &e = t->args[1];
        if (IsDivisor(t)) {
            Signed s = UnsignedProduct({t});
            return Bracket(std::move(s.text), place != Place::Whole && place != Place::Factor);
        }
        if (IsHalf(e, 1)) return Applied("sqrt", Print(base, Place::Whole));
        std::string s = Print(base, Place::Base);
        s += '^';
        s += Print(e, Place::Exponent);
        // Powers read left to right: 2^3^2 is (2^3)^2.
        return Bracket(std::move(s), place == Place::Base || place == Place::Exponent);
    }

    // The term's text without its sign, and whether the term is negative.
    // A negative term starts with a negative number factor (or is one).
    struct Signed {
        bool negative;
        std::string text;
        bool leadingPower;  // the first factor is written with "^" (not x^)
    };

    static bool WrittenAsPower(const Tree& f) {
        if (f->kind == NodeKind::Power) return !IsHalf(f->args[1], 1) && !IsSymbol(f->args[0], 'x');
        return IsCall(f, fnExp);
    }

    static bool IsDivisor(const Tree& f) {
        return f->kind == NodeKind::Power && IsNumber(f->args[1]) && f->args[1]->number.Negative() &&
               !IsNumber(f->args[0], 0);
    }

    Signed Unsigned(const Tree& t) {
        if (IsNumber(t)) {
            TreeNumber n = t->number;
            const bool negative = n.Negative();
            return {negative, NumberText(negative ? -n : n), false};
        }
        if (t->kind == NodeKind::Product) return UnsignedProduct(t->args);
        if (IsDivisor(t)) return UnsignedProduct({t});
        return {false, Print(t, Place::Factor), WrittenAsPower(t)};
    }

    Signed UnsignedProduct(const TreeList& factors) {
        // Numerator and divisor factors; a leading number is the coefficient.
        TreeList top, below;
        top.reserve(factors.size());
        TreeNumber coefficient = TreeNumber::Fraction(1);
        bool hasCoefficient = false;
        for (std::size_t i = 0; i < factors.size(); ++i) {
            const Tree& f = factors[i];
            if (i == 0 && IsNumber(f)) {
                coefficient = f->number;
                hasCoefficient = true;
            } else if (IsDivisor(f)) {
                TreeNumber e = -f->args[1]->number;
                below.push_back(e.Is(1) ? f->args[0] : Pow(f->args[0], Num(e)));
            } else {
                top.push_back(f);
            }
        }
        const bool negative = coefficient.Negative();
        if (negative) coefficient = -coefficient;
        std::string s;
        bool leadingPower = false;
        std::string divisorNumber;
        if (hasCoefficient && !(coefficient.Is(1) && !top.empty())) {
            const bool sumAbove = top.size() == 1 && top[0]->kind == NodeKind::Sum;
            if (coefficient.exact && coefficient.den != 1 && sumAbove) {
                // (x+1)/2 rather than 1/2*(x+1)
                if (coefficient.num != 1) s = NumberText(TreeNumber::Fraction(coefficient.num));
                divisorNumber = NumberText(TreeNumber::Fraction(coefficient.den));
            } else {
                s = NumberText(coefficient);
            }
        }
        for (const Tree& f : top) {
            if (s.empty()) leadingPower = WrittenAsPower(f);
            else s += '*';
            s += Print(f, Place::Factor);
        }
        if (s.empty()) s.push_back('1');
        if (!divisorNumber.empty()) {
            s += '/';
            s += divisorNumber;
        }
        for (const Tree& f : below) {
            s += '/';
            s += Print(f, Place::Divisor);
        }
        return {negative, s, leadingPower};
    }

    // A negative term where an expression starts: -x^... is read as the
    // negation of the whole term; before another power the "-" would be read
    // with the base, so the term goes in brackets.
    static std::string Leading(const Signed& s) {
        if (!s.negative) return s.text;
        if (s.text.compare(0, 2, "x^") == 0) return "-" + s.text;
        const ExpressionText t(s.text);
        int end = OperandEnd(t, 1);
        if (end == 0) end = 2;
        return CharAt(t, end) == '^' ? "-(" + s.text + ")" : "-" + s.text;
    }

    std::string SumText(const Tree& t) {
        SmallVector<Signed, 8> terms;
        for (const Tree& a : t->args) terms.push_back(Unsigned(a));
        std::string s = Leading(terms[0]);
        // A first term that would need "-(...)" gives its place to the first
        // positive term: x*e^x-e^x rather than -(e^x)+x*e^x.
        if (s.compare(0, 2, "-(") == 0) {
            auto positive = std::find_if(terms.begin(), terms.end(), [](const Signed& s) { return !s.negative; });
            if (positive != terms.end()) {
                std::rotate(terms.begin(), positive, positive + 1);
                s = Leading(terms[0]);
            }
        }
        for (std::size_t i = 1; i < terms.size(); ++i) {
            s += terms[i].negative ? '-' : '+';
            s += terms[i].text;
        }
        return s;
    }

    std::string ProductText(const Tree& t, Place place) {
        Signed p = Unsigned(t);
        if (place == Place::Whole) return Leading(p);
        // After "*" a product needs no bracket; after "/" or around "^" it does.
        const bool bracket = p.negative || place != Place::Factor ||
                             p.text.find('/') != std::string::npos;
        return Bracket(Leading(p), bracket);
    }
};

}  // namespace

std::string PrintTree(const Tree& t) {
    Printer p;
    return p.Print(t, Place::Whole);
}

bool PrintTree(const Tree& t, ExpressionText& out) {
    std::string s = PrintTree(t);
    if (s.size() > static_cast<std::size_t>(ExpressionText::MaxLength)) return false;
    out = ExpressionText(s);
    return true;
}
