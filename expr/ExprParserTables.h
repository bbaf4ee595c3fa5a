#pragma once

#include "ExprToken.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The parser's tables, indexed by state and rule numbers. The numbers in
// between belong to no state or rule; their rows are left empty, and a check
// at the end proves that no shift or goto leads to one.
//
// The grammar, with rule numbers and the entries each rule pops:
//   1  Expr    = Expr "+" Term                3
//   2  Expr    = Expr "-" Term                3
//   3  Expr    = Term                         1
//   4  Term    = Term "*" Factor              3
//   5  Term    = Term "/" Factor              3
//   6  Term    = Factor                       1
//   7  Factor  = Signed "^" Factor            3
//   8  Factor  = Signed                       1
//   100 Factor = Factor "MOD" Factor          3
//   9  Signed  = "-" Atom                     2
//   10 Signed  = Atom                         1
//   12 Atom    = Primary                      1
//   14 Primary = "(" Expr ")"                 3
//   15 Primary = number                       1
//   16 Primary = function "(" Expr ")"        4

enum class ExprActionKind : std::uint8_t {
    Shift,      // push the lookahead in state `argument` and scan the next token
    Reduce,     // reduce by rule `argument`; the lookahead stays
    Accept,     // the whole text is one Expr
    Error,      // stop with error code `argument`
    StopOnBang, // "!" where an operand belongs: a mathematical failure that ends parsing
    ShiftAndRename, // only in kExprActionsByToken: a shift, and the renamings its new lookahead calls for
};

struct ExprAction {
    ExprActionKind kind = ExprActionKind::Error;
    std::uint8_t argument = 0; // error 0 marks an empty row
};

enum class ExprSymbol : std::uint8_t { Expr, Term, Factor, Signed, Atom, Primary };

struct ExprProduction {
    ExprSymbol left = ExprSymbol::Expr;
    std::uint8_t length = 0; // the entries it pops
};

inline constexpr int kExprStateCount = 81;
inline constexpr int kExprRuleCount = 101;
inline constexpr int kExprSymbolCount = 6;

using ExprActionTable = std::array<std::array<ExprAction, kExprTokenCount>, kExprStateCount>;
using ExprGotoTable = std::array<std::array<std::uint8_t, kExprStateCount>, kExprSymbolCount>;
using ExprProductionTable = std::array<ExprProduction, kExprRuleCount>;

namespace expr_tables {

// States that expect an operand: the start, after "(", after the binary
// operators "+", "-", "*", "/", "^", after a function's "(", and after MOD.
inline constexpr std::array<std::uint8_t, 9> kOperandStates = {0, 9, 12, 13, 14, 15, 16, 20, 40};

constexpr ExprAction ShiftTo(int state)
{
    return {ExprActionKind::Shift, static_cast<std::uint8_t>(state)};
}

constexpr ExprAction ReduceBy(int rule)
{
    return {ExprActionKind::Reduce, static_cast<std::uint8_t>(rule)};
}

constexpr ExprAction FailWith(int error)
{
    return {ExprActionKind::Error, static_cast<std::uint8_t>(error)};
}

inline constexpr ExprAction kAccept = {ExprActionKind::Accept, 0};
inline constexpr ExprAction kStopOnBang = {ExprActionKind::StopOnBang, 0};

// Fills a state's row with the action for every token not named afterwards.
constexpr std::array<ExprAction, kExprTokenCount>& Row(ExprActionTable& table, int state, ExprAction otherwise)
{
    table[state].fill(otherwise);
    return table[state];
}

constexpr ExprActionTable BuildActionTable()
{
    ExprActionTable table{};
    for (const int state : kOperandStates) {
        auto& row = Row(table, state, FailWith(3)); // operand expected
        row[TOKEN_NUMBER] = ShiftTo(10);
        row[TOKEN_FUNCTION] = ShiftTo(11);
        row[TOKEN_MINUS] = ShiftTo(5);
        row[TOKEN_LPAREN] = ShiftTo(9);
        row[TOKEN_BANG] = kStopOnBang;
    }
    {
        auto& row = Row(table, 1, FailWith(4)); // Expr: operator or end expected
        row[TOKEN_END] = kAccept;
        row[TOKEN_PLUS] = ShiftTo(12);
        row[TOKEN_MINUS] = ShiftTo(13);
    }
    {
        auto& row = Row(table, 2, ReduceBy(3)); // Term
        row[TOKEN_TIMES] = ShiftTo(14);
        row[TOKEN_DIVIDE] = ShiftTo(15);
    }
    Row(table, 3, ReduceBy(6))[TOKEN_MOD] = ShiftTo(40); // Factor
    Row(table, 4, ReduceBy(8))[TOKEN_POWER] = ShiftTo(16); // Signed
    {
        // A unary minus applies to a number, a variable or a function call only: -(2) and --3 fail.
        auto& row = Row(table, 5, FailWith(5));
        row[TOKEN_NUMBER] = ShiftTo(10);
        row[TOKEN_FUNCTION] = ShiftTo(11);
    }
    Row(table, 6, ReduceBy(10)); // Atom
    Row(table, 8, ReduceBy(12)); // Primary
    Row(table, 10, ReduceBy(15)); // number
    Row(table, 11, FailWith(5))[TOKEN_LPAREN] = ShiftTo(20); // function name: "(" expected
    Row(table, 17, ReduceBy(9)); // "-" Atom
    for (const auto [state, closed] : {std::array{19, 27}, std::array{28, 29}}) {
        auto& row = Row(table, state, FailWith(6)); // "(" Expr: operator or ")" expected
        row[TOKEN_PLUS] = ShiftTo(12);
        row[TOKEN_MINUS] = ShiftTo(13);
        row[TOKEN_RPAREN] = ShiftTo(closed);
    }
    for (const auto [state, rule] : {std::array{21, 1}, std::array{22, 2}}) {
        auto& row = Row(table, state, ReduceBy(rule)); // Expr "+" Term, Expr "-" Term
        row[TOKEN_TIMES] = ShiftTo(14);
        row[TOKEN_DIVIDE] = ShiftTo(15);
    }
    Row(table, 23, ReduceBy(4)); // Term "*" Factor
    Row(table, 24, ReduceBy(5)); // Term "/" Factor
    Row(table, 25, ReduceBy(7)); // Signed "^" Factor
    Row(table, 27, ReduceBy(14)); // "(" Expr ")"
    Row(table, 29, ReduceBy(16)); // function "(" Expr ")"
    Row(table, 80, ReduceBy(100)); // Factor "MOD" Factor
    return table;
}

constexpr ExprProductionTable BuildProductionTable()
{
    ExprProductionTable table{};
    table[1] = {ExprSymbol::Expr, 3};
    table[2] = {ExprSymbol::Expr, 3};
    table[3] = {ExprSymbol::Expr, 1};
    table[4] = {ExprSymbol::Term, 3};
    table[5] = {ExprSymbol::Term, 3};
    table[6] = {ExprSymbol::Term, 1};
    table[7] = {ExprSymbol::Factor, 3};
    table[8] = {ExprSymbol::Factor, 1};
    table[100] = {ExprSymbol::Factor, 3};
    table[9] = {ExprSymbol::Signed, 2};
    table[10] = {ExprSymbol::Signed, 1};
    table[12] = {ExprSymbol::Atom, 1};
    table[14] = {ExprSymbol::Primary, 3};
    table[15] = {ExprSymbol::Primary, 1};
    table[16] = {ExprSymbol::Primary, 4};
    return table;
}

// The state that a symbol, once reduced, takes above the state s now on top.
constexpr ExprGotoTable BuildGotoTable()
{
    ExprGotoTable table{};
    auto& expr = table[static_cast<int>(ExprSymbol::Expr)];
    expr[0] = 1;
    expr[9] = 19;
    expr[20] = 28;
    auto& term = table[static_cast<int>(ExprSymbol::Term)];
    term[0] = term[9] = term[20] = 2;
    term[12] = 21;
    term[13] = 22;
    auto& factor = table[static_cast<int>(ExprSymbol::Factor)];
    factor[0] = factor[9] = factor[12] = factor[13] = factor[20] = 3;
    factor[14] = 23;
    factor[15] = 24;
    factor[16] = 25;
    factor[40] = 80;
    for (const int state : kOperandStates) {
        table[static_cast<int>(ExprSymbol::Signed)][state] = 4;
        table[static_cast<int>(ExprSymbol::Atom)][state] = 6;
        table[static_cast<int>(ExprSymbol::Primary)][state] = 8;
    }
    table[static_cast<int>(ExprSymbol::Atom)][5] = 17;
    table[static_cast<int>(ExprSymbol::Primary)][5] = 8;
    return table;
}

} // namespace expr_tables

inline constexpr ExprActionTable kExprActions = expr_tables::BuildActionTable();
inline constexpr ExprProductionTable kExprProductions = expr_tables::BuildProductionTable();
inline constexpr ExprGotoTable kExprGotos = expr_tables::BuildGotoTable();

namespace expr_tables {

constexpr bool HasRow(int state)
{
    for (const ExprAction& action : kExprActions[state]) {
        if (action.kind == ExprActionKind::Error && action.argument == 0)
            return false;
    }
    return true;
}

// The parser starts in state 0 and moves only by shifts and gotos, so it never
// meets an empty row when all their targets have rows, and every rule it
// reduces by has a production.
constexpr bool TablesAreClosed()
{
    for (const auto& row : kExprActions) {
        for (const ExprAction& action : row) {
            if (action.kind == ExprActionKind::Shift && !HasRow(action.argument))
                return false;
            if (action.kind == ExprActionKind::Reduce && kExprProductions[action.argument].length == 0)
                return false;
        }
    }
    for (const auto& targets : kExprGotos) {
        for (const std::uint8_t state : targets) {
            if (!HasRow(state))
                return false;
        }
    }
    return HasRow(0);
}

static_assert(TablesAreClosed());

} // namespace expr_tables

// A reduction by a rule of one symbol (3, 6, 8, 10, 12, 15) pops one entry and
// pushes one with the same value: it only renames the top entry's state, and
// the entry below stays. A chain of them ("1" becomes Primary, Atom, Signed,
// Factor, Term and Expr) is therefore settled by one look-up, derived here
// from the tables above: the state the top entry ends in, from the state
// below it, the state it starts in and the lookahead.
namespace expr_tables {

constexpr bool IsRenaming(const ExprAction& action)
{
    return action.kind == ExprActionKind::Reduce && kExprProductions[action.argument].length == 1;
}

// The states that rename for some lookahead, numbered from 0.
constexpr std::array<std::int8_t, kExprStateCount> BuildRenamingIndex()
{
    std::array<std::int8_t, kExprStateCount> index{};
    std::int8_t next = 0;
    for (int state = 0; state < kExprStateCount; ++state) {
        index[state] = -1;
        for (const ExprAction& action : kExprActions[state]) {
            if (IsRenaming(action)) {
                index[state] = next++;
                break;
            }
        }
    }
    return index;
}

inline constexpr std::array<std::int8_t, kExprStateCount> kRenamingIndex = BuildRenamingIndex();

constexpr int CountRenamingStates()
{
    int count = 0;
    for (const std::int8_t index : kRenamingIndex)
        count += index >= 0 ? 1 : 0;
    return count;
}

inline constexpr int kRenamingStateCount = CountRenamingStates();

constexpr std::uint8_t FollowRenamings(int below, int state, int token)
{
    while (IsRenaming(kExprActions[state][token])) {
        const ExprProduction production = kExprProductions[kExprActions[state][token].argument];
        state = kExprGotos[static_cast<int>(production.left)][below];
    }
    return static_cast<std::uint8_t>(state);
}

using ExprRenamingTable =
    std::array<std::array<std::array<std::uint8_t, kExprTokenCount>, kRenamingStateCount>, kExprStateCount>;

constexpr ExprRenamingTable BuildRenamingTable()
{
    ExprRenamingTable table{};
    for (int below = 0; below < kExprStateCount; ++below) {
        for (int state = 0; state < kExprStateCount; ++state) {
            if (kRenamingIndex[state] < 0)
                continue;
            for (int token = 0; token < kExprTokenCount; ++token)
                table[below][kRenamingIndex[state]][token] = FollowRenamings(below, state, token);
        }
    }
    return table;
}

inline constexpr ExprRenamingTable kRenamingEnds = BuildRenamingTable();

} // namespace expr_tables

// Whether `state` renames for some lookahead.
constexpr bool MayRename(std::size_t state)
{
    return expr_tables::kRenamingIndex[state] >= 0;
}

// The state a renaming chain from `state` ends in, above `below`, for the
// lookahead; `state` must be one that may rename.
constexpr int RenamingsEnd(std::size_t below, std::size_t state, int token)
{
    return expr_tables::kRenamingEnds[below][expr_tables::kRenamingIndex[state]][token];
}

// The action table with the lookahead first, derived from it: the parse loop
// keeps the lookahead's column at hand and finds each step's action by the
// state alone. A shift into a state that may rename is marked as such, so
// that the renamings can follow it at once, and the loop never meets one.
using ExprActionColumns = std::array<std::array<ExprAction, kExprStateCount>, kExprTokenCount>;

namespace expr_tables {

constexpr ExprActionColumns BuildActionColumns()
{
    ExprActionColumns columns{};
    for (int state = 0; state < kExprStateCount; ++state) {
        for (int token = 0; token < kExprTokenCount; ++token) {
            ExprAction action = kExprActions[state][token];
            if (action.kind == ExprActionKind::Shift && MayRename(action.argument))
                action.kind = ExprActionKind::ShiftAndRename;
            columns[token][state] = action;
        }
    }
    return columns;
}

} // namespace expr_tables

inline constexpr ExprActionColumns kExprActionsByToken = expr_tables::BuildActionColumns();

// The state a reduction to `symbol` leaves on top, above the state `below`,
// once the renamings the lookahead calls for are settled: the goto table and
// the renaming chains in one look-up, derived from them.
using ExprSettledGotoTable =
    std::array<std::array<std::array<std::uint8_t, kExprTokenCount>, kExprStateCount>, kExprSymbolCount>;

namespace expr_tables {

constexpr ExprSettledGotoTable BuildSettledGotoTable()
{
    ExprSettledGotoTable table{};
    for (int symbol = 0; symbol < kExprSymbolCount; ++symbol) {
        for (int below = 0; below < kExprStateCount; ++below) {
            for (int token = 0; token < kExprTokenCount; ++token)
                table[symbol][below][token] = FollowRenamings(below, kExprGotos[symbol][below], token);
        }
    }
    return table;
}

} // namespace expr_tables

inline constexpr ExprSettledGotoTable kExprSettledGotos = expr_tables::BuildSettledGotoTable();
