#pragma once
// The skinned window's system menu: a pop-up menu rebuilt from the
// window's native system menu each time it is shown, its commands enabled
// as the window's state allows, and its choice sent to the window as a
// system command. The menu painters know it by its Tag.

#include <windows.h>

#include <memory>

class TWinSkinForm;
class TPopupMenu;
class TImageList;
class TObject;

class TSystemMenu {
 public:
  static constexpr int kMenuTag = 0x8235;

  explicit TSystemMenu(TWinSkinForm& Owner);
  ~TSystemMenu();
  TSystemMenu(const TSystemMenu&) = delete;
  TSystemMenu& operator=(const TSystemMenu&) = delete;

  // Shows the menu at a screen point. Asked again within the double-click
  // time while a title object is hot, it closes the window instead: a
  // double click on the icon button.
  void Show(POINT Screen);
  // The pop-up of the last showing, or null.
  TPopupMenu* Menu() const { return FMenu.get(); }
  void Release();

 private:
  void Rebuild();
  void AddNativeItem(HMENU Native, UINT Position);
  void ItemClick(TObject* Sender);

  TWinSkinForm& FOwner;
  std::unique_ptr<TPopupMenu> FMenu;
  std::unique_ptr<TImageList> FImages;
  DWORD FLastShown = 0;
  bool FShown = false;
};
