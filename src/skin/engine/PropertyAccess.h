#pragma once
// Reading and writing a component's published properties by name, as the
// engine does for controls of classes it knows only by name. Each call does
// nothing (or answers its default) when the object is null or has no
// published property of that name.

#include <cstdint>
#include <string>
#include <string_view>

class TObject;

// An integer (or colour) property; -1 when missing or of another kind.
std::int64_t GetOrdPropByName(const TObject* Object, std::string_view Name);
// The identifier of an enumeration (or boolean) property's value; empty
// when missing.
std::string GetEnumPropByName(const TObject* Object, std::string_view Name);
// A set property as text: its members' identifiers in brackets, separated
// by commas ("[btPlay,btStop]"); empty when missing.
std::string GetSetPropByName(const TObject* Object, std::string_view Name);
// A string or wide-string property as wide text; empty when missing.
std::wstring GetTextPropByName(const TObject* Object, std::string_view Name);
// The object held by a class-typed property, or null.
TObject* GetObjectPropByName(const TObject* Object, std::string_view Name);
// Integer and colour properties get Text as a number, enumerations and
// booleans the value Text names, string properties the text. False when
// nothing was written (no such property, a kind not written by text, or a
// text that names no value).
bool SetPropByName(TObject* Object, std::string_view Name, std::string_view Text);
// The integer property "Color", or Default.
std::int64_t GetColorPropByName(const TObject* Object, std::int64_t Default);
