#include "skin/frame/SystemMenu.h"

#include "skin/engine/SkinData.h"
#include "skin/engine/SkinManager.h"
#include "skin/frame/FormSkinner.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menu.h"

namespace {

// Images of the check-mark list, by system command.
constexpr int kRestoreImage = 0, kMaximiseImage = 1, kMinimiseImage = 2, kCloseImage = 3;

}  // namespace

TSystemMenu::TSystemMenu(TWinSkinForm& Owner) : FOwner(Owner) {}

TSystemMenu::~TSystemMenu() = default;

void TSystemMenu::Release() {
  FMenu.reset();
  FImages.reset();
}

void TSystemMenu::Show(POINT Screen) {
  const DWORD now = GetTickCount();
  if (FShown && now - FLastShown <= GetDoubleClickTime()) {
    if (FOwner.HotObject()) {
      FOwner.StopHoverTimer();
      PostMessageA(FOwner.Handle(), WM_CLOSE, 0, 0);
    }
    return;
  }
  TSkinManage::Ensure().SetPopupMenuKind(TSkinManage::pkSystemMenu);
  FShown = true;
  FLastShown = now;
  Rebuild();
  if (FMenu && FMenu->Items()->Count() > 0) FMenu->Popup(Screen.x, Screen.y);
}

void TSystemMenu::Rebuild() {
  Release();
  HMENU native = FOwner.SystemMenuHandle();
  if (!native) return;
  FMenu = std::make_unique<TPopupMenu>(nullptr);
  FMenu->SetTag(kMenuTag);
  if (TSkinData* data = FOwner.SkinData(); data && data->CheckMarks()) {
    FImages = std::make_unique<TImageList>(nullptr);
    FImages->SetShareImages(true);
    FImages->SetHandle(data->CheckMarks());
    FMenu->SetImages(FImages.get());
  }
  const int count = GetMenuItemCount(native);
  for (int i = 0; i < count; ++i) AddNativeItem(native, static_cast<UINT>(i));
}

void TSystemMenu::AddNativeItem(HMENU Native, UINT Position) {
  char caption[81] = {};
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_FTYPE;
  info.dwTypeData = caption;
  info.cch = 80;
  if (!GetMenuItemInfoA(Native, Position, TRUE, &info)) return;
  auto* item = new TMenuItem(FMenu.get());
  item->SetCaption(caption[0] ? std::string(caption) : std::string("-"));
  item->SetTag(static_cast<int>(info.wID));
  const int state = FOwner.WindowState();
  const bool maximised = state == TWinSkinForm::wsMaximised;
  const bool minimised = state == TWinSkinForm::wsMinimised;
  const int caps = FOwner.Capabilities();
  const bool nativeEnabled = (info.fState & MFS_GRAYED) != MFS_GRAYED;
  int image = -1;
  bool enabled = nativeEnabled;
  switch (info.wID) {
    case SC_SIZE:
      // Only a window with a sizing border can be sized.
      enabled = !maximised && !minimised && FOwner.Sizeable();
      break;
    case SC_MOVE:
      enabled = !maximised;
      break;
    case SC_MINIMIZE:
      image = kMinimiseImage;
      enabled = !minimised && (caps & TWinSkinForm::cpMinimise);
      break;
    case SC_MAXIMIZE:
      image = kMaximiseImage;
      enabled = !maximised && (caps & TWinSkinForm::cpMaximise);
      break;
    case SC_CLOSE:
      image = kCloseImage;
      break;
    case SC_RESTORE:
      image = kRestoreImage;
      enabled = state != TWinSkinForm::wsNormal;
      break;
    default:
      break;
  }
  item->SetImageIndex(image);
  item->SetEnabled(enabled);
  if (info.fState & MFS_CHECKED) item->SetChecked(true);
  item->OnClick = TNotifyEvent(this, &TSystemMenu::ItemClick);
  FMenu->Items()->Add(item);
}

void TSystemMenu::ItemClick(TObject* Sender) {
  const auto* item = dynamic_cast<TMenuItem*>(Sender);
  if (!item) return;
  PostMessageA(FOwner.Handle(), WM_SYSCOMMAND, static_cast<WPARAM>(item->GetTag()), 0);
}
