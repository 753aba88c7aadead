#include "SkinReport.h"

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

#include "skin/imaging/SkinSystem.h"

namespace {

std::string Hex(TColor Color) {
  const TColor c = ResolveColor(Color);
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(c), GreenOf(c), BlueOf(c));
  return text;
}

std::string Quote(const std::string& Text) {
  std::string out = "\"";
  for (unsigned char c : Text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04X", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

// One field: its name and its value already written as JSON.
using TField = std::pair<std::string, std::string>;

std::string Size(const TPixelBuffer& Image) {
  return "[" + std::to_string(Image.Width()) + ", " + std::to_string(Image.Height()) + "]";
}
std::string Int(int Value) {
  return std::to_string(Value);
}
std::string Bool(bool Value) {
  return Value ? "true" : "false";
}
std::string Colour(TColor Value) {
  return Quote(Hex(Value));
}

std::string CaptionColour(TColor Value) {
  return Value == TDataSkinTitle::NoColour ? "null" : Colour(Value);
}

std::vector<TField> ElementFields(const TDataSkinObject& E) {
  const TRect& m = E.Margins;
  std::vector<TField> f = {
      {"Class", Quote(E.ClassName())},
      {"ElementName", Quote(E.ElementName)},
      {"FrameCount", Int(E.FrameCount)},
      {"Margins",
       "[" + Int(m.Left) + ", " + Int(m.Top) + ", " + Int(m.Right) + ", " + Int(m.Bottom) + "]"},
      {"Trans", Int(E.Trans)},
      {"Tile", Int(E.Tile)},
      {"Style", Int(E.Style)},
      {"Image", Size(E.Image)},
      {"NormalColour", Int(E.NormalColour)},
      {"MouseOverColour", Int(E.MouseOverColour)},
      {"PressedColour", Int(E.PressedColour)},
      {"NormalColour2", Colour(E.NormalColour2)},
      {"MouseOverColour2", Colour(E.MouseOverColour2)},
      {"PressedColour2", Colour(E.PressedColour2)},
  };
  if (auto* b = dynamic_cast<const TDataSkinBorder*>(&E)) {
    f.push_back({"SecondImage", Size(b->SecondImage)});
  } else if (auto* b = dynamic_cast<const TDataSkinButton*>(&E)) {
    f.insert(f.end(), {{"CheckButton", Size(b->CheckButton)},
                       {"RadioButton", Size(b->RadioButton)},
                       {"RadioButtonFrame", Int(b->RadioButtonFrame)},
                       {"CheckButtonFrame", Int(b->CheckButtonFrame)},
                       {"NormalColour2Given", Bool(b->NormalColour2Given)},
                       {"MouseOverColour2Given", Bool(b->MouseOverColour2Given)},
                       {"PressedColour2Given", Bool(b->PressedColour2Given)}});
  } else if (auto* t = dynamic_cast<const TDataSkinTitle*>(&E)) {
    f.insert(f.end(), {{"TextAlignment", Int(t->TextAlignment)},
                       {"Textbackground", Int(t->Textbackground)},
                       {"FontHeight", Int(t->FontHeight)},
                       {"TXTBackleft", Int(t->TXTBackleft)},
                       {"TXTBackRight", Int(t->TXTBackRight)},
                       {"ActiveCaptionColour", CaptionColour(t->ActiveCaptionColour)},
                       {"InactiveCaptionColour", CaptionColour(t->InactiveCaptionColour)}});
  } else if (auto* s = dynamic_cast<const TDataSkinSysButton*>(&E)) {
    f.insert(f.end(), {{"Action", Int(s->Action)},
                       {"Align", Int(s->Align)},
                       {"XCoord", Int(s->XCoord)},
                       {"YCoord", Int(s->YCoord)},
                       {"CombineOp", Int(s->CombineOp)},
                       {"Visibility", Int(s->Visibility)},
                       {"Visibility1", Int(s->Visibility1)}});
  } else if (auto* g = dynamic_cast<const TDataSkinBoxLabel*>(&E)) {
    f.insert(f.end(), {{"BackgroundLeftShift", Int(g->BackgroundLeftShift)},
                       {"BackgroundRightShift", Int(g->BackgroundRightShift)},
                       {"BackgroundAlignment", Int(g->BackgroundAlignment)}});
  }
  return f;
}

std::vector<TField> TitleButtonFields(const TDataSkinSysButton& B) {
  return {{"ElementName", Quote(B.ElementName)},
          {"Action", Int(B.Action)},
          {"Align", Int(B.Align)},
          {"XCoord", Int(B.XCoord)},
          {"YCoord", Int(B.YCoord)},
          {"CombineOp", Int(B.CombineOp)},
          {"Visibility", Int(B.Visibility)},
          {"Visibility1", Int(B.Visibility1)},
          {"FrameCount", Int(B.FrameCount)},
          {"Image", Size(B.Image)}};
}

std::string Object(const std::vector<TField>& Fields, const std::string& Indent) {
  if (Fields.empty()) return "{}";
  std::string out = "{\n";
  for (std::size_t i = 0; i < Fields.size(); ++i)
    out += Indent + "  " + Quote(Fields[i].first) + ": " + Fields[i].second +
           (i + 1 < Fields.size() ? ",\n" : "\n");
  return out + Indent + "}";
}

std::string Array(const std::vector<std::string>& Items, const std::string& Indent) {
  if (Items.empty()) return "[]";
  std::string out = "[\n";
  for (std::size_t i = 0; i < Items.size(); ++i)
    out += Indent + "  " + Items[i] + (i + 1 < Items.size() ? ",\n" : "\n");
  return out + Indent + "]";
}

std::vector<TField> ColourFields(const TSkinColours& Colours) {
  std::vector<TField> fields;
  for (const TColourKey& key : ColourKeys) fields.push_back({key.Key, Colour(Colours.*key.Field)});
  return fields;
}

std::vector<std::string> ColourList(const TColor* Begin, const TColor* End) {
  std::vector<std::string> items;
  for (const TColor* c = Begin; c != End; ++c) items.push_back(Colour(*c));
  return items;
}

std::string Unquote(const std::string& Value) {
  return Value.size() >= 2 && Value.front() == '"' ? Value.substr(1, Value.size() - 2) : Value;
}

std::string TextFields(const std::vector<TField>& Fields, const std::string& Indent) {
  std::string out;
  for (const TField& f : Fields) out += Indent + f.first + " = " + Unquote(f.second) + "\n";
  return out;
}

}  // namespace

std::string SkinReportJson(const TParsedSkin& Skin, const TSkinFindings& Findings) {
  std::vector<TField> elements;
  for (const TDataSkinObject* e : Skin.Elements())
    elements.push_back({e->ElementName, Object(ElementFields(*e), "    ")});
  std::vector<std::string> buttons;
  for (const auto& b : Skin.TitleButtons) buttons.push_back(Object(TitleButtonFields(*b), "    "));
  std::vector<std::string> findings;
  for (const std::string& line : Findings.Lines()) findings.push_back(Quote(line));
  const std::vector<TField> top = {
      {"Name", Quote(Skin.SkinName)},
      {"Colours", Object(ColourFields(Skin.Colours), "  ")},
      {"NumberedColors", Array(ColourList(Skin.NumberedColors.data(),
                                          Skin.NumberedColors.data() + Skin.NumberedColors.size()),
                               "  ")},
      {"CustomColors",
       Array(ColourList(Skin.CustomColors.data(), Skin.CustomColors.data() + 10), "  ")},
      {"BorderSampleColor", Colour(Skin.BorderSampleColor)},
      {"Elements", Object(elements, "  ")},
      {"TitleButtons", Array(buttons, "  ")},
      {"Findings", Array(findings, "  ")},
  };
  return Object(top, "") + "\n";
}

std::string SkinReportText(const TParsedSkin& Skin, const TSkinFindings& Findings) {
  std::string out = "Name: " + Skin.SkinName + "\n\nColours:\n";
  out += TextFields(ColourFields(Skin.Colours), "  ");
  out += "NumberedColors:";
  for (TColor c : Skin.NumberedColors) out += " " + Hex(c);
  out += "\nCustomColors:";
  for (TColor c : Skin.CustomColors) out += " " + Hex(c);
  out += "\nBorderSampleColor: " + Hex(Skin.BorderSampleColor) + "\n\nElements:\n";
  for (const TDataSkinObject* e : Skin.Elements()) {
    out += "  [" + e->ElementName + "]\n";
    std::vector<TField> fields = ElementFields(*e);
    fields.erase(fields.begin() + 1);  // the name is the heading
    out += TextFields(fields, "    ");
  }
  out += "\nTitleButtons:\n";
  for (std::size_t i = 0; i < Skin.TitleButtons.size(); ++i) {
    out += "  " + std::to_string(i + 1) + ". " + Skin.TitleButtons[i]->ElementName + "\n";
    std::vector<TField> fields = TitleButtonFields(*Skin.TitleButtons[i]);
    fields.erase(fields.begin());
    out += TextFields(fields, "    ");
  }
  if (Findings.Empty()) return out + "\nFindings: none\n";
  out += "\nFindings:\n";
  for (const std::string& line : Findings.Lines()) out += "  " + line + "\n";
  return out;
}
