// Verbs carried out through a shell context menu: one command, in the
// spelling the menu knows.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "shell/ShellMenuVerb.h"

namespace {

// A context menu offering "delete" and "properties". Exact: it knows verbs
// only in that spelling, as some shells do; otherwise it ignores case. Every
// verb it knows is carried out and answered with Result.
class TFakeContextMenu : public IContextMenu {
 public:
  TFakeContextMenu(bool Exact, HRESULT Result) : FExact(Exact), FResult(Result) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID Id, void** Object) override {
    if (Id == IID_IUnknown || Id == IID_IContextMenu) {
      *Object = static_cast<IContextMenu*>(this);
      return S_OK;
    }
    *Object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE QueryContextMenu(HMENU Menu, UINT Index, UINT First, UINT,
                                             UINT) override {
    for (UINT i = 0; i < kVerbs.size(); ++i)
      InsertMenuA(Menu, Index + i, MF_BYPOSITION | MF_STRING, First + i, kVerbs[i]);
    return MAKE_HRESULT(SEVERITY_SUCCESS, 0, kVerbs.size());
  }
  HRESULT STDMETHODCALLTYPE GetCommandString(UINT_PTR Offset, UINT Type, UINT*, CHAR* Name,
                                             UINT Size) override {
    if (Offset >= kVerbs.size()) return E_INVALIDARG;
    if (Type == GCS_VERBA) {
      lstrcpynA(Name, kVerbs[Offset], static_cast<int>(Size));
      return S_OK;
    }
    if (Type == GCS_VERBW) {
      MultiByteToWideChar(CP_ACP, 0, kVerbs[Offset], -1, reinterpret_cast<WCHAR*>(Name),
                          static_cast<int>(Size));
      return S_OK;
    }
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE InvokeCommand(CMINVOKECOMMANDINFO* Command) override {
    const std::string verb = IS_INTRESOURCE(Command->lpVerb) ? "#" : std::string(Command->lpVerb);
    Calls.push_back(verb);
    for (const char* known : kVerbs)
      if (FExact ? lstrcmpA(known, verb.c_str()) == 0 : lstrcmpiA(known, verb.c_str()) == 0)
        return FResult;
    return E_FAIL;
  }

  std::vector<std::string> Calls;

 private:
  static constexpr std::array<const char*, 2> kVerbs{"delete", "properties"};
  bool FExact;
  HRESULT FResult;
};

const HRESULT kCancelled = HRESULT_FROM_WIN32(ERROR_CANCELLED);

}  // namespace

// A shell that carried the command out and reported it cancelled (the user
// said no to the confirmation) is not asked a second time.
TEST(ShellMenuVerb, ACommandCarriedOutIsNotSentAgain) {
  TFakeContextMenu menu(false, kCancelled);
  EXPECT_EQ(InvokeMenuVerb(&menu, "Delete"), kCancelled);
  EXPECT_EQ(menu.Calls.size(), 1u);

  TFakeContextMenu failing(false, E_FAIL);
  EXPECT_EQ(InvokeMenuVerb(&failing, "Properties"), E_FAIL);
  EXPECT_EQ(failing.Calls.size(), 1u);
}

// A shell that knows the canonical verbs only in lower case gets them so,
// once; a verb the menu does not list goes as it is.
TEST(ShellMenuVerb, TheMenusOwnSpellingIsUsed) {
  TFakeContextMenu exact(true, S_OK);
  EXPECT_EQ(MenuSpellingOfVerb(&exact, "Delete"), "delete");
  EXPECT_EQ(InvokeMenuVerb(&exact, "Delete"), S_OK);
  EXPECT_EQ(exact.Calls, std::vector<std::string>{"delete"});

  TFakeContextMenu other(true, S_OK);
  EXPECT_EQ(InvokeMenuVerb(&other, "Frobnicate"), E_FAIL);
  EXPECT_EQ(other.Calls, std::vector<std::string>{"Frobnicate"});
}
