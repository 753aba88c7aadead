#include "skin/frame/TitleButtons.h"

#include <algorithm>

#include "skin/definition/ParsedSkin.h"
#include "skin/engine/EngineMessages.h"
#include "skin/engine/SkinData.h"
#include "skin/frame/FormSkinner.h"

void TTitleButtons::Build(const TParsedSkin& Skin) {
  FButtons.clear();
  bool iconRead = false;
  for (const auto& element : Skin.TitleButtons) {
    if (!element) continue;
    auto button = std::make_unique<TWinSysButton>(FOwner, *element);
    if (button->IsIconButton()) {
      if (!iconRead) FOwner.RebuildIconBitmap();
      iconRead = true;
      // Without an image of its own the button is as large as the small
      // icon it shows.
      if (element->Image.Empty())
        button->SetOwnImage(TPixelBuffer(GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), KeyPixel));
    }
    FButtons.push_back(std::move(button));
  }
}

TTitleButtons::TWindowFacts TTitleButtons::ReadFacts() const {
  const int caps = FOwner.Capabilities();
  TWindowFacts f{};
  f.Maximised = FOwner.WindowState() == TWinSkinForm::wsMaximised;
  f.Active = FOwner.IsActive();
  f.MinBox = (caps & TWinSkinForm::cpMinimise) != 0;
  f.MaxBox = (caps & TWinSkinForm::cpMaximise) != 0;
  f.HelpBox = (caps & TWinSkinForm::cpHelp) != 0;
  f.SystemMenu = (caps & TWinSkinForm::cpSystemMenu) != 0;
  f.DialogFrame = FOwner.BorderKind() == TWinSkinForm::bkDialog;
  if (FOwner.FormKind() == TWinSkinForm::fkMDIParent && FOwner.MenuBarHeight() > 0 &&
      FOwner.MDIClientHandle()) {
    BOOL maximised = FALSE;
    const auto active = reinterpret_cast<HWND>(SendMessageA(
        FOwner.MDIClientHandle(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
    f.MDIButtonsShown = active && maximised;
  }
  return f;
}

// One of the two conditions a button's visibility is made of: First is the
// one read from Visibility, the other from Visibility1.
bool TTitleButtons::ShownBy(int Value, bool First, const TWinSysButton& Button,
                            const TWindowFacts& F) const {
  switch (Value) {
    case 0: return true;
    case 1: return F.Maximised;
    case 2: return !F.Maximised;
    case 3: return F.Active;
    case 4: return !F.Active;
    case 5: return false;
    case 6:
    case 8: return (F.MinBox || F.MaxBox) && (F.SystemMenu || !First);
    case 7: return !F.MaxBox;
    case 9: return !F.MinBox;
    case 10: return F.HelpBox && (!First || (!F.MinBox && !F.MaxBox));
    case 100: return F.MDIButtonsShown;
    case 200: return F.DialogFrame && !FOwner.IsDialog();
    default: break;
  }
  if (Value >= 201 && Value <= 999) return true;
  if (Value >= 1000 && Value <= 2000) {
    if (!First) return true;
    // The application decides.
    return SendMessageA(FOwner.Handle(), SM_BUTTONVISIBLE, static_cast<WPARAM>(Value),
                        Button.Action()) > 0;
  }
  return false;
}

void TTitleButtons::UpdateVisibility() {
  const TWindowFacts f = ReadFacts();
  for (const auto& button : FButtons) {
    const TDataSkinSysButton& e = button->Element();
    button->Visible = ShownBy(e.Visibility, true, *button, f) && ShownBy(e.Visibility1, false, *button, f);
    switch (e.Action) {
      case 0:
        if (!f.SystemMenu) button->Visible = false;
        break;
      case 1:
        button->Enabled = f.MaxBox && f.SystemMenu;
        break;
      case 2:
        button->Enabled = f.MinBox && f.SystemMenu;
        break;
      case 3:
      case 11:
      case 12:
        if (f.DialogFrame) button->Visible = false;
        break;
      default:
        break;
    }
  }
}

bool TTitleButtons::Drawable(const TWinSysButton& Button) const {
  return Button.Visible && !Button.Image().Empty();
}

RECT TTitleButtons::PlaceButton(const TWinSysButton& Button, int Width, int Height) const {
  const TDataSkinSysButton& e = Button.Element();
  const RECT text = FOwner.TitleTextRect();
  POINT at{0, 0};
  switch (e.Align) {
    case 0: at = {e.XCoord, e.YCoord}; break;
    case 1: at = {FOwner.WindowWidth() - e.XCoord, e.YCoord}; break;
    case 2:
    case 8: at = {text.left - Width - e.XCoord, e.YCoord}; break;
    case 3:
    case 9: at = {text.right + e.XCoord, e.YCoord}; break;
    case 100: {
      const TDataSkinObject* bar = FOwner.SkinData()->Skin().MenuBar.get();
      const int barLeft = bar ? bar->Margins.Left : 0;
      at = {FOwner.WindowWidth() - e.XCoord - FOwner.RightWidth() - barLeft,
            FOwner.TitleHeight() + (FOwner.MenuBarHeight() - Height) / 2};
      break;
    }
    default: break;
  }
  return {at.x, at.y, at.x + Width, at.y + Height};
}

void TTitleButtons::Layout() {
  for (const auto& button : FButtons) {
    if (!Drawable(*button)) continue;
    const TPixelBuffer& image = button->Image();
    button->Rect = PlaceButton(*button, image.Width() / button->FrameCount(), image.Height());
  }
}

void TTitleButtons::DrawTitle(HDC TitleDC, bool Active) const {
  for (const auto& button : FButtons)
    if (Drawable(*button) && !button->InMenuBar())
      button->Draw(TitleDC, button->TitleFrame(Active), 0, 0);
}

void TTitleButtons::DrawInMenuBar(HDC BarDC, int DX, int DY) const {
  for (const auto& button : FButtons)
    if (Drawable(*button) && button->InMenuBar())
      button->Draw(BarDC, TWinSysButton::frNormal, DX, DY);
}

int TTitleButtons::Reserve() const {
  int reserve = 0;
  for (const auto& button : FButtons)
    if (button->Element().Align == 1 && Drawable(*button))
      reserve = std::max(reserve, button->Element().XCoord);
  return reserve;
}

TWinSysButton* TTitleButtons::ButtonAt(POINT WindowPoint) const {
  for (const auto& button : FButtons)
    if (button->Visible && button->Action() >= 0 && button->Contains(WindowPoint))
      return button.get();
  return nullptr;
}
