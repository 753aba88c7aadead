// String lists: splitting text into lines, sorted insertion, bounds, and
// change notification batched by updates; the form reader fills a list
// through its Strings property.
#include <gtest/gtest.h>

#include <memory>

#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/FormReader.h"
#include "toolkit/portable/Strings.h"

namespace {

struct TChangeCounter {
  int Count = 0;
  void Changed(TObject*) { ++Count; }
};

TEST(StringList, TextSplitsAtEveryKindOfLineBreakAndJoinsWithCrLf) {
  TStringList list;
  list.SetText("one\r\ntwo\nthree\rfour");
  EXPECT_EQ(list.GetStrings(), (std::vector<std::string>{"one", "two", "three", "four"}));
  EXPECT_EQ(list.GetText(), "one\r\ntwo\r\nthree\r\nfour\r\n");
  // A final line break ends the last line; it does not start another.
  list.SetText("a\r\n\r\nb\r\n");
  EXPECT_EQ(list.GetStrings(), (std::vector<std::string>{"a", "", "b"}));
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, SortedListPlacesInsertedLinesIgnoringCaseAndIndexOfIgnoresCase) {
  TStringList list;
  list.SetStrings({"pear", "Apple", "fig"});
  list.SetSorted(true);
  EXPECT_EQ(list.GetStrings(), (std::vector<std::string>{"Apple", "fig", "pear"}));
  EXPECT_EQ(list.Insert(0, "banana"), 1);  // the index asked for does not count
  EXPECT_EQ(list.Add("zucchini"), 4);
  list.Put(0, "quince");
  EXPECT_EQ(list.GetStrings(),
            (std::vector<std::string>{"banana", "fig", "pear", "quince", "zucchini"}));
  EXPECT_EQ(list.IndexOf("PEAR"), 2);
  EXPECT_EQ(list.IndexOf("plum"), -1);
}

TEST(StringList, IndexesOutsideTheListAreRefused) {
  TStringList list;
  list.Add("only");
  EXPECT_THROW(list.Get(1), EStringListError);
  EXPECT_THROW(list.Get(-1), EStringListError);
  EXPECT_THROW(list.Delete(1), EStringListError);
  EXPECT_THROW(list.Insert(2, "x"), EStringListError);
  EXPECT_NO_THROW(list.Insert(1, "appended"));
  EXPECT_EQ(list.Get(1), "appended");
}

TEST(StringList, ChangesDuringAnUpdateAreReportedOnceAtItsEnd) {
  TStringList list;
  TChangeCounter counter;
  list.OnChange = TNotifyEvent(&counter, &TChangeCounter::Changed);
  list.Add("a");
  EXPECT_EQ(counter.Count, 1);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("b");
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(counter.Count, 1);
  list.EndUpdate();
  EXPECT_EQ(counter.Count, 2);
  // Replacing the whole list is one change; an update without changes none.
  list.SetStrings({"x", "y", "z"});
  EXPECT_EQ(counter.Count, 3);
  list.BeginUpdate();
  list.EndUpdate();
  EXPECT_EQ(counter.Count, 3);
}

class THolder : public TComponent {
  FW_CLASS(THolder)
 public:
  using TComponent::TComponent;
  TStringList* GetLines() const { return Lines.get(); }
  std::unique_ptr<TStringList> Lines = std::make_unique<TStringList>();
};

const TClassInfo& THolder::StaticClass() {
  static const TClassInfo info = TClassBuilder<THolder>("THolder", &TComponent::StaticClass())
                                     .ObjectProp("Lines", &THolder::GetLines)
                                     .Info();
  return info;
}

TEST(StringList, FormDescriptionFillsTheListThroughStrings) {
  THolder holder(nullptr);
  ReadFormDescription(
      holder, "object H: THolder\n  Lines.Strings = (\n    'first'\n    'it''s #'#9)\nend\n");
  EXPECT_EQ(holder.Lines->GetStrings(), (std::vector<std::string>{"first", "it's #\t"}));
}

}  // namespace
