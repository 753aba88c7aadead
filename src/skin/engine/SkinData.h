#pragma once
// The skin component a form carries: the compressed skin (embedded in the
// form description as "SkinStream", or read from SkinFile), the skin parsed
// from it, and the switches that say what is skinned.
//
// The component never skins or unskins a window itself (except, for the
// kinds that skin only their own form, that form at start): switching
// Active and loading a new skin are requests to the window manager, which
// carries them out on its timer.

#include <windows.h>
// (needs windows.h first)
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/archive/Bytes.h"
#include "skin/definition/ParsedSkin.h"
#include "skin/definition/SkinFindings.h"
#include "toolkit/Control.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/portable/Component.h"

FW_ENUM(TSkinOption, xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround,
        xoNoFocusRect, xoToolbarBK, xoToolbarButton, xoMDIChildBorder, xoMenuBG, xoFormScrollbar)
using TSkinOptions = TSet<TSkinOption>;

FW_ENUM(TSkinControlType, xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo,
        xcCheckBox, xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn,
        xcSpeedButton, xcSpin, xcPanel, xcGroupBox, xcStatusBar, xcTab, xcTrackBar, xcSystemMenu,
        xcFastReport)
using TSkinControlTypes = TSet<TSkinControlType>;

FW_ENUM(TSkinFormType, sfMainform, sfOnlyThisForm, sfDialog, sfDLL)

class TSkinData;

using TOnFormSkin = TEvent<TObject*, const std::string&, bool&>;
using TOnSkinForm = TEvent<TObject*, HWND, const std::string&>;
using TOnSkinControl =
    TEvent<TComponent*, TSkinData*, TControl*, TControl*, const std::string&, TComponent*&>;

class TSkinData : public TComponent {
  FW_CLASS(TSkinData)
 public:
  explicit TSkinData(TComponent* AOwner);

  static TSkinControlTypes DefaultSkinControls();
  static const std::vector<std::string>& DefaultSkin3rd();

  ~TSkinData() override;

  bool GetActive() const { return FActive; }
  void SetActive(bool Value);
  int GetDisableTag() const { return FDisableTag; }
  void SetDisableTag(int Value) { FDisableTag = Value; }
  TSkinControlTypes GetSkinControls() const { return FSkinControls; }
  void SetSkinControls(TSkinControlTypes Value) { FSkinControls = Value; }
  TSkinOptions GetOptions() const { return FOptions; }
  void SetOptions(TSkinOptions Value) { FOptions = Value; }
  std::vector<std::string> GetSkin3rd() const { return FSkin3rd; }
  void SetSkin3rd(const std::vector<std::string>& Value) { FSkin3rd = Value; }
  std::string GetSkinFile() const { return FSkinFile; }
  // At run time a file that exists, or an unpacked skin folder, replaces the
  // skin held, is loaded and applied to the windows this component skins; a
  // missing file changes nothing but the name.
  void SetSkinFile(const std::string& Value);
  // Reads the skin file or folder named by SkinFile again and applies it to
  // every window skinned, as SetSkinFile does. False when there is no file
  // or folder to read or it cannot be read (the user has been told why); the
  // skin shown then stays.
  bool ReloadSkin();
  // What the reader found wrong in the skin shown (kept when a new skin
  // could not be read at all).
  const TSkinFindings& Findings() const { return FFindings; }
  // The file or folder the skin shown was read from; empty for a skin
  // embedded in the form or handed over as bytes.
  std::string SkinSource() const { return FSkinSource; }
  // "(Good)" in a designer with a skin embedded, "(none)" otherwise.
  std::string GetSkinStore() const;
  void SetSkinStore(const std::string&) {}
  TSkinFormType GetSkinFormtype() const { return FSkinFormtype; }
  void SetSkinFormtype(TSkinFormType Value) { FSkinFormtype = Value; }
  std::string GetVersion() const { return "4.72.02.27"; }
  void SetVersion(const std::string&) {}
  bool GetMenuUpdate() const { return FMenuUpdate; }
  void SetMenuUpdate(bool Value) { FMenuUpdate = Value; }
  bool GetMenuMerge() const { return FMenuMerge; }
  void SetMenuMerge(bool Value) { FMenuMerge = Value; }

  TOnFormSkin OnFormSkin;
  TNotifyEvent OnSkinChanged;
  TOnSkinControl OnSkinControl;
  TOnSkinForm OnBeforeSkinForm;
  TOnSkinForm OnAfterSkinForm;

  // Receives "SkinStream": a non-empty stream replaces the skin buffer and,
  // outside a designer, is loaded at once.
  bool ReadBinaryProperty(std::string_view Name, const std::vector<std::uint8_t>& Bytes) override;

  // Loads the skin buffer into the parsed skin; false when there is no
  // skin to load or its archive is not understood (the user has been told).
  bool LoadSkin();
  // Skin (an archive's bytes) replaces the skin held; it is loaded and
  // applied to the windows as a skin file given at run time would be.
  void SetSkinBuffer(const TBytes& Skin);
  // Re-skins every window skinned with this component (after a new skin
  // was loaded).
  void ApplySkin();
  // The per-window veto, asked by the manager with its preliminary
  // decision in DoSkin.
  void FormVeto(HWND Window, const std::string& ClassName, bool& DoSkin);
  void FireSkinChanged();
  // The optional system functions: false, or nothing, where the system
  // lacks them.
  bool ScrollBarInfo(HWND Window, LONG ObjectId, SCROLLBARINFO& Info) const;
  void TrackLeave(HWND Window) const;

  // Start-up once the form description is read.
  void Loaded() override;

  // The window asked about in the latest veto.
  HWND VetoWindow() const { return FVetoWindow; }
  // Frame painting of the skinned windows; switched off while a menu change
  // passes through the native window procedure.
  bool FramePainting = true;
  const LOGFONTA& CaptionFont() const { return FCaptionFont; }
  // The check-mark images of menus (four 16 x 16 images, white as mask).
  HIMAGELIST CheckMarks() const { return FCheckMarks; }
  // The application's small icon on magenta.
  HBITMAP ApplicationIcon() const { return FApplicationIcon.Get(); }
  SIZE MaximisedSize() const { return FMaximisedSize; }

  // The compressed skin, without the stream's length prefix; empty while the
  // skin comes from a folder.
  const TBytes& SkinBuffer() const { return FSkinBuffer; }
  bool SkinLoaded() const { return !FSkinNotLoaded; }
  const TParsedSkin& Skin() const { return FSkin; }

 private:
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  bool Reading() const { return ComponentState().Contains(csLoading); }
  void StartMainForm();
  void StartOwnFormOnly();
  void TakeApplicationIcon();
  bool ReadSkinFile(bool HadSkin, bool Reloading);
  bool TakeSkin(TBytes Skin, std::string Folder, bool HadSkin);

  bool FActive = false;
  int FDisableTag = 99;
  TSkinControlTypes FSkinControls;
  TSkinOptions FOptions{xoPreview, xoToolbarBK};
  std::vector<std::string> FSkin3rd;
  std::string FSkinFile;
  TSkinFormType FSkinFormtype = sfMainform;
  bool FMenuUpdate = true;
  bool FMenuMerge = false;

  TBytes FSkinBuffer;
  std::string FSkinFolder;  // the skin held is this folder's, not FSkinBuffer
  std::string FSkinSource;
  TSkinFindings FFindings;
  bool FSkinNotLoaded = true;
  TParsedSkin FSkin;
  HWND FVetoWindow = nullptr;
  LOGFONTA FCaptionFont{};
  HIMAGELIST FCheckMarks = nullptr;
  TBitmapHandle FApplicationIcon;
  SIZE FMaximisedSize{};
};
