// The dispatcher: page, object, code and arguments of a method text.

#include "objects/methods/object_methods.h"

#include "host/application.h"
#include "host/pages.h"
#include "host/vx_form.h"
#include "objects/page_objects.h"
#include "objects/vx_hosted.h"
#include "script/shift.h"
#include "script/text_primitives.h"
#include "util/conversions.h"
#include "util/error.h"
#include "util/text_forms.h"
#include "util/text_search.h"
#include "values/expressions.h"
#include "values/number_text.h"

namespace vx {

long double MethodCall::Number(int k) const {
  return EvalNumExpr(args[static_cast<std::size_t>(k - 1)], app.eval);
}

std::int32_t MethodCall::Int(int k) const {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(RoundHalfEven(Number(k))));
}

bool MethodCall::Flag(int k) const { return IsPositive(RoundHalfEven(Number(k))); }

std::string MethodCall::Text(int k) const { return EvalStrExpr(args[static_cast<std::size_t>(k - 1)], app.eval); }

platform::Color MethodCall::Colour(int k) const { return HexToColor(Text(k)); }

platform::FontSpec MethodCall::Font(int k) const { return TextToFont(Text(k)); }

LineList MethodCall::EventText(int k) const {
  const std::string encoded = Text(k);
  app.shiftKey.Set(kEventTextKey);
  std::string script = ShiftDecode(encoded, app.shiftKey.Get());
  for (char& c : script)
    if (c == '\x01') c = '\r';
  return SplitLines(script);
}

void DoObjAction(Application& app, const std::string& methodText, const std::string& objectName,
                 int pageNumber) {
  TVXForm* page = app.FormOf(GetFormByNum(app, pageNumber));
  if (page == nullptr) return;
  TVXObject* object = page->Components().Find("OBJ" + objectName);
  if (object == nullptr) return;

  std::array<std::string, 5> args;
  int code = 0;
  const auto open = methodText.find('(');
  if (open == std::string::npos) {
    code = StrToInt(methodText);
  } else {
    code = StrToInt(std::string_view(methodText).substr(0, open));
    args[0] = GetArgument(methodText, 1);
    const int commas = CountOutsideQuotes(",", StripSpaces(methodText, false));
    for (int k = 2; k <= 5; ++k)
      if (commas >= k - 1) args[static_cast<std::size_t>(k - 1)] = GetArgument(methodText, k);
  }
  MethodHandler handler = FindMethod(code);
  if (handler == nullptr) return;
  MethodCall call{app, *page, *object, objectName, args};
  handler(call);
  // A browser is refreshed after every method; that refresh may fail alone.
  if (auto* browser = dynamic_cast<TVXBrowser*>(page->Components().Find("OBJ" + objectName))) {
    try {
      browser->Browser().Refresh();
    } catch (const Error&) {
    }
  }
}

}  // namespace vx
