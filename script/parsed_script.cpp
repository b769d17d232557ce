#include "script/parsed_script.h"

#include <functional>
#include <string_view>

#include "script/block_scan.h"
#include "script/text_primitives.h"
#include "util/conversions.h"
#include "util/error.h"
#include "util/text_search.h"

namespace vx {

namespace {

constexpr char kFinalMark = '\xD8';
constexpr int kAll = 1 << 30;

void ParseAssignment(ParsedStatement& p) {
  const std::string s = StripSpaces(p.line, true);
  const int equal = PosOf("=", s);
  p.target = CopyText(s, 2, equal - 2);
  switch (p.mark) {
    case '#': p.expression = CopyText(s, equal + 1, kAll); break;
    case '$': p.expression = StripSpaces(CopyText(s, equal + 1, kAll), true); break;
    default: p.expression = CopyText(p.compact, PosOf("=", p.compact) + 1, kAll); break;
  }
  if (p.mark != '$') p.numForm = CompileSimpleNumExpr(p.expression);
  if (p.mark == '#') p.targetKey = NormaliseVarName(p.target);
}

void ParseCall(ParsedStatement& p) {
  try {
    p.number = StrToInt(p.compact.substr(0, p.compact.find('(')));
  } catch (const Error&) {
    p.number.reset();
  }
  p.args[0] = GetArgument(p.line, 1);
  const int commas = CountOutsideQuotes(",", p.compact);
  for (int k = 2; k <= 5; ++k)
    if (commas >= k - 1) p.args[static_cast<std::size_t>(k - 1)] = GetArgument(p.line, k);
}

std::size_t HashLines(const LineList& lines) {
  std::size_t h = lines.size();
  const std::hash<std::string_view> hashText;
  for (const std::string& line : lines) h = h * 1000003u ^ hashText(line);
  return h;
}

void ParseRunForm(ParsedStatement& p) {
  p.code = StatementCode(p.line);
  if (p.line.empty()) return;
  p.compact = StripSpaces(p.line, false);
  if (!p.compact.empty() && (p.compact[0] == '#' || p.compact[0] == '$' || p.compact[0] == '!')) {
    p.form = ParsedStatement::Form::Assignment;
    p.mark = p.compact[0];
    ParseAssignment(p);
  } else {
    p.form = ParsedStatement::Form::Call;
    ParseCall(p);
  }
}

}  // namespace

ParsedStatement ParseStatement(const std::string& storedLine) {
  ParsedStatement p;
  p.scanCompact = StripSpaces(storedLine, false);
  p.scanCode = StatementCode(storedLine);
  p.line = storedLine;
  if (!p.line.empty() && p.line.back() == kFinalMark) p.line.pop_back();
  ParseRunForm(p);
  return p;
}

ParsedStatement ParseRunningLine(const std::string& line) {
  ParsedStatement p;
  p.line = line;
  ParseRunForm(p);
  return p;
}

std::shared_ptr<const ParsedScript> ParseScript(const LineList& lines) {
  auto script = std::make_shared<ParsedScript>();
  script->source = lines;
  script->statements.reserve(lines.size());
  for (const std::string& line : lines) script->statements.push_back(ParseStatement(line));
  return script;
}

std::shared_ptr<const ParsedScript> ParsedScriptCache::Get(const LineList& lines) {
  const std::size_t key = HashLines(lines);
  if (auto it = byHash_.find(key); it != byHash_.end() && it->second->source == lines) return it->second;
  auto script = ParseScript(lines);
  if (byHash_.size() >= kMaxScripts) byHash_.clear();
  byHash_[key] = script;  // a colliding script simply takes the place
  return script;
}

}  // namespace vx
