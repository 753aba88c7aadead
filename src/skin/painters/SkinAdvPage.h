#pragma once
// The painter of page controls of other libraries that carry pictures of
// their own for the tabs ("TabBackGround", and "TabBackGroundActive" for
// the selected tab). The control is drawn as any tab control is, and while
// the painter is attached those pictures hold the skin's normal and
// selected tab, so that what the control draws itself matches the skin;
// its own pictures come back when the painter lets go.

#include <memory>

#include "skin/painters/SkinTab.h"
#include "toolkit/portable/PixelBuffer.h"

class TBitmap;

class TSkinAdvPage : public TSkinTab {
  FW_CLASS(TSkinAdvPage)
 public:
  // The painter's page mode.
  static constexpr int kPageMode = 4;

  explicit TSkinAdvPage(TComponent* AOwner);
  ~TSkinAdvPage() override;

  void AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                       TCanvas* Canvas) override;
  void SkinChanged() override;

 protected:
  void Detach() override;

 private:
  // One of the control's tab pictures and what it held before.
  struct TTabPicture {
    const char* Property;
    int Frame;
    TBitmap* Bitmap = nullptr;
    std::unique_ptr<TPixelBuffer> Saved;
  };
  void ApplyPictures();
  void RestorePictures();

  TTabPicture FPictures[2] = {{"TabBackGround", tfNormal, nullptr, nullptr},
                              {"TabBackGroundActive", tfSelected, nullptr, nullptr}};
};
