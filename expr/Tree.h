#pragma once
// An immutable expression tree of the notation, for the engines that rewrite
// (tidying, reduction, integration strategies). Engine interfaces stay text in,
// text out: a reader calls ParseTree, works on trees, and prints the result
// back with PrintTree. The canonical form, expansion, substitution and
// polynomial extraction are in Canonical.h.
//
// Node kinds:
//   Number    an exact fraction num/den (64-bit parts), or a double where the
//             typed number or an exact result does not fit
//   Symbol    a variable letter (x, or the caller's names)
//   Constant  e or pi
//   Sum       terms a+b+...; a-b is Sum(a, Product(-1, b))
//   Product   factors a*b*...; a/b is Product(a, Power(b, -1))
//   Power     base^exponent (left-associative as the notation reads 2^3^2)
//   Call      one of the scanner's functions applied to one argument
// A unary minus is the factor -1 (of a number: the negative number).
//
// Trees are shared and never change after construction; building helpers take
// the children as given and do not simplify (Canonical does).
#include <cstdint>
#include <cstddef>
#include <memory>
#include <utility>
#include <string>
#include <string_view>
#include <vector>

#include "ExpressionText.h"
#include "SmallVector.h"

// A number of a tree: exact fraction (reduced, den > 0) while it fits in
// 64 bits, otherwise a double. Arithmetic falls back to double on overflow.
struct TreeNumber {
    std::int64_t num = 0, den = 1;
    double real = 0;
    bool exact = true;
    // Written as a decimal (0.25 rather than 1/4) where the fraction ends;
    // results of arithmetic with a decimal are decimal.
    bool decimal = false;

    static TreeNumber Fraction(std::int64_t num, std::int64_t den = 1);  // den != 0
    static TreeNumber Real(double v);  // exact when v is a whole number of at most 15 digits
    double Value() const { return exact ? static_cast<double>(num) / static_cast<double>(den) : real; }
    bool IsInteger() const { return exact && den == 1; }
    bool Is(std::int64_t n) const { return exact && den == 1 && num == n; }
    bool IsZero() const { return exact ? num == 0 : real == 0; }
    bool Negative() const { return exact ? num < 0 : real < 0; }
};
TreeNumber operator+(const TreeNumber& a, const TreeNumber& b);
TreeNumber operator*(const TreeNumber& a, const TreeNumber& b);
TreeNumber operator-(const TreeNumber& a);
// 1/a; a must not be zero.
TreeNumber Inverse(const TreeNumber& a);
// a^n exactly when it fits (and |n| <= 64), false otherwise; 0^n is 0 as the
// evaluator reads it.
bool IntegerPower(const TreeNumber& a, std::int64_t n, TreeNumber& result);
// Numeric order of two numbers: <0, 0, >0.
int CompareNumbers(const TreeNumber& a, const TreeNumber& b);

enum class NodeKind { Number, Symbol, Constant, Sum, Product, Power, Call };

struct Node;

// A shared, counted reference to a node. The count is in the node and is not
// atomic: a tree belongs to the thread that builds it (engine calls are text
// in, text out, and the shared leaves are per thread).
class Tree {
public:
    Tree() noexcept = default;
    Tree(std::nullptr_t) noexcept {}
    Tree(const Tree& other) noexcept;
    Tree(Tree&& other) noexcept : node_(other.node_) { other.node_ = nullptr; }
    Tree& operator=(const Tree& other) noexcept {
        Tree copy(other);
        std::swap(node_, copy.node_);
        return *this;
    }
    Tree& operator=(Tree&& other) noexcept {
        std::swap(node_, other.node_);
        return *this;
    }
    ~Tree() {
        if (node_) Release(node_);
    }

    const Node* get() const noexcept { return node_; }
    const Node* operator->() const noexcept { return node_; }
    const Node& operator*() const noexcept { return *node_; }
    explicit operator bool() const noexcept { return node_ != nullptr; }
    void reset() noexcept { Tree().swap(*this); }
    void swap(Tree& other) noexcept { std::swap(node_, other.node_); }

    friend bool operator==(const Tree& a, const Tree& b) noexcept { return a.node_ == b.node_; }
    friend bool operator==(const Tree& a, std::nullptr_t) noexcept { return a.node_ == nullptr; }

    // The first reference to a node just built.
    static Tree Adopt(Node* node) noexcept;

private:
    static void Release(const Node* node) noexcept;
    const Node* node_ = nullptr;
};

// Children and lists of trees: most have one or two.
using TreeList = SmallVector<Tree, 2>;

struct Node {
    NodeKind kind = NodeKind::Number;
    TreeNumber number;        // Number
    char name = 0;            // Symbol: the letter; Constant: 'e' or 'p' (pi)
    int function = -1;        // Call: index into FunctionNames (FunctionIndex)
    TreeList args;            // Sum: terms; Product: factors; Power: base, exponent; Call: argument
    int size = 1;             // nodes in this tree, shared subtrees counted each time (at most MaxCountedNodes)
    mutable int references = 0;
};

inline Tree::Tree(const Tree& other) noexcept : node_(other.node_) {
    if (node_) ++node_->references;
}

// Construction helpers (no simplification).
Tree Num(const TreeNumber& n);
Tree Num(std::int64_t num, std::int64_t den = 1);
Tree Sym(char name);
Tree ConstE();
Tree ConstPi();
Tree Add(TreeList terms);      // one term gives the term itself, none gives 0
Tree Mul(TreeList factors);    // one factor gives the factor itself, none gives 1
Tree Pow(const Tree& base, const Tree& exponent);
Tree Call(int function, const Tree& argument);
Tree Neg(const Tree& a);                // Product(-1, a), or the negated number
Tree Sub(const Tree& a, const Tree& b);
Tree Div(const Tree& a, const Tree& b);
Tree Exp(const Tree& u);                // the one node of e^u and exp(u)
Tree Sqrt(const Tree& u);               // Power(u, 1/2), printed as sqrt(u)

// The value of t at x (the one variable x); false where t is undefined (a
// logarithm of a number <= 0, a root of a negative number, a division by
// zero, another variable, a non-finite value).
bool EvaluateTree(const Tree& t, double x, double& value);

// A node of t's kind and function over new children (no simplification).
Tree WithChildren(const Tree& t, TreeList children);
// t with f applied to each child; t itself, shared, when no child changes.
template <class F>
Tree MapChildren(const Tree& t, F&& f) {
    if (t->args.empty()) return t;
    TreeList children;
    children.reserve(t->args.size());
    bool changed = false;
    for (const Tree& a : t->args) {
        children.push_back(f(a));
        changed = changed || children.back() != a;
    }
    return changed ? WithChildren(t, std::move(children)) : t;
}

inline bool IsNumber(const Tree& t) { return t->kind == NodeKind::Number; }
inline bool IsNumber(const Tree& t, std::int64_t n) { return IsNumber(t) && t->number.Is(n); }
inline bool IsSymbol(const Tree& t, char name) { return t->kind == NodeKind::Symbol && t->name == name; }
inline bool IsCall(const Tree& t, int function) { return t->kind == NodeKind::Call && t->function == function; }

// Structural order of trees (kinds, then numbers, names, children): a total
// order in which equal trees compare 0. Canonical sorts with it.
int CompareTrees(const Tree& a, const Tree& b);
inline bool SameTree(const Tree& a, const Tree& b) { return CompareTrees(a, b) == 0; }
// True when the symbol occurs in t.
bool DependsOn(const Tree& t, char symbol);

// Limits of a parse: bracket and call nesting, and nodes.
constexpr int MaxTreeDepth = 64;
constexpr int MaxTreeNodes = 4000;
// Where a node's count of nodes stops: subtrees shared many times over can
// stand for more nodes than an int counts.
constexpr int MaxCountedNodes = 1 << 30;

// Which letters are variables. Empty: the one-variable reading of
// EvaluateFunction (x, and e the constant). Otherwise the named variables of
// EvaluateFunctionN: these letters (read after the functions and pi), and no e.
// decimals: numbers written with a separator stay decimals when printed
// (exact all the same), and those with an exponent are doubles; otherwise
// every number is an exact fraction where it fits (0.5 is 1/2).
struct ParseOptions {
    std::string_view variables;
    bool decimals = false;
};

// Reads the whole text under the evaluator's reading (-2^2 is 4, 2^3^2 is
// (2^3)^2, 3*-x^2 is 3*(-x)^2, -x^ where an expression starts is -(x^...),
// x--1 is x-(-1)); nullptr (no message) for a text that is not one whole
// expression, a malformed number, or nesting deeper than MaxTreeDepth.
Tree ParseTree(const ExpressionText& text, const ParseOptions& options = {});

// The text of a tree in the notation, with brackets only where the reading
// needs them: it reads back to the same value wherever the tree is defined.
// Negative powers are written as divisions (x^(-1) as 1/x), exponent 1/2 as
// sqrt, exp(u) as e^u. May exceed 255 characters.
std::string PrintTree(const Tree& t);
// The same into an engine text; false (out untouched) when over 255 characters.
bool PrintTree(const Tree& t, ExpressionText& out);
