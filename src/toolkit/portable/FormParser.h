#pragma once
// Parses the text form of a form description into a tree of objects and
// property values; no component is created here. Syntax:
//
//   object Form1: TForm1
//     Caption = 'Title'#13#10'second line'
//     Font.Name = 'Arial'
//     BorderIcons = [biSystemMenu, biMinimize]
//     Items.Strings = ( 'a' 'b' )
//     SkinStream = { 0A0B
//                    0C }
//     OnShow = FormShow
//     Columns = <
//       item
//         Width = 40
//       end>
//     object Label1: TLabel
//       Left = 16
//     end
//   end
//
// Strings are quoted with ' (doubled inside) and may be joined with #nn
// character codes and, across lines, with +. Integers are decimal or $hex.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/portable/FormError.h"

enum TFormValueKind { fvInteger, fvString, fvIdentifier, fvSet, fvList, fvBinary, fvCollection };

struct TFormProperty;

// One item of a collection value, with its property lines.
struct TFormItem {
  int Line = 0;
  std::vector<TFormProperty> Properties;
};

struct TFormValue {
  TFormValueKind Kind = fvInteger;
  std::int64_t Integer = 0;
  // String: code units as written (quoted bytes 0..255, #nn up to 0xFFFF).
  std::wstring String;
  // Identifier: the word; set: its members; list: the strings.
  std::string Identifier;
  std::vector<std::string> Members;
  std::vector<std::wstring> Strings;
  std::vector<std::uint8_t> Bytes;
  std::vector<TFormItem> Items;
};

struct TFormProperty {
  std::string Name;  // may be a dotted path
  TFormValue Value;
  int Line = 0;
};

struct TFormObject {
  std::string Name;  // may be empty
  std::string ClassName;
  int Line = 0;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
};

// Throws EFormError naming the line of the first fault.
TFormObject ParseFormDescription(std::string_view Text);
