#include "stream/internal/url_subject.h"

#include "runtime/error_report.h"
#include "stream/bank.h"
#include "stream/stream.h"

namespace tazmix {

String UrlSubject(const Ref<Object>& url) {
  String text;
  if (String::FromObject(url.get(), &text)) return QuoteText(text);
  if (!url) return "Null";
  if (Cast<TStream>(url)) return "a stream";
  if (Cast<TBank>(url)) return "a bank";
  return "an object";
}

}  // namespace tazmix
