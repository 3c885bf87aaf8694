#include "runtime/string.h"

#include <algorithm>
#include <cstring>
#include <ostream>

#include "runtime/exception.h"
#include "runtime/internal/utf8.h"

namespace tazmix {

namespace {

const Ref<TStringObject>& EmptyRep() {
  // One shared empty buffer for the whole process; never released.
  static const Ref<TStringObject> empty = New<TStringObject>(std::u16string());
  return empty;
}

Ref<TStringObject> MakeRep(std::u16string units) {
  if (units.empty()) return EmptyRep();
  return New<TStringObject>(std::move(units));
}

}  // namespace

String TStringObject::ToString() const { return String(Ref<TStringObject>(const_cast<TStringObject*>(this))); }

int32_t TStringObject::Compare(const Object* other) const {
  String mine, theirs;
  if (!String::FromObject(this, &mine) || !String::FromObject(other, &theirs)) return Object::Compare(other);
  return mine.Compare(theirs);
}

String::String() : rep_(EmptyRep()) {}
String::String(const char* utf8) : String(utf8 ? std::string_view(utf8) : std::string_view()) {}
String::String(const std::string& utf8) : String(std::string_view(utf8)) {}
String::String(std::string_view utf8) : rep_(MakeRep(DecodeUtf8(utf8, Utf8Fallback::kBytes))) {}
String::String(const char16_t* units) : String(FromWString(units)) {}
String::String(std::u16string units) : rep_(MakeRep(std::move(units))) {}
String::String(std::u16string_view units) : rep_(MakeRep(std::u16string(units))) {}
String::String(const char8_t* utf8) : String(utf8 ? std::u8string_view(utf8) : std::u8string_view()) {}
String::String(const std::u8string& utf8) : String(std::u8string_view(utf8)) {}
String::String(std::u8string_view utf8)
    : String(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size())) {}
String::String(Ref<TStringObject> rep) : rep_(rep ? std::move(rep) : EmptyRep()) {}

bool String::FromObject(const Object* object, String* out) {
  auto* s = dynamic_cast<const TStringObject*>(object);
  if (!s) return false;
  if (out) *out = String(Ref<TStringObject>(const_cast<TStringObject*>(s)));
  return true;
}

String String::Slice(int32_t a, int32_t b) const {
  if (b <= a) return String();
  if (a == 0 && b == Length()) return *this;
  const int64_t count = int64_t(b) - a;
  if (count > INT32_MAX) return String();  // longer than any String can be
  std::u16string out(static_cast<size_t>(count), u' ');
  const int32_t len = Length();
  const int32_t from = std::max(a, 0), to = std::min(b, len);
  for (int32_t i = from; i < to; ++i) out[static_cast<size_t>(i - int64_t(a))] = (*this)[i];
  return String(std::move(out));
}

int32_t String::Compare(const String& other) const noexcept {
  const auto& x = Units();
  const auto& y = other.Units();
  const size_t n = std::min(x.size(), y.size());
  for (size_t i = 0; i < n; ++i) {
    if (x[i] != y[i]) return int32_t(x[i]) - int32_t(y[i]);
  }
  return static_cast<int32_t>(x.size()) - static_cast<int32_t>(y.size());
}

String operator+(const String& a, const String& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  std::u16string units;
  units.reserve(a.Units().size() + b.Units().size());
  units += a.Units();
  units += b.Units();
  return String(std::move(units));
}

int32_t String::Find(const String& sub, int32_t start) const {
  if (start < 0) start = 0;
  const int32_t len = Length(), n = sub.Length();
  for (int64_t i = start; i + n <= len; ++i) {
    if (std::equal(sub.Data(), sub.Data() + n, Data() + i)) return static_cast<int32_t>(i);
  }
  return -1;
}

int32_t String::FindLast(const String& sub, int32_t start) const {
  const int32_t len = Length(), n = sub.Length();
  for (int64_t i = std::min(int64_t(len) - start, int64_t(len) - n); i >= 0; --i) {
    if (std::equal(sub.Data(), sub.Data() + n, Data() + i)) return static_cast<int32_t>(i);
  }
  return -1;
}

String String::Trim() const {
  int32_t a = 0, b = Length();
  while (a < b && (*this)[a] < 33) ++a;
  while (b > a && (*this)[b - 1] < 33) --b;
  if (a == 0 && b == Length()) return *this;
  return String(View().substr(static_cast<size_t>(a), static_cast<size_t>(b - a)));
}

String String::Replace(const String& find, const String& with) const {
  if (find.IsEmpty()) return *this;
  int32_t at = Find(find, 0);
  if (at < 0) return *this;
  std::u16string out;
  int32_t from = 0;
  while (at >= 0) {
    out.append(View().substr(static_cast<size_t>(from), static_cast<size_t>(at - from)));
    out += with.Units();
    from = at + find.Length();
    at = Find(find, from);
  }
  out.append(View().substr(static_cast<size_t>(from)));
  return String(std::move(out));
}

int32_t String::StartsWith(const String& sub) const {
  return sub.Length() <= Length() && View().substr(0, sub.Units().size()) == sub.View();
}

int32_t String::EndsWith(const String& sub) const {
  return sub.Length() <= Length() &&
         View().substr(static_cast<size_t>(Length() - sub.Length())) == sub.View();
}

int32_t String::Contains(const String& sub) const { return Find(sub, 0) != -1; }

std::vector<String> String::Split(const String& separator) const {
  std::vector<String> pieces;
  if (separator.IsEmpty()) {
    int32_t i = 0;
    const int32_t len = Length();
    while (i < len) {
      while (i < len && (*this)[i] <= 32) ++i;
      const int32_t a = i;
      while (i < len && (*this)[i] > 32) ++i;
      if (i > a) pieces.emplace_back(View().substr(static_cast<size_t>(a), static_cast<size_t>(i - a)));
    }
    return pieces;
  }
  int32_t from = 0;
  for (int32_t at = Find(separator, 0); at >= 0; at = Find(separator, from)) {
    pieces.emplace_back(View().substr(static_cast<size_t>(from), static_cast<size_t>(at - from)));
    from = at + separator.Length();
  }
  pieces.emplace_back(View().substr(static_cast<size_t>(from)));
  return pieces;
}

String String::Join(const std::vector<String>& pieces) const {
  std::u16string out;
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (i) out += Units();
    out += pieces[i].Units();
  }
  return String(std::move(out));
}

std::string String::ToCString() const {
  std::string out(Units().size(), '\0');
  for (size_t i = 0; i < out.size(); ++i) out[i] = static_cast<char>(Units()[i] & 0xFF);
  return out;
}

std::u16string String::ToWString() const { return Units(); }

std::string String::ToUTF8String() const { return EncodeUtf8(View(), Utf8Pairs::kUnitByUnit); }

std::ostream& operator<<(std::ostream& out, const String& text) {
  return out << EncodeUtf8(text.View(), Utf8Pairs::kJoined);
}

String String::FromCString(const char* text) {
  if (!text) return String();
  return FromBytes(reinterpret_cast<const uint8_t*>(text), static_cast<int32_t>(std::strlen(text)));
}

String String::FromWString(const char16_t* text) {
  if (!text) return String();
  return String(std::u16string(text));
}

String String::FromBytes(const uint8_t* bytes, int32_t count) {
  if (count <= 0 || !bytes) return String();
  std::u16string units(bytes, bytes + count);
  return String(std::move(units));
}

String String::FromShorts(const char16_t* units, int32_t count) {
  if (count <= 0 || !units) return String();
  return String(std::u16string(units, static_cast<size_t>(count)));
}

String String::FromUTF8String(const char* text) {
  return text ? FromUTF8String(std::string_view(text)) : String();
}

String String::FromUTF8String(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  while (!text.empty()) {
    // The inverse of ToUTF8String, which writes each half of a pair on its own.
    const Utf8Sequence s = DecodeUtf8Sequence(text, Utf8Pairs::kUnitByUnit);
    if (s.code_point == kUtf8Invalid) {
      out += u'\uFFFD';
    } else if (s.code_point > 0xFFFF) {
      ThrowRuntimeError("Unicode character out of UCS-2 range");
    } else {
      out += static_cast<char16_t>(s.code_point);
    }
    text.remove_prefix(s.length);
  }
  return String(std::move(out));
}

}  // namespace tazmix
