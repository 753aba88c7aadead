#pragma once
// The media player's painter: the player itself keeps working underneath,
// covered by a TWMediaPlayer that draws its buttons from the skin and that
// follows the player's bounds and visibility.

#include "skin/painters/SkinControl.h"

class TWMediaPlayer;

class TSkinMP : public TSkinControl {
  FW_CLASS(TSkinMP)
 public:
  explicit TSkinMP(TComponent* AOwner) : TSkinControl(AOwner) {}
  ~TSkinMP() override;

  void AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                       TCanvas* Canvas) override;

  TWMediaPlayer* Replacement() const { return FReplacement; }

 protected:
  void Detach() override;
  void AfterMessage(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void FreeReplacement();

  TWMediaPlayer* FReplacement = nullptr;
};
