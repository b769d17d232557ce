#pragma once
// The clauses of an if statement and how they are decided.

#include <string>
#include <string_view>
#include <vector>

#include "script/runner.h"

namespace vx {

struct EvalContext;

// Clause n is the text between the n-th "(" and the n-th closing bracket at
// depth 1; after each clause every occurrence of its text (A-Z in any case)
// leaves the line before the next is taken. Element 0 is empty.
std::vector<std::string> ExtractClauses(std::string_view line);

// The AND flag an if line sets: the character after the first ")" of the
// space-free line, "&" or "|", when it holds two "(" outside quotes;
// otherwise the flag stays as it was.
bool AndFlagOf(std::string_view line, bool previous);

// 1 true, 0 false, -1 a clause without a valid operator. Text compared with
// "<" fails with an empty message.
int EvalClause(EvalContext& ctx, const Tifclause& record, int index);
// 1 when the clauses hold (joined by AND or OR as the record says), else 0.
int ConditionMet(EvalContext& ctx, const Tifclause& record);

}  // namespace vx
