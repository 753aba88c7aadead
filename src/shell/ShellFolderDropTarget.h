#pragma once
// A drop target for a file-system folder that does what the system's file
// manager does with files dropped on a folder: the effect follows the keys
// (Ctrl copies, Shift moves, both link, none moves on the same drive and
// copies elsewhere; what is not allowed gives the first effect that is),
// and a drop
// copies or moves the files through the shell's file operation, which asks
// before replacing anything. It stands in for the shell's own target where
// the platform's folders take drops without carrying them out.

#include <oleidl.h>

#include <atomic>
#include <string>
#include <vector>

class TVintoShellFolderDropTarget : public IDropTarget {
 public:
  TVintoShellFolderDropTarget(HWND Owner, std::string FolderPath);
  virtual ~TVintoShellFolderDropTarget() = default;

  // Whether the shell's own folder targets must be stood in for here.
  static bool PlatformNeedsStandIn();
  // The effect for a drop of Files into Folder with Keys held, within
  // Allowed.
  static DWORD EffectFor(const std::vector<std::string>& Files, const std::string& Folder,
                         DWORD Keys, DWORD Allowed);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID Iid, void** Object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++FRefs; }
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* Data, DWORD Keys, POINTL,
                                      DWORD* Effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD Keys, POINTL, DWORD* Effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* Data, DWORD Keys, POINTL, DWORD* Effect) override;

 private:
  static std::vector<std::string> FilesOf(IDataObject* Data);
  bool CarryOut(DWORD Effect) const;

  std::atomic<ULONG> FRefs{1};
  HWND FOwner;
  std::string FFolder;
  std::vector<std::string> FFiles;
};
