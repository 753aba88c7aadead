#pragma once
// What the skinned-frame tests share: the program's own skin (taken from
// the main window's description in the program's resources), small skins
// made on the spot, and a form with a skin component that waits until the
// engine has taken it over.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/MessagePump.h"
#include "common/ProgramSkin.h"
#include "skin/archive/Bytes.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinManager.h"
#include "skin/frame/FormSkinner.h"
#include "toolkit/Form.h"
#include "toolkit/portable/PixelBuffer.h"


// A skin of four borders and a caption, every image given here (empty ones
// are left out of the definition).
struct TTestSkinImages {
  TPixelBuffer Left, Right, Top, Bottom;
  int LeftFrames = 2, RightFrames = 2, TopFrames = 2, BottomFrames = 2;
  int Trans = 1;
  std::string ExtraPersonality;  // more lines of the [Personality] section
  std::string ExtraSections;     // more sections after the others
  std::vector<std::pair<std::string, TPixelBuffer>> Extra;  // more images, by file name
};
TBytes MakeSkin(const TTestSkinImages& Images);
// Borders of the given widths, opaque, in two frames: frame 1 ActiveColour,
// frame 2 InactiveColour.
TTestSkinImages PlainBorders(int Left, int Title, int Right, int Bottom, TPixel ActiveColour,
                             TPixel InactiveColour);

// Writes Blob to a temporary file and returns its path; removed by the
// destructor.
class TTempSkinFile {
 public:
  explicit TTempSkinFile(const TBytes& Blob, const std::string& Name = "skin.skn");
  ~TTempSkinFile();
  const std::string& Path() const { return FPath; }

 private:
  std::string FPath;
};

// A sizeable (or other) form with a skin component of the main-form kind,
// shown; Active switches the component on as a form description would.
class TSkinnedForm {
 public:
  struct TOptions {
    TFormBorderStyle BorderStyle = bsSizeable;
    int ClientWidth = 400;
    int ClientHeight = 240;
    std::string Caption = "Skinned window";
    bool Active = true;
    int Tag = 0;
    std::function<void(TSkinData&)> Configure;
  };
  explicit TSkinnedForm(const TBytes& Skin);
  TSkinnedForm(const TBytes& Skin, const TOptions& Options);
  ~TSkinnedForm();

  HWND Handle() const { return Form->WindowHandle(); }
  TWinSkinForm* Skinner() const;
  // Pumps until the engine has activated the skin on the window.
  bool WaitSkinned(DWORD Milliseconds = 3000) const;
  bool WaitUnskinned(DWORD Milliseconds = 3000) const;

  std::unique_ptr<TForm> Form;
  TSkinData* Data = nullptr;
};

RECT WindowRectOf(HWND Window);
RECT ClientRectOf(HWND Window);
// The client area's top-left relative to the window's top-left.
POINT ClientOffset(HWND Window);
// Mouse input through the system, in screen coordinates.
void MouseMoveTo(int X, int Y);
void MouseButton(bool Down);
void DragWithMouse(POINT From, POINT To);

// An MDI frame of the system's own classes with its client; with a menu
// bar when WithMenu.
class TMDIFrame {
 public:
  explicit TMDIFrame(bool WithMenu = false);
  ~TMDIFrame();
  void Show();
  HWND NewChild(const char* Title, DWORD Style = 0);
  HWND Frame = nullptr;
  HWND Client = nullptr;
};
