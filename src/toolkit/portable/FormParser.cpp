#include "toolkit/portable/FormParser.h"

#include <limits>

#include "toolkit/portable/TextUtil.h"

namespace {

// Deeper nesting than this is refused rather than risking the stack.
constexpr int kMaxDepth = 64;

enum TTokenKind { tkEnd, tkIdent, tkInteger, tkString, tkSymbol };

struct TToken {
  TTokenKind Kind = tkEnd;
  std::string Text;  // identifier (dotted), symbol
  std::int64_t Integer = 0;
  std::wstring String;
  int Line = 1;
};

bool IsAlpha(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

class TLexer {
 public:
  explicit TLexer(std::string_view Text) : Src(Text) {}

  int Line() const { return CurLine; }

  TToken Next() {
    SkipSpace();
    TToken t;
    t.Line = CurLine;
    if (Pos >= Src.size()) return t;
    char c = Src[Pos];
    if (IsAlpha(c)) {
      t.Kind = tkIdent;
      while (Pos < Src.size() && (IsAlpha(Src[Pos]) || IsDigit(Src[Pos]) || Src[Pos] == '.')) {
        t.Text += Src[Pos++];
      }
      if (t.Text.back() == '.' || t.Text.find("..") != std::string::npos)
        throw EFormError(t.Line, "malformed name \"" + t.Text + "\"");
      return t;
    }
    if (IsDigit(c) || c == '$' ||
        ((c == '-' || c == '+') && Pos + 1 < Src.size() &&
         (IsDigit(Src[Pos + 1]) || Src[Pos + 1] == '$'))) {
      t.Kind = tkInteger;
      t.Integer = ReadInteger(t.Line);
      return t;
    }
    if (c == '\'' || c == '#') {
      t.Kind = tkString;
      t.String = ReadString(t.Line);
      return t;
    }
    t.Kind = tkSymbol;
    t.Text = std::string(1, c);
    ++Pos;
    return t;
  }

  // Reads the hexadecimal digits of a binary value up to the closing brace.
  std::vector<std::uint8_t> ReadBinary(int StartLine) {
    std::vector<std::uint8_t> bytes;
    int high = -1;
    for (;;) {
      SkipSpace();
      if (Pos >= Src.size()) throw EFormError(StartLine, "binary value not closed with }");
      char c = Src[Pos++];
      if (c == '}') break;
      int v = HexValue(c);
      if (v < 0) throw EFormError(CurLine, "invalid character in binary value");
      if (high < 0) {
        high = v;
      } else {
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + v));
        high = -1;
      }
    }
    if (high >= 0) throw EFormError(CurLine, "odd number of digits in binary value");
    return bytes;
  }

 private:
  void SkipSpace() {
    while (Pos < Src.size()) {
      char c = Src[Pos];
      if (c == '\n') {
        ++CurLine;
        ++Pos;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++Pos;
      } else if (c == '/' && Pos + 1 < Src.size() && Src[Pos + 1] == '/') {
        while (Pos < Src.size() && Src[Pos] != '\n') ++Pos;
      } else {
        break;
      }
    }
  }

  std::int64_t ReadInteger(int Line) {
    bool negative = false;
    if (Src[Pos] == '-' || Src[Pos] == '+') negative = Src[Pos++] == '-';
    int base = 10;
    if (Pos < Src.size() && Src[Pos] == '$') {
      base = 16;
      ++Pos;
    }
    std::uint64_t value = 0;
    int digits = 0;
    while (Pos < Src.size()) {
      int d = base == 16 ? HexValue(Src[Pos]) : (IsDigit(Src[Pos]) ? Src[Pos] - '0' : -1);
      if (d < 0) break;
      value = value * base + d;
      if (value > 0xFFFFFFFFull) throw EFormError(Line, "integer value out of range");
      ++digits;
      ++Pos;
    }
    if (digits == 0) throw EFormError(Line, "digits expected");
    if (Pos < Src.size() && (IsAlpha(Src[Pos]) || Src[Pos] == '.'))
      throw EFormError(Line, "invalid number");
    // $FFFFFFFF style values are 32-bit patterns (colours such as $80000008).
    std::int64_t result = static_cast<std::int64_t>(value);
    if (base == 16 && value > 0x7FFFFFFF) result = static_cast<std::int32_t>(value);
    return negative ? -result : result;
  }

  std::wstring ReadString(int Line) {
    std::wstring out;
    while (Pos < Src.size()) {
      if (Src[Pos] == '\'') {
        ++Pos;
        for (;;) {
          if (Pos >= Src.size() || Src[Pos] == '\n' || Src[Pos] == '\r')
            throw EFormError(Line, "unterminated string");
          char c = Src[Pos++];
          if (c == '\'') {
            if (Pos < Src.size() && Src[Pos] == '\'') {
              out += L'\'';
              ++Pos;
              continue;
            }
            break;
          }
          out += static_cast<wchar_t>(static_cast<unsigned char>(c));
        }
      } else if (Src[Pos] == '#') {
        ++Pos;
        if (Pos >= Src.size() || !(IsDigit(Src[Pos]) || Src[Pos] == '$'))
          throw EFormError(Line, "character code expected after #");
        std::int64_t code = ReadInteger(Line);
        if (code < 0 || code > 0xFFFF) throw EFormError(Line, "character code out of range");
        out += static_cast<wchar_t>(code);
      } else {
        break;
      }
    }
    return out;
  }

  std::string_view Src;
  size_t Pos = 0;
  int CurLine = 1;
};

class TParser {
 public:
  explicit TParser(std::string_view Text) : Lex(Text) { Advance(); }

  TFormObject ParseRoot() {
    TFormObject root = ParseObject();
    if (Tok.Kind != tkEnd) throw EFormError(Tok.Line, "text after the final end");
    return root;
  }

 private:
  void Advance() { Tok = Lex.Next(); }
  bool IsWord(const char* Word) const { return Tok.Kind == tkIdent && SameText(Tok.Text, Word); }
  bool IsSymbol(char C) const { return Tok.Kind == tkSymbol && Tok.Text[0] == C; }
  [[noreturn]] void Fail(const std::string& Fault) const { throw EFormError(Tok.Line, Fault); }

  std::string Describe() const {
    switch (Tok.Kind) {
      case tkEnd:
        return "end of text";
      case tkIdent:
        return "\"" + Tok.Text + "\"";
      case tkInteger:
        return "a number";
      case tkString:
        return "a string";
      default:
        return "\"" + Tok.Text + "\"";
    }
  }

  // Counts the objects and collections open around the current token.
  class TNesting {
   public:
    TNesting(TParser& Parser, const char* What) : Parser(Parser) {
      if (++Parser.Depth > kMaxDepth) Parser.Fail(std::string(What) + " nested too deeply");
    }
    ~TNesting() { --Parser.Depth; }
    TNesting(const TNesting&) = delete;
    TNesting& operator=(const TNesting&) = delete;

   private:
    TParser& Parser;
  };

  TFormObject ParseObject() {
    TNesting nesting(*this, "objects");
    if (!IsWord("object")) Fail("\"object\" expected but " + Describe() + " found");
    TFormObject obj;
    obj.Line = Tok.Line;
    Advance();
    if (Tok.Kind != tkIdent || Tok.Text.find('.') != std::string::npos)
      Fail("object name or class expected");
    std::string first = Tok.Text;
    Advance();
    if (IsSymbol(':')) {
      Advance();
      if (Tok.Kind != tkIdent || Tok.Text.find('.') != std::string::npos)
        Fail("class name expected after \":\"");
      obj.Name = first;
      obj.ClassName = Tok.Text;
      Advance();
    } else {
      obj.ClassName = first;
    }
    for (;;) {
      if (IsWord("end")) {
        Advance();
        return obj;
      }
      if (IsWord("object")) {
        obj.Children.push_back(ParseObject());
        continue;
      }
      if (Tok.Kind == tkEnd) throw EFormError(obj.Line, "object " + obj.Name + " has no end");
      if (Tok.Kind != tkIdent) Fail("property name expected but " + Describe() + " found");
      obj.Properties.push_back(ParseProperty());
    }
  }

  TFormProperty ParseProperty() {
    TFormProperty prop;
    prop.Name = Tok.Text;
    prop.Line = Tok.Line;
    Advance();
    if (!IsSymbol('=')) Fail("\"=\" expected after " + prop.Name);
    Advance();
    prop.Value = ParseValue();
    return prop;
  }

  std::wstring ParseStringChain() {
    std::wstring s = Tok.String;
    Advance();
    while (IsSymbol('+')) {
      Advance();
      if (Tok.Kind != tkString) Fail("string expected after +");
      s += Tok.String;
      Advance();
    }
    return s;
  }

  TFormValue ParseValue() {
    TFormValue v;
    switch (Tok.Kind) {
      case tkInteger:
        v.Kind = fvInteger;
        v.Integer = Tok.Integer;
        Advance();
        return v;
      case tkString:
        v.Kind = fvString;
        v.String = ParseStringChain();
        return v;
      case tkIdent:
        v.Kind = fvIdentifier;
        v.Identifier = Tok.Text;
        Advance();
        return v;
      case tkSymbol:
        break;
      case tkEnd:
        Fail("value expected but end of text found");
    }
    if (IsSymbol('[')) {
      v.Kind = fvSet;
      Advance();
      if (IsSymbol(']')) {
        Advance();
        return v;
      }
      for (;;) {
        if (Tok.Kind != tkIdent) Fail("set member expected but " + Describe() + " found");
        v.Members.push_back(Tok.Text);
        Advance();
        if (IsSymbol(']')) {
          Advance();
          return v;
        }
        if (!IsSymbol(',')) Fail("\",\" or \"]\" expected in set");
        Advance();
      }
    }
    if (IsSymbol('(')) {
      v.Kind = fvList;
      Advance();
      while (!IsSymbol(')')) {
        if (Tok.Kind != tkString) Fail("string expected in list but " + Describe() + " found");
        v.Strings.push_back(ParseStringChain());
      }
      Advance();
      return v;
    }
    if (IsSymbol('<')) {
      v.Kind = fvCollection;
      v.Items = ParseItems();
      return v;
    }
    if (IsSymbol('{')) {
      v.Kind = fvBinary;
      v.Bytes = Lex.ReadBinary(Tok.Line);
      Advance();
      return v;
    }
    Fail("value expected but " + Describe() + " found");
  }

  // < item ... end item ... end >
  std::vector<TFormItem> ParseItems() {
    TNesting nesting(*this, "collections");
    const int start = Tok.Line;
    Advance();
    std::vector<TFormItem> items;
    for (;;) {
      if (IsSymbol('>')) {
        Advance();
        return items;
      }
      if (Tok.Kind == tkEnd) throw EFormError(start, "collection not closed with >");
      if (!IsWord("item")) Fail("\"item\" or \">\" expected but " + Describe() + " found");
      items.push_back(ParseItem());
    }
  }

  TFormItem ParseItem() {
    TFormItem item;
    item.Line = Tok.Line;
    Advance();
    for (;;) {
      if (IsWord("end")) {
        Advance();
        return item;
      }
      if (Tok.Kind == tkEnd) throw EFormError(item.Line, "item has no end");
      if (Tok.Kind != tkIdent) Fail("property name expected but " + Describe() + " found");
      item.Properties.push_back(ParseProperty());
    }
  }

  TLexer Lex;
  TToken Tok;
  int Depth = 0;
};

}  // namespace

TFormObject ParseFormDescription(std::string_view Text) {
  return TParser(Text).ParseRoot();
}
