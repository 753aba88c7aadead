// Reading form descriptions into components: every value kind, nested
// paths, binary properties, events, fields, references and Loaded order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/ColorNames.h"
#include "toolkit/portable/Component.h"
#include "toolkit/portable/FormReader.h"

namespace {

FW_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
FW_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;

class TSampleFont : public TObject {
  FW_CLASS(TSampleFont)
 public:
  std::string GetName() const { return FName; }
  void SetName(const std::string& V) { FName = V; }
  int GetSize() const { return FSize; }
  void SetSize(int V) { FSize = V; }
  TFontStyles GetStyle() const { return FStyle; }
  void SetStyle(TFontStyles V) { FStyle = V; }

 private:
  std::string FName = "MS Sans Serif";
  int FSize = 8;
  TFontStyles FStyle;
};

const TClassInfo& TSampleFont::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSampleFont>("TSampleFont", nullptr)
          .Prop("Name", &TSampleFont::GetName, &TSampleFont::SetName, std::string("MS Sans Serif"))
          .Prop("Size", &TSampleFont::GetSize, &TSampleFont::SetSize, 8)
          .Prop("Style", &TSampleFont::GetStyle, &TSampleFont::SetStyle, TFontStyles{})
          .Info();
  return info;
}

// A component with one property of every kind. Its Loaded records what it
// sees of its neighbour, to show that all properties are set by then.
class TSample : public TComponent {
  FW_CLASS(TSample)
 public:
  using TComponent::TComponent;

  int GetWidth() const { return FWidth; }
  void SetWidth(int V) { FWidth = V; }
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment V) { FAlignment = V; }
  TFontStyles GetStyles() const { return FStyles; }
  void SetStyles(TFontStyles V) { FStyles = V; }
  std::string GetCaption() const { return FCaption; }
  // A setter that refuses a value, as controls do with text they cannot
  // take.
  void SetCaption(const std::string& V) {
    if (V == "refused") throw EComponentError("'refused' is no caption");
    FCaption = V;
  }
  std::wstring GetHint() const { return FHint; }
  void SetHint(const std::wstring& V) { FHint = V; }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool V) { FVisible = V; }
  int GetColor() const { return FColor; }
  void SetColor(int V) { FColor = V; }
  TSampleFont* GetFont() const { return FFont.get(); }
  std::vector<std::string> GetLines() const { return FLines; }
  void SetLines(const std::vector<std::string>& V) { FLines = V; }
  TSample* GetBuddy() const { return FBuddy; }
  void SetBuddy(TSample* V) {
    if (V && V->GetCaption() == "loner") throw EComponentError("a loner is nobody's buddy");
    FBuddy = V;
    if (V) FreeNotification(V);
  }

  TNotifyEvent OnClick;
  TEvent<TObject*, char&> OnKeyPress;

  std::vector<std::uint8_t> Blob;
  TComponent* ParentSeen = nullptr;
  bool SawLoadingDuringRead = false;
  std::string BuddyCaptionAtLoaded;
  int LoadedCalls = 0;
  static inline std::vector<std::string>* LoadOrder = nullptr;

  bool ReadBinaryProperty(std::string_view Name, const std::vector<std::uint8_t>& Bytes) override {
    if (Name != "Data") return TComponent::ReadBinaryProperty(Name, Bytes);
    Blob = Bytes;
    SawLoadingDuringRead = ComponentState().Contains(csLoading);
    return true;
  }
  void SetParentComponent(TComponent* Parent) override { ParentSeen = Parent; }
  void Loaded() override {
    TComponent::Loaded();
    ++LoadedCalls;
    if (FBuddy) BuddyCaptionAtLoaded = FBuddy->GetCaption();
    if (LoadOrder) LoadOrder->push_back(GetName());
  }

 protected:
  void Notification(TComponent* C, TOperation Op) override {
    if (Op == opRemove && C == FBuddy) FBuddy = nullptr;
  }

 private:
  int FWidth = 0;
  TAlignment FAlignment = taLeftJustify;
  TFontStyles FStyles;
  std::string FCaption;
  std::wstring FHint;
  bool FVisible = true;
  int FColor = clBtnFace;
  std::unique_ptr<TSampleFont> FFont = std::make_unique<TSampleFont>();
  std::vector<std::string> FLines;
  TSample* FBuddy = nullptr;
};

std::optional<int> WidthFromIdent(std::string_view Ident) {
  if (Ident == "crWide") return 640;
  return std::nullopt;
}

const TClassInfo& TSample::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSample>("TSample", &TComponent::StaticClass())
          .Creatable()
          .IntIdentProp("Width", &TSample::GetWidth, &TSample::SetWidth, 0, &WidthFromIdent)
          .Prop("Alignment", &TSample::GetAlignment, &TSample::SetAlignment, taLeftJustify)
          .Prop("Styles", &TSample::GetStyles, &TSample::SetStyles, TFontStyles{})
          .Prop("Caption", &TSample::GetCaption, &TSample::SetCaption, std::string())
          .Prop("Hint", &TSample::GetHint, &TSample::SetHint, std::wstring())
          .Prop("Visible", &TSample::GetVisible, &TSample::SetVisible, true)
          .ColorProp("Color", &TSample::GetColor, &TSample::SetColor, clBtnFace)
          .ObjectProp("Font", &TSample::GetFont)
          .PropNoDefault("Lines", &TSample::GetLines, &TSample::SetLines)
          .PropNoDefault("Buddy", &TSample::GetBuddy, &TSample::SetBuddy)
          .EventProp("OnClick", &TSample::OnClick)
          .EventProp("OnKeyPress", &TSample::OnKeyPress)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TSample);

class TSampleForm : public TSample {
  FW_CLASS(TSampleForm)
 public:
  using TSample::TSample;
  TSample* Sample1 = nullptr;
  TSample* Sample2 = nullptr;
  std::vector<std::string> Calls;

  void Sample1Click(TObject* Sender) {
    Calls.push_back("click:" + static_cast<TComponent*>(Sender)->GetName());
  }
  void Sample1KeyPress(TObject* Sender, char& Key) {
    if (Key == '/') Key = 0;
  }
};

const TClassInfo& TSampleForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TSampleForm>("TSampleForm", &TSample::StaticClass())
                                     .Field("Sample1", &TSampleForm::Sample1)
                                     .Field("Sample2", &TSampleForm::Sample2)
                                     .Method("Sample1Click", &TSampleForm::Sample1Click)
                                     .Method("Sample1KeyPress", &TSampleForm::Sample1KeyPress)
                                     .Info();
  return info;
}

const char* const kEveryKind = R"(object SampleForm: TSampleForm
  Caption = 'Main'
  object Sample1: TSample
    Width = -337
    Alignment = taCenter
    Styles = [fsBold, fsUnderline]
    Caption = 'It''s'#13#10'two' +
      ' lines'
    Hint = 'wide '#$263A
    Visible = False
    Color = clWindowText
    Font.Name = 'Arial'
    Font.Size = 20
    Font.Style = [fsItalic]
    Lines = ( 'one' 'two'
      'three' )
    Data = { 0102
             FF }
    Buddy = Sample2
    OnClick = Sample1Click
    OnKeyPress = Sample1KeyPress
    object Inner: TSample
      Color = $00FF00FF
    end
  end
  object Sample2: TSample
    Caption = 'set late'
    Tag = 7
  end
end
)";

TEST(FormReader, EveryValueKindReachesTheComponents) {
  TSampleForm form(nullptr);
  ReadFormDescription(form, kEveryKind);

  ASSERT_NE(form.Sample1, nullptr);
  ASSERT_NE(form.Sample2, nullptr);
  EXPECT_EQ(form.GetName(), "SampleForm");
  EXPECT_EQ(form.GetCaption(), "Main");
  TSample& s = *form.Sample1;
  EXPECT_EQ(s.Owner(), &form);
  EXPECT_EQ(s.GetWidth(), -337);
  EXPECT_EQ(s.GetAlignment(), taCenter);
  EXPECT_EQ(s.GetStyles(), (TFontStyles{fsBold, fsUnderline}));
  EXPECT_EQ(s.GetCaption(), "It's\r\ntwo lines");
  EXPECT_EQ(s.GetHint(), std::wstring(L"wide ") + wchar_t(0x263A));
  EXPECT_FALSE(s.GetVisible());
  EXPECT_EQ(s.GetColor(), clWindowText);
  EXPECT_EQ(s.GetFont()->GetName(), "Arial");
  EXPECT_EQ(s.GetFont()->GetSize(), 20);
  EXPECT_EQ(s.GetFont()->GetStyle(), TFontStyles{fsItalic});
  EXPECT_EQ(s.GetLines(), (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_EQ(s.Blob, (std::vector<std::uint8_t>{1, 2, 0xFF}));
  EXPECT_TRUE(s.SawLoadingDuringRead);
  EXPECT_EQ(s.GetBuddy(), form.Sample2);
  EXPECT_EQ(form.Sample2->GetTag(), 7);
  EXPECT_EQ(s.ParentSeen, &form);

  auto* inner = static_cast<TSample*>(form.FindComponent("Inner"));
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(inner->Owner(), &form);  // the form owns all, nesting gives the parent
  EXPECT_EQ(inner->ParentSeen, form.Sample1);
  EXPECT_EQ(inner->GetColor(), 0xFF00FF);

  // Events fire by the name they were bound to.
  s.OnClick(&s);
  char key = '/';
  s.OnKeyPress(&s, key);
  EXPECT_EQ(form.Calls, std::vector<std::string>{"click:Sample1"});
  EXPECT_EQ(key, 0);
  EXPECT_EQ(s.OnClick, TNotifyEvent(&form, &TSampleForm::Sample1Click));
}

TEST(FormReader, LoadedRunsOnceForEveryComponentAfterAllPropertiesAreSet) {
  TSampleForm form(nullptr);
  ReadFormDescription(form, kEveryKind);
  // Sample1's Loaded already saw Sample2's caption, which is read later.
  EXPECT_EQ(form.Sample1->BuddyCaptionAtLoaded, "set late");
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* c = static_cast<TSample*>(form.Component(i));
    EXPECT_EQ(c->LoadedCalls, 1) << c->GetName();
    EXPECT_FALSE(c->ComponentState().Contains(csLoading)) << c->GetName();
  }
  EXPECT_EQ(form.LoadedCalls, 1);
}

TEST(FormReader, LoadedFollowsCreationOrderRootFirst) {
  std::vector<std::string> order;
  TSample::LoadOrder = &order;
  TSampleForm form(nullptr);
  ReadFormDescription(form,
                      "object F: TSampleForm\n"
                      "  object A: TSample\n"
                      "    object B: TSample end\n"
                      "  end\n"
                      "  object C: TSample end\n"
                      "end\n");
  TSample::LoadOrder = nullptr;
  EXPECT_EQ(order, (std::vector<std::string>{"F", "A", "B", "C"}));
}

struct TBadCase {
  const char* Text;
  int Line;
  const char* Fault;  // a part of the message
};

TEST(FormReader, BadDescriptionsNameTheLineAndTheFault) {
  const TBadCase cases[] = {
      {"object F: TSampleForm\n  object X: TNoSuchClass\n  end\nend", 2,
       "class TNoSuchClass not found"},
      {"object F: TSampleForm\n  Colr = clRed\nend", 2,
       "property Colr does not exist in TSampleForm"},
      {"object F: TSampleForm\n\n  Width = 'wide'\nend", 3, "expects an integer"},
      {"object F: TSampleForm\n  Alignment = taNowhere\nend", 2, "not a value of TAlignment"},
      {"object F: TSampleForm\n  Styles = [fsBold, fsHeavy]\nend", 2, "\"fsHeavy\""},
      {"object F: TSampleForm\n  Visible = Maybe\nend", 2, "not True or False"},
      {"object F: TSampleForm\n  Color = clPlaid\nend", 2, "not a colour"},
      {"object F: TSampleForm\n  OnClick = Missing\nend", 2, "method Missing not found"},
      {"object F: TSampleForm\n  OnClick = Sample1KeyPress\nend", 2, "does not fit event OnClick"},
      {"object F: TSampleForm\n  Buddy = Nobody\nend", 2, "component Nobody not found"},
      {"object F: TSampleForm\n  Width = 1\n  Caption 'x'\nend", 3, "\"=\" expected"},
      {"object F: TSampleForm\n  Caption = 'open\nend", 2, "unterminated string"},
      {"object F: TSampleForm\n  Data = { 0 }\nend", 2, "odd number"},
      {"object F: TSampleForm\n  Width = 99999999999\nend", 2, "out of range"},
      {"object F: TSampleForm\n  Width = 1\n", 1, "has no end"},
      {"object F: TSampleForm\nend\nobject G: TSample\nend", 3, "after the final end"},
      {"object F: TSampleFont\nend", 1, "is of class TSampleFont, not TSampleForm"},
      {"object F: TSampleForm\n  Font.Nom = 'x'\nend", 2,
       "property Nom does not exist in TSampleFont"},
      {"object F: TSampleForm\n  Width.Name = 'x'\nend", 2, "has no sub-properties"},
      {"object F: TSampleForm\n  Blob = { 00 }\nend", 2, "property Blob does not exist"},
      {"object F: TSampleForm\n  object A: TSample end\n  object A: TSample end\nend", 3,
       "A component named A already exists"},
      {"object F: TSampleForm\n  object Sample1: TComponent end\nend", 2,
       "cannot hold a TComponent"},
      {"object F: TSampleForm\n  Width = 1\n  Caption = 'refused'\nend", 3,
       "property Caption: 'refused' is no caption"},
      {"object F: TSampleForm\n  object S: TSample\n    Buddy = T\n  end\n  object T: TSample\n"
       "    Caption = 'loner'\n  end\nend",
       3, "a loner is nobody's buddy"},
  };
  for (const TBadCase& c : cases) {
    TSampleForm form(nullptr);
    try {
      ReadFormDescription(form, c.Text);
      ADD_FAILURE() << "accepted: " << c.Text;
    } catch (const EFormError& e) {
      EXPECT_EQ(e.Line(), c.Line) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.Fault), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("line " + std::to_string(c.Line)), std::string::npos);
    }
    // Nothing half-built stays behind.
    EXPECT_EQ(form.ComponentCount(), 0) << c.Text;
    EXPECT_EQ(form.Sample1, nullptr);
  }
}

TEST(FormReader, DeepNestingIsRefusedWithoutExhaustingTheStack) {
  std::string text;
  for (int i = 0; i < 10000; ++i) text += "object T" + std::to_string(i) + ": TSample\n";
  TSampleForm form(nullptr);
  EXPECT_THROW(ReadFormDescription(form, text), EFormError);
}

}  // namespace

namespace {

TEST(FormParser, CommentsCodesContinuationsAndEmptyValues) {
  TFormObject root = ParseFormDescription(
      "// a form\n"
      "object TSampleForm\n"
      "  Caption = #$41'b'#67 + // joined\n"
      "    'd'\n"
      "  Styles = []\n"
      "  Lines = ()\n"
      "  Data = {}\n"
      "  Color = $80000008\n"
      "end\n");
  EXPECT_TRUE(root.Name.empty());
  EXPECT_EQ(root.ClassName, "TSampleForm");
  EXPECT_EQ(root.Line, 2);
  ASSERT_EQ(root.Properties.size(), 5u);
  EXPECT_EQ(root.Properties[0].Value.String, L"AbCd");
  EXPECT_EQ(root.Properties[1].Value.Kind, fvSet);
  EXPECT_TRUE(root.Properties[1].Value.Members.empty());
  EXPECT_TRUE(root.Properties[2].Value.Strings.empty());
  EXPECT_TRUE(root.Properties[3].Value.Bytes.empty());
  EXPECT_EQ(root.Properties[4].Value.Integer, static_cast<std::int32_t>(0x80000008));
  EXPECT_EQ(root.Properties[4].Line, 8);
}

TEST(FormReader, IntegerPropertiesAcceptTheirIdentifiers) {
  TSampleForm form(nullptr);
  ReadFormDescription(form, "object F: TSampleForm\n  Width = crWide\nend\n");
  EXPECT_EQ(form.GetWidth(), 640);
  try {
    ReadFormDescription(form, "object F: TSampleForm\n  Width = crNarrow\nend\n");
    ADD_FAILURE();
  } catch (const EFormError& e) {
    EXPECT_EQ(e.Line(), 2);
  }
}

}  // namespace

namespace {

TEST(FormReader, FormsReadTwiceUnderOneOwnerGetNamesOfTheirOwn) {
  TComponent owner(nullptr);
  const char* const text = R"(object SampleForm: TSampleForm
  object Sample1: TSample
    Buddy = Sample1
  end
end
)";
  std::vector<TSampleForm*> forms;
  for (int i = 0; i < 3; ++i) {
    forms.push_back(new TSampleForm(&owner));
    ReadFormDescription(*forms.back(), text);
  }
  EXPECT_EQ(forms[0]->GetName(), "SampleForm");
  EXPECT_EQ(forms[1]->GetName(), "SampleForm_2");
  EXPECT_EQ(forms[2]->GetName(), "SampleForm_3");
  // Names inside each form stay as described.
  EXPECT_EQ(forms[2]->Sample1->GetName(), "Sample1");
  EXPECT_EQ(forms[2]->Sample1->GetBuddy(), forms[2]->Sample1);
  // A freed name is used again.
  delete forms[0];
  auto* again = new TSampleForm(&owner);
  ReadFormDescription(*again, text);
  EXPECT_EQ(again->GetName(), "SampleForm");
}

}  // namespace
