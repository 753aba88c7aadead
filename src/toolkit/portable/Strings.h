#pragma once
// A list of text lines. TStrings is the interface that controls hand out
// for their items and lines (a list box keeps its items in its window, a
// memo its lines in its text); TStringList holds lines of its own. A form
// description fills either through the published "Strings" property:
//   Items.Strings = ( 'one' 'two' )

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/portable/ClassInfo.h"
#include "toolkit/portable/Event.h"

class EStringListError : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

class TStrings : public TObject {
  FW_CLASS(TStrings)
 public:
  virtual int Count() const = 0;
  // Throws EStringListError for an index outside 0..Count()-1.
  std::string Get(int Index) const;
  void Put(int Index, const std::string& Value);
  // Index may be Count() (append); returns where the line went.
  int Insert(int Index, const std::string& Value);
  int Add(const std::string& Value);
  void Delete(int Index);
  virtual void Clear() = 0;
  // Position of the first line equal to Value (ignoring ASCII case), or -1.
  int IndexOf(std::string_view Value) const;

  std::vector<std::string> GetStrings() const;
  void SetStrings(const std::vector<std::string>& Lines);
  void Assign(const TStrings& Source) { SetStrings(Source.GetStrings()); }
  // The lines joined, each followed by CR LF.
  std::string GetText() const;
  // Splits at CR LF, LF or CR; a last line without a break counts too.
  void SetText(std::string_view Text);

  // While an update runs (nested calls count), OnChange waits for its end.
  void BeginUpdate();
  void EndUpdate();
  TNotifyEvent OnChange;

 protected:
  virtual std::string DoGet(int Index) const = 0;
  virtual void DoPut(int Index, const std::string& Value);
  // Returns the index the line went to (a sorted list chooses its own).
  virtual int DoInsert(int Index, const std::string& Value) = 0;
  virtual void DoDelete(int Index) = 0;
  virtual void SetUpdating(bool /*Updating*/) {}
  void Changed();

 private:
  void CheckIndex(int Index, int Limit) const;
  int FUpdateCount = 0;
  bool FChangedWhileUpdating = false;
};

class TStringList : public TStrings {
  FW_CLASS(TStringList)
 public:
  int Count() const override { return static_cast<int>(FLines.size()); }
  void Clear() override;
  bool GetSorted() const { return FSorted; }
  // Sorted lists keep their lines in ascending order ignoring ASCII case;
  // Insert then places a line where it belongs.
  void SetSorted(bool Value);

 protected:
  std::string DoGet(int Index) const override { return FLines[static_cast<size_t>(Index)]; }
  void DoPut(int Index, const std::string& Value) override;
  int DoInsert(int Index, const std::string& Value) override;
  void DoDelete(int Index) override;

 private:
  void Sort();
  std::vector<std::string> FLines;
  bool FSorted = false;
};

// Splits text into lines at CR LF, LF or CR.
std::vector<std::string> SplitLines(std::string_view Text);
