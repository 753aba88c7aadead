// Collections and their items, and collection values in form descriptions:
// items made through the item class, their properties set by name, and
// faulty or hostile lists refused with the line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/Collection.h"
#include "toolkit/portable/Component.h"
#include "toolkit/portable/FormReader.h"

namespace {

class TGridPart : public TCollectionItem {
  FW_CLASS(TGridPart)
 public:
  using TCollectionItem::TCollectionItem;
  int GetSize() const { return FSize; }
  void SetSize(int V) { FSize = V; }

 private:
  int FSize = 0;
};

const TClassInfo& TGridPart::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGridPart>("TGridPart", &TCollectionItem::StaticClass())
          .Creatable()
          .Prop("Size", &TGridPart::GetSize, &TGridPart::SetSize, 0)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TGridPart);

class TGridColumn : public TCollectionItem {
  FW_CLASS(TGridColumn)
 public:
  explicit TGridColumn(TCollection* Collection) : TCollectionItem(Collection) {}
  ~TGridColumn() override { ++Destroyed; }

  std::string GetTitle() const { return FTitle; }
  void SetTitle(const std::string& V) { FTitle = V; }
  int GetWidth() const { return FWidth; }
  void SetWidth(int V) { FWidth = V; }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool V) { FVisible = V; }
  TComponent* GetLink() const { return FLink; }
  void SetLink(TComponent* V) { FLink = V; }
  TCollection* GetParts() const { return FParts.get(); }

  TNotifyEvent OnClick;
  static inline int Destroyed = 0;

 private:
  std::string FTitle;
  int FWidth = 64;
  bool FVisible = true;
  TComponent* FLink = nullptr;
  std::unique_ptr<TCollection> FParts =
      std::make_unique<TCollection>(TGridPart::StaticClass(), this);
};

const TClassInfo& TGridColumn::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGridColumn>("TGridColumn", &TCollectionItem::StaticClass())
          .Creatable()
          .Prop("Title", &TGridColumn::GetTitle, &TGridColumn::SetTitle, std::string())
          .Prop("Width", &TGridColumn::GetWidth, &TGridColumn::SetWidth, 64)
          .Prop("Visible", &TGridColumn::GetVisible, &TGridColumn::SetVisible, true)
          .PropNoDefault("Link", &TGridColumn::GetLink, &TGridColumn::SetLink)
          .CollectionProp("Parts", &TGridColumn::GetParts)
          .EventProp("OnClick", &TGridColumn::OnClick)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TGridColumn);

// An item class the form reader cannot create.
class TFixedColumn : public TCollectionItem {
  FW_CLASS(TFixedColumn)
 public:
  TFixedColumn(TCollection* Collection, int) : TCollectionItem(Collection) {}
};

const TClassInfo& TFixedColumn::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFixedColumn>("TFixedColumn", &TCollectionItem::StaticClass())
          .Creatable()
          .Info();
  return info;
}

class TGrid : public TComponent {
  FW_CLASS(TGrid)
 public:
  using TComponent::TComponent;
  TCollection* GetColumns() const { return FColumns.get(); }
  TCollection* GetFixed() const { return FFixed.get(); }
  TGridColumn* Column(int Index) const { return static_cast<TGridColumn*>(FColumns->Item(Index)); }

  void ColumnClick(TObject* Sender) { Clicked.push_back(Sender); }
  std::vector<TObject*> Clicked;

 private:
  std::unique_ptr<TCollection> FColumns =
      std::make_unique<TCollection>(TGridColumn::StaticClass(), this);
  std::unique_ptr<TCollection> FFixed =
      std::make_unique<TCollection>(TFixedColumn::StaticClass(), this);
};

const TClassInfo& TGrid::StaticClass() {
  static const TClassInfo info = TClassBuilder<TGrid>("TGrid", &TComponent::StaticClass())
                                     .Creatable()
                                     .CollectionProp("Columns", &TGrid::GetColumns)
                                     .CollectionProp("Fixed", &TGrid::GetFixed)
                                     .Method("ColumnClick", &TGrid::ColumnClick)
                                     .Info();
  return info;
}
FW_REGISTER_CLASS(TGrid);

TEST(Collection, ItemsKnowTheirCollectionAndPositionAndGoWithIt) {
  TGridColumn::Destroyed = 0;
  TGrid grid(nullptr);
  TCollection& columns = *grid.GetColumns();
  EXPECT_EQ(columns.Owner(), &grid);
  EXPECT_EQ(&columns.ItemClass(), &TGridColumn::StaticClass());

  TCollectionItem* a = columns.Add();
  TCollectionItem* b = columns.Add();
  TCollectionItem* c = columns.Add();
  ASSERT_NE(dynamic_cast<TGridColumn*>(b), nullptr);
  EXPECT_EQ(b->Collection(), &columns);
  EXPECT_EQ(c->Index(), 2);

  delete b;  // leaves its collection
  EXPECT_EQ(columns.Count(), 2);
  EXPECT_EQ(c->Index(), 1);
  EXPECT_EQ(columns.IndexOf(b), -1);
  columns.Delete(0);
  EXPECT_EQ(columns.Item(0), c);
  EXPECT_EQ(c->Index(), 0);
  EXPECT_EQ(TGridColumn::Destroyed, 2);
  (void)a;

  columns.Add();
  columns.Clear();
  EXPECT_EQ(columns.Count(), 0);
  EXPECT_EQ(TGridColumn::Destroyed, 4);
  columns.Add();
  columns.Add();
  EXPECT_THROW(columns.Item(2), std::out_of_range);
  EXPECT_THROW(columns.Delete(-1), std::out_of_range);
}

TEST(Collection, RefusesItemClassesItCannotHoldOrMake) {
  EXPECT_THROW(TCollection(TGrid::StaticClass(), nullptr), ECollectionError);
  TCollection fixed(TFixedColumn::StaticClass(), nullptr);
  EXPECT_THROW(fixed.Add(), ECollectionError);
  EXPECT_EQ(fixed.Count(), 0);
}

const char* const kGridForm = R"(object Grid1: TGrid
  Columns = <
    item
      Title = 'Name'
      Width = 120
      OnClick = ColumnClick
    end
    item
    end
    item
      Visible = False
      Link = Other
      Parts = <
        item
          Size = 3
        end
        item
          Size = 4
        end>
    end>
  object Other: TComponent
  end
end
)";

TEST(FormReaderCollections, ItemsAreMadeInOrderWithTheirPropertiesSet) {
  TGrid grid(nullptr);
  grid.GetColumns()->Add();  // replaced by what the description lists
  ReadFormDescription(grid, kGridForm);

  ASSERT_EQ(grid.GetColumns()->Count(), 3);
  TGridColumn* first = grid.Column(0);
  EXPECT_EQ(first->GetTitle(), "Name");
  EXPECT_EQ(first->GetWidth(), 120);
  first->OnClick(first);
  EXPECT_EQ(grid.Clicked, std::vector<TObject*>{first});

  TGridColumn* plain = grid.Column(1);
  EXPECT_EQ(plain->GetTitle(), "");
  EXPECT_EQ(plain->GetWidth(), 64);
  EXPECT_TRUE(plain->GetVisible());

  TGridColumn* last = grid.Column(2);
  EXPECT_FALSE(last->GetVisible());
  // A reference to a component described after the list.
  EXPECT_EQ(last->GetLink(), grid.FindComponent("Other"));
  ASSERT_EQ(last->GetParts()->Count(), 2);
  EXPECT_EQ(static_cast<TGridPart*>(last->GetParts()->Item(1))->GetSize(), 4);

  ReadFormDescription(grid, "object Grid1: TGrid\n  Columns = <>\nend\n");
  EXPECT_EQ(grid.GetColumns()->Count(), 0);
}

TEST(FormReaderCollections, ParserKeepsItemLinesAndNesting) {
  TFormObject root = ParseFormDescription(kGridForm);
  ASSERT_EQ(root.Properties.size(), 1u);
  const TFormValue& columns = root.Properties[0].Value;
  EXPECT_EQ(columns.Kind, fvCollection);
  ASSERT_EQ(columns.Items.size(), 3u);
  EXPECT_EQ(columns.Items[0].Line, 3);
  EXPECT_EQ(columns.Items[1].Properties.size(), 0u);
  const TFormProperty& parts = columns.Items[2].Properties[2];
  EXPECT_EQ(parts.Name, "Parts");
  EXPECT_EQ(parts.Line, 13);
  ASSERT_EQ(parts.Value.Items.size(), 2u);
  EXPECT_EQ(parts.Value.Items[1].Properties[0].Value.Integer, 4);
  EXPECT_EQ(root.Children.size(), 1u);
}

struct TBadList {
  const char* Text;
  int Line;
  const char* Fault;  // a part of the message
};

TEST(FormReaderCollections, FaultyListsNameTheLineAndLeaveNothingBehind) {
  const TBadList cases[] = {
      {"object G: TGrid\n  Columns = <\n    item\n      Colour = 3\n    end>\nend", 4,
       "property Colour does not exist in TGridColumn"},
      {"object G: TGrid\n  Columns = <\n    item\n      Width = 'wide'\n    end>\nend", 4,
       "property Width expects an integer but the value is a string"},
      {"object G: TGrid\n  Columns = <\n    item\n      OnClick = Nowhere\n    end>\nend", 4,
       "method Nowhere not found"},
      {"object G: TGrid\n  Columns = <\n    item\n      Link = Nobody\n    end>\nend", 4,
       "component Nobody not found"},
      {"object G: TGrid\n  Columns = <\n    item\n      Data = { 00 }\n    end>\nend", 4,
       "property Data does not exist in TGridColumn"},
      {"object G: TGrid\n  Columns = <\n    item\n      Parts = <\n        item\n"
       "          Size = Big\n        end>\n    end>\nend",
       6, "expects an integer but the value is an identifier"},
      {"object G: TGrid\n  Columns = 3\nend", 2,
       "property Columns expects a collection but the value is an integer"},
      {"object G: TGrid\n  Tag = <>\nend", 2, "expects an integer but the value is a collection"},
      {"object G: TGrid\n  Fixed = <\n    item\n    end>\nend", 3, "cannot be created"},
      // Unterminated: the list runs into the end of the object, or the text.
      {"object G: TGrid\n  Columns = <\n    item\n    end\nend", 5,
       "\"item\" or \">\" expected but \"end\" found"},
      {"object G: TGrid\n  Columns = <\n    item\n    end\n", 2, "collection not closed with >"},
      {"object G: TGrid\n  Columns = <\n    item\n      Width = 3\n", 3, "item has no end"},
      {"object G: TGrid\n  Columns = <\n    item\n      Width = 3\n    >\nend", 5,
       "property name expected but \">\" found"},
      // Nonsense inside the brackets.
      {"object G: TGrid\n  Columns = < 5 >\nend", 2, "\"item\" or \">\" expected but a number"},
      {"object G: TGrid\n  Columns = <\n  object X: TGrid end >\nend", 3,
       "\"item\" or \">\" expected but \"object\" found"},
      {"object G: TGrid\n  Columns = < item end item < > end >\nend", 2,
       "property name expected but \"<\" found"},
      {"object G: TGrid\n  Columns = < item Width = > end >\nend", 2,
       "value expected but \">\" found"},
  };
  for (const TBadList& c : cases) {
    TGrid grid(nullptr);
    try {
      ReadFormDescription(grid, c.Text);
      ADD_FAILURE() << "accepted: " << c.Text;
    } catch (const EFormError& e) {
      EXPECT_EQ(e.Line(), c.Line) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.Fault), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("Error in form description, line "), std::string::npos);
    }
    EXPECT_EQ(grid.ComponentCount(), 0) << c.Text;
  }
}

TEST(FormReaderCollections, DeeplyNestedListsAreRefusedWithoutExhaustingTheStack) {
  std::string text = "object G: TGrid\n  Columns = <\n";
  for (int i = 0; i < 10000; ++i) text += "item Parts = <\n";
  TGrid grid(nullptr);
  try {
    ReadFormDescription(grid, text);
    ADD_FAILURE();
  } catch (const EFormError& e) {
    EXPECT_NE(std::string(e.what()).find("nested too deeply"), std::string::npos) << e.what();
  }
}

// A list written twice replaces the first one's items; references they were
// waiting for must not be set on items that are gone.
TEST(FormReaderCollections, ListWrittenTwiceDropsTheFirstItemsAndTheirReferences) {
  TGrid grid(nullptr);
  ReadFormDescription(grid,
                      "object G: TGrid\n"
                      "  Columns = < item Link = Other Parts = < item end > end >\n"
                      "  Columns = < item Title = 'second' end >\n"
                      "  object Other: TComponent end\n"
                      "end\n");
  ASSERT_EQ(grid.GetColumns()->Count(), 1);
  EXPECT_EQ(grid.Column(0)->GetTitle(), "second");
  EXPECT_EQ(grid.Column(0)->GetLink(), nullptr);
}

}  // namespace
